#pragma once

#include "platform/sound_player.h"

#include <QSoundEffect>

namespace lexaro {

class QtSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString& absolutePath) override;

private:
    QSoundEffect m_effect;
};

} // namespace lexaro
