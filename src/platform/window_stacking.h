#pragma once

class QWidget;

namespace lexaro {

// How a window stands among the others. Only its stacking and its place in the taskbar
// change: the window is neither moved nor hidden and shown again.
class WindowStacking
{
public:
    virtual ~WindowStacking() = default;
    // Keeps a window above all others, or lets it go back to normal stacking.
    virtual void setTopMost(QWidget* window, bool onTop) = 0;
    // Keeps a window out of the taskbar and the pager: message boxes, the start-up box and
    // the notification pop-up, which belong to the program rather than standing on their own.
    virtual void keepOutOfTaskbar(QWidget* window) = 0;
};

} // namespace lexaro
