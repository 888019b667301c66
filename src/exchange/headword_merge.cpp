#include "exchange/headword_merge.h"

#include "store/word_comparison.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace lexaro {

void mergeSameHeadwords(std::vector<WordEntry>& entries)
{
    QHash<QString, std::size_t> firstOf;
    firstOf.reserve(qsizetype(entries.size()));
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QString key = WordComparison::folded(entries[i].word);
        if (const auto it = firstOf.constFind(key); it != firstOf.constEnd()) {
            entries[*it].translation += u"\n\n"_s + entries[i].translation;
            continue;
        }
        firstOf.insert(std::move(key), kept);
        if (kept != i)
            entries[kept] = std::move(entries[i]);
        ++kept;
    }
    entries.resize(kept);
}

} // namespace lexaro
