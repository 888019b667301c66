#include "platform/qt/qt_work_area.h"

#include <QScreen>

namespace lexaro {

QRect QtWorkArea::of(const QScreen& screen) const
{
    return screen.availableGeometry();
}

} // namespace lexaro
