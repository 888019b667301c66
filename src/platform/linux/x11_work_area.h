#pragma once

#include "platform/work_area.h"

#include <QList>
#include <QSize>

namespace lexaro {

// The work area as the window manager publishes it (_NET_WORKAREA, as Qt reports it too).
// Without a window manager that does, the screen minus the space that dock windows such as
// panels reserve (_NET_WM_STRUT_PARTIAL, _NET_WM_STRUT); without either, the whole screen.
class X11WorkArea final : public WorkArea
{
public:
    QRect of(const QScreen& screen) const override;

    // Space reserved along the edges of the root window, in its pixels: widths of the four
    // bands and where along its edge each one runs.
    struct Strut
    {
        int left = 0, right = 0, top = 0, bottom = 0;
        int leftStartY = 0, leftEndY = 0, rightStartY = 0, rightEndY = 0;
        int topStartX = 0, topEndX = 0, bottomStartX = 0, bottomEndX = 0;
    };
    // The screen without the bands that reach it.
    static QRect withoutStruts(const QRect& screen, QSize root, const QList<Strut>& struts);
};

} // namespace lexaro
