#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lexaro {

// Where a window of this outer size goes: centred on the whole screen when it fits, and at
// the top-left corner of the work area when it does not, so that its top and left controls
// stay on the screen.
QPoint centredPosition(QSize outer, const QRect& screen, const QRect& workArea);

// Puts the window's outer frame in the middle of its screen (the primary screen before it
// shows). The frame is only known once the window manager has framed the window, so the
// placement is done again when the frame's size becomes known.
void centreOnScreen(QWidget& window);

} // namespace lexaro
