#include "platform/qt/qt_tray_icon.h"

#include "platform/dbus/status_notifier_item.h"
#include "platform/notification_area_watcher.h"

#include <QCursor>

namespace lexaro {

QtTrayIcon::QtTrayIcon(std::unique_ptr<NotificationAreaWatcher> watcher,
                       std::unique_ptr<StatusNotifierItem> item, QObject* parent)
    : TrayIcon(parent), m_watcher(std::move(watcher)), m_item(std::move(item))
{
    if (m_watcher)
        connect(m_watcher.get(), &NotificationAreaWatcher::changed, this,
                &QtTrayIcon::onAreaChanged);
    if (m_item) {
        connect(m_item.get(), &StatusNotifierItem::changed, this, &QtTrayIcon::onAreaChanged);
        connect(m_item.get(), &StatusNotifierItem::activated, this, &TrayIcon::pointerEvent);
        connect(m_item.get(), &StatusNotifierItem::menuRequested, this, [this](const QPoint& at) {
            Q_EMIT pointerEvent();
            Q_EMIT menuRequested(at);
        });
    }
}

QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::add(const QIcon& icon, const QString& tip)
{
    m_wantedIcon = icon;
    m_tip = tip;
    m_wanted = true;
    if (m_icon) {
        m_icon->setIcon(icon);
        m_icon->setToolTip(tip);
        return;
    }
    showIfAreaPresent();
}

void QtTrayIcon::remove()
{
    m_wanted = false;
    dropIcon();
    if (m_item)
        m_item->hide();
}

void QtTrayIcon::setContextMenu(QMenu* menu)
{
    if (m_item)
        m_item->setMenu(menu);
}

bool QtTrayIcon::isShown() const
{
    return (m_item && m_item->isShown()) || (m_icon && m_icon->isVisible());
}

bool QtTrayIcon::dbusAreaPresent() const
{
    return m_item && m_item->watcherPresent();
}

void QtTrayIcon::showIfAreaPresent()
{
    if (!m_wanted)
        return;
    // A panel that hosts icons through D-Bus is preferred: the icon and its menu are then
    // drawn by the panel itself.
    if (dbusAreaPresent()) {
        dropIcon();
        m_item->show(m_wantedIcon, m_tip);
        return;
    }
    if (m_icon || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_icon = new QSystemTrayIcon(m_wantedIcon, this);
    m_icon->setToolTip(m_tip);
    connect(m_icon, &QSystemTrayIcon::activated, this, &QtTrayIcon::onActivated);
    m_icon->show();
}

void QtTrayIcon::dropIcon()
{
    if (!m_icon)
        return;
    m_icon->hide();
    // Later: this may run inside one of the icon's own signals.
    m_icon->deleteLater();
    m_icon = nullptr;
}

void QtTrayIcon::onAreaChanged()
{
    // The old area's icon is gone with it, or a new area has come: start over. A D-Bus icon
    // registers itself again with a new watcher.
    if (sender() != m_item.get())
        dropIcon();
    showIfAreaPresent();
}

void QtTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    Q_EMIT pointerEvent();
    if (reason == QSystemTrayIcon::Context)
        Q_EMIT menuRequested(QCursor::pos());
}

} // namespace lexaro
