#include "exchange/headword_merge.h"

#include "store/word_comparison.h"

#include <QHash>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace lexaro {

void mergeSameHeadwords(std::vector<WordEntry>& entries)
{
    // Keyed by the hash of the folded headword, not the folded text: a million headwords
    // would otherwise hold a second copy of every word while the translations are in memory.
    // Equal hashes are compared on their folded text.
    std::unordered_multimap<std::size_t, std::size_t> firstOf;
    firstOf.reserve(entries.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString key = WordComparison::folded(entries[i].word);
        const std::size_t hash = qHash(key);
        std::size_t same = SIZE_MAX;
        for (auto [it, end] = firstOf.equal_range(hash); it != end; ++it) {
            if (WordComparison::folded(entries[it->second].word) == key) {
                same = it->second;
                break;
            }
        }
        if (same != SIZE_MAX) {
            entries[same].translation += u"\n\n"_s + entries[i].translation;
            continue;
        }
        firstOf.emplace(hash, kept);
        if (kept != i)
            entries[kept] = std::move(entries[i]);
        ++kept;
    }
    entries.resize(kept);
}

} // namespace lexaro
