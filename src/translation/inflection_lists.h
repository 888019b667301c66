#pragma once

#include "store/dictionary_catalog.h"

#include <QStringView>

namespace lexaro {

// The frequent irregular words of a language, one a line: the dictionary form, then its forms,
// separated by spaces. German verbs give their principal parts first (third person present,
// past, participle) and the rules make the rest; every other list gives its forms in full.
QStringView irregularForms(DictionaryId id);

// Italian nouns in -o that have no feminine, separated by spaces: their -a and -e are other
// words (pozza, a puddle, beside pozzo, a well; tempia beside tempio) or a verb's forms
// (abbandona, of abbandonare, beside abbandono). Adjectives, participles and nouns of persons
// (ragazzo, ragazza) are not among them.
QStringView italianNounsWithoutFeminine();

} // namespace lexaro
