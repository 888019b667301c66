#include "ui/message_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace lexaro {

namespace {

QColor iconColour(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return {0xF0, 0x8C, 0x1A};
    case MessageIcon::Success:
        return {0x3C, 0xB0, 0x4A};
    case MessageIcon::Question:
        return {0x2F, 0x7F, 0xD8};
    case MessageIcon::Critical:
        return {0xD9, 0x36, 0x36};
    }
    return Qt::gray;
}

void drawSymbol(QPainter& p, MessageIcon icon, const QRectF& circle)
{
    QPen pen(Qt::white, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF c = circle.center();
    const qreal r = circle.width() / 2.0;
    switch (icon) {
    case MessageIcon::Warning:
        p.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x(), c.y() + r * 0.15));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x(), c.y() + r * 0.45), 1.5, 1.5);
        break;
    case MessageIcon::Success: {
        QPainterPath tick;
        tick.moveTo(c.x() - r * 0.45, c.y());
        tick.lineTo(c.x() - r * 0.1, c.y() + r * 0.35);
        tick.lineTo(c.x() + r * 0.45, c.y() - r * 0.35);
        p.drawPath(tick);
        break;
    }
    case MessageIcon::Question: {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(r * 1.3));
        font.setBold(true);
        p.setFont(font);
        p.drawText(circle, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case MessageIcon::Critical:
        p.drawLine(QPointF(c.x() - r * 0.5, c.y()), QPointF(c.x() + r * 0.5, c.y()));
        break;
    }
}

} // namespace

QPixmap drawMessagePicture(const QString& text, MessageIcon icon)
{
    QPixmap pixmap(MessagePictureSize);
    pixmap.fill(QColor(12, 12, 12));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Thin light double frame.
    p.setPen(QPen(QColor(200, 200, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, MessagePictureSize.width() - 5, MessagePictureSize.height() - 5));
    p.drawRect(QRectF(5.5, 5.5, MessagePictureSize.width() - 11, MessagePictureSize.height() - 11));

    const QRectF circle(MessagePictureSize.width() / 2.0 - 24, 22, 48, 48);
    p.setPen(Qt::NoPen);
    p.setBrush(iconColour(icon));
    p.drawEllipse(circle);
    drawSymbol(p, icon, circle);

    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(215, 215, 215));
    p.drawText(QRectF(10, 84, MessagePictureSize.width() - 20, 40), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace lexaro
