#pragma once

#include "platform/window_stacking.h"

#include <QObject>

struct _XDisplay;

namespace lexaro {

// Stacking through the window manager's _NET_WM_STATE, as the desktop standard asks: a
// client message to the root window for a shown window, the property itself before a window
// is mapped. What was asked is kept with the window and written again before each time it is
// shown, since the window manager drops the property when a window is hidden.
class X11WindowStacking final : public QObject, public WindowStacking
{
    Q_OBJECT

public:
    // display: Qt's own connection, so that these requests keep their order with Qt's map.
    explicit X11WindowStacking(_XDisplay* display);

    void setTopMost(QWidget* window, bool onTop) override;
    void keepOutOfTaskbar(QWidget* window) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum State : int
    {
        TopMost = 1,
        OutOfTaskbar = 2,
    };
    void change(QWidget* window, State state, bool on);
    void writeProperty(QWidget* window);
    void sendMessage(QWidget* window, State state, bool on);

    _XDisplay* m_display;
};

} // namespace lexaro
