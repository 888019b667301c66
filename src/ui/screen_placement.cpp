#include "ui/screen_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lexaro {

namespace {

void place(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(centredPosition(window.frameGeometry().size(), screen->geometry(),
                                screen->availableGeometry()));
}

// Places the window again whenever the size of its outer frame changes: first when the
// window manager adds its frame, later never, since the windows are not resizable.
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
        m_placedFor = m_window.frameGeometry().size();
        place(m_window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
            if (m_window.frameGeometry().size() != m_placedFor)
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
