#pragma once

#include "store/word_inflections.h"

namespace lexaro {

// Whether the rules count the letter as a vowel (a, e, i, o, u, y, with or without an accent or
// umlaut), and the groups of vowels in a word: its syllables as the rules count them.
bool isVowel(QChar c);
int vowelGroups(const QString& word);
// The word with its first letter a capital, as German writes a noun.
QString withCapital(QString word);

// The inflections of each language that Debian's spell-checking dictionaries leave out or map
// to other stems: regular plural, case, comparison and verb endings with their spelling
// changes (stop → stopped, Mann → Männer, libro → libri, flicka → flickorna, مدرسة → مدرسات),
// and lists of the frequent irregular verbs and nouns (go → went, geben → gibt, essere → sono,
// كتاب → كتب). A rule may make a string that is no word; it is never looked for in a text, so
// it does no harm beyond a row of the forms table.
class InflectionRules final : public WordInflections
{
public:
    QStringList formsOf(DictionaryId id, const QString& headword) const override;

    // Whether the lists of irregular words give the form for the headword (went for go), or,
    // with `Built`, for a verb built on a listed one (immesso for immettere, of mettere), or,
    // with `Written`, whether the headword's row itself holds it as written, not a form made of
    // the row (a German strong verb's endings).
    enum class Listing
    {
        Own,
        Built,
        Written
    };
    static bool isListedForm(DictionaryId id, const QString& headword, const QString& form,
                             Listing listing = Listing::Built);

    // Whether the Italian headword is a noun in -o of the list that has no feminine, whose
    // forms in -a and -e are other words' (pozze is pozza's, not pozzo's).
    static bool hasNoFeminine(const QString& headword);
};

} // namespace lexaro
