#include "platform/wayland/wayland_selection_reader.h"

#include "clock/clock.h"

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <QLoggingCategory>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>

using namespace Qt::StringLiterals;

namespace lexaro {

Q_LOGGING_CATEGORY(lcWaylandClipboard, "lexaro.platform.wayland", QtWarningMsg)

namespace {

// The offers' kinds of text, best first; a list of copied files is not a word.
constexpr const char* TextForms[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                     "TEXT", "STRING"};
constexpr const char* FileListForms[] = {"text/uri-list", "x-special/gnome-copied-files"};

struct OfferForms
{
    QStringList mimeTypes;
};

} // namespace

// Everything of one connection, used on the reader's thread only. The two names of the
// protocol have the same requests and events: once the device is made through the manager the
// compositor offers, the rest speaks through the ext_ functions, which encode each message by
// the object's own interface.
class WaylandSelectionReader::Session
{
public:
    Session(std::atomic<quint64>& announced, const Clock& clock, Delivery deliver)
        : m_announced(announced), m_clock(clock), m_deliver(std::move(deliver))
    {
    }

    ~Session()
    {
        abandonRead();
        dropOffer(m_selection);
        dropOffer(m_primary);
        if (m_device)
            ext_data_control_device_v1_destroy(m_device);
        if (m_extManager)
            ext_data_control_manager_v1_destroy(m_extManager);
        if (m_wlrManager)
            zwlr_data_control_manager_v1_destroy(m_wlrManager);
        if (m_seat)
            wl_seat_destroy(m_seat);
        if (m_registry)
            wl_registry_destroy(m_registry);
        if (m_display)
            wl_display_disconnect(m_display);
    }
    Q_DISABLE_COPY_MOVE(Session)

    // Connects and asks for the data device; false when the compositor offers no
    // data-control protocol or no seat, or does not say so in time.
    bool setUp(int wakeFd)
    {
        m_display = wl_display_connect(nullptr);
        if (!m_display)
            return false;
        m_registry = wl_display_get_registry(m_display);
        static const wl_registry_listener registryListener = {&Session::onGlobal,
                                                              &Session::onGlobalRemoved};
        wl_registry_add_listener(m_registry, &registryListener, this);
        if (!roundtrip(wakeFd) || !m_seat || (!m_extManager && !m_wlrManager))
            return false;
        m_device = m_extManager
                       ? ext_data_control_manager_v1_get_data_device(m_extManager, m_seat)
                       : reinterpret_cast<ext_data_control_device_v1*>(
                             zwlr_data_control_manager_v1_get_data_device(m_wlrManager, m_seat));
        static const ext_data_control_device_v1_listener deviceListener = {
            &Session::onDataOffer, &Session::onSelection, &Session::onFinished,
            &Session::onPrimarySelection};
        ext_data_control_device_v1_add_listener(m_device, &deviceListener, this);
        return roundtrip(wakeFd);
    }

    void run(int wakeFd)
    {
        const int displayFd = wl_display_get_fd(m_display);
        while (!m_finished) {
            while (wl_display_prepare_read(m_display) != 0) {
                if (wl_display_dispatch_pending(m_display) < 0)
                    return;
            }
            wl_display_flush(m_display);
            const int readFd = m_readFd;
            pollfd fds[3] = {{displayFd, POLLIN, 0}, {wakeFd, POLLIN, 0}, {readFd, POLLIN, 0}};
            const int timeout = readFd >= 0 ? millisecondsLeft(m_answerDue) : -1;
            if (::poll(fds, readFd >= 0 ? 3 : 2, timeout) < 0 && errno != EINTR) {
                wl_display_cancel_read(m_display);
                return;
            }
            if (fds[0].revents & POLLIN) {
                if (wl_display_read_events(m_display) < 0)
                    return;
            } else {
                wl_display_cancel_read(m_display);
            }
            if (fds[0].revents & (POLLERR | POLLHUP) || wl_display_dispatch_pending(m_display) < 0)
                return; // the compositor is gone
            if (fds[1].revents & POLLIN)
                return;
            continueRead(readFd, fds[2].revents);
        }
    }

private:
    // The read of the copy in hand, polled as readFd: more of its bytes, or given up when the
    // owner did not answer in time.
    void continueRead(int readFd, short revents)
    {
        // A newer copy may have replaced the read while the events were handled.
        if (readFd < 0 || readFd != m_readFd)
            return;
        // Time is looked at first: bytes that come after their time are not taken, however
        // soon the reader wakes for them.
        if (m_clock.now() >= m_answerDue)
            abandonRead(); // the owner did not answer in time
        else if (revents & (POLLIN | POLLHUP))
            readSome();
    }

    int millisecondsLeft(Clock::TimePoint due) const
    {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - m_clock.now());
        return int(std::max<std::chrono::milliseconds::rep>(0, left.count()));
    }

    void answerDueIn(int milliseconds)
    {
        m_answerDue = m_clock.now() + std::chrono::milliseconds(milliseconds);
    }

    // wl_display_roundtrip, but given up after ConnectTimeoutMs or when woken.
    bool roundtrip(int wakeFd)
    {
        bool done = false;
        wl_callback* callback = wl_display_sync(m_display);
        static const wl_callback_listener listener = {
            [](void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }};
        wl_callback_add_listener(callback, &listener, &done);
        const Clock::TimePoint due = m_clock.now() + std::chrono::milliseconds(ConnectTimeoutMs);
        const int displayFd = wl_display_get_fd(m_display);
        while (!done) {
            while (wl_display_prepare_read(m_display) != 0) {
                if (wl_display_dispatch_pending(m_display) < 0)
                    break;
            }
            if (done)
                break;
            wl_display_flush(m_display);
            pollfd fds[2] = {{displayFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            const int left = millisecondsLeft(due);
            if (left <= 0 || ::poll(fds, 2, left) <= 0 || (fds[1].revents & POLLIN) ||
                !(fds[0].revents & POLLIN)) {
                wl_display_cancel_read(m_display);
                break;
            }
            if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0)
                break;
        }
        wl_callback_destroy(callback);
        return done;
    }

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version)
    {
        auto* self = static_cast<Session*>(data);
        if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
            self->m_seat =
                static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, ext_data_control_manager_v1_interface.name) == 0) {
            self->m_extManager = static_cast<ext_data_control_manager_v1*>(
                wl_registry_bind(registry, name, &ext_data_control_manager_v1_interface, 1));
        } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
            // Version 2 adds the primary selection, which the device then reports too.
            self->m_wlrManager = static_cast<zwlr_data_control_manager_v1*>(wl_registry_bind(
                registry, name, &zwlr_data_control_manager_v1_interface, qMin(version, 2u)));
        }
    }

    static void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

    static void onOfferMimeType(void* data, ext_data_control_offer_v1*, const char* mimeType)
    {
        static_cast<OfferForms*>(data)->mimeTypes.append(QString::fromUtf8(mimeType));
    }

    static void onDataOffer(void*, ext_data_control_device_v1*, ext_data_control_offer_v1* offer)
    {
        static const ext_data_control_offer_v1_listener offerListener = {&Session::onOfferMimeType};
        ext_data_control_offer_v1_add_listener(offer, &offerListener, new OfferForms);
    }

    static void onSelection(void* data, ext_data_control_device_v1*,
                            ext_data_control_offer_v1* offer)
    {
        static_cast<Session*>(data)->selectionChanged(offer);
    }

    static void onPrimarySelection(void* data, ext_data_control_device_v1*,
                                   ext_data_control_offer_v1* offer)
    {
        auto* self = static_cast<Session*>(data);
        if (self->m_primary != offer && self->m_primary != self->m_selection)
            dropOffer(self->m_primary);
        self->m_primary = offer;
    }

    static void onFinished(void* data, ext_data_control_device_v1*)
    {
        static_cast<Session*>(data)->m_finished = true;
    }

    static void dropOffer(ext_data_control_offer_v1*& offer)
    {
        if (!offer)
            return;
        delete static_cast<OfferForms*>(ext_data_control_offer_v1_get_user_data(offer));
        ext_data_control_offer_v1_destroy(offer);
        offer = nullptr;
    }

    void selectionChanged(ext_data_control_offer_v1* offer)
    {
        // What the clipboard held at start is change 1; each later selection is a new one.
        m_change = m_sawFirst ? ++m_announced : m_announced.load();
        m_sawFirst = true;
        abandonRead();
        if (m_selection != m_primary)
            dropOffer(m_selection);
        m_selection = offer;
        if (!offer) {
            deliver(QString());
            return;
        }
        const QStringList& offered =
            static_cast<OfferForms*>(ext_data_control_offer_v1_get_user_data(offer))->mimeTypes;
        for (const char* form : FileListForms) {
            if (offered.contains(QLatin1String(form))) {
                deliver(QString());
                return;
            }
        }
        for (const char* form : TextForms) {
            if (offered.contains(QLatin1String(form))) {
                startRead(offer, form);
                return;
            }
        }
        deliver(QString()); // an image or anything else without text
    }

    void startRead(ext_data_control_offer_v1* offer, const char* form)
    {
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        ext_data_control_offer_v1_receive(offer, form, pipeFds[1]);
        wl_display_flush(m_display);
        ::close(pipeFds[1]);
        m_readFd = pipeFds[0];
        m_isLatin1 = std::strcmp(form, "STRING") == 0;
        m_data.clear();
        answerDueIn(AnswerTimeoutMs);
    }

    void readSome()
    {
        char buffer[65536];
        const ssize_t got = ::read(m_readFd, buffer, sizeof buffer);
        if (got > 0) {
            if (m_data.size() + got > MaxTextBytes) {
                abandonRead();
                return;
            }
            m_data.append(buffer, got);
            answerDueIn(AnswerTimeoutMs);
        } else if (got == 0) {
            const QString text =
                m_isLatin1 ? QString::fromLatin1(m_data) : QString::fromUtf8(m_data);
            abandonRead();
            deliver(text);
        } else if (errno != EAGAIN && errno != EINTR) {
            abandonRead();
        }
    }

    void abandonRead()
    {
        if (m_readFd >= 0)
            ::close(m_readFd);
        m_readFd = -1;
        m_data.clear();
    }

    void deliver(const QString& text) { m_deliver(m_change, text); }

    std::atomic<quint64>& m_announced;
    const Clock& m_clock;
    Delivery m_deliver;
    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    ext_data_control_manager_v1* m_extManager = nullptr;
    zwlr_data_control_manager_v1* m_wlrManager = nullptr;
    ext_data_control_device_v1* m_device = nullptr;
    ext_data_control_offer_v1* m_selection = nullptr;
    ext_data_control_offer_v1* m_primary = nullptr;
    quint64 m_change = 1;
    bool m_sawFirst = false;
    bool m_finished = false;
    int m_readFd = -1;
    bool m_isLatin1 = false;
    QByteArray m_data;
    Clock::TimePoint m_answerDue;
};

WaylandSelectionReader::WaylandSelectionReader(const Clock& clock, Delivery deliver)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return;
    // The compositor answers on the reader's thread; one that does not answer in time counts as
    // one without the protocol.
    auto ready = std::make_shared<std::promise<bool>>();
    std::future<bool> answer = ready->get_future();
    const int wakeFd = m_wakeFd;
    std::thread thread([this, &clock, ready, wakeFd, deliver = std::move(deliver)]() mutable {
        Session session(m_announced, clock, std::move(deliver));
        const bool watching = session.setUp(wakeFd);
        ready->set_value(watching);
        if (watching)
            session.run(wakeFd);
    });
    if (answer.get()) {
        m_thread = std::move(thread);
        return;
    }
    qCInfo(lcWaylandClipboard) << "the compositor offers no data-control protocol";
    thread.join();
}

WaylandSelectionReader::~WaylandSelectionReader()
{
    if (m_thread.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

} // namespace lexaro
