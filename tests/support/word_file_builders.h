#pragma once

// Writers of StarDict, dictd and dictzip files, laid out as those formats document them, so
// that tests and benchmarks read files no reader of ours has written.

#include <QByteArray>
#include <QList>
#include <QString>

#include <zlib.h>

#include <cstdint>
#include <utility>

namespace lexaro::testing {

inline void appendBigEndian(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xff));
}

inline void appendLittleEndian(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A gzip file whose extra field lists chunks of `chunkLength` bytes, each compressed after a
// full flush; the block that ends the stream follows the last chunk.
inline QByteArray dictzip(const QByteArray& text, int chunkLength = 4096)
{
    z_stream zs{};
    deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray data;
    QList<int> sizes;
    const auto deflateSome = [&](const char* in, int length, int flush) {
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in));
        zs.avail_in = uInt(length);
        const qsizetype before = data.size();
        do {
            char buffer[16384];
            zs.next_out = reinterpret_cast<Bytef*>(buffer);
            zs.avail_out = sizeof buffer;
            deflate(&zs, flush);
            data.append(buffer, qsizetype(sizeof buffer - zs.avail_out));
        } while (zs.avail_out == 0);
        return int(data.size() - before);
    };
    for (qsizetype at = 0; at < text.size(); at += chunkLength) {
        const int length = int(std::min<qsizetype>(chunkLength, text.size() - at));
        sizes << deflateSome(text.constData() + at, length, Z_FULL_FLUSH);
    }
    deflateSome(nullptr, 0, Z_FINISH);
    deflateEnd(&zs);

    QByteArray out("\x1f\x8b\x08\x04\0\0\0\0\x02\x03", 10);
    const int fieldLength = 6 + 2 * int(sizes.size());
    appendLittleEndian(out, std::uint64_t(4 + fieldLength), 2);
    out.append("RA");
    appendLittleEndian(out, std::uint64_t(fieldLength), 2);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, std::uint64_t(chunkLength), 2);
    appendLittleEndian(out, std::uint64_t(sizes.size()), 2);
    for (const int size : sizes)
        appendLittleEndian(out, std::uint64_t(size), 2);
    out.append(data);
    appendLittleEndian(
        out, crc32(0, reinterpret_cast<const Bytef*>(text.constData()), uInt(text.size())), 4);
    appendLittleEndian(out, std::uint64_t(text.size()), 4);
    return out;
}

struct StarDictFiles
{
    QByteArray ifo;
    QByteArray idx;
    QByteArray dict;
};

// `definitions` are written as they are: with sameTypes, the bare field data; without it,
// each field with its type letter.
inline StarDictFiles starDict(const QList<std::pair<QByteArray, QByteArray>>& definitions,
                              int offsetBits = 32, const QByteArray& sameTypes = "m")
{
    StarDictFiles files;
    for (const auto& [word, definition] : definitions) {
        files.idx.append(word);
        files.idx.append('\0');
        appendBigEndian(files.idx, std::uint64_t(files.dict.size()), offsetBits / 8);
        appendBigEndian(files.idx, std::uint64_t(definition.size()), 4);
        files.dict.append(definition);
    }
    files.ifo =
        "StarDict's dict ifo file\nversion=" + QByteArray(offsetBits == 64 ? "3.0.0" : "2.4.2") +
        "\nbookname=Test\nwordcount=" + QByteArray::number(definitions.size()) +
        "\nidxfilesize=" + QByteArray::number(files.idx.size()) + "\n";
    if (offsetBits == 64)
        files.ifo += "idxoffsetbits=64\n";
    if (!sameTypes.isEmpty())
        files.ifo += "sametypesequence=" + sameTypes + "\n";
    return files;
}

inline QByteArray dictdNumber(std::uint64_t value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(digits[value & 63]);
        value >>= 6;
    } while (value);
    return out;
}

struct DictdFiles
{
    QByteArray index;
    QByteArray dict;
};

// Index lines in the order given; `headword` is written to the index as it stands.
inline DictdFiles dictd(const QList<std::pair<QByteArray, QByteArray>>& entries)
{
    DictdFiles files;
    for (const auto& [headword, definition] : entries) {
        files.index += headword + '\t' + dictdNumber(std::uint64_t(files.dict.size())) + '\t' +
                       dictdNumber(std::uint64_t(definition.size())) + '\n';
        files.dict += definition;
    }
    return files;
}

} // namespace lexaro::testing
