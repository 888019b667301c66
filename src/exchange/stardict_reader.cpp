#include "exchange/stardict_reader.h"

#include "exchange/dictzip_file.h"
#include "exchange/headword_merge.h"
#include "exchange/import_limits.h"
#include "exchange/input_file.h"
#include "exchange/markup_text.h"
#include "exchange/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <functional>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <numeric>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QLatin1StringView IfoMagic("StarDict's dict ifo file");

struct IdxEntry
{
    QString word;
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

struct Ifo
{
    std::uint64_t wordCount = 0;
    std::uint64_t idxFileSize = 0;
    int offsetBytes = 4;
    QByteArray sameTypes;
};

std::uint64_t bigEndian(const unsigned char* p, int bytes)
{
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | p[i];
    return v;
}

QString quoted(const QString& word)
{
    return u"\u201C"_s + word + u"\u201D"_s;
}

QString entryName(std::size_t number, const QString& word)
{
    QString name = u".idx entry "_s + QString::number(number);
    if (!word.isEmpty())
        name += u" ("_s + quoted(word) + u')';
    return name;
}

QString readIfo(QByteArrayView bytes, Ifo& ifo)
{
    const std::optional<QString> text = strictUtf8(bytes);
    if (!text)
        return u".ifo file: not valid UTF-8"_s;
    const QList<QStringView> lines = QStringView(*text).split(u'\n');
    QHash<QString, QString> keys;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (i == 0) {
            if (line != IfoMagic)
                return u".ifo file: not a StarDict dictionary (its first line is not \""_s +
                       IfoMagic + u"\")"_s;
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return u".ifo line "_s + QString::number(i + 1) + u": expected key=value"_s;
        keys.insert(line.first(equals).trimmed().toString(), line.sliced(equals + 1).toString());
    }
    for (const QString& required : {u"version"_s, u"wordcount"_s, u"idxfilesize"_s}) {
        if (!keys.contains(required))
            return u".ifo file: no "_s + required + u"= line"_s;
    }
    bool ok = false;
    ifo.wordCount = keys.value(u"wordcount"_s).trimmed().toULongLong(&ok);
    if (!ok)
        return u".ifo file: the wordcount is not a number"_s;
    ifo.idxFileSize = keys.value(u"idxfilesize"_s).trimmed().toULongLong(&ok);
    if (!ok)
        return u".ifo file: the idxfilesize is not a number"_s;
    const QString bits = keys.value(u"idxoffsetbits"_s, u"32"_s).trimmed();
    if (bits != u"32"_s && bits != u"64"_s)
        return u".ifo file: idxoffsetbits must be 32 or 64, not "_s + bits;
    ifo.offsetBytes = bits == u"64"_s ? 8 : 4;
    ifo.sameTypes = keys.value(u"sametypesequence"_s).trimmed().toLatin1();
    for (const char type : std::as_const(ifo.sameTypes)) {
        if (!std::isalpha(static_cast<unsigned char>(type)))
            return u".ifo file: the sametypesequence holds something other than type letters"_s;
    }
    return {};
}

// Entries whose headword is longer than the store takes are left out, their places noted in
// `leftOut`; real dictionaries hold a few whole sentences as headwords.
QString readIdx(QByteArrayView bytes, const Ifo& ifo, std::vector<IdxEntry>& entries,
                QStringList& leftOut)
{
    if (std::uint64_t(bytes.size()) != ifo.idxFileSize)
        return u".idx file: "_s + QString::number(bytes.size()) +
               u" bytes, but the .ifo file says "_s + QString::number(ifo.idxFileSize);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = std::size_t(bytes.size());
    // Each entry takes at least its NUL, offset and size: a word count beyond that is false.
    if (ifo.wordCount > size / std::size_t(1 + ifo.offsetBytes + 4) + 1)
        return u".ifo file: a wordcount of "_s + QString::number(ifo.wordCount) +
               u" does not fit in the .idx file"_s;
    if (ifo.wordCount > ImportLimits::MaxEntries)
        return u".ifo file: a wordcount of "_s + QString::number(ifo.wordCount) +
               u", more than an import takes (at most "_s +
               QString::number(ImportLimits::MaxEntries) + u')';
    entries.reserve(std::size_t(ifo.wordCount));
    std::size_t pos = 0;
    std::size_t number = 0;
    while (pos < size) {
        ++number;
        const std::size_t entryStart = pos;
        if (number > ifo.wordCount)
            return u".ifo file: a wordcount of "_s + QString::number(ifo.wordCount) +
                   u", but the .idx file holds more entries"_s;
        const void* nul = std::memchr(p + pos, 0, size - pos);
        if (!nul)
            return entryName(number, {}) + u": cut short in its headword"_s;
        const std::size_t wordEnd = std::size_t(static_cast<const unsigned char*>(nul) - p);
        // No headword that fits takes more than four bytes a character.
        const bool bytesTooMany = wordEnd - pos > std::size_t(ImportLimits::MaxHeadwordLength) * 4;
        const std::optional<QString> word =
            bytesTooMany ? std::optional(QString())
                         : strictUtf8(bytes.sliced(qsizetype(pos), qsizetype(wordEnd - pos)));
        if (!word)
            return entryName(number, {}) + u": the headword is not valid UTF-8"_s;
        pos = wordEnd + 1;
        if (size - pos < std::size_t(ifo.offsetBytes) + 4)
            return entryName(number, *word) + u": cut short before its offset and size"_s;
        IdxEntry entry{*word, bigEndian(p + pos, ifo.offsetBytes),
                       std::uint32_t(bigEndian(p + pos + ifo.offsetBytes, 4))};
        pos += std::size_t(ifo.offsetBytes) + 4;
        if (bytesTooMany || word->size() > ImportLimits::MaxHeadwordLength) {
            leftOut << entryName(number, {}) + u" at byte "_s + QString::number(entryStart);
            continue;
        }
        if (entry.word.trimmed().isEmpty())
            return entryName(number, {}) + u": empty headword"_s;
        if (entry.size > ImportLimits::MaxDefinitionBytes)
            return entryName(number, entry.word) + u": its definition at offset "_s +
                   QString::number(entry.offset) + u" is "_s + QString::number(entry.size) +
                   u" bytes, longer than "_s + QString::number(ImportLimits::MaxDefinitionBytes);
        entries.push_back(std::move(entry));
    }
    if (number != ifo.wordCount)
        return u".ifo file: a wordcount of "_s + QString::number(ifo.wordCount) +
               u", but the .idx file holds "_s + QString::number(number) + u" entries"_s;
    return {};
}

// The text of one field of a definition; empty for types that hold no text to show.
std::optional<QString> fieldText(char type, QByteArrayView data)
{
    std::optional<QString> text;
    switch (type) {
    case 'm':
    case 't':
    case 'g':
    case 'x':
    case 'h':
        text = strictUtf8(data);
        break;
    default:
        return QString();
    }
    if (!text)
        return std::nullopt;
    switch (type) {
    case 't':
        return text->trimmed().isEmpty() ? QString() : u'[' + text->trimmed() + u']';
    case 'g':
    case 'x':
        return markupToText(*text, Markup::Xml);
    case 'h':
        return markupToText(*text, Markup::Html);
    default:
        return text->trimmed();
    }
}

bool isTextType(char type)
{
    return std::islower(static_cast<unsigned char>(type)) != 0;
}

// Reads a definition field by field: a text field (a lower-case type) ends with a NUL, except
// the last one of a type sequence; any other field starts with its size. Each step returns
// what is wrong, or nothing.
class DefinitionReader
{
public:
    DefinitionReader(QByteArrayView data, const QByteArray& sameTypes)
        : m_data(data), m_sameTypes(sameTypes)
    {
    }

    // The definition as the user reads it: its text fields, one after another.
    QString read(QString& text)
    {
        if (QString why = m_sameTypes.isEmpty() ? readTypedFields() : readSameTypes();
            !why.isEmpty())
            return why;
        text = m_parts.join(u'\n');
        if (!text.trimmed().isEmpty())
            return {};
        return m_types.isEmpty() ? u"empty definition"_s
                                 : u"no text in its definition (field types "_s + m_types + u')';
    }

private:
    std::size_t left() const { return std::size_t(m_data.size()) - m_pos; }
    const unsigned char* at() const
    {
        return reinterpret_cast<const unsigned char*>(m_data.data()) + m_pos;
    }

    // The types come from the .ifo file, the same for every definition.
    QString readSameTypes()
    {
        for (qsizetype i = 0; i < m_sameTypes.size(); ++i) {
            if (QString why = readField(m_sameTypes[i], i + 1 == m_sameTypes.size());
                !why.isEmpty())
                return why;
        }
        return {};
    }

    // Each field starts with its type letter.
    QString readTypedFields()
    {
        while (left() > 0) {
            const unsigned char type = *at();
            ++m_pos;
            if (!std::isalpha(type))
                return u"unknown field type "_s + QString::number(int(type));
            if (QString why = readField(char(type), false); !why.isEmpty())
                return why;
        }
        return {};
    }

    QString readField(char type, bool last)
    {
        std::size_t length = left();
        if (!last) {
            if (QString why = isTextType(type) ? textLength(length) : sizedLength(length);
                !why.isEmpty())
                return why;
        }
        const std::optional<QString> t =
            fieldText(type, m_data.sliced(qsizetype(m_pos), qsizetype(length)));
        if (!t)
            return u"the definition is not valid UTF-8"_s;
        if (!t->isEmpty())
            m_parts << *t;
        m_types += QLatin1Char(type);
        m_pos += length;
        if (left() > 0 && isTextType(type) && !last)
            ++m_pos; // the NUL
        return {};
    }

    QString textLength(std::size_t& length) const
    {
        const void* nul = left() > 0 ? std::memchr(at(), 0, left()) : nullptr;
        // Without a type sequence the final string may lack its NUL.
        if (!nul && !m_sameTypes.isEmpty())
            return u"a text field is cut short"_s;
        length = nul ? std::size_t(static_cast<const unsigned char*>(nul) - at()) : left();
        return {};
    }

    QString sizedLength(std::size_t& length)
    {
        if (left() < 4)
            return u"a field is cut short before its size"_s;
        length = std::size_t(bigEndian(at(), 4));
        m_pos += 4;
        if (length > left())
            return u"a field is longer than the definition"_s;
        return {};
    }

    QByteArrayView m_data;
    const QByteArray& m_sameTypes;
    std::size_t m_pos = 0;
    QStringList m_parts;
    QString m_types;
};

QString definitionText(QByteArrayView data, const QByteArray& sameTypes, QString& text)
{
    return DefinitionReader(data, sameTypes).read(text);
}

} // namespace

namespace {

ReadResult parseWith(QByteArrayView ifoBytes, QByteArrayView idxBytes,
                     const std::function<std::optional<DictText>(QString&)>& openDict,
                     const Progress& progress)
{
    Ifo ifo;
    if (QString why = readIfo(ifoBytes, ifo); !why.isEmpty())
        return ReadResult::failure(why);
    std::vector<IdxEntry> index;
    QStringList leftOut;
    if (QString why = readIdx(idxBytes, ifo, index, leftOut); !why.isEmpty())
        return ReadResult::failure(why);
    QString why;
    std::optional<DictText> dict = openDict(why);
    if (!dict)
        return ReadResult::failure(u".dict file: "_s + why);
    std::uint64_t total = 0;
    for (const IdxEntry& entry : index)
        total += entry.size;
    if (QString tooMuch = definitionsFit(total, dict->size()); !tooMuch.isEmpty())
        return ReadResult::failure(u".idx file: "_s + tooMuch);

    const std::vector<std::size_t> order = inOffsetOrder(index);
    ReadResult result;
    result.entries.resize(index.size());
    QByteArray data;
    for (std::size_t done = 0; done < order.size(); ++done) {
        const std::size_t i = order[done];
        IdxEntry& entry = index[i];
        if (!dict->read(entry.offset, entry.size, data, why))
            return ReadResult::failure(entryName(i + 1, entry.word) + u": its definition lies "_s +
                                       why.replace(u"the text"_s, u"the .dict file"_s));
        QString text;
        if (QString bad = definitionText(data, ifo.sameTypes, text); !bad.isEmpty())
            return ReadResult::failure(entryName(i + 1, entry.word) + u": "_s + bad);
        result.entries[i] = WordEntry{std::move(entry.word).trimmed(), std::move(text)};
        if (progress && done % 4096 == 0)
            progress(std::int64_t(done), std::int64_t(order.size()));
    }
    // The index has given up its words: its memory goes before the merge needs some.
    std::vector<IdxEntry>().swap(index);
    mergeSameHeadwords(result.entries);
    if (!leftOut.isEmpty())
        result.notes << longHeadwordsNote(leftOut);
    return result;
}

} // namespace

ReadResult StarDictReader::parse(QByteArrayView ifo, QByteArrayView idx, QByteArrayView dict,
                                 const Progress& progress)
{
    return parseWith(
        ifo, idx, [dict](QString& why) { return DictText::open(dict, why); }, progress);
}

ReadResult StarDictReader::read(const QString& ifoPath, const Progress& progress)
{
    const QFileInfo info(ifoPath);
    const QString base = info.dir().filePath(info.completeBaseName());
    QString why;
    const InputFile ifoFile(ifoPath);
    const std::optional<QByteArray> ifo =
        ifoFile.isOpen() ? ifoFile.readAll(ImportLimits::MaxFileBytes, why) : std::nullopt;
    if (!ifo)
        return ReadResult::failure(u".ifo file: "_s + (ifoFile.isOpen() ? why : ifoFile.error()));
    const InputFile idxFile(base + u".idx"_s);
    const std::optional<QByteArray> idx =
        idxFile.isOpen() ? idxFile.readAll(ImportLimits::MaxFileBytes, why) : std::nullopt;
    if (!idx)
        return ReadResult::failure(base + u".idx: "_s + (idxFile.isOpen() ? why : idxFile.error()));
    const std::optional<QString> dictPath = dictFileBeside(base, why);
    if (!dictPath)
        return ReadResult::failure(why);
    const InputFile dictFile(*dictPath);
    if (!dictFile.isOpen())
        return ReadResult::failure(*dictPath + u": "_s + dictFile.error());
    return parseWith(
        *ifo, *idx, [&dictFile](QString& error) { return DictText::open(dictFile, error); },
        progress);
}

} // namespace lexaro
