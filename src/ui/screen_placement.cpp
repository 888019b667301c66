#include "ui/screen_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace lexaro {

namespace {

// The window with the frame the window manager gave it. QWidget::frameGeometry() keeps the
// frame it saw at the last move, which is none when the window was placed before it showed.
QSize outerSize(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    return window.size().grownBy(frame);
}

void place(QWidget& window, QSize outer)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint at = centredPosition(outer, screen->geometry(), screen->availableGeometry());
    // Through the native window once there is one: QWidget::move() would take the frame the
    // widget last saw, none at all when the window manager framed it without moving it.
    if (QWindow* handle = window.windowHandle(); handle && handle->isVisible())
        handle->setFramePosition(at);
    else
        window.move(at);
}

// Places the window again whenever the size of its outer frame changes: first when the
// window manager adds its frame, later never, since the windows are not resizable. A frame
// added around a window that stays where it is moves nothing, so the first paint, which
// follows the framing, looks as well.
class FrameCentring : public QObject
{
public:
    explicit FrameCentring(QWidget& window) : QObject(&window), m_window(window)
    {
        setObjectName(QStringLiteral("FrameCentring"));
        window.installEventFilter(this);
    }

    void placeNow()
    {
        m_placedFor = outerSize(m_window);
        place(m_window, m_placedFor);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
            type == QEvent::Paint) {
            if (outerSize(m_window) != m_placedFor)
                placeNow();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    QSize m_placedFor;
};

} // namespace

QPoint centredPosition(QSize outer, const QRect& screen, const QRect& workArea)
{
    if (outer.width() > screen.width() || outer.height() > screen.height() ||
        outer.width() > workArea.width() || outer.height() > workArea.height())
        return workArea.topLeft();
    return {screen.x() + (screen.width() - outer.width()) / 2,
            screen.y() + (screen.height() - outer.height()) / 2};
}

void centreOnScreen(QWidget& window)
{
    auto* centring = window.findChild<FrameCentring*>(QStringLiteral("FrameCentring"),
                                                      Qt::FindDirectChildrenOnly);
    if (!centring)
        centring = new FrameCentring(window);
    centring->placeNow();
}

} // namespace lexaro
