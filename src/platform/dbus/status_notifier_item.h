#pragma once

#include <QDBusArgument>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QDBusServiceWatcher;
class QMenu;

namespace lexaro {

class DBusMenuExporter;

// One picture of an icon as the protocol carries it: ARGB32, bytes in network order.
struct DBusImage
{
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using DBusImageList = QList<DBusImage>;

struct DBusToolTip
{
    QString iconName;
    DBusImageList image;
    QString title;
    QString description;
};

QDBusArgument& operator<<(QDBusArgument& argument, const DBusImage& image);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusImage& image);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& tip);

// The program's icon for panels that host icons through D-Bus (StatusNotifierItem: KDE
// Plasma, GNOME's AppIndicator extension, waybar, xfce4-panel's plugin). The item lives on
// the session bus and is registered with the panel's watcher whenever one appears, so a panel
// that starts after the program, or restarts, shows it too. Its menu is the panel's own,
// exported through dbusmenu.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    explicit StatusNotifierItem(QObject* parent = nullptr);
    ~StatusNotifierItem() override;
    Q_DISABLE_COPY_MOVE(StatusNotifierItem)

    // Whether a watcher is on the session bus, as known from its last news.
    bool watcherPresent() const { return m_watcherPresent; }
    // Registered with a watcher that says a panel shows its items.
    bool isShown() const { return m_registered && m_hostPresent; }

    void setMenu(QMenu* menu);
    // Puts the item on the bus and registers it whenever a watcher is there.
    void show(const QIcon& icon, const QString& tip);
    void hide();

    // For the adaptor.
    QString title() const { return m_tip; }
    DBusImageList iconPixmaps() const { return m_pixmaps; }
    void activate(const QPoint& position);
    void requestMenu(const QPoint& position);

Q_SIGNALS:
    void activated();
    void menuRequested(const QPoint& globalPosition);
    // Whether the item is shown may have changed.
    void changed();

private Q_SLOTS:
    // A slot by name: Qt D-Bus connects bus signals only that way.
    void askWhetherHostPresent();

private:
    bool exportOnBus();
    void onWatcherAppeared();
    void onWatcherGone();
    void registerWithWatcher();
    void setHostPresent(bool present);

    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    DBusMenuExporter* m_menuExporter = nullptr;
    QString m_serviceName;
    QString m_tip;
    DBusImageList m_pixmaps;
    bool m_exported = false;
    bool m_wanted = false;
    bool m_watcherPresent = false;
    bool m_registering = false;
    bool m_registered = false;
    bool m_hostPresent = false;
};

} // namespace lexaro

Q_DECLARE_METATYPE(lexaro::DBusImage)
Q_DECLARE_METATYPE(lexaro::DBusToolTip)
