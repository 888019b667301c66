#pragma once

#include <QObject>

namespace lexaro {

// Tells when the desktop's notification area appears or goes away, so that an icon asked for
// before the panel started (usual at login) is shown once there is a place for it. The plain
// watcher never reports anything: a desktop it cannot watch keeps what it had at the start.
class NotificationAreaWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~NotificationAreaWatcher() override = default;

Q_SIGNALS:
    // A notification area came or went; look again whether one is there.
    void changed();
};

} // namespace lexaro
