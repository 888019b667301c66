#include "shell/clickable_image.h"

#include <QMouseEvent>

namespace lexaro {

ClickableImage::ClickableImage(const QString& objectName, const QString& tooltip,
                               const QCursor& pointer, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setCursor(pointer);
    setFocusPolicy(Qt::NoFocus);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace lexaro
