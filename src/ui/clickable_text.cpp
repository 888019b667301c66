#include "ui/clickable_text.h"

#include <QKeyEvent>
#include <QPainter>

namespace lexaro {

ClickableText::ClickableText(const QString& objectName, const QString& text, const QCursor& pointer,
                             QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    // An ampersand shows as itself: these captions carry no access key.
    setText(QString(text).replace(u'&', QStringLiteral("&&")));
    setAccessibleName(text);
    setCursor(pointer);
    setFocusPolicy(Qt::TabFocus);
}

QSize ClickableText::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(4, 2);
}

void ClickableText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(QColor(240, 200, 90), 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void ClickableText::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click(); // at once: the keys typed next act after it
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace lexaro
