#include "shell/clickable_image.h"

#include "shell/artwork.h"

#include <QMouseEvent>

namespace lexaro {

ClickableImage::ClickableImage(const QString& objectName, const QString& tooltip, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setCursor(Artwork::pointer());
    setFocusPolicy(Qt::NoFocus);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace lexaro
