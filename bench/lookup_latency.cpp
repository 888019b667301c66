// Percentiles of single look-ups on a 1,000,000-row table: each call timed on its own.
#include "generated_database.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

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
        std::vector<double> micros;
        micros.reserve(Samples);
        for (int i = 0; i < Samples; ++i) {
            const QString word = bench::generatedWord((hit ? 0 : Rows) + (i * 7919) % Rows);
            const auto start = std::chrono::steady_clock::now();
            const LookupResult r = lookUpTranslation(rs, word);
            const auto end = std::chrono::steady_clock::now();
            if ((r.outcome == LookupResult::Outcome::Found) != hit)
                return 1;
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        std::sort(micros.begin(), micros.end());
        std::printf("%s: median %.2f us, p99 %.2f us, max %.2f us (%d look-ups)\n",
                    hit ? "hit " : "miss", micros[micros.size() / 2],
                    micros[micros.size() * 99 / 100], micros.back(), Samples);
    }
    return 0;
}
