#include "ui/artwork.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into this static library; its resources need registering.
static void registerArtwork()
{
    Q_INIT_RESOURCE(assets);
}

namespace lexaro::Artwork {

namespace {

// What outlives one window: pictures rendered ahead of the window that shows them, and the
// pictures every window shares. Let go with the application, before the statics are.
struct Kept
{
    QHash<QString, QPixmap> ahead;
    QIcon windowIcon;
    QCursor pointer;
};

Kept*& keptPointer()
{
    static Kept* kept = nullptr;
    return kept;
}

Kept& kept()
{
    Kept*& k = keptPointer();
    if (!k) {
        k = new Kept;
        qAddPostRoutine([] {
            delete keptPointer();
            keptPointer() = nullptr;
        });
    }
    return *k;
}

QString aheadKey(const QString& resource, QSize size)
{
    return resource + u'@' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

QPixmap render(const QString& resource, QSize size)
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

} // namespace

QPixmap picture(const QString& resource, QSize size)
{
    QHash<QString, QPixmap>& ahead = kept().ahead;
    if (const auto found = ahead.constFind(aheadKey(resource, size)); found != ahead.cend()) {
        QPixmap taken = *found;
        ahead.erase(found);
        return taken;
    }
    return render(resource, size);
}

void renderAhead(const QString& resource, QSize size)
{
    kept().ahead.insert(aheadKey(resource, size), render(resource, size));
}

QIcon windowIcon()
{
    QIcon& icon = kept().windowIcon;
    if (icon.isNull()) {
        for (const int side : {16, 22, 24, 32, 48, 64})
            icon.addPixmap(render(QStringLiteral(":/lexaro.svg"), QSize(side, side)));
    }
    return icon;
}

QCursor pointer()
{
    QCursor& pointer = kept().pointer;
    if (pointer.pixmap().isNull())
        pointer = QCursor(render(QStringLiteral(":/pointer.svg"), QSize(32, 32)), 13, 3);
    return pointer;
}

} // namespace lexaro::Artwork
