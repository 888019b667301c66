#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>

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
    virtual bool isShown() const = 0;

Q_SIGNALS:
    // Any click on the icon.
    void pointerEvent();
    // The user asked for the menu (right click), at this screen position.
    void menuRequested(const QPoint& globalPosition);
};

} // namespace lexaro
