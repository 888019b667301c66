#include "platform/qt/qt_sound_player.h"

#include "platform/qt/wave_file.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

namespace lexaro {

namespace {

// Anything larger is no sound of this program's.
constexpr qint64 MostWaveBytes = 16 * 1024 * 1024;

std::optional<WaveFile> readWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MostWaveBytes)
        return std::nullopt;
    return WaveFile::parse(file.readAll());
}

} // namespace

void QtSoundPlayer::play(const QString& absolutePath)
{
    // A new sound cuts off the one playing, even when the new one cannot be played.
    if (m_playing)
        m_playing->deleteLater();
    const std::optional<WaveFile> wave = readWave(absolutePath);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!wave || device.isNull())
        return;
    auto* sink = new QAudioSink(device, wave->format, this);
    auto* samples = new QBuffer(sink);
    samples->setData(wave->samples);
    samples->open(QIODevice::ReadOnly);
    // Kept until the next sound: its samples may still be on their way to the speaker when
    // the sink has handed on the last of them.
    sink->start(samples);
    m_playing = sink;
}

} // namespace lexaro
