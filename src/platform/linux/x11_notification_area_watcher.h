#pragma once

#include "platform/notification_area_watcher.h"

class QSocketNotifier;
struct _XDisplay;

namespace lexaro {

// Watches the owner of the XEmbed tray selection (_NET_SYSTEM_TRAY_S<screen>) through XFixes
// selection-owner notifications on a connection of its own. No polling: the X server says
// when a panel takes the selection or when its window goes away.
class X11NotificationAreaWatcher final : public NotificationAreaWatcher
{
    Q_OBJECT

public:
    // displayName: the display Qt uses; empty for $DISPLAY.
    explicit X11NotificationAreaWatcher(const QByteArray& displayName, QObject* parent = nullptr);
    ~X11NotificationAreaWatcher() override;
    Q_DISABLE_COPY_MOVE(X11NotificationAreaWatcher)

private:
    void readEvents();

    _XDisplay* m_display = nullptr;
    int m_eventBase = 0;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace lexaro
