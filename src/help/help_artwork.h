#pragma once

#include <QPixmap>

namespace lexaro::HelpArtwork {

// Renders one of the help windows' own pictures (":/help/help_header.svg").
QPixmap picture(const QString& resource, QSize size);

} // namespace lexaro::HelpArtwork
