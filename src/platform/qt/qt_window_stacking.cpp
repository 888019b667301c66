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

void QtWindowStacking::keepOutOfTaskbar(QWidget*)
{
    // Making it a tool window would change more than the taskbar; it stays there instead.
}

} // namespace lexaro
