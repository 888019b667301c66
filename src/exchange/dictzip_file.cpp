#include "exchange/dictzip_file.h"

#include "exchange/import_limits.h"
#include "exchange/input_file.h"

#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace lexaro {

// What a gzip header says: where the deflate data starts and, for a dictzip file, its table
// of independently compressed chunks.
struct GzipHeader
{
    std::size_t dataStart = 0;
    bool chunked = false;
    std::uint32_t chunkLength = 0;
    std::vector<std::uint32_t> chunkSizes;
};

namespace {

constexpr unsigned char FlagHeaderCrc = 0x02;
constexpr unsigned char FlagExtra = 0x04;
constexpr unsigned char FlagName = 0x08;
constexpr unsigned char FlagComment = 0x10;
constexpr unsigned char FlagReserved = 0xE0;
constexpr std::size_t TrailerSize = 8;
// A plain gzip file is inflated whole; beyond this it is refused rather than exhausting memory.
constexpr std::uint64_t MaxWholeSize = ImportLimits::MaxTextBytes;

std::uint32_t le16(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t le32(const unsigned char* p)
{
    return le16(p) | le16(p + 2) << 16;
}

const unsigned char* bytesOf(QByteArrayView v)
{
    return reinterpret_cast<const unsigned char*>(v.data());
}

QString damaged(const QString& why)
{
    return u"the compressed file is damaged: "_s + why;
}

// Inflates one chunk written with a full flush before it: raw deflate data that needs nothing
// from the chunks before it. Every chunk but the last is full; the block that ends the
// stream may follow the last chunk rather than lie in it.
bool inflateChunk(QByteArrayView in, std::uint32_t capacity, bool last, QByteArray& out)
{
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return false;
    // One byte of room beyond the chunk length shows a chunk that inflates too long.
    out.resize(qsizetype(capacity) + 1);
    zs.next_in = const_cast<Bytef*>(bytesOf(in));
    zs.avail_in = uInt(in.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int code = inflate(&zs, Z_SYNC_FLUSH);
    const std::uint32_t produced = std::uint32_t(out.size()) - zs.avail_out;
    const bool consumed = zs.avail_in == 0;
    inflateEnd(&zs);
    out.resize(produced);
    if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR)
        return false;
    if (!consumed || produced > capacity)
        return false;
    return last ? produced > 0 : produced == capacity;
}

bool inflateWhole(QByteArrayView in, QByteArray& out)
{
    if (std::uint64_t(in.size()) > MaxWholeSize)
        return false;
    z_stream zs{};
    if (inflateInit2(&zs, MAX_WBITS + 16) != Z_OK)
        return false;
    zs.next_in = const_cast<Bytef*>(bytesOf(in));
    zs.avail_in = uInt(in.size());
    out.clear();
    int code = Z_OK;
    for (;;) {
        if (std::uint64_t(out.size()) >= MaxWholeSize) {
            code = Z_MEM_ERROR;
            break;
        }
        const qsizetype done = out.size();
        out.resize(qsizetype(std::min<std::uint64_t>(
            std::max<std::uint64_t>(std::uint64_t(done) * 2, 1 << 16), MaxWholeSize)));
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + done);
        zs.avail_out = uInt(out.size() - done);
        code = inflate(&zs, Z_NO_FLUSH);
        out.resize(out.size() - zs.avail_out);
        if (code == Z_STREAM_END) {
            // Concatenated gzip members read as one text.
            if (zs.avail_in == 0)
                break;
            if (inflateReset(&zs) != Z_OK)
                break;
            continue;
        }
        if (code != Z_OK)
            break;
        if (zs.avail_in == 0 && zs.avail_out != 0) {
            code = Z_DATA_ERROR; // the input ends inside the stream
            break;
        }
    }
    inflateEnd(&zs);
    return code == Z_STREAM_END;
}

// Reads a header field by field, each reader taking its field at `pos` and saying what is
// wrong in `error` when it cannot.
class GzipHeaderReader
{
public:
    GzipHeaderReader(QByteArrayView bytes, QString& error)
        : m_p(bytesOf(bytes)), m_size(std::size_t(bytes.size())), m_error(error)
    {
    }

    std::optional<GzipHeader> read()
    {
        if (!readFields())
            return std::nullopt;
        m_header.dataStart = m_pos;
        return std::move(m_header);
    }

private:
    bool readFields()
    {
        if (m_size < 10 + TrailerSize || m_p[0] != 0x1f || m_p[1] != 0x8b || m_p[2] != Z_DEFLATED)
            return refuse(u"not a gzip or dictzip file"_s);
        const unsigned char flags = m_p[3];
        if (flags & FlagReserved)
            return refuse(damaged(u"unknown header flags"_s));
        m_pos = 10;
        if ((flags & FlagExtra) && !readExtraFields())
            return false;
        for (const unsigned char flag : {FlagName, FlagComment}) {
            if ((flags & flag) && !skipZeroTerminated())
                return false;
        }
        if (flags & FlagHeaderCrc)
            m_pos += 2;
        return m_pos <= m_size || refuse(damaged(u"the header is cut short"_s));
    }

    bool refuse(const QString& why)
    {
        m_error = why;
        return false;
    }

    bool readExtraFields()
    {
        if (m_size - m_pos < 2)
            return refuse(damaged(u"the header is cut short"_s));
        const std::size_t extraLength = le16(m_p + m_pos);
        m_pos += 2;
        if (m_size - m_pos < extraLength)
            return refuse(damaged(u"the header is cut short"_s));
        const std::size_t extraEnd = m_pos + extraLength;
        while (extraEnd - m_pos >= 4) {
            const std::size_t fieldLength = le16(m_p + m_pos + 2);
            if (extraEnd - m_pos - 4 < fieldLength)
                return refuse(damaged(u"an extra header field is cut short"_s));
            const bool chunkTable = m_p[m_pos] == 'R' && m_p[m_pos + 1] == 'A';
            // Only the first chunk table counts.
            if (chunkTable && !m_header.chunked && !readChunkTable(m_p + m_pos + 4, fieldLength))
                return false;
            m_pos += 4 + fieldLength;
        }
        m_pos = extraEnd;
        return true;
    }

    bool readChunkTable(const unsigned char* field, std::size_t fieldLength)
    {
        if (fieldLength < 6 || le16(field) != 1)
            return refuse(damaged(u"unknown chunk table version"_s));
        m_header.chunkLength = le16(field + 2);
        const std::uint32_t chunkCount = le16(field + 4);
        if (fieldLength < 6 + 2 * std::size_t(chunkCount))
            return refuse(damaged(u"the chunk table is cut short"_s));
        if (m_header.chunkLength == 0 && chunkCount > 0)
            return refuse(damaged(u"chunks of length zero"_s));
        for (std::uint32_t i = 0; i < chunkCount; ++i)
            m_header.chunkSizes.push_back(le16(field + 6 + 2 * i));
        m_header.chunked = true;
        return true;
    }

    // The file name and the comment end with a zero byte.
    bool skipZeroTerminated()
    {
        const void* end = std::memchr(m_p + m_pos, 0, m_size - m_pos);
        if (!end)
            return refuse(damaged(u"the header is cut short"_s));
        m_pos = std::size_t(static_cast<const unsigned char*>(end) - m_p) + 1;
        return true;
    }

    const unsigned char* m_p;
    std::size_t m_size;
    QString& m_error;
    std::size_t m_pos = 0;
    GzipHeader m_header;
};

} // namespace

bool DictzipFile::looksCompressed(QByteArrayView bytes)
{
    return bytes.size() >= 2 && bytesOf(bytes)[0] == 0x1f && bytesOf(bytes)[1] == 0x8b;
}

std::optional<DictzipFile> DictzipFile::open(QByteArrayView compressed, QString& error)
{
    std::optional<GzipHeader> header = GzipHeaderReader(compressed, error).read();
    if (!header)
        return std::nullopt;
    DictzipFile file;
    file.m_compressed = compressed;
    const bool opened = header->chunked ? file.openChunks(*header, error) : file.openWhole(error);
    if (!opened)
        return std::nullopt;
    return file;
}

bool DictzipFile::openWhole(QString& error)
{
    if (inflateWhole(m_compressed, m_whole)) {
        m_size = std::uint64_t(m_whole.size());
        return true;
    }
    if (std::uint64_t(m_whole.size()) >= MaxWholeSize)
        error = u"it decompresses to more than "_s + QString::number(MaxWholeSize) +
                u" bytes, more than an import takes"_s;
    else
        error = damaged(u"it does not inflate"_s);
    return false;
}

bool DictzipFile::openChunks(const GzipHeader& header, QString& error)
{
    m_chunkLength = header.chunkLength;
    std::uint64_t start = header.dataStart;
    for (const std::uint32_t chunkSize : header.chunkSizes) {
        m_chunkStarts.push_back(start);
        start += chunkSize;
    }
    m_chunkStarts.push_back(start);
    const std::size_t size = std::size_t(m_compressed.size());
    if (start + TrailerSize > size) {
        error = damaged(u"it is shorter than its chunk table says"_s);
        return false;
    }
    // The last chunk, inflated, gives the text's length, which the gzip trailer must repeat.
    const std::size_t chunkCount = header.chunkSizes.size();
    if (chunkCount > 0) {
        if (!loadChunk(chunkCount - 1, error))
            return false;
        m_size = std::uint64_t(chunkCount - 1) * m_chunkLength + std::uint64_t(m_cache.size());
    }
    if (le32(bytesOf(m_compressed) + size - 4) != std::uint32_t(m_size)) {
        error = damaged(u"its length does not match its chunks"_s);
        return false;
    }
    return true;
}

bool DictzipFile::loadChunk(std::size_t chunk, QString& error)
{
    if (chunk == m_cachedChunk)
        return true;
    m_cachedChunk = SIZE_MAX;
    const std::uint64_t begin = m_chunkStarts[chunk];
    const std::uint64_t end = m_chunkStarts[chunk + 1];
    const bool last = chunk + 2 == m_chunkStarts.size();
    if (!inflateChunk(m_compressed.sliced(qsizetype(begin), qsizetype(end - begin)), m_chunkLength,
                      last, m_cache)) {
        error = damaged(u"chunk "_s + QString::number(chunk + 1) + u" does not inflate"_s);
        return false;
    }
    m_cachedChunk = chunk;
    return true;
}

bool DictzipFile::read(std::uint64_t offset, std::uint64_t length, QByteArray& out, QString& error)
{
    if (offset > m_size || length > m_size - offset) {
        error = u"beyond the end of the text (offset "_s + QString::number(offset) +
                u", length "_s + QString::number(length) + u", text of "_s +
                QString::number(m_size) + u" bytes)"_s;
        return false;
    }
    if (m_chunkStarts.empty()) {
        out = m_whole.sliced(qsizetype(offset), qsizetype(length));
        return true;
    }
    // Grown chunk by chunk: a chunk table that promises more than the file holds fails at the
    // first chunk that does not inflate, before memory is taken for what it promised.
    out.clear();
    std::uint64_t done = 0;
    while (done < length) {
        const std::uint64_t at = offset + done;
        if (!loadChunk(std::size_t(at / m_chunkLength), error))
            return false;
        const std::uint64_t within = at % m_chunkLength;
        if (within >= std::uint64_t(m_cache.size())) {
            error = damaged(u"a chunk is shorter than its place in the text"_s);
            return false;
        }
        const std::uint64_t n = std::min<std::uint64_t>(length - done, m_cache.size() - within);
        out.append(m_cache.constData() + within, qsizetype(n));
        done += n;
    }
    return true;
}

std::optional<DictText> DictText::open(QByteArrayView bytes, QString& error)
{
    DictText text;
    if (DictzipFile::looksCompressed(bytes)) {
        text.m_dictzip = DictzipFile::open(bytes, error);
        if (!text.m_dictzip)
            return std::nullopt;
    } else {
        text.m_plain = bytes;
    }
    return text;
}

std::optional<QString> dictFileBeside(const QString& base, QString& error)
{
    for (const QString& path : {QString(base + u".dict.dz"_s), QString(base + u".dict"_s)}) {
        if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
            return path;
    }
    error = u"cannot read "_s + base + u".dict.dz or "_s + base + u".dict"_s;
    return std::nullopt;
}

QString definitionsFit(std::uint64_t total, std::uint64_t textSize)
{
    // Two entries may share a definition; beyond twice the text, an index repeats it.
    const std::uint64_t allowed = std::min(ImportLimits::MaxTextBytes, textSize * 2);
    if (total <= allowed)
        return {};
    return u"its entries ask for "_s + QString::number(total) +
           u" bytes of definitions, more than the text holds ("_s + QString::number(textSize) +
           u" bytes) or an import takes (at most "_s + QString::number(allowed) + u')';
}

std::optional<DictText> DictText::open(const InputFile& file, QString& error)
{
    DictText text;
    QByteArray magic;
    if (file.size() >= 2 && !file.readAt(0, 2, magic, error))
        return std::nullopt;
    if (!DictzipFile::looksCompressed(magic)) {
        text.m_file = &file;
        return text;
    }
    std::optional<QByteArray> compressed = file.readAll(ImportLimits::MaxFileBytes, error);
    if (!compressed)
        return std::nullopt;
    text.m_compressed = std::move(*compressed);
    text.m_dictzip = DictzipFile::open(text.m_compressed, error);
    if (!text.m_dictzip)
        return std::nullopt;
    return text;
}

std::uint64_t DictText::size() const
{
    if (m_dictzip)
        return m_dictzip->size();
    return m_file ? m_file->size() : std::uint64_t(m_plain.size());
}

bool DictText::read(std::uint64_t offset, std::uint64_t length, QByteArray& out, QString& error)
{
    if (m_dictzip)
        return m_dictzip->read(offset, length, out, error);
    if (m_file)
        return m_file->readAt(offset, length, out, error);
    const auto size = std::uint64_t(m_plain.size());
    if (offset > size || length > size - offset) {
        error = u"beyond the end of the text (offset "_s + QString::number(offset) +
                u", length "_s + QString::number(length) + u", text of "_s + QString::number(size) +
                u" bytes)"_s;
        return false;
    }
    out = m_plain.sliced(qsizetype(offset), qsizetype(length)).toByteArray();
    return true;
}

} // namespace lexaro
