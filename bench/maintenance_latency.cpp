// Percentiles of single word commands' store work on a 1,000,000-row table, each timed on its
// own and committed durably: an add (the duplicate check and the insert), an edit of one
// translation, and a delete (the look-up of the row and its removal).
#include "generated_database.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace lexaro;

namespace {

constexpr int Rows = 1'000'000;
constexpr int Samples = 2'000;

bool measure(const char* what, const std::function<bool(int)>& step)
{
    std::vector<double> millis;
    millis.reserve(Samples);
    for (int i = 0; i < Samples; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = step(i);
        const auto end = std::chrono::steady_clock::now();
        if (!ok) {
            std::printf("%s failed at %d\n", what, i);
            return false;
        }
        millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(millis.begin(), millis.end());
    std::printf("%-7s median %.2f ms, p99 %.2f ms, max %.2f ms (%d commands)\n", what,
                millis[millis.size() / 2], millis[millis.size() * 99 / 100], millis.back(),
                Samples);
    return true;
}

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
        measure("add",
                [&](int i) {
                    const QString word = newWord(i);
                    if (!rs.open(WordQuery::WordExists, word))
                        return false;
                    const bool exists = !rs.atEnd();
                    rs.close();
                    return !exists && rs.add(word, translation).has_value();
                }) &&
        measure("edit",
                [&](int i) {
                    const LookupResult found =
                        lookUpTranslation(rs, bench::generatedWord((i * 7919) % Rows));
                    return found.row && rs.updateTranslation(*found.row, translation);
                }) &&
        measure("delete", [&](int i) {
            const LookupResult found = lookUpTranslation(rs, newWord(i));
            return found.row && rs.remove(*found.row);
        });
    return ok ? 0 : 1;
}
