#include "ui/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into this static library; its resources need registering.
static void registerArtwork()
{
    Q_INIT_RESOURCE(assets);
}

namespace lexaro::Artwork {

QPixmap picture(const QString& resource, QSize size)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(picture(QStringLiteral(":/lexaro.svg"), QSize(side, side)));
    return icon;
}

QCursor pointer()
{
    return QCursor(picture(QStringLiteral(":/pointer.svg"), QSize(32, 32)), 13, 3);
}

} // namespace lexaro::Artwork
