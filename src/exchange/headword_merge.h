#pragma once

#include "store/word_list_file.h"

#include <vector>

namespace lexaro {

// Dictionaries in the StarDict and dictd formats give a headword with several senses as
// several entries. The table holds one row per word, so entries whose headwords the store
// considers the same word become one: the first entry's headword, the translations in file
// order with a blank line between them.
void mergeSameHeadwords(std::vector<WordEntry>& entries);

} // namespace lexaro
