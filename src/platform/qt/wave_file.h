#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

namespace lexaro {

// The samples of a RIFF wave file and their format: integer PCM of 8, 16 or 32 bits, or
// 32-bit floating point, in any number of channels.
struct WaveFile
{
    QAudioFormat format;
    QByteArray samples;

    // nullopt for anything else, or for a file cut short before its first sample.
    static std::optional<WaveFile> parse(const QByteArray& bytes);
};

} // namespace lexaro
