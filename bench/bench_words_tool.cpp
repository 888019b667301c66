// lexaro-words as a user runs it, start-up included: import of 1,000,000 generated entries
// into an empty table from TSV and from StarDict (.dict.dz), and 10,000 look-ups read from
// standard input on a 1,000,000-row table. Prints the median of several runs of each.
#include "generated_database.h"

#include "store/database_connection.h"
#include "store/word_list_file.h"
#include "support/word_file_builders.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lexaro;
using namespace Qt::StringLiterals;

namespace {

constexpr int Entries = 1'000'000;
constexpr int LookUps = 10'000;
const QString Translation = u"\u0648\u0627\u0698\u0647\u060C \u06A9\u0644\u0645\u0647"_s;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Seconds the tool took, or a negative number when it failed.
double run(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    tool.start(QStringLiteral(LEXARO_WORDS_PATH), arguments);
    if (!tool.waitForStarted())
        return -1;
    tool.write(input);
    tool.closeWriteChannel();
    while (tool.state() != QProcess::NotRunning)
        tool.waitForFinished(60'000);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    (void)tool.readAllStandardOutput();
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0 ? seconds : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::vector<QString> words;
    words.reserve(Entries);
    for (int i = 0; i < Entries; ++i)
        words.push_back(bench::generatedWord(i));

    QByteArray tsv;
    for (const QString& w : words)
        tsv += w.toUtf8() + '\t' + WordListFile::escape(Translation).toUtf8() + '\n';
    // A StarDict .idx lists its headwords in order.
    std::vector<QString> sorted = words;
    std::sort(sorted.begin(), sorted.end());
    QList<std::pair<QByteArray, QByteArray>> definitions;
    definitions.reserve(Entries);
    for (const QString& w : sorted)
        definitions.append({w.toUtf8(), Translation.toUtf8()});
    const testing::StarDictFiles stardict = testing::starDict(definitions);
    const QString base = dir.filePath(u"words"_s);
    if (!writeFile(base + u".tsv"_s, tsv) || !writeFile(base + u".ifo"_s, stardict.ifo) ||
        !writeFile(base + u".idx"_s, stardict.idx) ||
        !writeFile(base + u".dict.dz"_s, testing::dictzip(stardict.dict, 58315)))
        return 1;

    // Built as strings first: a braced list of string sums would hold references to
    // temporaries gone before the loop reads them.
    const QStringList files{base + u".tsv"_s, base + u".ifo"_s};
    for (const QString& file : files) {
        std::vector<double> seconds;
        for (int i = 0; i < 3; ++i) {
            const QString db = dir.filePath(u"import.db"_s);
            QFile::remove(db);
            if (!DatabaseConnection::createNew(db))
                return 1;
            const double s = run({u"--database"_s, db, u"import"_s, u"English"_s, file});
            if (s < 0)
                return 1;
            seconds.push_back(s);
        }
        std::printf("import of %d entries from %s into an empty table: median %.2f s of 3\n",
                    Entries, file.endsWith(u".tsv"_s) ? "TSV" : "StarDict (.dict.dz)",
                    median(seconds));
    }

    const QString db = dir.filePath(u"lookup.db"_s);
    if (!bench::buildGeneratedDatabase(db, DictionaryId::English, Entries))
        return 1;
    QByteArray input;
    for (int i = 0; i < LookUps; ++i) // half stored words, half not
        input += bench::generatedWord(i % 2 ? (i * 7919) % Entries : Entries + i).toUtf8() + '\n';
    std::vector<double> seconds;
    for (int i = 0; i < 5; ++i) {
        const double s = run({u"--database"_s, db, u"lookup"_s, u"English"_s}, input);
        if (s < 0)
            return 1;
        seconds.push_back(s);
    }
    std::printf("lookup of %d words from standard input, 1,000,000 rows, start-up included: "
                "median %.3f s of 5\n",
                LookUps, median(seconds));
    return 0;
}
