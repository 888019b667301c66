#include "platform/qt/qt_tray_icon.h"

#include <QCursor>

namespace lexaro {

QtTrayIcon::QtTrayIcon(QObject* parent) : TrayIcon(parent)
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTrayIcon::onActivated);
}

void QtTrayIcon::add(const QIcon& icon, const QString& tip)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_icon.setIcon(icon);
    m_icon.setToolTip(tip);
    m_icon.show();
}

void QtTrayIcon::remove()
{
    m_icon.hide();
}

void QtTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    Q_EMIT pointerEvent();
    if (reason == QSystemTrayIcon::Context)
        Q_EMIT menuRequested(QCursor::pos());
}

} // namespace lexaro
