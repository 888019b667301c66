#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QAction;
class QMenu;

namespace lexaro {

// One item of a menu as a panel asks for it: id, properties, and its children.
struct DBusMenuLayoutItem
{
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

struct DBusMenuItem
{
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

struct DBusMenuItemKeys
{
    int id = 0;
    QStringList properties;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

struct DBusMenuEvent
{
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// Puts a QMenu on the session bus as a com.canonical.dbusmenu object, so that a panel that
// hosts icons through D-Bus shows the menu itself, beside the icon, in its own style. A click
// in the panel's menu triggers the action, as a click in the QMenu would.
class DBusMenuExporter : public QObject
{
    Q_OBJECT

public:
    DBusMenuExporter(QMenu* menu, QObject* parent = nullptr);
    ~DBusMenuExporter() override;
    Q_DISABLE_COPY_MOVE(DBusMenuExporter)

    // The object path the menu is exported at, for the icon's Menu property.
    static QString objectPath();
    bool exportOn(const QString& connectionName);

    // The protocol's calls, through the adaptor.
    DBusMenuLayoutItem layout(int parentId, int depth, const QStringList& names) const;
    DBusMenuItemList groupProperties(const QList<int>& ids, const QStringList& names) const;
    QVariant property(int id, const QString& name) const;
    bool handleEvent(int id, const QString& eventId);

private:
    int idOf(QAction* action);
    void collectIds(QMenu* menu);
    QVariantMap propertiesOf(int id, const QStringList& names) const;
    QMenu* menuOf(int id) const;

    QPointer<QMenu> m_menu;
    QHash<int, QPointer<QAction>> m_actions;
    QHash<QAction*, int> m_ids;
    int m_nextId = 1;
};

} // namespace lexaro

Q_DECLARE_METATYPE(lexaro::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(lexaro::DBusMenuItem)
Q_DECLARE_METATYPE(lexaro::DBusMenuItemKeys)
Q_DECLARE_METATYPE(lexaro::DBusMenuEvent)
