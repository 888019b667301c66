#include "selection_owner.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace lexaro::bench {

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : 0;
    std::free(reply);
    return a;
}

} // namespace

struct SelectionOwner::State
{
    xcb_connection_t* c = nullptr;
    xcb_window_t window = 0;
    xcb_atom_t clipboard = 0, targets = 0, utf8 = 0, stop = 0;
    std::mutex mutex;
    QByteArray text;
    bool silent = false;
    std::thread thread;

    void answer(const xcb_selection_request_event_t& r)
    {
        QByteArray data;
        {
            const std::lock_guard lock(mutex);
            if (silent)
                return;
            data = text;
        }
        xcb_atom_t property = r.property ? r.property : r.target;
        if (r.target == targets) {
            const xcb_atom_t offered[] = {targets, utf8};
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, property, XCB_ATOM_ATOM, 32,
                                2, offered);
        } else if (r.target == utf8) {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, property, utf8, 8,
                                uint32_t(data.size()), data.constData());
        } else {
            property = XCB_NONE;
        }
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = r.time;
        notify.requestor = r.requestor;
        notify.selection = r.selection;
        notify.target = r.target;
        notify.property = property;
        xcb_send_event(c, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(c);
    }

    void run()
    {
        while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            bool stopping = false;
            if (type == XCB_SELECTION_REQUEST)
                answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            else if (type == XCB_CLIENT_MESSAGE)
                stopping = reinterpret_cast<xcb_client_message_event_t*>(event)->type == stop;
            std::free(event);
            if (stopping)
                return;
        }
    }

    void take(const QByteArray& newText, bool beSilent)
    {
        {
            const std::lock_guard lock(mutex);
            text = newText;
            silent = beSilent;
        }
        xcb_set_selection_owner(c, window, clipboard, XCB_CURRENT_TIME);
        xcb_flush(c);
    }
};

SelectionOwner::SelectionOwner() : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(s.c)).data;
    s.window = xcb_generate_id(s.c);
    xcb_create_window(s.c, 0, s.window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    s.clipboard = atom(s.c, "CLIPBOARD");
    s.targets = atom(s.c, "TARGETS");
    s.utf8 = atom(s.c, "UTF8_STRING");
    s.stop = atom(s.c, "BENCH_OWNER_STOP");
    s.thread = std::thread([&s] { s.run(); });
}

SelectionOwner::~SelectionOwner()
{
    State& s = *m_state;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = s.window;
    message.type = s.stop;
    xcb_send_event(s.c, 0, s.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(s.c);
    s.thread.join();
    xcb_disconnect(s.c);
}

std::chrono::steady_clock::time_point SelectionOwner::copy(const QByteArray& utf8)
{
    const auto at = std::chrono::steady_clock::now();
    m_state->take(utf8, false);
    return at;
}

void SelectionOwner::copySilently()
{
    m_state->take({}, true);
}

} // namespace lexaro::bench
