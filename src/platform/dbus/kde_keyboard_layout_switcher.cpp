#include "platform/dbus/kde_keyboard_layout_switcher.h"

#include "platform/linux/x11_keyboard_layout_switcher.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

const QString Service = u"org.kde.keyboard"_s;
const QString Path = u"/Layouts"_s;
const QString Interface = u"org.kde.KeyboardLayouts"_s;

// getLayoutsList answers a(sss): the layout's short name ("ir"), its label, its long name.
std::optional<uint> indexOf(const QByteArray& shortName, const QDBusArgument& layouts)
{
    uint index = 0;
    std::optional<uint> found;
    layouts.beginArray();
    while (!layouts.atEnd()) {
        QString name, label, longName;
        layouts.beginStructure();
        layouts >> name >> label >> longName;
        layouts.endStructure();
        if (!found && name.toLatin1() == shortName)
            found = index;
        ++index;
    }
    layouts.endArray();
    return found;
}

} // namespace

bool KdeKeyboardLayoutSwitcher::isAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(Service);
}

void KdeKeyboardLayoutSwitcher::activate(const QString& layoutId)
{
    const QByteArray wanted = X11KeyboardLayoutSwitcher::xkbLayoutFor(layoutId);
    if (wanted.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(QDBusMessage::createMethodCall(
                                                    Service, Path, Interface, u"getLayoutsList"_s)),
                                                this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [wanted](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                    return;
                const std::optional<uint> index =
                    indexOf(wanted, reply.arguments().constFirst().value<QDBusArgument>());
                if (!index)
                    return;
                QDBusMessage set =
                    QDBusMessage::createMethodCall(Service, Path, Interface, u"setLayout"_s);
                set << *index;
                QDBusConnection::sessionBus().call(set, QDBus::NoBlock);
            });
}

} // namespace lexaro
