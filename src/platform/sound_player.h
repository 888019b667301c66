#pragma once

#include <QString>

namespace lexaro {

// Plays a wave file without waiting for it. A new sound cuts off the one playing; a
// missing or unplayable file is silent.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& absolutePath) = 0;
};

} // namespace lexaro
