#include "commands.h"
#include "progress_bar.h"
#include "tool_support.h"

#include "exchange/word_file.h"
#include "exchange/word_importer.h"
#include "translation/inflection_rules.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace lexaro::words {

int runImport(const QStringList& arguments, const QString& databaseBefore)
{
    CommandParser command(
        u"import"_s,
        u"Adds the words of FILE to the dictionary: a StarDict dictionary (its .ifo file, "
        u"with the .idx and .dict or .dict.dz beside it), a dictd database (its .index file, "
        u"with the .dict or .dict.dz beside it) or a word list in Lexaro's TSV format (one "
        u"headword<TAB>translation a line). In a StarDict or dictd file the entries of one "
        u"headword become one word, their definitions one after another. A word the "
        u"dictionary already holds, or one the file gave before, keeps its translation unless "
        u"--replace is given. The whole file is imported or, on any error, nothing."_s);
    command.parser().addPositionalArgument(u"DICTIONARY"_s, dictionaryArgumentHelp());
    command.parser().addPositionalArgument(u"FILE"_s, u"The word list to import."_s);
    const QCommandLineOption replace(u"replace"_s,
                                     u"Replace the translation of words already there."_s);
    const QCommandLineOption skip(u"skip"_s,
                                  u"Keep the translation of words already there (the default)."_s);
    command.parser().addOption(replace);
    command.parser().addOption(skip);
    if (const std::optional<int> status = command.parse(arguments, databaseBefore))
        return *status;
    const QStringList positional = command.parser().positionalArguments();
    if (positional.size() != 2)
        return command.usageError(u"import needs a DICTIONARY and a FILE"_s);
    if (command.parser().isSet(replace) && command.parser().isSet(skip))
        return command.usageError(u"--replace and --skip exclude each other"_s);
    const std::optional<DictionaryId> id = command.dictionary(positional[0]);
    if (!id)
        return UsageError;
    const QString& file = positional[1];
    std::unique_ptr<DictionaryStore> store =
        openStore(command.databasePath(UserWordDatabase::Use::ReadWrite));
    if (!store)
        return DataError;

    ProgressBar progress;
    const ReadResult read = readWordFile(file, [&](std::int64_t done, std::int64_t total) {
        progress.update(u"Reading"_s, done, total);
    });
    if (!read.ok()) {
        progress.finish();
        printError(file + u": "_s + read.error);
        return DataError;
    }
    const DictionaryEntry& dictionary = DictionaryCatalog::entry(*id);
    // An imported word is found through its inflections, as one added in the program is.
    const InflectionRules inflections;
    store->connection().setInflections(&inflections);
    const ImportResult imported = importWords(
        store->connection(), dictionary, read.entries,
        command.parser().isSet(replace) ? DuplicatePolicy::Replace : DuplicatePolicy::Skip,
        [&](std::int64_t done, std::int64_t total) { progress.update(u"Writing"_s, done, total); });
    progress.finish();
    if (!imported.ok) {
        printError(file + u": nothing imported: "_s + imported.error);
        return DataError;
    }
    for (const QString& note : read.notes)
        printError(file + u": "_s + note);
    const QString summary = dictionary.displayName + u": "_s + QString::number(imported.added) +
                            u" words added, "_s + QString::number(imported.replaced) +
                            u" replaced, "_s + QString::number(imported.skipped) +
                            u" already there and kept\n"_s;
    std::fputs(summary.toUtf8().constData(), stdout);
    return Success;
}

} // namespace lexaro::words
