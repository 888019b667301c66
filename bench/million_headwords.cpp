// Makes the program's database with a million more English headwords: a copy of the bundled
// Lexaro.db whose English table also holds the generated words, so that the program can be
// timed on a big dictionary exactly as a user runs it (bench/desktop_timing.sh).
// Usage: bench_million_headwords <bundled Lexaro.db> <new Lexaro.db> [rows]
#include "generated_database.h"

#include "store/database_connection.h"
#include "store/word_table_writer.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace lexaro;

namespace {

bool addGeneratedWords(const QString& path, int rows)
{
    auto db = DatabaseConnection::open(path).connection;
    if (!db)
        return false;
    WordTableWriter writer(*db, DictionaryCatalog::entry(DictionaryId::English));
    if (!writer.begin())
        return false;
    const QString translation =
        QStringLiteral("\u0648\u0627\u0698\u0647\u060C \u06A9\u0644\u0645\u0647");
    int added = 0;
    for (int i = 0; added < rows; ++i) {
        const QString word = bench::generatedWord(i);
        // A generated word may be a real one ("sea"): the real entry stays the only one.
        const WordTableWriter::FoundRow found = writer.find(word);
        if (!found.ok)
            return false;
        if (found.row)
            continue;
        if (!writer.insert(word, translation))
            return false;
        ++added;
    }
    return writer.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s <bundled Lexaro.db> <new Lexaro.db> [rows]\n", argv[0]);
        return 2;
    }
    const int rows = args.size() > 3 ? args[3].toInt() : 1'000'000;
    QFile::remove(args[2]);
    if (rows <= 0 || !QFile::copy(args[1], args[2]) || !addGeneratedWords(args[2], rows)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
