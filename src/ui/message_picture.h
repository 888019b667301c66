#pragma once

#include <QPixmap>
#include <QString>

namespace lexaro {

enum class MessageIcon
{
    Warning,
    Success,
    Question,
    Critical
};

inline constexpr QSize MessagePictureSize{449, 145};

// A message picture: a dark, framed field, the coloured circle icon and one light,
// centred line of text.
QPixmap drawMessagePicture(const QString& text, MessageIcon icon);

} // namespace lexaro
