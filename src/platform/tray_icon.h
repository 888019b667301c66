#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>

class QMenu;

namespace lexaro {

// The program's icon in the desktop's notification area.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~TrayIcon() override = default;

    // Both are silent when the desktop has no notification area.
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    virtual void remove() = 0;
    // The menu a panel that draws its own menus shows for the icon.
    virtual void setContextMenu(QMenu* menu) = 0;
    // Whether the icon is in a notification area now, where the user can click it.
    virtual bool isShown() const = 0;

Q_SIGNALS:
    // Any click on the icon.
    void pointerEvent();
    // The user asked for the menu (right click), at this screen position.
    void menuRequested(const QPoint& globalPosition);
};

} // namespace lexaro
