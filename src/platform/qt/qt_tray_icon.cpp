#include "platform/qt/qt_tray_icon.h"

#include "platform/notification_area_watcher.h"

#include <QCursor>

namespace lexaro {

QtTrayIcon::QtTrayIcon(std::unique_ptr<NotificationAreaWatcher> watcher, QObject* parent)
    : TrayIcon(parent), m_watcher(std::move(watcher))
{
    if (m_watcher)
        connect(m_watcher.get(), &NotificationAreaWatcher::changed, this,
                &QtTrayIcon::onAreaChanged);
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
}

void QtTrayIcon::showIfAreaPresent()
{
    if (!m_wanted || m_icon || !QSystemTrayIcon::isSystemTrayAvailable())
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
    // The old area's icon is gone with it, or a new area has come: start over.
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
