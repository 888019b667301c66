#include "platform/linux/x11_selection_reader.h"

#include "clock/clock.h"

#include <QByteArray>
#include <QList>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string_view>

namespace lexaro {

namespace {

struct FreeXcb
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, FreeXcb>;

enum AtomIndex
{
    Clipboard,
    Targets,
    Utf8String,
    TextPlainUtf8,
    String,
    TextPlain,
    Incr,
    UriList,
    GnomeCopiedFiles,
    FirstProperty,
    AtomCount = FirstProperty + 4
};

constexpr std::array<const char*, AtomCount> AtomNames = {
    "CLIPBOARD", "TARGETS", "UTF8_STRING", "text/plain;charset=utf-8", "STRING", "text/plain",
    "INCR", "text/uri-list", "x-special/gnome-copied-files",
    // Answers go into a property of our own window; a few names in turn, so that a late
    // answer to an abandoned request is not taken for the answer to the next one.
    "LEXARO_CLIPBOARD_0", "LEXARO_CLIPBOARD_1", "LEXARO_CLIPBOARD_2", "LEXARO_CLIPBOARD_3"};

} // namespace

// The reader's side of the selection protocol (ICCCM, with INCR transfers for long texts).
// Lives on the reader's thread once running.
class X11SelectionReader::Session
{
public:
    // first: the program's first session, whose owner at start is change 1; a later one
    // counts the owner it finds as a new change, since a copy may have come in between.
    static std::unique_ptr<Session> connect(std::atomic<quint64>& announced, const Clock& clock,
                                            const Delivery& deliver, bool first)
    {
        int screenNumber = 0;
        xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
        auto session = std::unique_ptr<Session>(new Session(c, announced, clock, deliver));
        if (!session->setUp(screenNumber))
            return nullptr;
        if (!first)
            session->m_change = announced.fetch_add(1) + 1;
        return session;
    }

    ~Session() { xcb_disconnect(m_c); }
    Q_DISABLE_COPY_MOVE(Session)

    enum class End
    {
        Stopped,
        ConnectionLost
    };

    End run(int wakeFd)
    {
        if (m_initialOwner == XCB_NONE)
            deliver(QString());
        else
            startReading();
        const int xFd = xcb_get_file_descriptor(m_c);
        for (;;) {
            // Time is looked at before the events: an answer that comes after its time is
            // not taken, however soon the reader wakes for it.
            if (m_step != Step::Idle && m_clock.now() >= m_deadline)
                abandon(); // the owner did not answer in time
            while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(m_c)})
                handle(*event);
            if (xcb_connection_has_error(m_c))
                return End::ConnectionLost;
            int timeout = -1; // idle: sleep until the X server or the owner of the reader speaks
            if (m_step != Step::Idle) {
                const auto left =
                    std::chrono::ceil<std::chrono::milliseconds>(m_deadline - m_clock.now());
                if (left.count() <= 0)
                    continue;
                timeout = int(left.count());
            }
            pollfd fds[2] = {{xFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            if (poll(fds, 2, timeout) < 0 && errno != EINTR)
                return End::ConnectionLost;
            if (fds[1].revents != 0)
                return End::Stopped;
        }
    }

private:
    enum class Step
    {
        Idle,
        Targets, // asking which forms the owner offers
        Text     // asking for the text in one of them
    };

    Session(xcb_connection_t* c, std::atomic<quint64>& announced, const Clock& clock,
            const Delivery& deliver)
        : m_c(c), m_announced(announced), m_clock(clock), m_deliver(deliver)
    {
    }

    bool setUp(int screenNumber)
    {
        if (xcb_connection_has_error(m_c))
            return false;
        const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(m_c, &xcb_xfixes_id);
        if (!xfixes || !xfixes->present)
            return false;
        m_xfixesEvent = xfixes->first_event;
        XcbPtr<xcb_xfixes_query_version_reply_t> version(
            xcb_xfixes_query_version_reply(m_c, xcb_xfixes_query_version(m_c, 1, 0), nullptr));
        if (!version)
            return false;

        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        if (screens.rem <= 0)
            return false;

        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (int i = 0; i < AtomCount; ++i)
            cookies[i] = xcb_intern_atom(m_c, 0, uint16_t(std::strlen(AtomNames[i])), AtomNames[i]);
        for (int i = 0; i < AtomCount; ++i) {
            XcbPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_c, cookies[i], nullptr));
            if (!reply)
                return false;
            m_atoms[i] = reply->atom;
        }

        m_window = xcb_generate_id(m_c);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_c, 0, m_window, screens.data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        // Named for those who look at the X server's windows (xwininfo -tree, xkill).
        constexpr std::string_view name = "Lexaro clipboard reader";
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, uint32_t(name.size()), name.data());
        xcb_xfixes_select_selection_input(
            m_c, m_window, m_atoms[Clipboard],
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        // Asked after the owner changes are watched, so that none falls in between.
        XcbPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            m_c, xcb_get_selection_owner(m_c, m_atoms[Clipboard]), nullptr));
        if (!owner)
            return false;
        m_initialOwner = owner->owner;
        return true;
    }

    xcb_atom_t atom(int index) const { return m_atoms[index]; }

    void handle(const xcb_generic_event_t& event)
    {
        const uint8_t type = event.response_type & 0x7f;
        if (type == m_xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY)
            ownerChanged(reinterpret_cast<const xcb_xfixes_selection_notify_event_t&>(event));
        else if (type == XCB_SELECTION_NOTIFY)
            answered(reinterpret_cast<const xcb_selection_notify_event_t&>(event));
        else if (type == XCB_PROPERTY_NOTIFY)
            propertyChanged(reinterpret_cast<const xcb_property_notify_event_t&>(event));
        // Errors can only come from requests about windows that have gone: nothing to do.
    }

    void ownerChanged(const xcb_xfixes_selection_notify_event_t& event)
    {
        if (event.selection != atom(Clipboard))
            return;
        m_change = m_announced.fetch_add(1) + 1;
        abandon(); // a newer copy makes the text still on its way worthless
        // The owner's window or program has gone: the clipboard is empty.
        if (event.subtype != XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER ||
            event.owner == XCB_NONE)
            deliver(QString());
        else
            startReading();
    }

    void startReading()
    {
        m_property = atom(FirstProperty + int(m_requests++ % 4));
        xcb_delete_property(m_c, m_window, m_property);
        m_step = Step::Targets;
        ask(atom(Targets));
    }

    void ask(xcb_atom_t target)
    {
        m_target = target;
        m_data.clear();
        m_incremental = false;
        xcb_convert_selection(m_c, m_window, atom(Clipboard), target, m_property, XCB_CURRENT_TIME);
        xcb_flush(m_c);
        m_deadline = m_clock.now() + std::chrono::milliseconds(AnswerTimeoutMs);
    }

    void answered(const xcb_selection_notify_event_t& event)
    {
        if (m_step == Step::Idle || event.requestor != m_window ||
            event.selection != atom(Clipboard) || event.target != m_target)
            return;
        if (event.property == XCB_NONE) { // refused
            if (m_step == Step::Targets)
                m_candidates = {atom(Utf8String), atom(String)}; // owners that list nothing
            askNextCandidate();
            return;
        }
        if (event.property != m_property)
            return;
        const XcbPtr<xcb_get_property_reply_t> reply = takeProperty();
        if (!reply) {
            abandon();
            return;
        }
        if (reply->type == atom(Incr)) {
            // A long answer comes in pieces; deleting the property asked for the first.
            m_incremental = true;
            m_deadline = m_clock.now() + std::chrono::milliseconds(AnswerTimeoutMs);
            return;
        }
        if (append(*reply))
            complete();
    }

    void propertyChanged(const xcb_property_notify_event_t& event)
    {
        if (!m_incremental || event.window != m_window || event.atom != m_property ||
            event.state != XCB_PROPERTY_NEW_VALUE)
            return;
        const XcbPtr<xcb_get_property_reply_t> reply = takeProperty();
        if (!reply) {
            abandon();
            return;
        }
        if (xcb_get_property_value_length(reply.get()) == 0) { // the last, empty piece
            m_incremental = false;
            complete();
            return;
        }
        if (append(*reply))
            m_deadline = m_clock.now() + std::chrono::milliseconds(AnswerTimeoutMs);
    }

    // Reads and deletes the answer; deleting also asks for the next piece of a long one.
    XcbPtr<xcb_get_property_reply_t> takeProperty()
    {
        const uint32_t longs = uint32_t(MaxTextBytes / 4 + 1);
        XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_c,
            xcb_get_property(m_c, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs),
            nullptr));
        if (reply && reply->bytes_after > 0)
            return nullptr; // longer than anything we take
        return reply;
    }

    bool append(const xcb_get_property_reply_t& reply)
    {
        const int length = xcb_get_property_value_length(&reply);
        if (m_data.size() + length > MaxTextBytes) {
            abandon();
            return false;
        }
        m_data.append(static_cast<const char*>(xcb_get_property_value(&reply)), length);
        return true;
    }

    void complete()
    {
        if (m_step == Step::Targets)
            chooseTarget();
        else
            finish();
    }

    void chooseTarget()
    {
        QList<xcb_atom_t> offered(m_data.size() / qsizetype(sizeof(xcb_atom_t)));
        std::memcpy(offered.data(), m_data.constData(),
                    size_t(offered.size()) * sizeof(xcb_atom_t));
        // Copied files come with their paths as text too; a list of files is not a word.
        if (offered.contains(atom(UriList)) || offered.contains(atom(GnomeCopiedFiles))) {
            deliver(QString());
            return;
        }
        m_candidates.clear();
        for (const int form : {Utf8String, TextPlainUtf8, String, TextPlain}) {
            if (offered.contains(atom(form)))
                m_candidates << atom(form);
        }
        askNextCandidate();
    }

    void askNextCandidate()
    {
        if (m_candidates.isEmpty()) {
            deliver(QString()); // an image or anything else without text
            return;
        }
        m_step = Step::Text;
        ask(m_candidates.takeFirst());
    }

    void finish()
    {
        QByteArray bytes = m_data;
        while (bytes.endsWith('\0')) // some owners count the C string's terminator
            bytes.chop(1);
        deliver(m_target == atom(String) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes));
    }

    void deliver(const QString& text)
    {
        abandon();
        m_deliver(m_change, text);
    }

    void abandon()
    {
        m_step = Step::Idle;
        m_incremental = false;
        m_data.clear();
        m_candidates.clear();
    }

    xcb_connection_t* m_c;
    std::atomic<quint64>& m_announced;
    const Clock& m_clock;
    Delivery m_deliver;
    uint8_t m_xfixesEvent = 0;
    std::array<xcb_atom_t, AtomCount> m_atoms{};
    xcb_window_t m_window = XCB_NONE;
    xcb_window_t m_initialOwner = XCB_NONE;

    Step m_step = Step::Idle;
    quint64 m_change = 1;
    quint64 m_requests = 0;
    xcb_atom_t m_property = XCB_NONE;
    xcb_atom_t m_target = XCB_NONE;
    QList<xcb_atom_t> m_candidates;
    bool m_incremental = false;
    QByteArray m_data;
    Clock::TimePoint m_deadline;
};

X11SelectionReader::X11SelectionReader(const Clock& clock, Delivery deliver)
    : m_clock(clock), m_deliver(std::move(deliver)),
      m_session(Session::connect(m_announced, m_clock, m_deliver, true))
{
    if (!m_session)
        return;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        m_session.reset();
        return;
    }
    m_thread = std::thread([this] {
        pthread_setname_np(pthread_self(), "lexaro-clipbrd");
        watch();
    });
}

void X11SelectionReader::watch()
{
    // A reader whose connection was closed (the X server's client limit, a tool that kills
    // clients) starts again on a new one: the clipboard watch never ends in silence.
    auto pause = std::chrono::milliseconds(RetryFirstMs);
    for (;;) {
        if (m_session) {
            if (runSession())
                return;
            m_session.reset();
        }
        if (!waitUnlessStopped(pause))
            return;
        m_session = Session::connect(m_announced, m_clock, m_deliver, false);
        pause = m_session ? std::chrono::milliseconds(RetryFirstMs)
                          : std::min(pause * 2, std::chrono::milliseconds(RetryLastMs));
    }
}

bool X11SelectionReader::runSession()
{
    try {
        return m_session->run(m_wakeFd) == Session::End::Stopped;
    } catch (const std::exception&) {
        // Out of memory for an answer, most likely: the next session starts clean.
        return false;
    }
}

bool X11SelectionReader::waitUnlessStopped(std::chrono::milliseconds pause) const
{
    pollfd wake = {m_wakeFd, POLLIN, 0};
    const int ready = poll(&wake, 1, int(pause.count()));
    return ready == 0 || (ready < 0 && errno == EINTR);
}

X11SelectionReader::~X11SelectionReader()
{
    if (m_thread.joinable()) {
        const uint64_t stop = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &stop, sizeof stop);
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

} // namespace lexaro
