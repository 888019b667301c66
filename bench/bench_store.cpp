// Look-up of one headword in a 1,000,000-row table, and building such a table.
#include "generated_database.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lexaro;

namespace {

constexpr int Rows = 1'000'000;

struct Fixture
{
    Fixture()
    {
        if (!bench::buildGeneratedDatabase(dir.filePath(QStringLiteral("Lexaro.db")),
                                           DictionaryId::English, Rows))
            qFatal("cannot build the benchmark database");
        store = DictionaryStore::open(dir.filePath(QStringLiteral("Lexaro.db"))).store;
    }
    QTemporaryDir dir;
    std::unique_ptr<DictionaryStore> store;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void LookUpHit(benchmark::State& state)
{
    DictionaryRecordset& rs = fixture().store->recordset(DictionaryId::English);
    int i = 0;
    for (auto _ : state) {
        const QString word = bench::generatedWord((i++ * 7919) % Rows);
        benchmark::DoNotOptimize(lookUpTranslation(rs, word));
    }
}

void LookUpMiss(benchmark::State& state)
{
    DictionaryRecordset& rs = fixture().store->recordset(DictionaryId::English);
    int i = 0;
    for (auto _ : state) {
        const QString word = bench::generatedWord(Rows + (i++ * 7919) % Rows);
        benchmark::DoNotOptimize(lookUpTranslation(rs, word));
    }
}

void BuildMillionRowTable(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        if (!bench::buildGeneratedDatabase(dir.filePath(QStringLiteral("build.db")),
                                           DictionaryId::English, Rows))
            state.SkipWithError("cannot build the table");
    }
}

} // namespace

BENCHMARK(LookUpHit)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(LookUpMiss)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BuildMillionRowTable)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
