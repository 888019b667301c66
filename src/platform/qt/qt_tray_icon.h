#pragma once

#include "platform/tray_icon.h"

#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

namespace lexaro {

class NotificationAreaWatcher;
class StatusNotifierItem;

// The icon in whichever notification area the desktop has: a panel that hosts icons through
// D-Bus (StatusNotifierItem) when its watcher is on the session bus, otherwise the X11 area
// through QSystemTrayIcon. Asked for while there is neither, it waits for one to appear and
// shows itself then, and again each time a new one appears.
class QtTrayIcon final : public TrayIcon
{
    Q_OBJECT

public:
    // item: the D-Bus icon, or null where there is no session bus.
    QtTrayIcon(std::unique_ptr<NotificationAreaWatcher> watcher,
               std::unique_ptr<StatusNotifierItem> item, QObject* parent = nullptr);
    ~QtTrayIcon() override;
    Q_DISABLE_COPY_MOVE(QtTrayIcon)

    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    void setContextMenu(QMenu* menu) override;
    bool isShown() const override;

private:
    void showIfAreaPresent();
    void dropIcon();
    void onAreaChanged();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    bool dbusAreaPresent() const;

    std::unique_ptr<NotificationAreaWatcher> m_watcher;
    std::unique_ptr<StatusNotifierItem> m_item;
    // A new QSystemTrayIcon for each notification area: Qt picks its way of reaching the area
    // (D-Bus or XEmbed) when the object is made.
    QPointer<QSystemTrayIcon> m_icon;
    QIcon m_wantedIcon;
    QString m_tip;
    bool m_wanted = false;
};

} // namespace lexaro
