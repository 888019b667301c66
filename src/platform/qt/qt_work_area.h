#pragma once

#include "platform/work_area.h"

namespace lexaro {

// What the window manager publishes (_NET_WORKAREA on X11), as Qt reports it.
class QtWorkArea final : public WorkArea
{
public:
    QRect of(const QScreen& screen) const override;
};

} // namespace lexaro
