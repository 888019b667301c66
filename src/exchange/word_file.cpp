#include "exchange/word_file.h"

#include "exchange/dictd_reader.h"
#include "exchange/import_limits.h"
#include "exchange/input_file.h"
#include "exchange/stardict_reader.h"

#include <QFileInfo>

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
// shorten a field, so a field short enough as written needs no closer look.
QString tooLongLine(const QByteArray& bytes)
{
    qsizetype number = 0;
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

ReadResult readTsv(const QString& path)
{
    const InputFile file(path);
    if (!file.isOpen())
        return ReadResult::failure(file.error());
    QString unread;
    const std::optional<QByteArray> read = file.readAll(ImportLimits::MaxTextBytes, unread);
    if (!read)
        return ReadResult::failure(unread);
    const QByteArray& bytes = *read;
    if (std::uint64_t(bytes.count('\n')) > ImportLimits::MaxEntries)
        return ReadResult::failure(u"more than "_s + QString::number(ImportLimits::MaxEntries) +
                                   u" lines, more than an import takes"_s);
    if (QString tooLong = tooLongLine(bytes); !tooLong.isEmpty())
        return ReadResult::failure(tooLong);
    WordListFile::Result parsed = WordListFile::parse(bytes);
    if (!parsed.errors.isEmpty()) {
        QString why = parsed.errors.first();
        if (parsed.errors.size() > 1)
            why += u" (and "_s + QString::number(parsed.errors.size() - 1) + u" more)"_s;
        return ReadResult::failure(why);
    }
    ReadResult result;
    result.entries = std::move(parsed.entries);
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
