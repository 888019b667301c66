#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lexaro::Artwork {

// Renders one of the program's SVG pictures (":/header.svg") at the given size, or hands
// over the one rendered ahead.
QPixmap picture(const QString& resource, QSize size);
// Renders a picture for the next picture() of the same resource and size to take at once: a
// window built later shows without waiting for its pictures.
void renderAhead(const QString& resource, QSize size);
QIcon windowIcon();
// The pointer shown over every clickable picture.
QCursor pointer();

} // namespace lexaro::Artwork
