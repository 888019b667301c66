#include "exchange/dictd_reader.h"

#include "exchange/dictzip_file.h"
#include "exchange/headword_merge.h"
#include "exchange/import_limits.h"
#include "exchange/input_file.h"
#include "exchange/utf8.h"

#include <algorithm>
#include <functional>
#include <numeric>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

struct IndexLine
{
    qsizetype line = 0;
    QString word;
    QString asWritten; // the fourth column some indexes keep
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

struct DatabaseFlags
{
    bool allChars = false;
    bool caseSensitive = false;
};

int base64Digit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return u - u'A';
    if (u >= u'a' && u <= u'z')
        return u - u'a' + 26;
    if (u >= u'0' && u <= u'9')
        return u - u'0' + 52;
    if (u == u'+')
        return 62;
    if (u == u'/')
        return 63;
    return -1;
}

bool decodeNumber(QStringView digits, std::uint64_t& value)
{
    if (digits.isEmpty())
        return false;
    value = 0;
    for (const QChar c : digits) {
        const int d = base64Digit(c);
        if (d < 0 || value > (UINT64_MAX >> 6))
            return false;
        value = value << 6 | std::uint64_t(d);
    }
    return true;
}

// The 00-database-* entries, as written or in the reduced form of the index.
bool isDatabaseEntry(QStringView word, QStringView name = {})
{
    if (name.isEmpty())
        return word.startsWith(u"00-database-") || word.startsWith(u"00database");
    QString reduced = name.toString();
    reduced.remove(u'-');
    return word == QString(u"00-database-"_s + name.toString()) ||
           word == QString(u"00database"_s + reduced);
}

QString lineName(qsizetype line, const QString& word = {})
{
    QString name = u".index line "_s + QString::number(line);
    if (!word.isEmpty())
        name += u" (\u201C"_s + word + u"\u201D)"_s;
    return name;
}

// Where the index reduces headwords to letters, digits and spaces, the definition usually
// starts with the headword as written: the longest start of its first line that reduces to
// the index's headword, ending before a space or at the end of the line. Empty when there
// is none.
QString spacesCollapsed(QStringView word)
{
    QString out;
    for (const QChar c : word) {
        if (!c.isSpace() || !out.endsWith(u' '))
            out.append(c.isSpace() ? QChar(u' ') : c);
    }
    return out;
}

// The code point at `at`, and how many UTF-16 units it takes.
char32_t codePointAt(QStringView text, qsizetype at, qsizetype& width)
{
    width = 1;
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    }
    return text[at].unicode();
}

// A character as the index keeps it: letters and digits, runs of spaces as one.
void appendReduced(QString& reduced, char32_t c, bool caseSensitive)
{
    if (QChar::isSpace(c)) {
        if (!reduced.endsWith(u' '))
            reduced.append(u' ');
    } else if (QChar::isLetterOrNumber(c)) {
        const char32_t kept = caseSensitive ? c : QChar::toLower(c);
        reduced.append(QString::fromUcs4(&kept, 1));
    }
}

QString headwordAsWritten(QStringView indexWord, QStringView definition, bool caseSensitive)
{
    const QString target = spacesCollapsed(indexWord);
    const qsizetype lineEnd = definition.indexOf(u'\n');
    const QStringView line = lineEnd < 0 ? definition : definition.first(lineEnd);
    QString reduced;
    qsizetype best = -1;
    qsizetype checked = 0;
    qsizetype at = 0;
    while (at < line.size()) {
        qsizetype width = 1;
        const char32_t c = codePointAt(line, at, width);
        if (QChar::isSpace(c) && at > 0 && reduced == target)
            best = at;
        appendReduced(reduced, c, caseSensitive);
        at += width;
        // Only what was just added needs comparing: the rest matched before.
        if (reduced.size() > target.size() ||
            QStringView(reduced).sliced(checked) !=
                QStringView(target).sliced(checked, reduced.size() - checked))
            break;
        checked = reduced.size();
    }
    if (at == line.size() && reduced == target)
        best = line.size();
    return best > 0 ? line.first(best).trimmed().toString() : QString();
}

// One line of the index, as written: what is wrong with it, or nothing. `line` stays empty for
// a blank line.
QString parseIndexLine(QByteArrayView raw, qsizetype number, std::optional<IndexLine>& line)
{
    // A line holds a headword of at most MaxHeadwordLength characters (four bytes each at
    // most), possibly twice, and two numbers.
    if (raw.size() > ImportLimits::MaxHeadwordLength * 8 + 64)
        return lineName(number) + u": longer than any entry of an index (a headword "_s +
               u"longer than "_s + QString::number(ImportLimits::MaxHeadwordLength) +
               u" characters)"_s;
    if (raw.endsWith('\r'))
        raw.chop(1);
    if (raw.isEmpty())
        return {};
    const std::optional<QString> text = strictUtf8(raw);
    if (!text)
        return lineName(number) + u": not valid UTF-8"_s;
    const QList<QStringView> fields = QStringView(*text).split(u'\t');
    if (fields.size() < 3)
        return lineName(number) + u": expected headword, offset and length between tabs"_s;
    line = IndexLine{number, fields[0].toString(),
                     fields.size() > 3 ? fields[3].trimmed().toString() : QString()};
    if (!decodeNumber(fields[1], line->offset) || !decodeNumber(fields[2], line->length))
        return lineName(number, line->word) + u": the offset or length is not a dictd number"_s;
    return {};
}

// What an import cannot take of a line, or nothing.
QString beyondLimits(const IndexLine& line, std::size_t linesBefore)
{
    if (line.length > ImportLimits::MaxDefinitionBytes)
        return lineName(line.line, line.word) + u": its definition at offset "_s +
               QString::number(line.offset) + u" is "_s + QString::number(line.length) +
               u" bytes, longer than "_s + QString::number(ImportLimits::MaxDefinitionBytes);
    if (linesBefore >= ImportLimits::MaxEntries)
        return lineName(line.line) + u": more than "_s + QString::number(ImportLimits::MaxEntries) +
               u" entries, more than an import takes"_s;
    return {};
}

// The 00-database-* entries say how the index reduces its headwords.
void readDatabaseFlag(const QString& word, DatabaseFlags& flags)
{
    flags.allChars = flags.allChars || isDatabaseEntry(word, u"allchars");
    flags.caseSensitive = flags.caseSensitive || isDatabaseEntry(word, u"case-sensitive");
}

// Lines whose headword is longer than the store takes are left out, their places noted in
// `leftOut`; real dictionaries hold a few whole sentences as headwords.
QString readIndex(QByteArrayView bytes, std::vector<IndexLine>& lines, DatabaseFlags& flags,
                  QStringList& leftOut)
{
    qsizetype number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        ++number;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        std::optional<IndexLine> line;
        if (QString why = parseIndexLine(bytes.sliced(start, end - start), number, line);
            !why.isEmpty())
            return why;
        start = end + 1;
        if (!line)
            continue;
        if (line->word.size() > ImportLimits::MaxHeadwordLength ||
            line->asWritten.size() > ImportLimits::MaxHeadwordLength) {
            leftOut << lineName(number);
            continue;
        }
        if (QString why = beyondLimits(*line, lines.size()); !why.isEmpty())
            return why;
        if (isDatabaseEntry(line->word))
            readDatabaseFlag(line->word, flags);
        else
            lines.push_back(std::move(*line));
    }
    return {};
}

// The entry a line's definition gives: what is wrong with it, or nothing.
QString entryOf(IndexLine& line, const QByteArray& definition, const DatabaseFlags& flags,
                WordEntry& entry)
{
    std::optional<QString> text = strictUtf8(definition);
    if (!text)
        return lineName(line.line, line.word) + u": the definition is not valid UTF-8"_s;
    entry.translation = text->trimmed();
    if (entry.translation.isEmpty())
        return lineName(line.line, line.word) + u": empty definition"_s;
    if (!line.asWritten.isEmpty())
        entry.word = std::move(line.asWritten);
    else if (!flags.allChars)
        entry.word = headwordAsWritten(line.word, entry.translation, flags.caseSensitive);
    if (entry.word.isEmpty() || !WordLimits::wordFits(entry.word))
        entry.word = line.word.trimmed();
    return {};
}

// A headword of punctuation alone reduces to nothing in the index and cannot be told from its
// definition; such entries are left out and counted. Where the index keeps headwords as
// written, an empty one is an error like any other.
QString dropEmptyHeadwords(std::vector<WordEntry>& entries, const std::vector<IndexLine>& index,
                           const DatabaseFlags& flags, std::size_t& leftOut)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].word.isEmpty()) {
            if (kept != i)
                entries[kept] = std::move(entries[i]);
            ++kept;
            continue;
        }
        if (flags.allChars)
            return lineName(index[i].line) + u": empty headword"_s;
        ++leftOut;
    }
    entries.resize(kept);
    return {};
}

} // namespace

namespace {

ReadResult parseWith(QByteArrayView indexBytes,
                     const std::function<std::optional<DictText>(QString&)>& openDict,
                     const Progress& progress)
{
    std::vector<IndexLine> index;
    DatabaseFlags flags;
    QStringList longHeadwords;
    if (QString why = readIndex(indexBytes, index, flags, longHeadwords); !why.isEmpty())
        return ReadResult::failure(why);
    QString why;
    std::optional<DictText> dict = openDict(why);
    if (!dict)
        return ReadResult::failure(u".dict file: "_s + why);
    std::uint64_t total = 0;
    for (const IndexLine& line : index)
        total += line.length;
    if (QString tooMuch = definitionsFit(total, dict->size()); !tooMuch.isEmpty())
        return ReadResult::failure(u".index file: "_s + tooMuch);

    const std::vector<std::size_t> order = inOffsetOrder(index);
    std::vector<WordEntry> entries(index.size());
    QByteArray data;
    for (std::size_t done = 0; done < order.size(); ++done) {
        IndexLine& line = index[order[done]];
        if (!dict->read(line.offset, line.length, data, why))
            return ReadResult::failure(lineName(line.line, line.word) +
                                       u": its definition lies "_s +
                                       why.replace(u"the text"_s, u"the .dict file"_s));
        if (QString bad = entryOf(line, data, flags, entries[order[done]]); !bad.isEmpty())
            return ReadResult::failure(bad);
        if (progress && done % 4096 == 0)
            progress(std::int64_t(done), std::int64_t(order.size()));
    }

    ReadResult result;
    std::size_t leftOut = 0;
    if (QString bad = dropEmptyHeadwords(entries, index, flags, leftOut); !bad.isEmpty())
        return ReadResult::failure(bad);
    result.entries = std::move(entries);
    if (!longHeadwords.isEmpty())
        result.notes << longHeadwordsNote(longHeadwords);
    if (leftOut > 0)
        result.notes << u"left out "_s + QString::number(leftOut) +
                            u" entries whose headword the index reduces to nothing"_s;
    // The index has given up its words: its memory goes before the merge needs some.
    std::vector<IndexLine>().swap(index);
    mergeSameHeadwords(result.entries);
    return result;
}

} // namespace

ReadResult DictdReader::parse(QByteArrayView index, QByteArrayView dict, const Progress& progress)
{
    return parseWith(
        index, [dict](QString& why) { return DictText::open(dict, why); }, progress);
}

ReadResult DictdReader::read(const QString& indexPath, const Progress& progress)
{
    QString base = indexPath;
    if (base.endsWith(u".index"_s))
        base.chop(6);
    QString why;
    const InputFile indexFile(indexPath);
    const std::optional<QByteArray> index =
        indexFile.isOpen() ? indexFile.readAll(ImportLimits::MaxFileBytes, why) : std::nullopt;
    if (!index)
        return ReadResult::failure(u".index file: "_s +
                                   (indexFile.isOpen() ? why : indexFile.error()));
    const std::optional<QString> dictPath = dictFileBeside(base, why);
    if (!dictPath)
        return ReadResult::failure(why);
    const InputFile dictFile(*dictPath);
    if (!dictFile.isOpen())
        return ReadResult::failure(*dictPath + u": "_s + dictFile.error());
    return parseWith(
        *index, [&dictFile](QString& error) { return DictText::open(dictFile, error); }, progress);
}

} // namespace lexaro
