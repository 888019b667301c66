#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

namespace lexaro {

class InputFile;
struct GzipHeader;

// Random access to the text of a dictzip file (.dict.dz): a gzip file whose extra field
// lists independently compressed chunks, so any range is read by inflating only the chunks
// it spans. A gzip file without that field is inflated whole. The compressed bytes are not
// copied: they must outlive the reader.
class DictzipFile
{
public:
    static bool looksCompressed(QByteArrayView bytes);
    // Nothing, with `error` set, for a file that is not gzip or is damaged.
    static std::optional<DictzipFile> open(QByteArrayView compressed, QString& error);

    std::uint64_t size() const { return m_size; }
    // The bytes [offset, offset + length) of the text. False, with `error` set, for a range
    // beyond the end or a damaged chunk.
    bool read(std::uint64_t offset, std::uint64_t length, QByteArray& out, QString& error);

private:
    DictzipFile() = default;
    // A plain gzip file, inflated whole.
    bool openWhole(QString& error);
    bool openChunks(const GzipHeader& header, QString& error);
    bool loadChunk(std::size_t chunk, QString& error);

    QByteArrayView m_compressed;
    std::uint32_t m_chunkLength = 0;
    std::vector<std::uint64_t> m_chunkStarts; // into m_compressed; one more for the end
    std::uint64_t m_size = 0;
    QByteArray m_whole; // the text of a plain gzip file
    std::size_t m_cachedChunk = SIZE_MAX;
    QByteArray m_cache;
};

// The text of a .dict file, plain or as dictzip, chosen by its first bytes.
class DictText
{
public:
    static std::optional<DictText> open(QByteArrayView bytes, QString& error);
    // A plain file is read entry by entry as it is needed, never whole; a compressed one is
    // read whole, up to ImportLimits, and inflated chunk by chunk. The file must outlive the
    // text.
    static std::optional<DictText> open(const InputFile& file, QString& error);

    std::uint64_t size() const;
    bool read(std::uint64_t offset, std::uint64_t length, QByteArray& out, QString& error);

private:
    QByteArrayView m_plain;
    const InputFile* m_file = nullptr;
    QByteArray m_compressed;
    std::optional<DictzipFile> m_dictzip;
};

// The .dict.dz, or else the .dict, file beside an index whose name without suffix is `base`;
// nothing, with `error` set, when there is neither.
std::optional<QString> dictFileBeside(const QString& base, QString& error);

// Empty when the definitions an index asks for, `total` bytes together, fit the text they
// lie in and what one import takes. Many entries pointing at one long stretch of the text
// would otherwise take many times the file's size.
QString definitionsFit(std::uint64_t total, std::uint64_t textSize);

// The positions of an index's entries sorted by their offset in the .dict file, so that each
// compressed chunk is inflated once. Entries at the same offset keep their index order.
template <typename Entry> std::vector<std::size_t> inOffsetOrder(const std::vector<Entry>& index)
{
    std::vector<std::size_t> order(index.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return index[a].offset < index[b].offset;
    });
    return order;
}

} // namespace lexaro
