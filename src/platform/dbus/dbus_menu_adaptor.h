#pragma once

#include "platform/dbus/dbus_menu_exporter.h"

#include <QDBusAbstractAdaptor>

namespace lexaro {

// The com.canonical.dbusmenu interface, version 3, as panels call it.
class DBusMenuAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenuExporter* exporter)
        : QDBusAbstractAdaptor(exporter), m_exporter(*exporter)
    {
    }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   lexaro::DBusMenuLayoutItem& layout)
    {
        layout = m_exporter.layout(parentId, recursionDepth, propertyNames);
        return 1;
    }
    lexaro::DBusMenuItemList GetGroupProperties(const QList<int>& ids,
                                                const QStringList& propertyNames)
    {
        return m_exporter.groupProperties(ids, propertyNames);
    }
    QDBusVariant GetProperty(int id, const QString& name)
    {
        return QDBusVariant(m_exporter.property(id, name));
    }
    void Event(int id, const QString& eventId, const QDBusVariant& /*data*/, uint /*timestamp*/)
    {
        m_exporter.handleEvent(id, eventId);
    }
    QList<int> EventGroup(const lexaro::DBusMenuEventList& events)
    {
        QList<int> errors;
        for (const DBusMenuEvent& e : events) {
            if (!m_exporter.handleEvent(e.id, e.eventId))
                errors.append(e.id);
        }
        return errors;
    }
    bool AboutToShow(int /*id*/) { return false; }
    QList<int> AboutToShowGroup(const QList<int>& /*ids*/, QList<int>& idErrors)
    {
        idErrors.clear();
        return {};
    }

Q_SIGNALS:
    void ItemsPropertiesUpdated(const lexaro::DBusMenuItemList& updated,
                                const lexaro::DBusMenuItemKeysList& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    DBusMenuExporter& m_exporter;
};

} // namespace lexaro
