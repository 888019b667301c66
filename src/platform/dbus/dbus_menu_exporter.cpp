#include "platform/dbus/dbus_menu_exporter.h"

#include "platform/dbus/dbus_menu_adaptor.h"

#include <QAction>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace lexaro {

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    item.children.clear();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(
            qdbus_cast<DBusMenuLayoutItem>(child.variant().value<QDBusArgument>()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys)
{
    argument.beginStructure();
    argument << keys.id << keys.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys)
{
    argument.beginStructure();
    argument >> keys.id >> keys.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

// A QAction's caption as the protocol writes it: '_' marks the access key, so a written '_'
// is doubled, and Qt's "&&" is a written '&'.
QString protocolLabel(const QString& text)
{
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'&' && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            label += next == u'&' ? u"&"_s : u"_"_s + next;
        } else {
            label += c == u'_' ? u"__"_s : QString(c);
        }
    }
    return label;
}

} // namespace

DBusMenuExporter::DBusMenuExporter(QMenu* menu, QObject* parent) : QObject(parent), m_menu(menu)
{
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<DBusMenuItemKeysList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
    new DBusMenuAdaptor(this);
    if (m_menu)
        collectIds(m_menu);
}

DBusMenuExporter::~DBusMenuExporter() = default;

QString DBusMenuExporter::objectPath()
{
    return u"/MenuBar"_s;
}

bool DBusMenuExporter::exportOn(const QString& connectionName)
{
    return QDBusConnection(connectionName)
        .registerObject(objectPath(), this, QDBusConnection::ExportAdaptors);
}

int DBusMenuExporter::idOf(QAction* action)
{
    const auto found = m_ids.constFind(action);
    if (found != m_ids.cend())
        return *found;
    const int id = m_nextId++;
    m_ids.insert(action, id);
    m_actions.insert(id, action);
    return id;
}

void DBusMenuExporter::collectIds(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        idOf(action);
        if (action->menu())
            collectIds(action->menu());
    }
}

QMenu* DBusMenuExporter::menuOf(int id) const
{
    if (id == 0)
        return m_menu;
    const QPointer<QAction> action = m_actions.value(id);
    return action ? action->menu() : nullptr;
}

QVariantMap DBusMenuExporter::propertiesOf(int id, const QStringList& names) const
{
    QVariantMap all;
    const QPointer<QAction> action = m_actions.value(id);
    if (id == 0) {
        all.insert(u"children-display"_s, u"submenu"_s);
    } else if (action) {
        if (action->isSeparator()) {
            all.insert(u"type"_s, u"separator"_s);
        } else {
            all.insert(u"label"_s, protocolLabel(action->text()));
            if (action->menu())
                all.insert(u"children-display"_s, u"submenu"_s);
        }
        if (!action->isEnabled())
            all.insert(u"enabled"_s, false);
        if (!action->isVisible())
            all.insert(u"visible"_s, false);
    }
    if (names.isEmpty())
        return all;
    QVariantMap wanted;
    for (const QString& name : names) {
        if (all.contains(name))
            wanted.insert(name, all.value(name));
    }
    return wanted;
}

DBusMenuLayoutItem DBusMenuExporter::layout(int parentId, int depth, const QStringList& names) const
{
    DBusMenuLayoutItem item{parentId, propertiesOf(parentId, names), {}};
    QMenu* menu = menuOf(parentId);
    if (!menu || depth == 0)
        return item;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        const int id = m_ids.value(action, -1);
        if (id >= 0)
            item.children.append(layout(id, depth < 0 ? -1 : depth - 1, names));
    }
    return item;
}

DBusMenuItemList DBusMenuExporter::groupProperties(const QList<int>& ids,
                                                   const QStringList& names) const
{
    DBusMenuItemList items;
    for (int id : ids) {
        if (id == 0 || m_actions.contains(id))
            items.append({id, propertiesOf(id, names)});
    }
    return items;
}

QVariant DBusMenuExporter::property(int id, const QString& name) const
{
    return propertiesOf(id, {name}).value(name);
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId)
{
    const QPointer<QAction> action = m_actions.value(id);
    if (!action)
        return false;
    if (eventId == u"clicked" && action->isEnabled() && !action->menu() && !action->isSeparator())
        // Queued: the panel's call is answered first, and the action may end the program.
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    return true;
}

} // namespace lexaro
