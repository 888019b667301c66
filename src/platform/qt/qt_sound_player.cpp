#include "platform/qt/qt_sound_player.h"

#include <QFileInfo>
#include <QUrl>

namespace lexaro {

void QtSoundPlayer::play(const QString& absolutePath)
{
    // One effect object: starting a new sound stops the one still playing.
    m_effect.stop();
    if (!QFileInfo(absolutePath).isFile())
        return;
    m_effect.setSource(QUrl::fromLocalFile(absolutePath));
    m_effect.play();
}

} // namespace lexaro
