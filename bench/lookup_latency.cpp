// Percentiles of single look-ups on a 1,000,000-row table: each call timed on its own.
#include "generated_database.h"
#include "latency.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace lexaro;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int Rows = 1'000'000;
    constexpr int Samples = 200'000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    if (!bench::buildGeneratedDatabase(path, DictionaryId::English, Rows))
        return 1;
    auto store = DictionaryStore::open(path).store;
    DictionaryRecordset& rs = store->recordset(DictionaryId::English);

    for (const bool hit : {true, false}) {
        const bool ok = bench::printPercentiles(hit ? "hit" : "miss", Samples, [&](int i) {
            const QString word = bench::generatedWord((hit ? 0 : Rows) + (i * 7919) % Rows);
            return (lookUpTranslation(rs, word).outcome == LookupResult::Outcome::Found) == hit;
        });
        if (!ok)
            return 1;
    }
    return 0;
}
