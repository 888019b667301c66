#include "platform/dbus/status_notifier_item.h"

#include "platform/dbus/dbus_menu_exporter.h"
#include "platform/dbus/status_notifier_item_adaptor.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QImage>
#include <QLoggingCategory>
#include <QMenu>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace lexaro {

Q_LOGGING_CATEGORY(lcStatusNotifier, "lexaro.platform.tray", QtWarningMsg)

QDBusArgument& operator<<(QDBusArgument& argument, const DBusImage& image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.pixels;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusImage& image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.pixels;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.image << tip.title << tip.description;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.image >> tip.title >> tip.description;
    argument.endStructure();
    return argument;
}

namespace {

const QString WatcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString WatcherPath = u"/StatusNotifierWatcher"_s;
const QString ItemPath = u"/StatusNotifierItem"_s;

DBusImageList pixmapsOf(const QIcon& icon)
{
    DBusImageList pixmaps;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        const QImage image =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        QByteArray pixels(qsizetype(image.width()) * image.height() * 4, Qt::Uninitialized);
        auto* out = reinterpret_cast<uchar*>(pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, out += 4)
                qToBigEndian(line[x], out);
        }
        pixmaps.append({image.width(), image.height(), pixels});
    }
    return pixmaps;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QObject* parent) : QObject(parent)
{
    qDBusRegisterMetaType<DBusImage>();
    qDBusRegisterMetaType<DBusImageList>();
    qDBusRegisterMetaType<DBusToolTip>();
    new StatusNotifierItemAdaptor(this);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_serviceName = u"org.kde.StatusNotifierItem-%1-1"_s.arg(QCoreApplication::applicationPid());
    m_serviceWatcher = new QDBusServiceWatcher(WatcherService, bus,
                                               QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty())
                    onWatcherGone();
                else
                    onWatcherAppeared();
            });
    bus.connect(WatcherService, WatcherPath, WatcherService, u"StatusNotifierHostRegistered"_s,
                this, SLOT(askWhetherHostPresent()));
    m_watcherPresent = bus.interface()->isServiceRegistered(WatcherService);
}

StatusNotifierItem::~StatusNotifierItem() = default;

void StatusNotifierItem::setMenu(QMenu* menu)
{
    delete m_menuExporter;
    m_menuExporter = new DBusMenuExporter(menu, this);
}

void StatusNotifierItem::show(const QIcon& icon, const QString& tip)
{
    m_pixmaps = pixmapsOf(icon);
    m_tip = tip;
    m_wanted = true;
    if (!exportOnBus())
        return;
    if (m_watcherPresent && !m_registered && !m_registering)
        registerWithWatcher();
}

void StatusNotifierItem::hide()
{
    m_wanted = false;
    if (!m_exported)
        return;
    // Panels drop an item when its name leaves the bus.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(ItemPath);
    bus.unregisterObject(DBusMenuExporter::objectPath());
    bus.unregisterService(m_serviceName);
    m_exported = false;
    m_registered = false;
    Q_EMIT changed();
}

bool StatusNotifierItem::exportOnBus()
{
    if (m_exported)
        return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(ItemPath, this, QDBusConnection::ExportAdaptors) ||
        (m_menuExporter && !m_menuExporter->exportOn(bus.name())) ||
        !bus.registerService(m_serviceName)) {
        qCWarning(lcStatusNotifier) << "cannot put the icon on the session bus";
        bus.unregisterObject(ItemPath);
        bus.unregisterObject(DBusMenuExporter::objectPath());
        return false;
    }
    m_exported = true;
    return true;
}

void StatusNotifierItem::onWatcherAppeared()
{
    m_watcherPresent = true;
    m_registered = false;
    m_registering = false;
    if (m_wanted && exportOnBus())
        registerWithWatcher();
    Q_EMIT changed();
}

void StatusNotifierItem::onWatcherGone()
{
    m_watcherPresent = false;
    m_registered = false;
    m_hostPresent = false;
    Q_EMIT changed();
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherService, WatcherPath, WatcherService,
                                                       u"RegisterStatusNotifierItem"_s);
    call << m_serviceName;
    m_registering = true;
    auto* pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 5000), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                m_registering = false;
                m_registered = !finished->isError() && m_exported;
                if (finished->isError())
                    qCWarning(lcStatusNotifier)
                        << "the panel's watcher refused the icon:" << finished->error().message();
                askWhetherHostPresent();
            });
}

void StatusNotifierItem::askWhetherHostPresent()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        WatcherService, WatcherPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    call << WatcherService << u"IsStatusNotifierHostRegistered"_s;
    auto* pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 5000), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                setHostPresent(!reply.isError() && reply.value().variant().toBool());
            });
}

void StatusNotifierItem::setHostPresent(bool present)
{
    m_hostPresent = present;
    Q_EMIT changed();
}

void StatusNotifierItem::activate(const QPoint& /*position*/)
{
    Q_EMIT activated();
}

void StatusNotifierItem::requestMenu(const QPoint& position)
{
    Q_EMIT menuRequested(position);
}

} // namespace lexaro
