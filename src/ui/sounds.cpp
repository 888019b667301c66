#include "ui/sounds.h"

#include "platform/sound_player.h"
#include "ui/program_files.h"

namespace lexaro {

QString soundFilePath(Sound sound)
{
    switch (sound) {
    case Sound::Critical:
        return QStringLiteral("\\Message box\\Critical.wav");
    case Sound::Warning:
        return QStringLiteral("\\Message box\\Warning.wav");
    case Sound::Information:
        return QStringLiteral("\\Message box\\Information.wav");
    case Sound::Notification:
        return QStringLiteral("\\Notification\\Notification.wav");
    case Sound::None:
        break;
    }
    return {};
}

void PlaySoundFile(SoundPlayer& player, QStringView relativePath)
{
    player.play(programFile(relativePath));
}

void playSound(SoundPlayer& player, Sound sound)
{
    if (sound != Sound::None)
        PlaySoundFile(player, soundFilePath(sound));
}

} // namespace lexaro
