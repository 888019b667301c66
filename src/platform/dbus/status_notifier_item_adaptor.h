#pragma once

#include "platform/dbus/dbus_menu_exporter.h"
#include "platform/dbus/status_notifier_item.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>

namespace lexaro {

// The org.kde.StatusNotifierItem interface as panels read it.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(lexaro::DBusImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ iconName)
    Q_PROPERTY(lexaro::DBusImageList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ iconName)
    Q_PROPERTY(lexaro::DBusImageList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(lexaro::DBusToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item)
        : QDBusAbstractAdaptor(item), m_item(*item)
    {
    }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("lexaro"); }
    QString title() const { return QCoreApplication::applicationName(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    DBusImageList iconPixmap() const { return m_item.iconPixmaps(); }
    DBusImageList noPixmaps() const { return {}; }
    DBusToolTip toolTip() const { return {{}, {}, m_item.title(), {}}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(DBusMenuExporter::objectPath()); }

public Q_SLOTS:
    void Activate(int x, int y) { m_item.activate({x, y}); }
    void SecondaryActivate(int x, int y) { m_item.activate({x, y}); }
    void ContextMenu(int x, int y) { m_item.requestMenu({x, y}); }
    void Scroll(int /*delta*/, const QString& /*orientation*/) {}

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem& m_item;
};

} // namespace lexaro
