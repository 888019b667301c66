#pragma once

#include "platform/window_stacking.h"

namespace lexaro {

// For desktops other than X11. Qt can only change stacking through window flags, which
// re-creates a shown window; it has no call for the taskbar at all.
class QtWindowStacking final : public WindowStacking
{
public:
    void setTopMost(QWidget* window, bool onTop) override;
    void keepOutOfTaskbar(QWidget* window) override;
};

} // namespace lexaro
