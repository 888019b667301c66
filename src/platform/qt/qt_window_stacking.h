#pragma once

#include "platform/window_stacking.h"

namespace lexaro {

class QtWindowStacking final : public WindowStacking
{
public:
    void setTopMost(QWidget* window, bool onTop) override;
};

} // namespace lexaro
