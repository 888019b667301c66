#pragma once

#include "store/word_limits.h"

#include <cstdint>

namespace lexaro {

// What one import may take, whatever its files say, so that it cannot exhaust memory: every
// file is read, or decompressed, only up to these sizes, and the definitions of all entries
// together no further than the text they lie in. Far beyond any real dictionary.
struct ImportLimits
{
    static constexpr std::uint64_t MaxDefinitionBytes = WordLimits::MaxTranslationBytes;
    static constexpr qsizetype MaxHeadwordLength = WordLimits::MaxWordLength;
    // An index, a .ifo, a TSV list or a compressed .dict read whole into memory.
    static constexpr std::uint64_t MaxFileBytes = std::uint64_t(64) << 20;
    // The text of a .dict.dz, and the definitions of all entries together.
    static constexpr std::uint64_t MaxTextBytes = std::uint64_t(96) << 20;
    static constexpr std::uint64_t MaxEntries = 1'000'000;
};

} // namespace lexaro
