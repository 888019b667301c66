#include "platform/linux/x11_notification_area_watcher.h"

#include <QByteArray>
#include <QSocketNotifier>

#include <X11/extensions/Xfixes.h>
#include <X11/Xlib.h>

namespace lexaro {

X11NotificationAreaWatcher::X11NotificationAreaWatcher(const QByteArray& displayName,
                                                       QObject* parent)
    : NotificationAreaWatcher(parent),
      m_display(XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData()))
{
    if (!m_display)
        return;
    int errorBase = 0;
    int major = 1;
    int minor = 0;
    if (!XFixesQueryExtension(m_display, &m_eventBase, &errorBase) ||
        !XFixesQueryVersion(m_display, &major, &minor)) {
        XCloseDisplay(m_display);
        m_display = nullptr;
        return;
    }
    const QByteArray selection =
        QByteArrayLiteral("_NET_SYSTEM_TRAY_S") + QByteArray::number(DefaultScreen(m_display));
    XFixesSelectSelectionInput(m_display, DefaultRootWindow(m_display),
                               XInternAtom(m_display, selection.constData(), False),
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    XFlush(m_display);
    m_notifier = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11NotificationAreaWatcher::readEvents);
}

X11NotificationAreaWatcher::~X11NotificationAreaWatcher()
{
    delete m_notifier;
    if (m_display)
        XCloseDisplay(m_display);
}

void X11NotificationAreaWatcher::readEvents()
{
    bool ownerChanged = false;
    // XPending also reads what the socket holds; events already queued by Xlib are drained too.
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        ownerChanged |= event.type == m_eventBase + XFixesSelectionNotify;
    }
    if (ownerChanged)
        Q_EMIT changed();
}

} // namespace lexaro
