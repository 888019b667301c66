#include "commands.h"
#include "tool_support.h"

#include "exchange/word_exporter.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace lexaro::words {

int runExport(const QStringList& arguments, const QString& databaseBefore)
{
    CommandParser command(
        u"export"_s,
        u"Writes the words of the dictionary to FILE, or to standard output, in Lexaro's TSV "
        u"format and in the order of the word list: importing the file into an empty "
        u"dictionary gives the same words. The file is written whole or not at all."_s);
    command.parser().addPositionalArgument(u"DICTIONARY"_s, dictionaryArgumentHelp());
    command.parser().addPositionalArgument(u"FILE"_s,
                                           u"Where to write; standard output without it or "
                                           u"for -."_s,
                                           u"[FILE]"_s);
    if (const std::optional<int> status = command.parse(arguments, databaseBefore))
        return *status;
    const QStringList positional = command.parser().positionalArguments();
    if (positional.isEmpty() || positional.size() > 2)
        return command.usageError(u"export needs a DICTIONARY and at most one FILE"_s);
    const std::optional<DictionaryId> id = command.dictionary(positional[0]);
    if (!id)
        return UsageError;
    const QString file = positional.size() == 2 ? positional[1] : u"-"_s;
    std::unique_ptr<DictionaryStore> store =
        openStore(command.databasePath(UserWordDatabase::Use::Read));
    if (!store)
        return DataError;
    DictionaryRecordset& recordset = store->recordset(*id);

    ExportResult exported;
    if (file == u"-"_s) {
        // Kept back until the table has been read through, so a failure writes nothing.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        exported = exportWords(recordset, buffer);
        QFile out;
        if (exported.ok && (!out.open(stdout, QIODevice::WriteOnly) ||
                            out.write(buffer.data()) != buffer.data().size() || !out.flush())) {
            printError(u"cannot write to standard output"_s);
            return DataError;
        }
    } else {
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly)) {
            printError(file + u": cannot write the file"_s);
            return DataError;
        }
        exported = exportWords(recordset, out);
        if (!exported.ok && out.error() != QFileDevice::NoError) {
            out.cancelWriting();
            printError(file + u": cannot write the file"_s);
            return DataError;
        }
        if (!exported.ok) {
            out.cancelWriting();
        } else if (!out.commit()) {
            printError(file + u": cannot write the file"_s);
            return DataError;
        }
    }
    if (!exported.ok) {
        printError(u"the dictionary could not be read; nothing written"_s);
        return DataError;
    }
    if (exported.leftOut > 0)
        printError(u"left out "_s + QString::number(exported.leftOut) +
                   u" rows without a headword or translation"_s);
    return Success;
}

} // namespace lexaro::words
