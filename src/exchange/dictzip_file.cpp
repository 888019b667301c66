#include "exchange/dictzip_file.h"

#include "exchange/import_limits.h"
#include "exchange/input_file.h"

#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace lexaro {

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

} // namespace

bool DictzipFile::looksCompressed(QByteArrayView bytes)
{
    return bytes.size() >= 2 && bytesOf(bytes)[0] == 0x1f && bytesOf(bytes)[1] == 0x8b;
}

std::optional<DictzipFile> DictzipFile::open(QByteArrayView compressed, QString& error)
{
    const auto refuse = [&](const QString& why) {
        error = why;
        return std::nullopt;
    };
    const unsigned char* p = bytesOf(compressed);
    const std::size_t size = std::size_t(compressed.size());
    if (size < 10 + TrailerSize || !looksCompressed(compressed) || p[2] != Z_DEFLATED)
        return refuse(u"not a gzip or dictzip file"_s);
    const unsigned char flags = p[3];
    if (flags & FlagReserved)
        return refuse(damaged(u"unknown header flags"_s));

    DictzipFile file;
    file.m_compressed = compressed;
    std::size_t pos = 10;
    bool chunked = false;
    std::uint32_t chunkCount = 0;
    std::vector<std::uint32_t> chunkSizes;
    if (flags & FlagExtra) {
        if (size - pos < 2)
            return refuse(damaged(u"the header is cut short"_s));
        const std::size_t extraLength = le16(p + pos);
        pos += 2;
        if (size - pos < extraLength)
            return refuse(damaged(u"the header is cut short"_s));
        const std::size_t extraEnd = pos + extraLength;
        while (extraEnd - pos >= 4) {
            const std::size_t fieldLength = le16(p + pos + 2);
            const unsigned char* field = p + pos + 4;
            if (extraEnd - pos - 4 < fieldLength)
                return refuse(damaged(u"an extra header field is cut short"_s));
            if (p[pos] == 'R' && p[pos + 1] == 'A' && !chunked) {
                if (fieldLength < 6 || le16(field) != 1)
                    return refuse(damaged(u"unknown chunk table version"_s));
                file.m_chunkLength = le16(field + 2);
                chunkCount = le16(field + 4);
                if (fieldLength < 6 + 2 * std::size_t(chunkCount))
                    return refuse(damaged(u"the chunk table is cut short"_s));
                if (file.m_chunkLength == 0 && chunkCount > 0)
                    return refuse(damaged(u"chunks of length zero"_s));
                for (std::uint32_t i = 0; i < chunkCount; ++i)
                    chunkSizes.push_back(le16(field + 6 + 2 * i));
                chunked = true;
            }
            pos += 4 + fieldLength;
        }
        pos = extraEnd;
    }
    for (const unsigned char flag : {FlagName, FlagComment}) {
        if (!(flags & flag))
            continue;
        const void* end = std::memchr(p + pos, 0, size - pos);
        if (!end)
            return refuse(damaged(u"the header is cut short"_s));
        pos = std::size_t(static_cast<const unsigned char*>(end) - p) + 1;
    }
    if (flags & FlagHeaderCrc)
        pos += 2;
    if (pos > size)
        return refuse(damaged(u"the header is cut short"_s));

    if (!chunked) {
        if (!inflateWhole(compressed, file.m_whole)) {
            if (std::uint64_t(file.m_whole.size()) >= MaxWholeSize)
                return refuse(u"it decompresses to more than "_s + QString::number(MaxWholeSize) +
                              u" bytes, more than an import takes"_s);
            return refuse(damaged(u"it does not inflate"_s));
        }
        file.m_size = std::uint64_t(file.m_whole.size());
        return file;
    }

    std::uint64_t start = pos;
    for (const std::uint32_t chunkSize : chunkSizes) {
        file.m_chunkStarts.push_back(start);
        start += chunkSize;
    }
    file.m_chunkStarts.push_back(start);
    if (start + TrailerSize > size)
        return refuse(damaged(u"it is shorter than its chunk table says"_s));
    if (chunkCount > 0) {
        if (!file.loadChunk(chunkCount - 1, error))
            return std::nullopt;
        file.m_size =
            std::uint64_t(chunkCount - 1) * file.m_chunkLength + std::uint64_t(file.m_cache.size());
    }
    if (le32(p + size - 4) != std::uint32_t(file.m_size))
        return refuse(damaged(u"its length does not match its chunks"_s));
    return file;
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
