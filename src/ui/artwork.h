#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lexaro::Artwork {

// Renders one of the program's SVG pictures (":/header.svg") at the given size.
QPixmap picture(const QString& resource, QSize size);
QIcon windowIcon();
// The pointer shown over every clickable picture.
QCursor pointer();

} // namespace lexaro::Artwork
