#pragma once

#include "platform/tray_icon.h"

#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

namespace lexaro {

class NotificationAreaWatcher;

// The icon through QSystemTrayIcon. Asked for while the desktop has no notification area, it
// waits for one to appear and shows itself then, and again each time a new one appears.
class QtTrayIcon final : public TrayIcon
{
    Q_OBJECT

public:
    explicit QtTrayIcon(std::unique_ptr<NotificationAreaWatcher> watcher,
                        QObject* parent = nullptr);
    ~QtTrayIcon() override;
    Q_DISABLE_COPY_MOVE(QtTrayIcon)

    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    bool isShown() const override { return m_icon && m_icon->isVisible(); }

private:
    void showIfAreaPresent();
    void dropIcon();
    void onAreaChanged();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    std::unique_ptr<NotificationAreaWatcher> m_watcher;
    // A new QSystemTrayIcon for each notification area: Qt picks its way of reaching the area
    // (D-Bus or XEmbed) when the object is made.
    QPointer<QSystemTrayIcon> m_icon;
    QIcon m_wantedIcon;
    QString m_tip;
    bool m_wanted = false;
};

} // namespace lexaro
