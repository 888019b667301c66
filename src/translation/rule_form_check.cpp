#include "translation/rule_form_check.h"

#include "translation/affix_expansion.h"
#include "translation/inflection_rules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lexaro {

namespace {

// The endings the Swedish rules give a word in a consonant as an adjective, and as a noun of
// each plural.
constexpr std::array<QStringView, 6> SwedishAdjective = {u"a", u"e", u"t", u"are", u"ast", u"aste"};
constexpr std::array<QStringView, 3> SwedishPluralAr = {u"ar", u"arna", u"arnas"};
constexpr std::array<QStringView, 3> SwedishPluralEr = {u"er", u"erna", u"ernas"};
constexpr std::array<QStringView, 4> SwedishDefinite = {u"en", u"ens", u"et", u"ets"};
// The endings the rules give a verb in -a, after its stem and after the whole word.
constexpr std::array<QStringView, 15> SwedishVerbOfA = {u"ade", u"at",   u"ad",  u"ades", u"er",
                                                        u"de",  u"te",   u"t",   u"d",    u"da",
                                                        u"ta",  u"ande", u"des", u"tes",  u"ts"};
constexpr std::array<QStringView, 3> SwedishVerbAfterA = {u"de", u"d", u"des"};
// The endings the rules give a word in another vowel as a verb or adjective: bodde, bott; nytt.
constexpr std::array<QStringView, 3> SwedishVerbOfVowel = {u"dde", u"dd", u"tt"};

// The endings after the stem of a verb in -a that only one conjugation has: tankar, tankade;
// läser, läste, läst.
constexpr std::array<QStringView, 5> SwedishFirstConjugation = {u"ar", u"ade", u"at", u"ad",
                                                                u"ades"};
constexpr std::array<QStringView, 12> SwedishOtherConjugation = {
    u"er", u"s", u"es", u"de", u"te", u"t", u"d", u"da", u"ta", u"des", u"tes", u"ts"};

bool madeWith(const QString& headword, const QString& form, const auto& endings)
{
    return std::any_of(endings.begin(), endings.end(),
                       [&](QStringView e) { return form == headword + e; });
}

} // namespace

RuleFormCheck::RuleFormCheck(DictionaryId id, const AffixExpansion& dictionary,
                             std::function<bool(const QString&)> isWord)
    : m_id(id), m_dictionary(dictionary), m_isWord(std::move(isWord))
{
}

QStringList RuleFormCheck::kept(const QString& headword, const QStringList& ownForms,
                                QStringList made) const
{
    if (m_id != DictionaryId::German && m_id != DictionaryId::Swedish &&
        m_id != DictionaryId::Italian)
        return made;
    const Entry entry{headword, QSet<QString>(ownForms.cbegin(), ownForms.cend()),
                      m_dictionary.hasEntry(headword)};
    made.removeIf([&](const QString& form) {
        if (entry.forms.contains(form) || InflectionRules::isListedForm(m_id, headword, form))
            return false;
        switch (m_id) {
        case DictionaryId::German:
            return uninflected(entry) || germanContradicts(form) ||
                   agentNounOfLastPart(headword, form) || unknownLongPlural(headword, form);
        case DictionaryId::Swedish:
            return swedishContradicts(entry, form);
        default:
            return italianContradicts(entry, form);
        }
    });
    return made;
}

// A German word of one syllable, written small, that the dictionary knows and does not inflect
// has no forms: mehr, nach, sich (mehren, nächst, sicher are words of their own). The English
// dictionary leaves the classes of verbs and nouns out too often for this (react, cent).
bool RuleFormCheck::uninflected(const Entry& headword)
{
    const QString& w = headword.word;
    return headword.known && headword.forms.isEmpty() && w.front().isLower() && vowelGroups(w) == 1;
}

// A German -er plural that is a singular noun of its own is that noun: Köcher is no plural of Koch,
// Bürger none of Burg, Käufer none of Kauf; Männer, a plural only, stays Mann's.
bool RuleFormCheck::germanContradicts(const QString& form) const
{
    if (!form.front().isUpper())
        return false;
    if (form.endsWith(u"er"))
        return singularNounOfItsOwn(form);
    return form.endsWith(u"ern") && singularNounOfItsOwn(form.chopped(1));
}

// A long German word's plural in -er is its last part's: Fahrräder as Räder of Rad,
// Wörterbücher as Bücher of Buch. Where the last part's is a singular noun of its own, so is the
// word's: Straftäter (an offender) is no plural of Straftat, as Täter is none of Tat, nor
// Tierschützer of Tierschutz.
bool RuleFormCheck::agentNounOfLastPart(const QString& headword, const QString& form) const
{
    constexpr qsizetype ShortestFirstPart = 3;
    constexpr qsizetype ShortestLastPart = 3;
    if (!erPluralOfNoun(headword, form))
        return false;
    for (qsizetype at = ShortestFirstPart; at + ShortestLastPart <= headword.size(); ++at) {
        if (!m_dictionary.hasEntry(withCapital(headword.mid(at))))
            continue;
        const QString last = withCapital(form.mid(at));
        return singularNounOfItsOwn(last.endsWith(u"ern") ? last.chopped(1) : last);
    }
    return false;
}

// A long German word's plural in -er stands only where the spell-checker knows it: the rules
// give it to every noun, and most long ones have another (Übernahmen, not Übernähmeer).
bool RuleFormCheck::unknownLongPlural(const QString& headword, const QString& form) const
{
    return erPluralOfNoun(headword, form) && vowelGroups(headword.toLower()) > 1 && !m_isWord(form);
}

// Whether the form is the German noun's plural in -er (or its dative in -ern), which a noun
// already in -er does not take.
bool RuleFormCheck::erPluralOfNoun(const QString& headword, const QString& form)
{
    return headword.front().isUpper() && !headword.endsWith(u"er") &&
           (form.endsWith(u"er") || form.endsWith(u"ern"));
}

// A Swedish noun in a consonant that the dictionary inflects as a noun only has no adjective
// forms (skotte, a Scot, is no form of skott, nor chefa of chef), and a noun whose plural is in
// -ar has none in -er, or the other way (kårar is no plural of kår: kårer is). A noun in
// another vowel has no verb or adjective forms, and an agent noun in -are is no comparative.
bool RuleFormCheck::swedishContradicts(const Entry& headword, const QString& form) const
{
    const QString& w = headword.word;
    if (w.endsWith(u'a'))
        return swedishInAContradicts(headword, form);
    const QSet<QString>& own = headword.forms;
    if (isVowel(w.back())) {
        // by (a village) is no verb or adjective: bytt is of byta.
        const bool noun = own.contains(w + u'n');
        return noun && madeWith(w, form, SwedishVerbOfVowel) && !own.contains(w + u"tt");
    }
    // An agent noun in -are is no comparative of a word without a superlative: fixare (a
    // fixer) of fixar, livräddare (a lifeguard) of livrädd; renare stays ren's.
    if (form.endsWith(u"are") && (form == w + u"are" || form == w + u'e') &&
        singularNounOfItsOwn(form))
        return !m_isWord(w + u"ast");
    const bool noun = own.contains(w + u"en") || own.contains(w + u"et");
    // A word the dictionary does not inflect as a noun has no noun's definite forms that are
    // entries of their own: latens (latency) is no form of lat (lazy).
    if (!noun)
        return headword.known && madeWith(w, form, SwedishDefinite) && m_dictionary.hasEntry(form);
    if (madeWith(w, form, SwedishAdjective)) {
        const bool adjective =
            std::any_of(SwedishAdjective.begin(), SwedishAdjective.end(),
                        [&](QStringView e) { return e != u"e" && own.contains(w + e); });
        // Where the dictionary lists the noun only, the spell-checker still knows an
        // adjective's superlative (ljus: ljusast, plan: planast; -are makes agent nouns too).
        return !adjective && !m_isWord(w + u"ast");
    }
    // A present of the verb in -a of another conjugation than the first is no plural in -er:
    // tillägger is tillägga's, no plural of tillägg (an addition), whose plural is tillägg.
    if (form == w + u"er" && !own.contains(form) && m_isWord(w + u'a') && m_isWord(form) &&
        !m_isWord(w + u"ade"))
        return true;
    if (madeWith(w, form, SwedishPluralEr))
        return own.contains(w + u"ar");
    if (madeWith(w, form, SwedishPluralAr))
        return own.contains(w + u"er");
    return false;
}

// A Swedish noun in -a that is no verb has no verb forms (flor, a veil, is no form of flora),
// and a verb of one conjugation has none of the other's: tanker (a tanker) is no present of
// tanka, whose past is tankade, nor summers a passive of summera. The dictionary leaves some
// verbs' forms to the spell-checker alone: visa's are known only as words (visade).
bool RuleFormCheck::swedishInAContradicts(const Entry& headword, const QString& form) const
{
    const QString& w = headword.word;
    const QString stem = w.chopped(1);
    const auto has = [&](QStringView ending) {
        const QString f = stem + ending;
        return headword.forms.contains(f) || m_isWord(f);
    };
    const bool firstConjugation = has(u"ade");
    // The past of the other weak verbs (läste, tände, fäste) or a strong verb's supine (pipit).
    const bool otherConjugation = has(u"de") || has(u"te") || has(u"it") ||
                                  ((stem.endsWith(u't') || stem.endsWith(u'd')) && has(u"e"));
    // A word in -a that the dictionary does not inflect (hemma, at home) has no definite in -n
    // where that is a noun of its own (hemman, a homestead).
    if (headword.known && headword.forms.isEmpty() && form == w + u'n')
        return singularNounOfItsOwn(form);
    if (!firstConjugation && !otherConjugation) {
        // -er is also a plural of a few (ärter beside ärtor).
        const bool verbForm = form == stem || madeWith(stem, form, SwedishVerbOfA) ||
                              madeWith(w, form, SwedishVerbAfterA);
        return headword.forms.contains(w + u'n') && verbForm && form != stem + u"er";
    }
    if (firstConjugation && !otherConjugation)
        return madeWith(stem, form, SwedishOtherConjugation);
    return otherConjugation && !firstConjugation && madeWith(stem, form, SwedishFirstConjugation);
}

// An Italian plural in -i of a word in -a that the dictionary makes of the word in -o is that
// word's: peri is of pero (a pear tree), not of pera, whose plural is pere; direttivi is of
// direttivo, not of direttiva.
bool RuleFormCheck::italianContradicts(const Entry& headword, const QString& form) const
{
    const QString& w = headword.word;
    if (!w.endsWith(u'a') || form != w.chopped(1) + u'i')
        return false;
    const QString masculine = w.chopped(1) + u'o';
    return m_dictionary.hasEntry(masculine) && m_dictionary.formsOf(masculine).contains(form);
}

// Whether the dictionary lists the word as a noun in the singular: an entry of its own that
// takes the genitive -s.
bool RuleFormCheck::singularNounOfItsOwn(const QString& word) const
{
    return m_dictionary.hasEntry(word) && m_dictionary.formsOf(word).contains(word + u's');
}

} // namespace lexaro
