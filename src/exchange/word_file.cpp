#include "exchange/word_file.h"

#include "exchange/dictd_reader.h"
#include "exchange/import_limits.h"
#include "exchange/input_file.h"
#include "exchange/stardict_reader.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

QString withoutDictSuffix(const QString& path)
{
    for (const QString& suffix : {u".dict.dz"_s, u".dict"_s}) {
        if (path.endsWith(suffix))
            return path.chopped(suffix.size());
    }
    return {};
}

QString companion(const QString& path)
{
    const QString base = withoutDictSuffix(path);
    if (base.isEmpty())
        return {};
    for (const QString& suffix : {u".ifo"_s, u".index"_s}) {
        if (QFileInfo::exists(base + suffix))
            return base + suffix;
    }
    return {};
}

// The first line with a headword or a translation longer than the store takes. Escapes only
// shorten a field, so a field short enough as written needs no closer look. Lines are
// numbered from `firstLine`.
QString tooLongLine(const QByteArray& bytes, qsizetype firstLine)
{
    qsizetype number = firstLine - 1;
    for (qsizetype start = 0; start < bytes.size();) {
        ++number;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView raw(bytes.constData() + start, end - start);
        start = end + 1;
        const qsizetype tab = raw.indexOf('\t');
        const QByteArrayView word = tab < 0 ? raw : raw.first(tab);
        if (word.size() > WordLimits::MaxWordLength &&
            !WordLimits::wordFits(WordListFile::unescape(QString::fromUtf8(word))))
            return u"line "_s + QString::number(number) + u": the headword is longer than "_s +
                   QString::number(WordLimits::MaxWordLength) + u" characters"_s;
        const QByteArrayView translation = tab < 0 ? QByteArrayView() : raw.sliced(tab + 1);
        if (std::uint64_t(translation.size()) > ImportLimits::MaxDefinitionBytes &&
            !WordLimits::translationFits(WordListFile::unescape(QString::fromUtf8(translation))))
            return u"line "_s + QString::number(number) + u": the translation is longer than "_s +
                   QString::number(ImportLimits::MaxDefinitionBytes) + u" bytes"_s;
    }
    return {};
}

// "line 3: ..." of a block that starts at line `firstLine` of the file.
QString inFile(const QString& error, qsizetype firstLine)
{
    static const QLatin1StringView Line("line ");
    if (!error.startsWith(Line))
        return error;
    const qsizetype colon = error.indexOf(u':');
    bool ok = false;
    const qsizetype number =
        QStringView(error).sliced(Line.size(), colon - Line.size()).toLongLong(&ok);
    return ok ? Line + QString::number(number + firstLine - 1) + error.sliced(colon) : error;
}

// The list is read and parsed a block of whole lines at a time: its entries are all that
// stays in memory.
ReadResult readTsv(const QString& path)
{
    const InputFile file(path);
    if (!file.isOpen())
        return ReadResult::failure(file.error());
    if (file.size() > ImportLimits::MaxTextBytes)
        return ReadResult::failure(u"the file is larger than an import takes ("_s +
                                   QString::number(file.size()) + u" bytes; at most "_s +
                                   QString::number(ImportLimits::MaxTextBytes) + u')');
    constexpr std::uint64_t BlockBytes = std::uint64_t(4) << 20;
    // The longest line an entry within the limits can take, its escapes doubling it.
    constexpr qsizetype LongestLine =
        WordLimits::MaxWordLength * 8 + qsizetype(ImportLimits::MaxDefinitionBytes) * 2 + 8;
    ReadResult result;
    QByteArray pending;
    qsizetype firstLine = 1;
    for (std::uint64_t at = 0; at < file.size();) {
        QByteArray block;
        QString why;
        const std::uint64_t n = std::min(BlockBytes, file.size() - at);
        if (!file.readAt(at, n, block, why))
            return ReadResult::failure(why);
        at += n;
        pending += block;
        const qsizetype end = at < file.size() ? pending.lastIndexOf('\n') + 1 : pending.size();
        if (end == 0 && pending.size() > LongestLine)
            return ReadResult::failure(u"line "_s + QString::number(firstLine) +
                                       u": longer than any entry an import takes"_s);
        const QByteArray lines = pending.first(end);
        pending.remove(0, end);
        if (lines.isEmpty())
            continue;
        if (QString tooLong = tooLongLine(lines, firstLine); !tooLong.isEmpty())
            return ReadResult::failure(tooLong);
        WordListFile::Result parsed = WordListFile::parse(lines);
        if (!parsed.errors.isEmpty()) {
            QString error = inFile(parsed.errors.first(), firstLine);
            if (parsed.errors.size() > 1)
                error += u" (and "_s + QString::number(parsed.errors.size() - 1) + u" more)"_s;
            return ReadResult::failure(error);
        }
        firstLine += lines.count('\n');
        if (result.entries.size() + parsed.entries.size() > ImportLimits::MaxEntries)
            return ReadResult::failure(u"more than "_s + QString::number(ImportLimits::MaxEntries) +
                                       u" entries, more than an import takes"_s);
        std::move(parsed.entries.begin(), parsed.entries.end(), std::back_inserter(result.entries));
    }
    return result;
}

} // namespace

WordFileFormat wordFileFormat(const QString& path)
{
    const QString target = companion(path).isEmpty() ? path : companion(path);
    if (target.endsWith(u".ifo"_s))
        return WordFileFormat::StarDict;
    if (target.endsWith(u".index"_s))
        return WordFileFormat::Dictd;
    return WordFileFormat::Tsv;
}

ReadResult readWordFile(const QString& path, const Progress& progress)
{
    const QString target = companion(path).isEmpty() ? path : companion(path);
    switch (wordFileFormat(path)) {
    case WordFileFormat::StarDict:
        return StarDictReader::read(target, progress);
    case WordFileFormat::Dictd:
        return DictdReader::read(target, progress);
    case WordFileFormat::Tsv:
        break;
    }
    return readTsv(path);
}

} // namespace lexaro
