#pragma once

#include "store/dictionary_catalog.h"

#include <QStringView>

namespace lexaro {

// The frequent irregular words of a language, one a line: the dictionary form, then its forms,
// separated by spaces. German verbs give their principal parts first (third person present,
// past, participle) and the rules make the rest; every other list gives its forms in full.
QStringView irregularForms(DictionaryId id);

} // namespace lexaro
