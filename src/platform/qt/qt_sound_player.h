#pragma once

#include "platform/sound_player.h"

#include <QObject>
#include <QPointer>

class QAudioSink;

namespace lexaro {

// Plays a wave file on a fresh audio stream of its own each time. One effect object reused
// for every sound falls silent after a few plays on PulseAudio, and stopping a finished
// stream silences the next one; so the stream playing is left to end or, when a new sound
// starts, deleted, which cuts it off.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    using QObject::QObject;
    Q_DISABLE_COPY_MOVE(QtSoundPlayer)

    void play(const QString& absolutePath) override;

private:
    QPointer<QAudioSink> m_playing; // a child, as are the sinks on their way out
};

} // namespace lexaro
