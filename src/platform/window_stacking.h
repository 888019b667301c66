#pragma once

class QWidget;

namespace lexaro {

// Keeps a window above all others, or lets it go back to normal stacking.
class WindowStacking
{
public:
    virtual ~WindowStacking() = default;
    virtual void setTopMost(QWidget* window, bool onTop) = 0;
};

} // namespace lexaro
