// Builds the word database from the starter word lists: one TSV file per dictionary,
// named after its table. Usage: lexaro_make_database <data folder> <output file>
#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/word_list_file.h"
#include "store/word_table_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace Qt::StringLiterals;

using namespace lexaro;

namespace {

bool insertEntries(DatabaseConnection& db, const DictionaryEntry& dictionary,
                   const std::vector<WordEntry>& entries)
{
    WordTableWriter writer(db, dictionary);
    if (!writer.begin())
        return false;
    for (const WordEntry& e : entries) {
        if (!writer.insert(e.word, e.translation))
            return false;
    }
    return writer.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: lexaro_make_database <data folder> <output file>\n";
        return 2;
    }
    const QDir dataDir(args[1]);
    const QString& output = args[2];
    const QString partial = output + u".partial"_s;
    QFile::remove(partial);

    std::unique_ptr<DatabaseConnection> db = DatabaseConnection::createNew(partial);
    if (!db) {
        err << "cannot create " << partial << "\n";
        return 1;
    }
    int failures = 0;
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        const QString path = dataDir.filePath(d.tableName + u".tsv"_s);
        const WordListFile::Result list = WordListFile::read(path);
        for (const QString& e : list.errors) {
            err << path << ": " << e << "\n";
            ++failures;
        }
        if (!insertEntries(*db, d, list.entries)) {
            err << path << ": cannot store the words\n";
            ++failures;
        }
    }
    if (failures > 0) {
        db.reset();
        QFile::remove(partial);
        return 1;
    }
    db.reset();
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        err << "cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
