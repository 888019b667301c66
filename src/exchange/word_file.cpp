#include "exchange/word_file.h"

#include "exchange/dictd_reader.h"
#include "exchange/mapped_file.h"
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

ReadResult readTsv(const QString& path)
{
    const MappedFile file(path);
    if (!file.isOpen())
        return ReadResult::failure(u"cannot read the file"_s);
    const QByteArray bytes = QByteArray::fromRawData(file.bytes().data(), file.bytes().size());
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
