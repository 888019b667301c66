#include "exchange/word_importer.h"

#include "store/word_limits.h"

using namespace Qt::StringLiterals;

namespace lexaro {

QString describeWriteError(WordTableWriter::Error error)
{
    switch (error) {
    case WordTableWriter::Error::Busy:
        return u"the database is in use by another program; try again when it is done"_s;
    case WordTableWriter::Error::ReadOnly:
        return u"the database cannot be written (the file or its folder is read-only)"_s;
    case WordTableWriter::Error::Full:
        return u"the disk is full"_s;
    case WordTableWriter::Error::NoInodes:
        return u"the file system has no inodes left for the database's journal (too many "
               u"files on it)"_s;
    case WordTableWriter::Error::Changed:
        return u"another program replaced or overwrote the database file meanwhile; try "
               u"again"_s;
    case WordTableWriter::Error::Refused:
        return u"an entry has an empty translation or one longer than the dictionary takes"_s;
    case WordTableWriter::Error::None:
    case WordTableWriter::Error::Failed:
        break;
    }
    return u"the database could not be written"_s;
}

namespace {

// Why an entry cannot be stored; empty when it can.
QString entryProblem(const WordEntry& e)
{
    if (e.word.isEmpty() || e.translation.isEmpty())
        return u"empty headword or translation"_s;
    if (!WordLimits::wordFits(e.word) || !WordLimits::translationFits(e.translation))
        return u"the headword or the translation is longer than the dictionary takes"_s;
    return {};
}

} // namespace

ImportResult importWords(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                         const std::vector<WordEntry>& entries, DuplicatePolicy policy,
                         const Progress& progress)
{
    ImportResult result;
    WordTableWriter writer(connection, dictionary, WordTableWriter::Forms::AtCommit);
    const auto failed = [&](std::size_t entry) {
        result = {};
        result.error = describeWriteError(writer.error());
        if (entry > 0)
            result.error += u" (at entry "_s + QString::number(entry) + u')';
        return result;
    };
    if (!writer.begin())
        return failed(0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WordEntry& e = entries[i];
        if (QString why = entryProblem(e); !why.isEmpty()) {
            result = {};
            result.error = u"entry "_s + QString::number(i + 1) + u": "_s + why;
            return result;
        }
        const WordTableWriter::FoundRow found = writer.find(e.word);
        if (!found.ok)
            return failed(i + 1);
        if (!found.row) {
            if (!writer.insert(e.word, e.translation))
                return failed(i + 1);
            ++result.added;
        } else if (policy == DuplicatePolicy::Replace) {
            if (!writer.replaceTranslation(*found.row, e.translation))
                return failed(i + 1);
            ++result.replaced;
        } else {
            ++result.skipped;
        }
        if (progress && i % 4096 == 0)
            progress(std::int64_t(i), std::int64_t(entries.size()));
    }
    if (!writer.commit())
        return failed(0);
    result.ok = true;
    return result;
}

} // namespace lexaro
