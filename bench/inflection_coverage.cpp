// The share of inflected word forms, as a reader copies them, whose dictionary form the
// look-up finds in the real word lists. Reads bench/inflected_forms/<Table>.tsv
// ("form<TAB>dictionary form") and a built Lexaro.db.
// Usage: bench_inflection_coverage <Lexaro.db> <folder of inflected forms>
#include "lookup/base_form_lookup.h"
#include "store/dictionary_store.h"
#include "store/word_comparison.h"
#include "store/word_list_file.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>

using namespace lexaro;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Lexaro.db> <folder of inflected forms>\n", argv[0]);
        return 2;
    }
    auto store = DictionaryStore::open(QString::fromLocal8Bit(argv[1])).store;
    if (!store)
        return 1;
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    BaseFormLookup lookup;
    std::printf("| Dictionary | Forms | Dictionary form found | Share |\n|---|---|---|---|\n");
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        const WordListFile::Result forms =
            WordListFile::read(folder.filePath(d.tableName + QStringLiteral(".tsv")));
        if (forms.entries.empty())
            continue;
        DictionaryRecordset& rs = store->recordset(d.id);
        int found = 0;
        for (const WordEntry& e : forms.entries) {
            // The form itself may be a headword too; then the reader is served already.
            if (lookUpTranslation(rs, e.word).outcome == LookupResult::Outcome::Found) {
                ++found;
                continue;
            }
            const QList<DictionaryForm> candidates = lookup.find(d.id, rs, e.word);
            const bool hit =
                std::any_of(candidates.cbegin(), candidates.cend(), [&](const DictionaryForm& f) {
                    return WordComparison::sameWord(f.headword, e.translation);
                });
            found += hit;
            if (!hit && qEnvironmentVariableIsSet("LEXARO_SHOW_MISSES"))
                std::fprintf(stderr, "%s: %s (%s)\n", qPrintable(d.tableName), qPrintable(e.word),
                             qPrintable(e.translation));
        }
        const int total = int(forms.entries.size());
        std::printf("| %s | %d | %d | %.0f %% |\n", qPrintable(d.displayName), total, found,
                    100.0 * found / total);
    }
    return 0;
}
