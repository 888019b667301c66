#include "platform/qt/qt_window_stacking.h"

#include <QWidget>

namespace lexaro {

void QtWindowStacking::setTopMost(QWidget* window, bool onTop)
{
    if (!window || window->testAttribute(Qt::WA_DontShowOnScreen))
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing window flags hides a window; show it again where it was.
    if (wasVisible)
        window->show();
}

} // namespace lexaro
