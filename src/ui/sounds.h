#pragma once

#include <QString>

namespace lexaro {

class SoundPlayer;

enum class Sound
{
    None,
    Critical,
    Warning,
    Information,
    Notification
};

// The sound's file relative to the program folder, empty for Sound::None.
QString soundFilePath(Sound sound);

// Starts the wave file at the program folder followed by relativePath and returns at once.
void PlaySoundFile(SoundPlayer& player, QStringView relativePath);
void playSound(SoundPlayer& player, Sound sound);

} // namespace lexaro
