#include "ui/clickable_image.h"

#include <QKeyEvent>
#include <QPainter>

namespace lexaro {

ClickableImage::ClickableImage(const QString& objectName, const QString& tooltip,
                               const QCursor& pointer, QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setCursor(pointer);
    // Reached with Tab, not taken from the search box by a click.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableImage::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    update();
}

QSize ClickableImage::sizeHint() const
{
    return m_pixmap.isNull() ? QSize(16, 16) : m_pixmap.deviceIndependentSize().toSize();
}

void ClickableImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_pixmap);
    if (hasFocus()) {
        QPen pen(QColor(240, 200, 90), 2.0, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ClickableImage::keyPressEvent(QKeyEvent* event)
{
    // Space is the button's own key; Enter does the same, as on the pictures' desktop.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click(); // at once: the keys typed next act after it
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace lexaro
