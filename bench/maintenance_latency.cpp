// Percentiles of single word commands' store work on a 1,000,000-row table, each timed on its
// own and committed durably: an add (the duplicate check and the insert), an edit of one
// translation, and a delete (the look-up of the row and its removal).
#include "generated_database.h"
#include "latency.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace lexaro;

namespace {

constexpr int Rows = 1'000'000;
constexpr int Samples = 2'000;
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/XXXXXX")
                               : QString());
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    if (!bench::buildGeneratedDatabase(path, DictionaryId::English, Rows))
        return 1;
    auto store = DictionaryStore::open(path).store;
    DictionaryRecordset& rs = store->recordset(DictionaryId::English);
    const QString translation = QStringLiteral("\u062A\u0627\u0632\u0647");

    const auto newWord = [](int i) { return bench::generatedWord(Rows + i); };
    const bool ok =
        bench::printPercentiles("add", Samples,
                                [&](int i) {
                                    const QString word = newWord(i);
                                    if (!rs.open(WordQuery::WordExists, word))
                                        return false;
                                    const bool exists = !rs.atEnd();
                                    rs.close();
                                    return !exists && rs.add(word, translation).has_value();
                                }) &&
        bench::printPercentiles(
            "edit", Samples,
            [&](int i) {
                const LookupResult found =
                    lookUpTranslation(rs, bench::generatedWord((i * 7919) % Rows));
                return found.row && found.word &&
                       rs.updateTranslation(*found.row, *found.word, translation);
            }) &&
        bench::printPercentiles("delete", Samples, [&](int i) {
            const LookupResult found = lookUpTranslation(rs, newWord(i));
            return found.row && rs.remove(*found.row);
        });
    return ok ? 0 : 1;
}
