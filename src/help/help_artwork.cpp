#include "help/help_artwork.h"

#include "ui/artwork.h"

// The pictures are compiled into this static library; its resources need registering.
static void registerHelpArtwork()
{
    Q_INIT_RESOURCE(help);
}

namespace lexaro::HelpArtwork {

QPixmap picture(const QString& resource, QSize size)
{
    static const bool registered = (registerHelpArtwork(), true);
    Q_UNUSED(registered);
    return Artwork::picture(resource, size);
}

} // namespace lexaro::HelpArtwork
