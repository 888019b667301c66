#include "shell/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lexaro {

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}

} // namespace lexaro
