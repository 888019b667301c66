#pragma once

#include <QRect>

class QScreen;

namespace lexaro {

// The part of a screen that panels leave free for windows; the whole screen where the
// desktop says nothing about its panels.
class WorkArea
{
public:
    virtual ~WorkArea() = default;
    virtual QRect of(const QScreen& screen) const = 0;
};

} // namespace lexaro
