// The share of inflected word forms, as a reader copies them, whose dictionary form the
// look-up finds in the real word lists. Reads bench/inflected_forms/<Table>.tsv
// ("form<TAB>dictionary form") and a built Lexaro.db, and counts the forms whose first
// dictionary form shown is not theirs.
// Usage: bench_inflection_coverage <Lexaro.db> <folder of inflected forms>
#include "store/dictionary_store.h"
#include "store/word_comparison.h"
#include "store/word_list_file.h"
#include "store/word_lookup.h"
#include "translation/base_form_lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>

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
    const bool showMisses = qEnvironmentVariableIsSet("LEXARO_SHOW_MISSES");
    BaseFormLookup lookup;
    std::printf("| Dictionary | Forms | Dictionary form found | Share | Wrong first form |\n"
                "|---|---|---|---|---|\n");
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        const WordListFile::Result list =
            WordListFile::read(folder.filePath(d.tableName + QStringLiteral(".tsv")));
        if (list.entries.empty())
            continue;
        // A form listed more than once has more than one right dictionary form (lives: life,
        // live); any of them is right.
        QMap<QString, QStringList> expected;
        for (const WordEntry& e : list.entries)
            expected[e.word] << e.translation;
        DictionaryRecordset& rs = store->recordset(d.id);
        int found = 0;
        int wrong = 0;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QString& form = it.key();
            // The form itself may be a headword too; then the reader is served already. The
            // look-up takes off the quotes and punctuation a reader copies with a word.
            const QString bare = BaseFormLookup::withoutPunctuation(form);
            if (lookUpTranslation(rs, bare).outcome == LookupResult::Outcome::Found) {
                ++found;
                continue;
            }
            const auto right = [&](const DictionaryForm& f) {
                return std::any_of(it->cbegin(), it->cend(), [&](const QString& r) {
                    return WordComparison::sameWord(f.headword, r);
                });
            };
            const QList<DictionaryForm> candidates = lookup.find(d.id, rs, form);
            const bool hit = std::any_of(candidates.cbegin(), candidates.cend(), right);
            found += hit;
            const bool wrongFirst = !candidates.isEmpty() && !right(candidates.first());
            wrong += wrongFirst;
            if (showMisses && (!hit || wrongFirst))
                std::fprintf(
                    stderr, "%s: %s (%s) %s %s\n", qPrintable(d.tableName), qPrintable(form),
                    qPrintable(it->join(u'|')), hit ? "first shown" : "shown",
                    candidates.isEmpty() ? "nothing" : qPrintable(candidates.first().headword));
        }
        const int total = int(expected.size());
        std::printf("| %s | %d | %d | %.0f %% | %d |\n", qPrintable(d.displayName), total, found,
                    100.0 * found / total, wrong);
    }
    return 0;
}
