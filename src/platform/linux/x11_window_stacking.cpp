#include "platform/linux/x11_window_stacking.h"

#include <QEvent>
#include <QList>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lexaro {

namespace {

// The states asked for, kept on the window itself so that they die with it.
constexpr const char* StatesProperty = "lexaroNetWmStates";

// _NET_WM_STATE messages: remove 0, add 1; the source is a normal application (1).
constexpr long StateRemove = 0;
constexpr long StateAdd = 1;
constexpr long SourceApplication = 1;

Atom atom(Display* display, const char* name)
{
    return XInternAtom(display, name, False);
}

} // namespace

X11WindowStacking::X11WindowStacking(Display* display) : m_display(display) {}

void X11WindowStacking::setTopMost(QWidget* window, bool onTop)
{
    change(window, TopMost, onTop);
}

void X11WindowStacking::keepOutOfTaskbar(QWidget* window)
{
    change(window, OutOfTaskbar, true);
}

void X11WindowStacking::change(QWidget* window, State state, bool on)
{
    if (!window || !window->isWindow() || window->testAttribute(Qt::WA_DontShowOnScreen))
        return;
    const int before = window->property(StatesProperty).toInt();
    window->setProperty(StatesProperty, on ? before | state : before & ~state);
    window->installEventFilter(this);
    // A shown window belongs to the window manager, which changes its state on request;
    // a hidden one gets the property when it is next shown.
    if (window->isVisible())
        sendMessage(window, state, on);
}

bool X11WindowStacking::eventFilter(QObject* watched, QEvent* event)
{
    // Qt sends this show event before it maps the window, and keeps a state it finds there.
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType())
        writeProperty(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void X11WindowStacking::writeProperty(QWidget* window)
{
    const int states = window->property(StatesProperty).toInt();
    const Window id = window->winId();
    const Atom netWmState = atom(m_display, "_NET_WM_STATE");
    const Atom above = atom(m_display, "_NET_WM_STATE_ABOVE");
    const Atom skipTaskbar = atom(m_display, "_NET_WM_STATE_SKIP_TASKBAR");
    const Atom skipPager = atom(m_display, "_NET_WM_STATE_SKIP_PAGER");

    QList<Atom> atoms;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(m_display, id, netWmState, 0, 1024, False, XA_ATOM, &type, &format,
                           &count, &remaining, &data) == Success &&
        data) {
        if (type == XA_ATOM && format == 32) {
            const auto* values = reinterpret_cast<const Atom*>(data);
            atoms = QList<Atom>(values, values + count);
        }
        XFree(data);
    }
    const auto set = [&atoms](Atom a, bool on) {
        atoms.removeAll(a);
        if (on)
            atoms.append(a);
    };
    set(above, states & TopMost);
    set(skipTaskbar, states & OutOfTaskbar);
    set(skipPager, states & OutOfTaskbar);
    if (atoms.isEmpty())
        XDeleteProperty(m_display, id, netWmState);
    else
        XChangeProperty(m_display, id, netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(atoms.constData()),
                        int(atoms.size()));
    XFlush(m_display);
}

void X11WindowStacking::sendMessage(QWidget* window, State state, bool on)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window->winId();
    event.xclient.message_type = atom(m_display, "_NET_WM_STATE");
    event.xclient.format = 32;
    event.xclient.data.l[0] = on ? StateAdd : StateRemove;
    if (state == TopMost) {
        event.xclient.data.l[1] = long(atom(m_display, "_NET_WM_STATE_ABOVE"));
    } else {
        event.xclient.data.l[1] = long(atom(m_display, "_NET_WM_STATE_SKIP_TASKBAR"));
        event.xclient.data.l[2] = long(atom(m_display, "_NET_WM_STATE_SKIP_PAGER"));
    }
    event.xclient.data.l[3] = SourceApplication;
    XSendEvent(m_display, DefaultRootWindow(m_display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(m_display);
}

} // namespace lexaro
