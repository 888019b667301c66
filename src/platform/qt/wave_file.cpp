#include "platform/qt/wave_file.h"

#include <QtEndian>

namespace lexaro {

namespace {

constexpr quint16 IntegerPcm = 1;
constexpr quint16 FloatingPoint = 3;
constexpr qsizetype ChunkHeader = 8;

quint16 read16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::optional<QAudioFormat::SampleFormat> sampleFormat(quint16 tag, quint16 bits)
{
    if (tag == IntegerPcm && bits == 8)
        return QAudioFormat::UInt8;
    if (tag == IntegerPcm && bits == 16)
        return QAudioFormat::Int16;
    if (tag == IntegerPcm && bits == 32)
        return QAudioFormat::Int32;
    if (tag == FloatingPoint && bits == 32)
        return QAudioFormat::Float;
    return std::nullopt;
}

} // namespace

std::optional<WaveFile> WaveFile::parse(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    // Chunks follow one another, each padded to an even length.
    for (qsizetype at = 12; at + ChunkHeader <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = read32(bytes, at + 4);
        const qsizetype body = at + ChunkHeader;
        const qsizetype available = qMin(size, bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            const std::optional<QAudioFormat::SampleFormat> sample =
                sampleFormat(read16(bytes, body), read16(bytes, body + 14));
            const int channels = read16(bytes, body + 2);
            const int rate = int(read32(bytes, body + 4));
            if (!sample || channels < 1 || rate < 1)
                return std::nullopt;
            format.emplace();
            format->setSampleFormat(*sample);
            format->setChannelCount(channels);
            format->setSampleRate(rate);
        } else if (id == "data" && format) {
            // A file cut short plays what it holds.
            const qsizetype frame = format->bytesPerFrame();
            const qsizetype whole = available - available % frame;
            if (whole <= 0)
                return std::nullopt;
            return WaveFile{*format, bytes.mid(body, whole)};
        }
        at = body + size + (size % 2);
    }
    return std::nullopt;
}

} // namespace lexaro
