#include "translation/base_form_lookup.h"

#include "store/dictionary_recordset.h"
#include "store/word_comparison.h"
#include "store/word_limits.h"
#include "store/word_lookup.h"
#include "translation/arabic_clitics.h"
#include "translation/hunspell_base_forms.h"
#include "translation/inflection_rules.h"
#include "translation/not_found_text.h"
#include "translation/voikko_base_forms.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <tuple>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

// Enough for every form an analyser gives a real word; a bound for one that gives many.
constexpr qsizetype MostCandidates = 32;

bool strippable(QChar c)
{
    return c.isSpace() || c.isPunct() || c.category() == QChar::Symbol_Math ||
           c.category() == QChar::Symbol_Other;
}

} // namespace

BaseFormLookup::BaseFormLookup(AnalyserFactory factory) : m_factory(std::move(factory)) {}

BaseFormLookup::~BaseFormLookup() = default;

std::unique_ptr<BaseForms> BaseFormLookup::installedAnalyser(const MorphologySource& source)
{
    // Hunspell's Arabic stems go too deep too often (قيد → قاد, لندن → أدان): the program's own
    // rules and the forms table serve Arabic alone.
    if (source.arabicClitics)
        return std::make_unique<ArabicClitics>();
    if (source.analyser == MorphologySource::Analyser::Voikko)
        return VoikkoBaseForms::load(source.language);
    return HunspellBaseForms::load(source.language);
}

BaseForms* BaseFormLookup::analyser(DictionaryId id)
{
    auto& slot = m_analysers[static_cast<std::size_t>(id)];
    if (!slot)
        slot = m_factory ? m_factory(DictionaryCatalog::entry(id).morphology()) : nullptr;
    return slot->get();
}

QString BaseFormLookup::withoutPunctuation(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && strippable(text.at(first)))
        ++first;
    while (last > first && strippable(text.at(last - 1)))
        --last;
    QString word = text.mid(first, last - first);
    word.replace(u'\u2019', u'\'');
    word.replace(u'\u02BC', u'\'');
    return word;
}

namespace {

// The parts of a compound are 3 letters at least, its head 4: shorter ones match by chance
// (Herder is no der, Resort no Ort).
constexpr qsizetype ShortestPart = 3;
constexpr qsizetype ShortestHead = 4;
// A head this long stands alone; a shorter one needs a first part that is a word too.
constexpr qsizetype StandingHead = 6;
// Enough for the headwords of every form a real word has.
constexpr int MostHeadwordsOfForm = 16;

bool splitsCompounds(DictionaryId id)
{
    return id == DictionaryId::German || id == DictionaryId::Swedish || id == DictionaryId::Finnish;
}

// Whether the English word is the headword, a word of one syllable that ends in one vowel
// and one consonant, with -ing or -ed and its consonant not doubled: wining is of wine, not
// of win (winning), as hoping is of hope, not of hop.
bool undoubled(const QString& word, const QString& headword)
{
    static const QString vowels = u"aeiou"_s;
    const QString h = headword.toLower();
    const QString w = word.toLower();
    if (h.size() < 3 || (w != h + u"ing" && w != h + u"ed"))
        return false;
    const qsizetype n = h.size();
    const bool endsCvc = !vowels.contains(h[n - 1]) && !QStringView(u"wxy").contains(h[n - 1]) &&
                         vowels.contains(h[n - 2]) && !vowels.contains(h[n - 3]);
    const auto vowelCount =
        std::count_if(h.cbegin(), h.cend(), [](QChar c) { return vowels.contains(c); });
    return endsCvc && vowelCount == 1;
}

// Whether the Italian or Spanish word is an adverb in -mente and the headword no verb, whose
// forms may end so too (lamente, of lamentar); an adjective in -re is none (interiore,
// interiormente).
bool adverbOf(const QString& word, const QString& headword)
{
    const QString h = headword.toLower();
    const bool verb = h.endsWith(u"ar") || h.endsWith(u"er") || h.endsWith(u"ir") ||
                      h.endsWith(u"are") || h.endsWith(u"ere") || h.endsWith(u"ire") ||
                      h.endsWith(u"rre");
    return word.toLower().endsWith(u"mente") && !h.endsWith(u"mente") && !verb;
}

// Whether the German word begins with the stem with one a, o or u made ä, ö or ü (Häus- of
// Haus), in either letter case.
bool umlautStart(const QString& word, const QString& stem)
{
    if (word.size() < stem.size())
        return false;
    int umlauts = 0;
    for (qsizetype i = 0; i < stem.size(); ++i) {
        const QChar w = word[i].toLower();
        const QChar h = stem[i].toLower();
        if (w == h)
            continue;
        const bool umlaut =
            (h == u'a' && w == u'ä') || (h == u'o' && w == u'ö') || (h == u'u' && w == u'ü');
        if (!umlaut || ++umlauts > 1)
            return false;
    }
    return umlauts == 1;
}

// A German woman's word in -in or -innen (Verfasserin of Verfasser, Patin of Pate) or a
// diminutive in -chen or -lein, with or without its umlaut (Bildchen, Häuslein).
bool germanDerived(const QString& w, const QString& h)
{
    const QString stem = h.endsWith(u'e') ? h.chopped(1) : h;
    if (w == stem + u"in" || w == stem + u"innen")
        return true;
    const QString rest = w.mid(stem.size());
    return (w.startsWith(stem) || umlautStart(w, stem)) &&
           (rest.startsWith(u"chen") || rest.startsWith(u"lein"));
}

// Whether the tail after what the word shares with the headword begins with one of the
// suffixes.
bool tailStartsWith(const QString& w, const QString& h, const QStringList& suffixes)
{
    qsizetype common = 0;
    while (common < w.size() && common < h.size() && w[common] == h[common])
        ++common;
    if (common < 3 || common == h.size())
        return false;
    const QStringView tail = QStringView(w).mid(common);
    return std::any_of(suffixes.cbegin(), suffixes.cend(),
                       [&](const QString& s) { return tail.startsWith(s); });
}

// An Italian augmentative in -one is a word of its own: minestrone is no form of minestra,
// portone none of porta. A verb's forms may end so (vendono of vendere, accorgono of
// accorgersi).
bool italianAugmentative(const QString& w, const QString& h)
{
    const bool verb = h.endsWith(u"re") || h.endsWith(u"rsi");
    return !verb && tailStartsWith(w, h, {u"on"_s});
}

// A Spanish shop or trade in -ería is made of its goods (cervecería of cerveza), a noun in
// -idad of its adjective (causalidad of causal), a diminutive or a blow in -azo is a word of
// its own (cachorrito, puntilla, porrazo); a verb's forms may end so (comería of comer, compita of
// competir, visita of visitar).
bool spanishDerived(const QString& w, const QString& h)
{
    if (h.endsWith(u"ar") || h.endsWith(u"er") || h.endsWith(u"ir"))
        return false;
    if ((w.endsWith(u"ería") || w.endsWith(u"erías")) && !h.endsWith(u"ería"))
        return true;
    // A noun in -idad is made of its adjective: causalidad of causal, actividad of activo.
    for (const QString& stem : {h, h.chopped(1)}) {
        if (w == stem + u"idad" || w == stem + u"idades")
            return true;
    }
    static const QStringList diminutives = {u"ito"_s, u"ita"_s, u"illo"_s, u"illa"_s, u"azo"_s};
    return tailStartsWith(w, h, diminutives);
}

// Whether a rule of the language's own derivations makes the word (written small) of the
// headword.
bool derivedByLanguageRule(DictionaryId id, const QString& w, const QString& h)
{
    switch (id) {
    case DictionaryId::German:
        return germanDerived(w, h);
    case DictionaryId::Swedish:
        // An adverb in -ligen is made of its adjective in -lig (skriftligen, in writing).
        return h.endsWith(u"lig") && w == h + u"en";
    case DictionaryId::Spanish:
        return spanishDerived(w, h);
    case DictionaryId::Italian:
        return italianAugmentative(w, h);
    default:
        return false;
    }
}

// Whether the word is made of the headword with a suffix that makes another word, which no
// inflection of the headword has: auswählbaren is of auswählbar, not of auswählen; Ordnungen
// of Ordnung, not of ordnen; läsbara of läsbar, not of läsa; Verfasserin, a woman who wrote,
// of Verfasserin, not of Verfasser; the adverb strategicamente of no adjective strategico,
// skriftligen none of skriftlig; cervecería of cervecería, not of cerveza.
// Nor is an English -ing or -ed whose consonant the headword would double (wining, of win).
bool derivedFrom(DictionaryId id, const QString& word, const QString& headword)
{
    if ((id == DictionaryId::English || id == DictionaryId::ComputerAndInternet) &&
        undoubled(word, headword))
        return true;
    if ((id == DictionaryId::Italian || id == DictionaryId::Spanish) && adverbOf(word, headword))
        return true;
    static const QStringList german = {u"bar"_s,  u"lich"_s,   u"ung"_s, u"heit"_s,
                                       u"keit"_s, u"schaft"_s, u"nis"_s};
    static const QStringList swedish = {u"bar"_s, u"lig"_s, u"ning"_s, u"het"_s, u"else"_s};
    // amplificación is of amplificación, not of amplificar.
    static const QStringList spanish = {u"ción"_s, u"cion"_s};
    // Ordinals and ages made of numbers: sedicesimo, sedicenne (of sedici).
    static const QStringList italian = {u"esim"_s, u"enn"_s};
    const QStringList* suffixes = id == DictionaryId::German    ? &german
                                  : id == DictionaryId::Swedish ? &swedish
                                  : id == DictionaryId::Spanish ? &spanish
                                  : id == DictionaryId::Italian ? &italian
                                                                : nullptr;
    if (!suffixes || InflectionRules::isListedForm(id, headword, word))
        return false;
    const QString w = word.toLower();
    const QString h = headword.toLower();
    return derivedByLanguageRule(id, w, h) || tailStartsWith(w, h, *suffixes);
}

// What may join a compound's parts: Arbeit-s-amt, Tag-es-licht, Straße-n-bahn, arbete-s-plats.
QStringList withoutLinking(DictionaryId id, const QString& modifier)
{
    QStringList forms{modifier};
    if (id == DictionaryId::German) {
        if (modifier.endsWith(u"es"))
            forms << modifier.chopped(2);
        if (modifier.endsWith(u's') || modifier.endsWith(u'n'))
            forms << modifier.chopped(1);
        if (modifier.endsWith(u"en"))
            forms << modifier.chopped(2);
    } else if (id == DictionaryId::Swedish && modifier.endsWith(u's')) {
        forms << modifier.chopped(1);
    }
    // A first part may drop its final e or a: Farb-wahl (Farbe), Schul-buch, flick-skola.
    if (id == DictionaryId::German)
        forms << modifier + u'e';
    else if (id == DictionaryId::Swedish)
        forms << modifier + u'a' << modifier + u'e';
    // A Swedish word in -a may join with -u or -o: hårdvaru-stöd, kyrko-gård.
    if (id == DictionaryId::Swedish && (modifier.endsWith(u'u') || modifier.endsWith(u'o')))
        forms << modifier.chopped(1) + u'a';
    return forms;
}

// Whether the first sense of a translation is a Persian verb: an infinitive or a tense.
bool persianVerbFirst(const QString& translation);
// Whether any sense is one.
bool persianVerb(const QString& translation);
// Whether any sense is a Persian verb's past tense.
bool hasPastTenseSense(const QString& translation);

// Whether an Arabic attached pronoun is one a noun takes: all but a verb's ني (me).
bool nounPronoun(QStringView pronoun)
{
    return pronoun != u"\u0646\u064A";
}

// Whether a line of the translation is marked as a noun's sense: "(اسم)", as the German list
// marks the noun made of a verb or an adjective (treffen: "دیدار، جلسه (اسم)").
bool nounSense(const QString& translation)
{
    return translation.contains(u"(\u0627\u0633\u0645)");
}

// A German verb or adjective whose entry holds its noun too, shown as the noun it is in a
// compound's head (Klassentreffen: Treffen; Heimrecht: Recht) and in the noun's genitive
// (treffens: des Treffens), which no verb has.
DictionaryForm asGermanNoun(DictionaryForm form)
{
    if (form.headword.front().isLower() && nounSense(form.translation))
        form.headword = withCapital(form.headword);
    return form;
}

QList<DictionaryForm> germanNounGenitive(const QString& word, QList<DictionaryForm> found)
{
    for (DictionaryForm& f : found) {
        if (word.compare(f.headword + u's', Qt::CaseInsensitive) == 0)
            f = asGermanNoun(std::move(f));
    }
    return found;
}

// Whether the end of a German word is one that names places and families (Falken-berg,
// Stock-hausen, Salz-mann, Ell-wangen): a word that ends so is a name far more often than a
// compound of the noun. The spell-checker's own dictionary holds the real compounds in use
// (Kaufmann, Eisberg), which are never split; of the others it builds, it may know some
// that end in -land, -stadt or -leben (Tiefland, Altstadt), which are then taken as compounds.
bool endsAsName(QStringView head, bool known)
{
    static const QStringList commonHeads = {u"land"_s, u"leben"_s, u"mund"_s, u"stadt"_s};
    if (known && std::any_of(commonHeads.cbegin(), commonHeads.cend(), [&](const QString& e) {
            return head.compare(e, Qt::CaseInsensitive) == 0;
        }))
        return false;
    static const QStringList endings = {
        u"acker"_s,  u"bach"_s,   u"berg"_s,  u"born"_s,   u"brück"_s, u"brücken"_s, u"brunn"_s,
        u"burg"_s,   u"dinger"_s, u"dorf"_s,  u"feld"_s,   u"fels"_s,  u"furt"_s,    u"hagen"_s,
        u"hammer"_s, u"hausen"_s, u"heim"_s,  u"hofen"_s,  u"ingen"_s, u"kirchen"_s, u"land"_s,
        u"leben"_s,  u"linde"_s,  u"mann"_s,  u"mund"_s,   u"rode"_s,  u"stadt"_s,   u"stedt"_s,
        u"stein"_s,  u"wald"_s,   u"walde"_s, u"wangen"_s, u"wedel"_s, u"weiler"_s};
    return std::any_of(endings.cbegin(), endings.cend(),
                       [&](const QString& e) { return head.compare(e, Qt::CaseInsensitive) == 0; });
}

// Whether the Arabic plural in ات is taken for a headword not in ة, which it is seldom of:
// عربات is of عربة (carts), not of عرب; غابات of غابة (forests), not of غاب.
bool aatPluralOfOther(QStringView plural, QStringView headword)
{
    return plural.endsWith(u"\u0627\u062A") && !headword.endsWith(u'\u0629');
}

} // namespace

// One look-up's candidates, in the order they are offered.
class BaseFormLookup::Search
{
public:
    Search(DictionaryId id, DictionaryRecordset& recordset, const QString& text, BaseForms* forms)
        : m_id(id), m_recordset(recordset), m_text(text), m_analyser(forms)
    {
    }

    QList<DictionaryForm> found() const { return m_found; }
    bool isEmpty() const { return m_found.isEmpty(); }

    // A German word written with a capital that the spell-checker knows as a noun of its own
    // (Durchfahrt, Bummel, Geselle) is that noun, no form of a verb or an adjective written
    // small (durchfahren, bummeln, gesellen): German writes only nouns so inside a sentence. A
    // capital at a sentence's start on a verb's form (Sagt, Gefahren) is no noun of its own.
    void dropWordsOfOtherClass(const QString& word)
    {
        if (m_id != DictionaryId::German || !m_analyser || !word.front().isUpper() ||
            !m_analyser->isDictionaryForm(word))
            return;
        m_found.removeIf([&](const DictionaryForm& f) {
            return f.headword.front().isLower() && !WordComparison::sameWord(f.headword, word);
        });
    }

    // The word itself, the headwords whose forms it is, then the analyser's.
    void addFormsOf(const QString& word)
    {
        // The store compares without letter case: the word written small finds what it found
        // with its capital, and only the analyser may see it differently.
        const bool stored = std::any_of(m_looked.cbegin(), m_looked.cend(), [&](const auto& w) {
            return WordComparison::sameWord(w, word);
        });
        m_looked << word;
        const QStringList analysed = m_analyser ? m_analyser->candidates(word) : QStringList();
        m_word = word;
        m_noNouns.reset();
        if (!stored) {
            addHeadword(word);
            for (const QString& headword : headwordsOfForm(word, analysed)) {
                // The rules make every ending for every headword; where the analyser knows the
                // word as a form of other lemmas only, the rule's headword is a chance match.
                if (ruledOut(word, headword) || derivedFrom(m_id, word, headword))
                    continue;
                addHeadword(headword);
            }
        }
        for (const QString& candidate : analysed) {
            if (derivedFrom(m_id, word, candidate))
                continue;
            addHeadword(candidate, true);
            // An Arabic word without its particles may be a broken plural: الكتب → كتب → كتاب.
            // Not where what was taken off is the perfect's ت, which no noun takes: طرقت is
            // "she knocked", no form of طريق (road, plural طرق).
            if (m_id == DictionaryId::Arabic && word != candidate + u'\u062A') {
                for (const QString& headword : headwordsOfForm(candidate))
                    addHeadword(headword);
            }
        }
    }

    // The head (the longest headword or form that ends the word), then the rest.
    void addCompoundParts(const QString& word, int depth = 0)
    {
        if (depth == 0 && addAnalysedParts(word))
            return;
        if ((m_analyser && !m_analyser->mayBeCompound(word)) ||
            (depth == 0 && germanOtherThanNoun(word)))
            return;
        const bool known = depth > 0 || spellerKnows(word);
        for (qsizetype at = ShortestPart; at + ShortestHead <= word.size(); ++at) {
            const std::optional<DictionaryForm> head = headEntry(word.mid(at));
            if (!head)
                continue;
            const QString modifier = word.left(at);
            // A compound inflects through its head: Krankenhäuser is the plural of Krankenhaus,
            // Fahrräder of Fahrrad, where the list holds the compound itself.
            if (const std::optional<DictionaryForm> whole =
                    depth == 0 ? wholeCompound(word, at, *head) : std::nullopt) {
                add(*whole);
                return;
            }
            // Nichteinhaltung, icketroende, Vizeweltmeister, exfru: the opposite of the head, its
            // deputy or a former one, no kind of it.
            static const QStringList notAKind = {u"nicht"_s, u"icke"_s, u"vize"_s, u"vice"_s,
                                                 u"ex"_s};
            if (notAKind.contains(modifier.toLower()))
                return;
            const std::optional<DictionaryForm> first = modifierEntry(modifier);
            // Falkenberg, Salzmann, Zweibrücken: a name, of no parts at all.
            if (m_id == DictionaryId::German && depth == 0 && endsAsName(word.mid(at), known))
                return;
            if (!known && !plainParts(word, at, *head, first))
                continue;
            if (headRuledOut(word, at, *head, first.has_value()))
                continue;
            add(asNoun(*head));
            if (first)
                add(*first);
            else if (depth == 0)
                addCompoundParts(modifier, depth + 1);
            return;
        }
    }

private:
    // Whether the head at `at` is only the end of another word, or of no compound of it.
    bool headRuledOut(const QString& word, qsizetype at, const DictionaryForm& head,
                      bool modifierIsEntry)
    {
        return !headStands(word, at, modifierIsEntry) || cutsAnalysedPart(word, at) ||
               otherNounInE(word.mid(at), head) || afterPrefixOfNoun(word, at) ||
               linkingSTakenForHead(word, at) || adjectiveWrittenSmall(word, at, head);
    }

    // The parts the analyser finds, only with its head: the other parts alone say too little
    // (lainsäädäntö is no form of laki).
    bool addAnalysedParts(const QString& word)
    {
        if (!m_analyser)
            return false;
        const QStringList parts = m_analyser->compoundParts(word);
        if (parts.isEmpty() || !entryOf(parts.first()))
            return false;
        for (const QString& part : parts)
            addPart(part);
        return true;
    }

    // A short head is often only the end of a longer word's suffix (rekursering is no ring,
    // typmodifierare no rar): it stands only where the rest is words too.
    bool headStands(const QString& word, qsizetype at, bool modifierIsEntry)
    {
        if (word.size() - at >= StandingHead)
            return true;
        const QString modifier = word.left(at);
        return (modifierIsEntry || analyserKnows(modifier) || splitsWholly(modifier)) &&
               !endsLongerWord(word, at);
    }

    // Whether a compound's head at `at` follows a verb's prefix that makes a noun of its
    // own with it: Kostenvoranschlag ends in Voranschlag (an estimate), no kind of Anschlag;
    // Weinanbau in Anbau, no kind of Bau; Musterüberdeckung in Überdeckung (an overlap), no
    // kind of Deckung. So with a Swedish particle: arkivåterställning ends in återställning (a
    // restore), no kind of ställning (a position).
    bool afterPrefixOfNoun(const QString& word, qsizetype at)
    {
        if ((m_id != DictionaryId::German && m_id != DictionaryId::Swedish) || !m_analyser)
            return false;
        static const QStringList german = {u"an"_s,  u"ab"_s,   u"auf"_s,   u"aus"_s,  u"bei"_s,
                                           u"mit"_s, u"nach"_s, u"vor"_s,   u"zu"_s,   u"um"_s,
                                           u"ein"_s, u"über"_s, u"unter"_s, u"durch"_s};
        static const QStringList swedish = {u"åter"_s, u"upp"_s,   u"över"_s, u"under"_s,
                                            u"fram"_s, u"efter"_s, u"till"_s};
        const QStringList& prefixes = m_id == DictionaryId::German ? german : swedish;
        constexpr qsizetype ShortestRest = 3;
        const QString modifier = word.left(at).toLower();
        return std::any_of(prefixes.cbegin(), prefixes.cend(), [&](const QString& p) {
            // The prefix is a part of its own: Kosten-vor, not Stein or klein.
            const QString rest = modifier.chopped(std::min(p.size(), modifier.size()));
            if (!modifier.endsWith(p) || rest.size() < ShortestRest || !spellerKnows(rest))
                return false;
            const QString noun = withCapital(p + word.mid(at).toLower());
            return m_analyser->isWord(noun) && !entryOf(noun);
        });
    }

    // The headword made of the first part and the head's own headword (Kranken-haus for
    // Kranken-häuser), where the head is a form of it, not the headword as written.
    std::optional<DictionaryForm> wholeCompound(const QString& word, qsizetype at,
                                                const DictionaryForm& head)
    {
        const QString whole = word.left(at) + head.headword.toLower();
        if (WordComparison::sameWord(whole, word))
            return std::nullopt;
        const LookupResult result = lookUpTranslation(m_recordset, whole);
        if (result.outcome != LookupResult::Outcome::Found)
            return std::nullopt;
        return DictionaryForm{result.word.value_or(whole), result.translation};
    }

    // Whether a German word written small ends in a form of the adjective that the head, a
    // noun, is made of: it is that adjective's compound, no noun. kilometerbreiten is
    // kilometerbreit's (kilometres wide), no kind of Breite; systemweiten none of Weite. Not
    // where the adjective is a verb's form (bot, of Bote) or met far less often than the noun
    // (kund, of Kunde: bankkunden are customers).
    bool adjectiveWrittenSmall(const QString& word, qsizetype at, const DictionaryForm& head)
    {
        constexpr qsizetype LongestEnding = 2; // -e, -en, -er, -es, -em
        constexpr int FarRarer = 50;           // zipf times 100
        if (m_id != DictionaryId::German || !word.front().isLower() ||
            !head.headword.endsWith(u'e'))
            return false;
        const QString adjective = head.headword.chopped(1).toLower();
        const QStringView tail = QStringView(word).mid(at);
        if (!tail.startsWith(adjective) || tail.size() - adjective.size() > LongestEnding)
            return false;
        const LookupResult result = lookUpTranslation(m_recordset, adjective);
        if (result.outcome != LookupResult::Outcome::Found ||
            !result.word.value_or(adjective).front().isLower() || persianVerb(result.translation) ||
            hasPastTenseSense(result.translation))
            return false;
        const std::optional<int> ofAdjective = m_recordset.zipfPercentOf(adjective);
        const std::optional<int> ofNoun = m_recordset.zipfPercentOf(head.headword);
        return ofAdjective && (!ofNoun || *ofAdjective >= *ofNoun - FarRarer);
    }

    // Whether a Swedish head in s- begins with the linking -s- of the first part: a word in
    // -ning, -het, -tion or -skap always takes it before another (inmatnings-källa, no
    // inmatning-skälla), as does a first part that is a word only with its last s
    // (startadress-längd, no startadres-slängd).
    bool linkingSTakenForHead(const QString& word, qsizetype at)
    {
        if (m_id != DictionaryId::Swedish || word[at] != u's' ||
            word.size() - at - 1 < ShortestHead || !headEntry(word.mid(at + 1)))
            return false;
        static const QStringList takeLinking = {u"ning"_s, u"het"_s,  u"tion"_s, u"sion"_s,
                                                u"skap"_s, u"else"_s, u"itet"_s};
        const QString modifier = word.left(at).toLower();
        return std::any_of(takeLinking.cbegin(), takeLinking.cend(),
                           [&](const QString& e) { return modifier.endsWith(e); }) ||
               (m_analyser && !spellerKnows(modifier) && spellerKnows(word.left(at + 1)));
    }

    // Whether a German compound's head is a noun in -e of its own that the rules took for a
    // headword's old dative (dem Watte): Zuckerwatte is no kind of Watt, nor Jugendbande of
    // Band. Hunspell files a dative or plural it makes under its noun (Tage, Rate).
    bool otherNounInE(const QString& tail, const DictionaryForm& head) const
    {
        if (m_id != DictionaryId::German || !m_analyser ||
            tail.compare(head.headword + u'e', Qt::CaseInsensitive) != 0)
            return false;
        const QString capital = withCapital(tail);
        return m_analyser->isDictionaryForm(capital) &&
               !m_analyser->derives(capital, head.headword);
    }

    // Whether a head at `at` begins inside the last part the analyser divides the word into,
    // cutting off letters that are no word of their own: faktaresistens is fakta-resistens,
    // not a kind of sist.
    bool cutsAnalysedPart(const QString& word, qsizetype at) const
    {
        if (!m_analyser)
            return false;
        const QString last = m_analyser->lastCompoundPart(word);
        const qsizetype from = word.size() - last.size();
        if (last.isEmpty() || at <= from)
            return false;
        const QString piece = word.mid(from, at - from);
        return piece.size() < ShortestPart || !m_analyser->isWord(piece);
    }

    // Whether the spell-checker knows the word, written small, with a capital or in its other
    // spelling (Fussball as Fußball): it knows the compounds of its language that are in use.
    bool spellerKnows(const QString& word) const
    {
        if (!m_analyser || (m_id != DictionaryId::German && m_id != DictionaryId::Swedish))
            return true;
        const QString capital = withCapital(word);
        QStringList spellings{word, capital};
        spellings << BaseFormLookup::otherSpellings(m_id, word)
                  << BaseFormLookup::otherSpellings(m_id, capital);
        return std::any_of(spellings.cbegin(), spellings.cend(),
                           [&](const QString& w) { return m_analyser->isWord(w); });
    }

    // A word the spell-checker does not know is as often a name or a foreign word as a
    // compound (Falkenberg, Mittenwald, gamestop, goldfinger). Its parts at `at` are taken only
    // where they leave no doubt. German: a noun in front (Pop-kultur, not des-Mond, als-Feld),
    // and a head that is not only the end of a longer word (hängen-geblieben ends in
    // geblieben, not in Liebe). Swedish: no verb for a head (gran-ville, dill-inger), and
    // a first part of four letters at least (för-helvete, var-annat are phrases); where the
    // first part is no word of the list, a head with a Swedish ending (Malmö-festivalen,
    // Paris-avtalet), which a foreign word does not take.
    bool plainParts(const QString& word, qsizetype at, const DictionaryForm& head,
                    const std::optional<DictionaryForm>& first) const
    {
        const QString tail = word.mid(at);
        // A verb's or adjective's noun (das Leben, das Recht) heads only compounds the
        // spell-checker knows: Lamprecht is a name.
        if (m_id == DictionaryId::German)
            return first && first->headword.front().isUpper() && head.headword.front().isUpper() &&
                   !endsLongerWord(word, at);
        if (m_id != DictionaryId::Swedish)
            return true;
        if (persianVerbFirst(head.translation))
            return false;
        constexpr qsizetype ShortestSwedishFirst = 4;
        constexpr qsizetype ShortestBareHead = 5;
        // A preposition or an adverb in front begins a phrase written as one word (tillexempel,
        // tillskillnad, föredetta): the compounds made with one are words of the dictionary.
        static const QStringList phraseStarts = {
            u"till"_s,  u"från"_s,   u"efter"_s, u"under"_s,  u"över"_s,  u"utan"_s,
            u"genom"_s, u"mellan"_s, u"bakom"_s, u"före"_s,   u"inför"_s, u"emot"_s,
            u"kring"_s, u"sedan"_s,  u"utom"_s,  u"enligt"_s, u"trots"_s, u"bland"_s};
        if (first)
            return at >= ShortestSwedishFirst && !phraseStarts.contains(word.left(at).toLower());
        return tail.size() >= ShortestBareHead && !WordComparison::sameWord(tail, head.headword);
    }

    DictionaryForm asNoun(DictionaryForm head) const
    {
        return m_id == DictionaryId::German ? asGermanNoun(std::move(head)) : head;
    }

    // A compound's head, also as written with ss for ß (Schul-strasse is Straße, not Trasse).
    std::optional<DictionaryForm> headEntry(const QString& head)
    {
        if (std::optional<DictionaryForm> entry = entryOf(head, true))
            return entry;
        if (m_id == DictionaryId::German && head.contains(u"ss")) {
            for (const QString& spelling : BaseFormLookup::otherSpellings(m_id, head)) {
                if (std::optional<DictionaryForm> entry = entryOf(spelling, true))
                    return entry;
            }
        }
        return std::nullopt;
    }

    // The headword or form that a compound's first part stands for, with its linking letters
    // taken off.
    std::optional<DictionaryForm> modifierEntry(const QString& modifier)
    {
        for (const QString& m : withoutLinking(m_id, modifier)) {
            if (m.size() < ShortestPart)
                continue;
            if (std::optional<DictionaryForm> entry = entryOf(m))
                return entry;
        }
        return std::nullopt;
    }

    // Whether the analyser knows the German word, in one of its spellings, as an adjective's or
    // a verb's form only, written small: aussenpolitische is außenpolitische, no compound of
    // Tisch. Its heads would be nouns.
    bool germanOtherThanNoun(const QString& word) const
    {
        if (!m_analyser || m_id != DictionaryId::German || !word.front().isLower())
            return false;
        const QStringList spellings =
            QStringList{word} + BaseFormLookup::otherSpellings(m_id, word);
        return std::any_of(spellings.cbegin(), spellings.cend(), [&](const QString& w) {
            return m_analyser->isWord(w) && !m_analyser->readsAsNoun(withCapital(w));
        });
    }

    // Whether the short German head that begins at `at` is only the end of a longer word the
    // analyser knows: ausversehen ends in versehen, not in Ehen; aufeinanderfolgenden in
    // folgenden, not in Enden. The Swedish and Finnish analysers know compounds whose tails
    // say nothing of the head (arkitektur-lista, sata-varma).
    bool endsLongerWord(const QString& word, qsizetype at) const
    {
        if (!m_analyser || m_id != DictionaryId::German)
            return false;
        for (qsizetype from = at - 1; from >= 1; --from) {
            if (m_analyser->isWord(word.mid(from)))
                return true;
        }
        return false;
    }

    // Whether the analyser knows the first part as a dictionary form of its own (a singular,
    // not a genitive or a verb form), with its linking letters taken off, though it is no
    // headword (vektor-data, hårdvaru-stöd).
    bool analyserKnows(const QString& modifier) const
    {
        const QStringList forms = withoutLinking(m_id, modifier);
        return m_analyser && std::any_of(forms.cbegin(), forms.cend(), [&](const QString& m) {
                   return m.size() >= ShortestPart && m_analyser->isDictionaryForm(m);
               });
    }

    // Whether the first part of a compound is two words itself (Lebensmittel-geschäft).
    bool splitsWholly(const QString& modifier)
    {
        for (qsizetype at = ShortestPart; at + ShortestPart <= modifier.size(); ++at) {
            if (modifierEntry(modifier.mid(at)) && modifierEntry(modifier.left(at)))
                return true;
        }
        return false;
    }

    // Whether the analyser shows that the rules' headword cannot have made the word.
    bool ruledOut(const QString& word, const QString& headword) const
    {
        if (!m_analyser || InflectionRules::isListedForm(m_id, headword, word))
            return false;
        if (m_analyser->namesOtherLemmas(word, headword) || otherWordClass(word, headword) ||
            (m_id == DictionaryId::Swedish &&
             (swedishVerbOfItsOwn(word, headword) || swedishOtherClass(word, headword))) ||
            (m_id == DictionaryId::Italian && italianReflexiveOfNoVerb(headword)) ||
            (m_id == DictionaryId::English && doubledOfLongerStem(word, headword)) ||
            (m_id == DictionaryId::Spanish && spanishVerbFormOfOther(word, headword)))
            return true;
        // A German dative plural in -en with an umlaut stands on a plural in -e: Händen on
        // Hände, but Gräben on no Gräbe (it is of Graben; Grab makes Gräber).
        if (m_id != DictionaryId::German || !word.endsWith(u"en") ||
            !umlautOf(word.chopped(2), headword))
            return false;
        QString plural = word.chopped(1);
        plural[0] = headword.front();
        return !m_analyser->isWord(plural);
    }

    // Whether the rules made the Spanish word a verb's form that the analyser, which conjugates
    // the verb, files under another verb only: molan is of molar, not of moler (muelen).
    bool spanishVerbFormOfOther(const QString& word, const QString& headword) const
    {
        const QString h = headword.toLower();
        const bool verb = h.endsWith(u"ar") || h.endsWith(u"er") || h.endsWith(u"ir");
        if (!verb || m_analyser->derives(word, h))
            return false;
        // Only where the analyser conjugates the verb: it makes its gerund. Some verbs it
        // lists as a noun, their forms as words of their own (poder; suele of soler).
        const QString gerund = h.chopped(2) + (h.endsWith(u"ar") ? u"ando"_s : u"iendo"_s);
        if (!m_analyser->derives(gerund, h))
            return false;
        const QStringList readings = m_analyser->candidates(word);
        return !readings.isEmpty() &&
               std::all_of(readings.cbegin(), readings.cend(), [](const QString& r) {
                   return r.endsWith(u"ar") || r.endsWith(u"er") || r.endsWith(u"ir");
               });
    }

    // Whether the English word doubles the headword's last s, l, f or z (his, hissing) where the
    // analyser makes it of the word that ends so (hiss), not of the headword. (Of other letters
    // the doubled word is seldom met: batted is of bat, not batt.)
    bool doubledOfLongerStem(const QString& word, const QString& headword) const
    {
        const QString w = word.toLower();
        const QString h = headword.toLower();
        if (h.size() < 2 || !QStringView(u"slfz").contains(h.back()))
            return false;
        // The endings before which English doubles a last consonant (stop, stopping).
        static constexpr std::array<QStringView, 4> endings = {u"ing", u"ed", u"er", u"est"};
        const QString longer = h + h.back();
        const bool doubled = std::any_of(endings.cbegin(), endings.cend(),
                                         [&](QStringView e) { return w == longer + e; });
        return doubled && m_analyser->derives(word, longer) && !m_analyser->derives(word, h);
    }

    // Whether the Italian headword only looks like a verb with si (diversi, several, whose
    // divo, dive and divano the rules make as if of divere): the analyser knows no such verb.
    bool italianReflexiveOfNoVerb(const QString& headword) const
    {
        const QString h = headword.toLower();
        const bool reflexive = h.endsWith(u"arsi") || h.endsWith(u"ersi") || h.endsWith(u"irsi");
        return reflexive && h.size() > 5 && !m_analyser->isWord(h.chopped(2) + u'e');
    }

    // Whether the Swedish word in -a is a verb of its own that the analyser knows as nothing
    // else (synda, to sin, is no form of syna, nor maxa of max, nita of nia), where the headword
    // is no adjective whose weak form it may be (klena of klen, which makes klenare).
    bool swedishVerbOfItsOwn(const QString& word, const QString& headword) const
    {
        const QString w = word.toLower();
        if (!w.endsWith(u'a') || w == headword.toLower() || !m_analyser->isDictionaryForm(w) ||
            !m_analyser->candidates(w).isEmpty() || !m_analyser->derives(w + u'r', w))
            return false;
        return !m_analyser->derives(headword + u"are", headword);
    }

    // Whether the rules made the Swedish word a present in -ar of a verb whose present is in -er,
    // where the analyser knows the word as another's: drömmar is the plural of dröm, not a
    // present of drömma, which makes drömmer.
    bool swedishOtherClass(const QString& word, const QString& headword) const
    {
        const QString w = word.toLower();
        const QString h = headword.toLower();
        return h.endsWith(u'a') && w == h.chopped(1) + u"ar" &&
               m_analyser->derives(h.chopped(1) + u"er", headword) && m_analyser->isWord(w) &&
               !m_analyser->derives(w, headword);
    }

    // Whether the headword is a German noun and the analyser reads the word, with its capital
    // too, as the forms of verbs and adjectives only: hakt is of haken, not of Haken.
    bool verbFormOnly(const QString& word, const QString& headword) const
    {
        if (m_id != DictionaryId::German || !headword.front().isUpper())
            return false;
        return !m_analyser->readsAsNoun(withCapital(word));
    }

    // Whether the rules made the word with an ending the headword's class does not take, as
    // the analyser, which knows the word, shows: a German -er plural without umlaut, made by
    // a few short nouns only (Kinder, Felder; Schiffer is no plural of Schiff, nor Berger of
    // Berg); a Spanish feminine in -a of a word in -o, which only adjectives and nouns of
    // persons have (focas is of foca, not of foco); a Swedish comparative, which only
    // adjectives have (diskare, who washes up, is no comparative of disk).
    bool otherWordClass(const QString& word, const QString& headword) const
    {
        const QString w = word.toLower();
        const QString h = headword.toLower();
        if (!classEnding(w, h, headword))
            return false;
        // A German noun is known with its capital.
        const QString asNoun = m_id == DictionaryId::German ? withCapital(word) : word;
        if (!m_analyser->isWord(asNoun) || m_analyser->derives(asNoun, headword))
            return false;
        if (m_id == DictionaryId::Swedish && adjectiveEnding(w, h))
            return !swedishAdjective(headword);
        // The Spanish dictionary files some adjectives' feminines under a neighbour (nueva under
        // nueve): only where it reads the word as a noun in -a alone is the rule's word wrong.
        if (m_id == DictionaryId::Spanish) {
            const QStringList stems = m_analyser->candidates(word);
            return std::none_of(stems.cbegin(), stems.cend(), [](const QString& stem) {
                return stem.endsWith(u'o') || stem.endsWith(u'e');
            });
        }
        return true;
    }

    // Whether the word, written small, is the headword with an ending that a class of words
    // takes which the headword may not be of.
    bool classEnding(const QString& w, const QString& h, const QString& headword) const
    {
        switch (m_id) {
        case DictionaryId::German:
            return headword.front().isUpper() &&
                   (w == h + u"er" || w == h + u"ern" || umlautErOfEPlural(w, headword));
        case DictionaryId::Spanish:
            return h.endsWith(u'o') && (w == h.chopped(1) + u'a' || w == h.chopped(1) + u"as");
        // A Swedish noun in -e has its plural in -n (minnen, utbyten): minner and utbyter are
        // verbs' presents.
        case DictionaryId::Swedish:
            return w == h + u"are" || w == h + u"ast" || adjectiveEnding(w, h) ||
                   secondConjugationOnFirst(w, h) || (h.endsWith(u'e') && w == h + u'r') ||
                   otherGender(w, h);
        default:
            return false;
        }
    }

    // Whether the German word is an umlaut plural in -er of a noun whose plural the analyser
    // makes in -e: Gang makes Gänge, so Gänger (Fußgänger) is a word of its own.
    bool umlautErOfEPlural(const QString& w, const QString& headword) const
    {
        const qsizetype ending = w.endsWith(u"ern") ? 3 : w.endsWith(u"er") ? 2 : 0;
        if (ending == 0 || !umlautOf(w.chopped(ending), headword))
            return false;
        QString plural = w.chopped(ending) + u'e';
        plural[0] = headword.front();
        return m_analyser->derives(plural, headword);
    }

    // Whether the Swedish word is a neuter's definite -et on a noun whose definite the analyser
    // makes with -en: knut makes knuten, so knutet is the participle's neuter. (An -en is no
    // sign of the other gender: it is a neuter's plural too, landen, essen.)
    bool otherGender(const QString& w, const QString& h) const
    {
        return (w == h + u"et" || w == h + u"ets") && m_analyser->derives(h + u"en", h);
    }

    // Whether the Swedish word is a verb in -a with a present in -er, a passive in -es or a
    // supine in -t, which only verbs whose present is in -er or -r make (lägger, läggs, lagt of
    // lägga), where the headword's present is in -ar: yrka makes yrkas, not yrkes; tillaga
    // tillagat, not tillagt; skanna skannar (skanner is the scanner).
    bool secondConjugationOnFirst(const QString& w, const QString& h) const
    {
        if (!h.endsWith(u'a') || h.size() < 3)
            return false;
        const QString stem = h.chopped(1);
        return (w == stem + u"es" || w == stem + u't' || w == stem + u"er") &&
               m_analyser->derives(stem + u"ar", h) && !m_analyser->derives(stem + u"er", h);
    }

    // Whether the Swedish dictionary takes the headword for an adjective. It files many
    // adjectives' -a and -t under entries of their own (fina, lätta), so a word of which it
    // makes the other of the two, or a comparative, is one; and so is a word it derives from
    // another (moralisk, of moral), of which it tells nothing.
    bool swedishAdjective(const QString& headword) const
    {
        return !m_analyser->isDictionaryForm(headword) ||
               m_analyser->derives(headword + u'a', headword) ||
               m_analyser->derives(headword + u't', headword) ||
               m_analyser->derives(headword + u"are", headword);
    }

    // Whether the Swedish word is the headword with an adjective's -a or -t (fina, vitt), which
    // a noun in a consonant does not take (snutt is no form of snut, spåna none of spån), also
    // where the -a takes the e of a last -el, -er or -en away (vackra of vacker; gallra, a verb,
    // is no form of galler).
    static bool adjectiveEnding(const QString& word, const QString& headword)
    {
        static const QString vowels = u"aeiouyåäö"_s;
        if (headword.isEmpty() || vowels.contains(headword.back()))
            return false;
        const bool unstressed =
            headword.size() > 4 &&
            (headword.endsWith(u"el") || headword.endsWith(u"er") || headword.endsWith(u"en"));
        // röd makes rött: sytt, of sy, is no form of syd (south).
        const bool assimilated = headword.endsWith(u'd') && word == headword.chopped(1) + u"tt";
        return word == headword + u'a' || word == headword + u't' || assimilated ||
               (unstressed && word == headword.chopped(2) + headword.back() + u'a');
    }

    // Whether the word is the headword with one a, o or u made ä, ö or ü (plän of Plan).
    static bool umlautOf(const QString& word, const QString& headword)
    {
        return word.size() == headword.size() && umlautStart(word, headword);
    }

    QStringList headwordsOfForm(const QString& word, const QStringList& analysed = {})
    {
        QStringList headwords = m_recordset.headwordsOfForm(word, MostHeadwordsOfForm);
        if (headwords.size() < 2)
            return headwords;
        QHash<QString, int> rarity;
        for (const QString& h : std::as_const(headwords))
            rarity.insert(h, rarityOf(h));
        std::stable_sort(headwords.begin(), headwords.end(),
                         [&](const QString& a, const QString& b) {
                             return likeliness(word, a, rarity[a], analysed) <
                                    likeliness(word, b, rarity[b], analysed);
                         });
        return headwords;
    }

    // How seldom readers meet the headword, so that the commoner of two headwords of a form
    // comes first (acciones: acción, not accionar; passes: pass, not passe). Differences under
    // half a zipf step say little; a word without a frequency (one the user added) comes after
    // those with one.
    int rarityOf(const QString& headword)
    {
        constexpr int Step = 100;
        constexpr int Unknown = 1000;
        const std::optional<int> zipf = m_recordset.zipfPercentOf(headword);
        return zipf ? -(*zipf / Step) : Unknown;
    }

    // Which of the headwords a form belongs to is most likely: one the irregular lists name
    // (händer: hand before hända), one the analyser names too (vitt: vit before vi), the one
    // readers meet far more often (luces: luz before lucir), then in the analyser's order
    // (hjälper: hjälpa before hjälp), the one it only adds to (casas: casa before casar), then
    // the fewest letters changed. Before all these, what the word's class tells: German writes
    // nouns and only nouns with a capital (gefahren: fahren before Gefahr; Sprachen: Sprache
    // before sprechen); an Italian -e plural is of a word in -a (case: casa before caso), an -i
    // plural seldom so (modi: modo before moda); and the endings below.
    std::tuple<int, int, int, int, qsizetype, int, qsizetype>
    likeliness(const QString& word, const QString& headword, int rarity,
               const QStringList& analysed) const
    {
        const QString w = word.toLower();
        const QString h = headword.toLower();
        int mismatch = 0;
        if (m_id == DictionaryId::German)
            mismatch = headword.front().isUpper() != word.front().isUpper();
        else if (m_id == DictionaryId::Italian)
            mismatch = (w.endsWith(u'e') && h.endsWith(u'o')) ||
                       (w.endsWith(u'i') && h.endsWith(u'a')) || verbsFirstPerson(w, h);
        // A Spanish plural in -iones is of the noun in -ión (acciones, proporciones), hardly
        // ever the subjunctive of the verb in -ionar made from it.
        else if (m_id == DictionaryId::Spanish)
            mismatch = w.endsWith(u"iones") && h.endsWith(u"ionar");
        else if (m_id == DictionaryId::Arabic)
            mismatch = aatPluralOfOther(w, h);
        qsizetype common = 0;
        while (common < w.size() && common < h.size() && w[common] == h[common])
            ++common;
        const bool listed =
            InflectionRules::isListedForm(m_id, headword, word, InflectionRules::Listing::Own);
        // Except in Italian, where Hunspell takes many plurals for verbs (libri → librare).
        const auto analysedAt =
            m_id == DictionaryId::Italian
                ? analysed.cend()
                : std::find_if(analysed.cbegin(), analysed.cend(), [&](const auto& a) {
                      return WordComparison::sameWord(a, headword);
                  });
        const bool named = analysedAt != analysed.cend();
        return {mismatch,
                int(!listed),
                int(!named && !analysed.isEmpty()),
                rarity,
                analysedAt - analysed.cbegin(),
                int(common != h.size()),
                (w.size() - common) + (h.size() - common)};
    }

    // Whether an Italian word in -a stands on a word in -o that is the first person of an
    // -are verb (inizia, inizio: iniziare): then it is the verb's third person, since a noun
    // in -o (l'inizio) has no form in -a; only an adjective has (alta, alto). An adjective
    // that a rare verb is made of (ultimo, ultimare) is met far more often than the verb.
    bool verbsFirstPerson(const QString& word, const QString& headword) const
    {
        constexpr int FarCommoner = 150; // zipf times 100: thirty times as often
        if (!m_analyser || !word.endsWith(u'a') || !headword.endsWith(u'o'))
            return false;
        const QString verb = headword.chopped(1) + u"are";
        const QStringList readings = m_analyser->candidates(headword);
        if (std::none_of(readings.cbegin(), readings.cend(),
                         [&](const QString& r) { return WordComparison::sameWord(r, verb); }))
            return false;
        const std::optional<int> ofWord = m_recordset.zipfPercentOf(headword);
        const std::optional<int> ofVerb = m_recordset.zipfPercentOf(verb);
        return !ofWord || (ofVerb && *ofWord - *ofVerb < FarCommoner);
    }

    // A German compound's head is a noun: Sicherheitsgründen ends in Gründen, a form of
    // Grund, not in the verb gründen; Klassentreffen in treffen, whose translation has a
    // noun's sense (das Treffen, a meeting), not in Treff.
    std::optional<DictionaryForm> entryOf(const QString& word, bool head = false)
    {
        const bool noun = head && m_id == DictionaryId::German;
        const LookupResult result = lookUpTranslation(m_recordset, word);
        const bool found = result.outcome == LookupResult::Outcome::Found;
        if (found && (!noun || result.word.value_or(word).front().isUpper() ||
                      nounSense(result.translation)))
            return DictionaryForm{result.word.value_or(word), result.translation};
        for (const QString& headword : headwordsOfForm(word)) {
            if ((noun && !headword.front().isUpper()) || ruledOut(word, headword))
                continue;
            const LookupResult r = lookUpTranslation(m_recordset, headword);
            if (r.outcome == LookupResult::Outcome::Found)
                return DictionaryForm{r.word.value_or(headword), r.translation};
        }
        // Menschenleben ends in Leben, not in the verb leben.
        if (found && !noun)
            return DictionaryForm{result.word.value_or(word), result.translation};
        return std::nullopt;
    }

    void addPart(const QString& part)
    {
        if (part.size() < ShortestPart)
            return;
        if (const std::optional<DictionaryForm> entry = entryOf(part))
            add(*entry);
    }

    void add(const DictionaryForm& form)
    {
        const bool known = std::any_of(m_found.cbegin(), m_found.cend(), [&](const auto& f) {
            return WordComparison::sameWord(f.headword, form.headword);
        });
        if (!known && m_found.size() < MostForms)
            m_found.append(form);
    }

    // An analyser's German lemma written small (the verb haken, of hakt) is no noun of the
    // same letters (Haken): the store compares without letter case, German does not.
    void addHeadword(const QString& candidate, bool analysed = false)
    {
        if (m_found.size() >= MostForms || ++m_tried > MostCandidates ||
            WordComparison::sameWord(candidate, m_text))
            return;
        const bool known = std::any_of(m_found.cbegin(), m_found.cend(), [&](const auto& f) {
            return WordComparison::sameWord(f.headword, candidate);
        });
        if (known)
            return;
        const LookupResult result = lookUpTranslation(m_recordset, candidate);
        const QString headword = result.word.value_or(candidate);
        const bool verbAsNoun = analysed && verbFormOnly(m_word, headword);
        if (result.outcome == LookupResult::Outcome::Found && !verbAsNoun &&
            !(headword.front().isUpper() && noNouns()))
            m_found.append({headword, result.translation});
    }

    // A German word written small that is a dictionary form itself (ringen, vereinen) is
    // no form of a noun (Ring, Verein). Asked only when a noun is found.
    bool noNouns()
    {
        if (!m_noNouns)
            m_noNouns = m_id == DictionaryId::German && !m_word.isEmpty() &&
                        m_word.front().isLower() && m_analyser &&
                        m_analyser->isDictionaryForm(m_word);
        return *m_noNouns;
    }

    DictionaryId m_id;
    DictionaryRecordset& m_recordset;
    const QString& m_text;
    BaseForms* m_analyser;
    QList<DictionaryForm> m_found;
    int m_tried = 0;
    QStringList m_looked; // the spellings whose forms were looked up
    QString m_word;       // the spelling whose forms are being added
    std::optional<bool> m_noNouns;
};

QStringList BaseFormLookup::otherSpellings(DictionaryId id, const QString& word)
{
    QStringList spellings;
    switch (id) {
    case DictionaryId::German:
        if (word.contains(u'ß'))
            spellings << QString(word).replace(u'ß', u"ss"_s);
        else if (word.contains(u"ss"))
            spellings << QString(word).replace(u"ss"_s, u"ß"_s);
        break;
    case DictionaryId::Italian: {
        // perche' → perché, piu' → più, e' → è; the apostrophe is gone with the punctuation.
        static const QHash<QChar, QStringList> accented = {{u'a', {u"à"_s}},
                                                           {u'e', {u"è"_s, u"é"_s}},
                                                           {u'i', {u"ì"_s}},
                                                           {u'o', {u"ò"_s}},
                                                           {u'u', {u"ù"_s}}};
        if (!word.isEmpty()) {
            for (const QString& a : accented.value(word.back().toLower()))
                spellings << word.chopped(1) + a;
        }
        break;
    }
    case DictionaryId::French:
        for (const auto& [joined, apart] :
             {std::pair{u"œ"_s, u"oe"_s}, std::pair{u"æ"_s, u"ae"_s}, std::pair{u"Œ"_s, u"Oe"_s},
              std::pair{u"Æ"_s, u"Ae"_s}}) {
            if (word.contains(joined))
                spellings << QString(word).replace(joined, apart);
            else if (word.contains(apart))
                spellings << QString(word).replace(apart, joined);
        }
        break;
    default:
        break;
    }
    return spellings;
}

namespace {

bool isHeadword(DictionaryRecordset& recordset, const QString& word)
{
    return lookUpTranslation(recordset, word).outcome == LookupResult::Outcome::Found;
}

// An Arabic word written without the hamza of its first letter, as much text on the web is
// (ابيات for أبيات, verses; اوه for أوه; الاله for الإله, the god): the headword with the hamza,
// after the particles in front, comes before what the bare letters make (ابي, او, آلة). A
// particle of one letter before ال is one before the article (بالية is no ب with آلية), and a
// headword that the list holds only as a spelling to mend (إستقلال, marked "(نگارش ...") is
// none the word meant.
QStringList arabicWithHamza(DictionaryId id, DictionaryRecordset& recordset, const QString& word)
{
    static const QStringList particles = {QString(),
                                          u"\u0627\u0644"_s,
                                          u"\u0648"_s,
                                          u"\u0641"_s,
                                          u"\u0628"_s,
                                          u"\u0644"_s,
                                          u"\u0648\u0627\u0644"_s,
                                          u"\u0641\u0627\u0644"_s,
                                          u"\u0628\u0627\u0644"_s,
                                          u"\u0643\u0627\u0644"_s,
                                          u"\u0644\u0644"_s};
    QStringList spellings;
    if (id != DictionaryId::Arabic)
        return spellings;
    for (const QString& front : particles) {
        const qsizetype at = front.size();
        if (!word.startsWith(front) || word.size() < at + 2 || word[at] != u'\u0627' ||
            (at == 1 && word[at + 1] == u'\u0644'))
            continue;
        // The article written alone, as before a foreign word (الـ CPU), is no آل (family).
        if (WordComparison::sameWord(QStringView(word).mid(at), u"\u0627\u0644"))
            continue;
        for (const QChar hamza : {u'\u0623', u'\u0625', u'\u0622'}) { // أ إ آ
            QString stem = word.mid(at);
            stem[0] = hamza;
            const LookupResult result = lookUpTranslation(recordset, stem);
            if (!spellings.contains(stem) && result.outcome == LookupResult::Outcome::Found &&
                !result.translation.startsWith(u"(\u0646\u06AF\u0627\u0631\u0634 "))
                spellings << stem;
        }
    }
    return spellings;
}

// A Swedish verb in -s keeps it in every form (lyckas, lyckades, lyckats): where such a verb is
// a headword, it comes before the verb or noun without the -s (lycka).
QStringList swedishDeponent(DictionaryId id, DictionaryRecordset& recordset, const QString& word)
{
    if (id != DictionaryId::Swedish)
        return {};
    for (const QStringView ending : {u"ades", u"ats", u"des", u"tes"}) {
        if (word.size() > ending.size() + 2 && word.endsWith(ending)) {
            const QString deponent = word.chopped(ending.size()) + u"as";
            return isHeadword(recordset, deponent) ? QStringList{deponent} : QStringList{};
        }
    }
    return {};
}

// A sense of a translation up to its first comma (Persian or Latin): its main phrase.
QString mainPhrase(const QString& sense)
{
    return sense.section(u'\u060C', 0, 0).section(u',', 0, 0).trimmed();
}

// Whether the first sense of a translation is a Persian past participle (رسیده,
// نوشته‌شده): its last word ends in ده or ته.
bool persianParticiple(const QString& translation)
{
    static const QRegularExpression aside(u"\\([^)]*\\)"_s);
    const QString phrase =
        mainPhrase(translation.section(u'\n', 0, 0)).remove(aside).trimmed().section(u' ', -1);
    return phrase.endsWith(u"\u062F\u0647") || phrase.endsWith(u"\u062A\u0647");
}

// Whether a Persian word ends as an infinitive does (دویدن, گفتن).
bool endsAsInfinitive(const QString& word)
{
    return word.endsWith(u"\u062F\u0646") || word.endsWith(u"\u062A\u0646"); // دن تن
}

// Every sense of an Arabic headword's translation (one a line) as a Persian verb phrase in the
// past tense ending in a light verb (کامل کرد, آواز خواند): a verb beyond doubt, with no noun
// sense (نقل has حمل‌ونقل too). An adjective such as ثروتمند ends in د too, so
// the ending alone does not tell.
bool clearlyVerb(const DictionaryForm& form)
{
    static const QStringList lightVerbs = {u"\u06A9\u0631\u062F"_s,             // کرد
                                           u"\u0634\u062F"_s,                   // شد
                                           u"\u062F\u0627\u062F"_s,             // داد
                                           u"\u0632\u062F"_s,                   // زد
                                           u"\u06AF\u0631\u0641\u062A"_s,       // گرفت
                                           u"\u062F\u0627\u0634\u062A"_s,       // داشت
                                           u"\u0622\u0648\u0631\u062F"_s,       // آورد
                                           u"\u062E\u0648\u0627\u0646\u062F"_s, // خواند
                                           u"\u06A9\u0634\u06CC\u062F"_s,       // کشید
                                           u"\u0646\u0645\u0648\u062F"_s,       // نمود
                                           u"\u06CC\u0627\u0641\u062A"_s};      // یافت
    const QStringList senses = form.translation.split(u'\n', Qt::SkipEmptyParts);
    return !senses.isEmpty() && std::all_of(senses.cbegin(), senses.cend(), [](const QString& s) {
        const QStringList words = mainPhrase(s).split(u' ', Qt::SkipEmptyParts);
        return words.size() >= 2 && lightVerbs.contains(words.last());
    });
}

// The Arabic word without the conjunction و or ف in front.
QStringView withoutConjunction(const QString& word)
{
    QStringView rest(word);
    if (rest.size() > 3 && (rest.startsWith(u'\u0648') || rest.startsWith(u'\u0641'))) // و ف
        rest = rest.mid(1);
    return rest;
}

// Whether the Arabic word carries the article or the prepositions ب, ك in front of the
// headword: those stand before nouns only (بأكملها is "in its entirety", not أكمل "completed").
bool nominalProclitic(const QString& word, const QString& headword)
{
    QStringView rest(word);
    if (rest.startsWith(u'\u0648') || rest.startsWith(u'\u0641')) // و ف
        rest = rest.mid(1);
    if (rest.startsWith(u"\u0627\u0644") || rest.startsWith(u"\u0644\u0644")) // ال لل
        return !headword.startsWith(u"\u0627\u0644");
    const bool preposition = rest.startsWith(u'\u0628') || rest.startsWith(u'\u0643'); // ب ك
    return preposition && !rest.startsWith(QStringView(headword).left(2));
}

// Whether the Arabic word is the headword, a noun in ة or its plural in ات, behind a letter
// that only a verb's imperfect puts there (أ ت ي ن): no noun takes it, so the word is another
// (أشرطة, tapes, is no form of شرطة, police; تحكمات none of حكمة).
bool imperfectOnNoun(const QString& word, const QString& headword)
{
    QStringView rest(word);
    if (rest.startsWith(u'\u0648') || rest.startsWith(u'\u0641')) // و ف
        rest = rest.mid(1);
    if (rest.size() < 4 || !QStringView(u"\u0623\u062A\u064A\u0646").contains(rest.front()))
        return false;
    const QStringView stem = rest.mid(1);
    const bool nounEnding = stem.endsWith(u'\u0629') || stem.endsWith(u"\u0627\u062A"); // ة ات
    if (!nounEnding || headword.startsWith(rest.front()))
        return false;
    const QString singular = headword.endsWith(u'\u0629') ? headword.chopped(1) : headword;
    return stem == headword || stem == QString(singular + u"\u0627\u062A");
}

// Whether the Spanish word is an infinitive (quejarse too) or a gerund by its ending.
bool isInfinitiveOrGerund(const QString& word)
{
    const QString w = word.endsWith(u"se") ? word.chopped(2) : word;
    return w.endsWith(u"ar") || w.endsWith(u"er") || w.endsWith(u"ir") || w.endsWith(u"\u00EDr") ||
           w.endsWith(u"ndo");
}

// A Spanish verb form with its object pronouns attached (créeme, dámelo, haciéndolo,
// sentirme): the verb forms that taking two pronouns, then one, off the word leaves, their
// written accent taken off, where they are words. The accent marks the stress the pronouns
// shifted, so a word without one counts only where an infinitive or a gerund stands in front
// (calle is no cal with le).
QStringList spanishWithoutPronouns(const QString& word, const BaseForms& forms)
{
    static const QStringList pronouns = {u"nos"_s, u"los"_s, u"las"_s, u"les"_s, u"me"_s,
                                         u"te"_s,  u"se"_s,  u"lo"_s,  u"la"_s,  u"le"_s};
    static const QString accented = u"áéíóú"_s;
    static const QString plain = u"aeiou"_s;
    QStringList verbs;
    QString verb = word;
    for (int attached = 0; attached < 2; ++attached) {
        const auto pronoun = std::find_if(pronouns.cbegin(), pronouns.cend(),
                                          [&](const QString& p) { return verb.endsWith(p); });
        if (pronoun == pronouns.cend() || verb.size() < pronoun->size() + 3)
            break;
        verb.chop(pronoun->size());
        QString unaccented = verb;
        for (QChar& c : unaccented) {
            if (const qsizetype at = accented.indexOf(c); at >= 0)
                c = plain[at];
        }
        const bool stressMoved = unaccented != verb;
        if ((stressMoved || isInfinitiveOrGerund(unaccented)) && forms.isWord(unaccented))
            verbs.prepend(unaccented);
    }
    return verbs;
}

// The word after an elided preposition (French d', Italian dell', nell', all'...): a noun,
// an adjective or an infinitive, never a verb's other forms. Empty for any other word.
QString afterPreposition(DictionaryId id, const QString& word)
{
    static const QStringList french = {u"d'"_s};
    static const QStringList italian = {u"d'"_s,    u"dell'"_s, u"dall'"_s, u"nell'"_s,
                                        u"sull'"_s, u"all'"_s,  u"coll'"_s};
    const QStringList* prepositions = id == DictionaryId::French    ? &french
                                      : id == DictionaryId::Italian ? &italian
                                                                    : nullptr;
    if (!prepositions)
        return {};
    for (const QString& p : *prepositions) {
        if (word.size() > p.size() + 2 && word.startsWith(p, Qt::CaseInsensitive))
            return word.mid(p.size());
    }
    return {};
}

// Whether the headword is a verb of which the word is a form other than the infinitive
// (d'écoute is the noun, not écouter's present). A plural in -s is a noun's (d'officiers).
bool finiteVerbOf(DictionaryId id, const QString& word, const QString& headword)
{
    if (WordComparison::sameWord(word, headword) || word.endsWith(u's'))
        return false;
    if (id == DictionaryId::French)
        return headword.endsWith(u"er") || headword.endsWith(u"ir");
    return headword.endsWith(u"are") || headword.endsWith(u"ire");
}

// How the word of `text` may stand in the dictionary: with an accent typed as an apostrophe
// (Italian), without a sentence's capital, without an English possessive or an elided
// article or pronoun in front.
QStringList writtenForms(DictionaryId id, const QString& text, const QString& word)
{
    QStringList written;
    // An Italian vowel with an apostrophe after it is an accent typed plain (perche', e'),
    // not an elision: the accented word comes before the bare one (e, cosi).
    if (id == DictionaryId::Italian && text.trimmed().endsWith(u'\'') && word.size() < text.size())
        written << BaseFormLookup::otherSpellings(id, word);
    written << word;
    // A capital at the start of a sentence is not part of the word.
    if (const QString lower = word.toLower(); lower != word)
        written << lower;
    const bool english = id == DictionaryId::English || id == DictionaryId::ComputerAndInternet;
    if (english && (word.endsWith(u"'s") || word.endsWith(u"s'")))
        written << word.chopped(word.endsWith(u"'s") ? 2 : 1);
    // An elided article or pronoun in front: l'eau, dell'acqua, qu'il. Not an Italian
    // adjective's: bell'uomo, prim'ordine, tutt'ora are phrases, no forms of uomo, ordine, ora.
    static const QStringList adjectives = {u"bell"_s, u"buon"_s, u"grand"_s,
                                           u"prim"_s, u"sant"_s, u"tutt"_s};
    const qsizetype apostrophe = word.indexOf(u'\'');
    const bool elides =
        id == DictionaryId::French ||
        (id == DictionaryId::Italian && !adjectives.contains(word.left(apostrophe).toLower()));
    if (elides && apostrophe > 0 && apostrophe <= 5 && apostrophe + 1 < word.size())
        written << word.mid(apostrophe + 1);
    return written;
}

// The word after an elided French or Italian article (l'analyse, dell'acqua), empty where the
// word has none.
QString afterElidedArticle(DictionaryId id, const QString& word)
{
    static const QStringList articles = {u"l"_s,    u"dell"_s, u"all"_s, u"nell"_s,
                                         u"dall"_s, u"sull"_s, u"un"_s};
    const qsizetype apostrophe = word.indexOf(u'\'');
    if ((id != DictionaryId::French && id != DictionaryId::Italian) || apostrophe <= 0 ||
        !articles.contains(word.left(apostrophe).toLower()) || apostrophe + 1 == word.size())
        return {};
    return word.mid(apostrophe + 1);
}

// Whether the first sense of a translation is a Persian infinitive (تأکید کردن, دویدن): the
// translation of a verb.
bool persianInfinitive(const QString& translation)
{
    return endsAsInfinitive(mainPhrase(translation.section(u'\n', 0, 0)));
}

// Whether the first sense of a translation is a Persian verb's tense (می‌خواست, گیج
// می‌کند).
bool persianTenseFirst(const QString& translation)
{
    static const QRegularExpression tense(
        u"(^|\\s)\u0646?\u0645\u06CC\u200C"_s); // می‌, نمی‌
    return mainPhrase(translation.section(u'\n', 0, 0)).contains(tense);
}

bool persianVerbFirst(const QString& translation)
{
    return endsAsInfinitive(mainPhrase(translation.section(u'\n', 0, 0))) ||
           persianTenseFirst(translation);
}

// Whether a sense of a translation is a Persian verb: its last word an infinitive (دویدن,
// رسیدن به), or a light verb's infinitive in it (برقرار کردن دوباره).
bool persianVerbSense(const QString& sense)
{
    static const QStringList prepositions = {u"\u0628\u0627"_s, u"\u0628\u0647"_s,
                                             u"\u0627\u0632"_s, u"\u062F\u0631"_s,
                                             u"\u0631\u0627"_s, u"\u0628\u0631"_s};
    static const QStringList lightVerbs = {u"\u06A9\u0631\u062F\u0646"_s,        // کردن
                                           u"\u0634\u062F\u0646"_s,              // شدن
                                           u"\u062F\u0627\u062F\u0646"_s,        // دادن
                                           u"\u0628\u0648\u062F\u0646"_s,        // بودن
                                           u"\u0632\u062F\u0646"_s,              // زدن
                                           u"\u06AF\u0631\u0641\u062A\u0646"_s,  // گرفتن
                                           u"\u062F\u0627\u0634\u062A\u0646"_s}; // داشتن
    QStringList words = sense.split(u' ', Qt::SkipEmptyParts);
    if (std::any_of(words.cbegin(), words.cend(),
                    [](const QString& w) { return lightVerbs.contains(w); }))
        return true;
    while (!words.isEmpty() && prepositions.contains(words.last()))
        words.removeLast();
    return !words.isEmpty() && endsAsInfinitive(words.last());
}

// The senses of a translation, one a line or between commas, without asides in brackets.
QStringList persianSenses(const QString& translation)
{
    static const QRegularExpression aside(u"\\([^)]*\\)"_s);
    static const QRegularExpression senseBreak(u"[\n\u060C,\u061B;]"_s);
    QStringList senses = QString(translation).remove(aside).split(senseBreak);
    senses.removeIf([](const QString& sense) { return sense.trimmed().isEmpty(); });
    return senses;
}

// Whether a sense of the translation is a Persian verb.
bool persianVerb(const QString& translation)
{
    const QStringList senses = persianSenses(translation);
    return std::any_of(senses.cbegin(), senses.cend(), persianVerbSense);
}

// Whether the Swedish word is a verb's headword in -a with a noun's ending, which no form of a
// verb has: a noun derived from it (befordran of befordra, ansökan of ansöka; bromsarna, the
// brakes, of broms, not of bromsa). A headword that is a noun too (its translation has a
// sense that is no verb) keeps its noun's forms.
bool swedishNounOfVerb(const QString& word, const DictionaryForm& form)
{
    const QString h = form.headword.toLower();
    const QString w = word.toLower();
    if (!h.endsWith(u'a') || !w.startsWith(h))
        return false;
    static const QStringList nounEndings = {u"n"_s, u"ns"_s, u"rna"_s, u"rnas"_s};
    if (!nounEndings.contains(w.mid(h.size())))
        return false;
    const QStringList senses = persianSenses(form.translation);
    return !senses.isEmpty() && std::all_of(senses.cbegin(), senses.cend(), persianVerbSense);
}

// Whether the Swedish word is taken for a form of a name, which has none but its genitive:
// japanerna (the Japanese, of japan) is no form of Japan, israelerna none of Israel.
bool swedishFormOfName(const QString& word, const DictionaryForm& form)
{
    if (!form.headword.front().isUpper())
        return false;
    const QString w = word.toLower();
    const QString h = form.headword.toLower();
    return w != h && w != h + u's';
}

// Whether the Swedish word is an agent noun in -iker that the spell-checker knows as a word of
// its own (musiker, fysiker, genetiker), taken for a plural of the field in -ik it works in
// (musik, fysik), which has none in use. Shops and factories have theirs: the spell-checker
// knows no word butiker or fabriker.
bool swedishAgentNoun(const BaseForms* analyser, const QString& word, const DictionaryForm& form)
{
    static const QStringList endings = {u""_s, u"s"_s, u"n"_s, u"ns"_s, u"na"_s, u"nas"_s};
    const QString h = form.headword.toLower();
    const QString agent = h + u"er";
    const QString w = word.toLower();
    const qsizetype at = w.lastIndexOf(agent);
    if (!analyser || !h.endsWith(u"ik") || at < 0 || !endings.contains(w.mid(at + agent.size())))
        return false;
    return analyser->isDictionaryForm(agent);
}

// Whether the Italian word is the plural in -i of a headword in -e that is itself a verb's
// form, as its translation in a tense shows (confonde, "گیج می‌کند"): confondi is of
// confondere, and a verb's form has no plural. (An infinitive's ending says less: a Persian
// noun may end so, rinoceronte "کرگدن".) Nor has an infinitive that is a verb in every sense:
// dari is no plural of dare ("دادن"), while poteri is of potere, a power too.
bool pluralOfVerbForm(const QString& word, const DictionaryForm& form)
{
    const QString h = form.headword.toLower();
    if (!h.endsWith(u'e') || word.toLower() != h.chopped(1) + u'i')
        return false;
    const bool infinitive = h.endsWith(u"are") || h.endsWith(u"ere") || h.endsWith(u"ire");
    if (!infinitive)
        return persianTenseFirst(form.translation);
    const QStringList senses = form.translation.split(u'\n', Qt::SkipEmptyParts);
    return std::all_of(senses.cbegin(), senses.cend(), persianInfinitive);
}

// Whether the English word is an -ing or -ed that the headword is not itself.
bool englishVerbEnding(const QString& word, const QString& headword)
{
    const QString w = word.toLower();
    return (w.endsWith(u"ing") || w.endsWith(u"ed")) && w != headword.toLower();
}

// Whether the English word is a verb's -ing or -ed form and the headword, written with a
// capital, a name or a people's adjective, which no verb is: polishing is of polish, not of
// Polish, as the analyser's stem written small says.
bool verbFormOfName(DictionaryId id, const QString& word, const DictionaryForm& form)
{
    return (id == DictionaryId::English || id == DictionaryId::ComputerAndInternet) &&
           form.headword.front().isUpper() && englishVerbEnding(word, form.headword);
}

// Whether the English word is an -ing or -ed made of an adverb in -ly, which no verb is where
// the list translates it as none: overlying is of overlie, not of overly (too). Verbs in -ly
// (apply, rally, bully) translate as verbs; the short ones (ally, ply) are left alone, as the
// list translates some only as nouns, and so are the computer terms, which translate verbs as
// their nouns (reply, download).
bool verbFormOfAdverb(DictionaryId id, const QString& word, const DictionaryForm& form)
{
    constexpr qsizetype ShortestAdverb = 5;
    return id == DictionaryId::English && form.headword.size() >= ShortestAdverb &&
           form.headword.endsWith(u"ly") && englishVerbEnding(word, form.headword) &&
           !persianVerb(form.translation);
}

// Whether the Italian word is no form of the headword whatever the rules made: a noun without
// a feminine has none in -a or -e, an adverb in -mente none at all (completamenti is
// completamento's), and a gerund none after an article (l'operando is the noun, an operand,
// no form of operare).
bool italianNoFormOf(const QString& word, const DictionaryForm& form)
{
    const QString h = form.headword.toLower();
    // Its plural is such a noun's only form: pozze is pozza's (a puddle), not pozzo's (a well);
    // abbandona is abbandonare's, not abbandono's.
    const QString w = word.mid(word.lastIndexOf(u'\'') + 1).toLower();
    if (InflectionRules::hasNoFeminine(h))
        return w != h && !w.endsWith(u'i');
    // An adjective's feminine or stem before -mente; demente and clemente are adjectives.
    static const std::array<QStringView, 4> adverb = {u"amente", u"lmente", u"rmente",
                                                      u"entemente"};
    if (std::any_of(adverb.cbegin(), adverb.cend(), [&](QStringView e) { return h.endsWith(e); }))
        return word.compare(form.headword, Qt::CaseInsensitive) != 0;
    const QString noun = afterElidedArticle(DictionaryId::Italian, word).toLower();
    const bool verb = h.endsWith(u"are") || h.endsWith(u"ere") || h.endsWith(u"ire");
    return verb && (noun.endsWith(u"ando") || noun.endsWith(u"endo"));
}

// Whether the Italian or Spanish word is a verb's form made for a headword in -are, -ere, -ire
// (-ar, -er, -ir) that is no verb, as its translation shows: volga is no form of volgare
// (vulgar), rovi none of rovere (oak). Only the plural is such a word's form (volgari,
// lugares). Of a German word, the participle.
bool verbFormOfNoVerb(DictionaryId id, const QString& word, const DictionaryForm& form)
{
    const QString w = word.mid(word.lastIndexOf(u'\'') + 1).toLower();
    const QString h = form.headword.toLower();
    if (w == h)
        return false;
    if (id == DictionaryId::Italian) {
        const bool infinitive = h.endsWith(u"are") || h.endsWith(u"ere") || h.endsWith(u"ire");
        if (!infinitive || w == h.chopped(1) + u'i')
            return false;
    } else if (id == DictionaryId::Spanish) {
        const bool infinitive = h.endsWith(u"ar") || h.endsWith(u"er") || h.endsWith(u"ir");
        if (!infinitive || (w.size() == h.size() + 2 && w.endsWith(u"es")))
            return false;
    } else if (id == DictionaryId::German) {
        // A participle in ge- of a word written small (gesondert is no form of sondern, but).
        const bool participle = w.startsWith(u"ge") && !h.startsWith(u"ge");
        if (!participle || !form.headword.front().isLower())
            return false;
    } else {
        return false;
    }
    return !persianVerb(form.translation);
}

// Whether an Italian word in -a that the spell-checker reads as a verb's form only (conforta,
// of confortare) is that, and no feminine of the headword in -o (conforto, a noun): an
// adjective's feminine has its plural in -e too (maligna, maligne; stanca, stanche).
bool verbFormNotFeminine(const QString& headword, const QStringList& readings,
                         const BaseForms* forms)
{
    const bool verbs = std::all_of(readings.cbegin(), readings.cend(),
                                   [](const QString& r) { return r.toLower().endsWith(u"are"); });
    const bool hard = headword.endsWith(u"co") || headword.endsWith(u"go");
    return verbs && !forms->isWord(headword.chopped(1) + (hard ? u"he"_s : u"e"_s));
}

// Whether the spell-checker reads the Italian word as the forms of other words only, where the
// rules took it for the headword's: a plural or feminine of a word in -o (zitte of zitto,
// settari of settario) is no form of a verb (zittire, settare) unless it is its participle's;
// a plural in -i that it reads otherwise (sbronzi, of sbronzare) or not at all (brocchi) is
// none of a feminine in -a whose plural in -e it makes (sbronze, brocche); patriarca, of
// which it makes none, and parassita, whose parassite it lists as a word of its own, keep
// theirs. Forms of the irregular lists stand.
bool italianReadOtherwise(const QString& word, const DictionaryForm& form, const BaseForms* forms)
{
    const QString w = word.mid(word.lastIndexOf(u'\'') + 1).toLower();
    const QString h = form.headword.toLower();
    // An adjective in -are, -ere or -ire has its plural in -i (solare: solari).
    const bool adjectivePlural =
        h.endsWith(u'e') && w == h.chopped(1) + u'i' && !persianVerb(form.translation);
    if (!forms || w == h || adjectivePlural ||
        InflectionRules::isListedForm(DictionaryId::Italian, form.headword, word))
        return false;
    const QStringList readings = forms->candidates(w);
    const auto names = [&](const QString& r) { return WordComparison::sameWord(r, h); };
    if (std::any_of(readings.cbegin(), readings.cend(), names))
        return false;
    if (w.endsWith(u'i') && h.endsWith(u'a')) {
        const bool hard = h.endsWith(u"ca") || h.endsWith(u"ga");
        const QString feminine = h.chopped(1) + (hard ? u"he"_s : u"e"_s);
        // Nouns of persons and the Greek nouns in -ma are masculine too (colleghi, piloti,
        // pianisti, problemi): of them only the dictionary's own feminine plural counts.
        static const std::array<QStringView, 3> masculine = {u"ta", u"ga", u"ma"};
        const bool maybeMasculine = std::any_of(masculine.cbegin(), masculine.cend(),
                                                [&](QStringView e) { return h.endsWith(e); });
        return forms->derives(feminine, h) ||
               (!readings.isEmpty() && !maybeMasculine && forms->isWord(feminine));
    }
    if (readings.isEmpty())
        return false;
    if (h.endsWith(u'o') && w == h.chopped(1) + u'a')
        return verbFormNotFeminine(h, readings, forms);
    if (!h.endsWith(u"are") && !h.endsWith(u"ere") && !h.endsWith(u"ire"))
        return false;
    const QString stem = h.chopped(3);
    return std::all_of(readings.cbegin(), readings.cend(), [&](const QString& r) {
        const QString reading = r.toLower();
        return reading.endsWith(u'o') && reading != stem + u"ato" && reading != stem + u"uto" &&
               reading != stem + u"ito";
    });
}

// Whether the English word is a possessive of a verb's -ing or -ed form, taken for the verb's
// (manning's is the name Manning's, no form of man), or of a headword that is a verb in every
// sense (lynch's is the name Lynch's): only a noun takes the 's, and a noun in -ing is a
// headword of its own (the building's).
bool possessiveOfVerbForm(DictionaryId id, const QString& word, const DictionaryForm& form)
{
    if (id != DictionaryId::English && id != DictionaryId::ComputerAndInternet)
        return false;
    const QString w = word.toLower();
    if (!w.endsWith(u"'s"))
        return false;
    const QString owner = w.chopped(2);
    if (WordComparison::sameWord(owner, form.headword)) {
        const QStringList senses = persianSenses(form.translation);
        return !senses.isEmpty() && std::all_of(senses.cbegin(), senses.cend(), persianVerbSense);
    }
    return owner.endsWith(u"ing") || owner.endsWith(u"ed");
}

// Whether the English word is a comparative's or superlative's ending on a headword that is a
// verb in every sense, as its translation says: definer (one who defines) is no form of define.
bool comparativeOfVerb(DictionaryId id, const QString& word, const DictionaryForm& form)
{
    if (id != DictionaryId::English && id != DictionaryId::ComputerAndInternet)
        return false;
    const QString w = word.toLower();
    const QString h = form.headword.toLower();
    const QString stem = h.endsWith(u'e') ? h : h + u'e';
    if (w != stem + u'r' && w != stem + u"st")
        return false;
    const QStringList senses = persianSenses(form.translation);
    return !senses.isEmpty() && std::all_of(senses.cbegin(), senses.cend(), persianVerbSense);
}

// Whether the English word is a possessive of a headword that is a verb's past only, as its
// translation notes (drew's is the name Drew's, fed's the Fed's): no form of it, nor of the
// verb, is the word.
bool possessiveOfPast(DictionaryId id, const QString& word, const QList<DictionaryForm>& found)
{
    if ((id != DictionaryId::English && id != DictionaryId::ComputerAndInternet) ||
        !word.toLower().endsWith(u"'s"))
        return false;
    static const QString past = u"(\u06AF\u0630\u0634\u062A\u0647"_s; // (گذشته
    const QString owner = word.chopped(2);
    return std::any_of(found.cbegin(), found.cend(), [&](const DictionaryForm& f) {
        return WordComparison::sameWord(owner, f.headword) && !f.translation.contains(u'\n') &&
               f.translation.contains(past);
    });
}

// A Finnish past participle that is a headword (koottu, saatu) comes after its verb where the
// look-up found both: koottua is koota's form before it is koottu's. Its comparison is an
// adjective's (suosituin, kehittyneempi, myydyimmät): it keeps the participle first.
QList<DictionaryForm> finnishVerbsFirst(const QString& word, QList<DictionaryForm> found)
{
    const QString w = word.toLower();
    if (w.contains(u"mp") || w.contains(u"imm") || w.endsWith(u"uin") || w.endsWith(u"yin"))
        return found;
    // -tu and -ty take in -ttu and -tty.
    static const QStringList participle = {u"tu"_s,  u"ty"_s,  u"nut"_s, u"nyt"_s, u"lut"_s,
                                           u"lyt"_s, u"rut"_s, u"ryt"_s, u"sut"_s, u"syt"_s};
    constexpr qsizetype SameStem = 3;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString& p = found[i].headword;
        // A participle that is a word of its own, translated as one (tietty, certain), stays.
        if (std::none_of(participle.cbegin(), participle.cend(),
                         [&](const QString& e) { return p.endsWith(e); }) ||
            !persianParticiple(found[i].translation))
            continue;
        const auto verb = std::find_if(found.begin() + i + 1, found.end(), [&](const auto& f) {
            return persianInfinitive(f.translation) &&
                   f.headword.left(SameStem) == p.left(SameStem);
        });
        if (verb != found.end())
            std::rotate(found.begin() + i, verb, verb + 1);
    }
    return found;
}

// Whether the Finnish verb is the causative in -ttaa or -ttää of the verb in -ua or -yä (muistua,
// to come to mind: muistuttaa, to remind; näkyä: näyttää), its stem's consonants changed or
// not.
bool finnishCausativeOf(const QString& causative, const QString& verb)
{
    const QString stem = verb.chopped(1);
    const bool automative = stem.endsWith(u'u') || stem.endsWith(u'y');
    const bool ttaa = causative.endsWith(u"ttaa") || causative.endsWith(u"tt\u00E4\u00E4");
    return automative && ttaa && causative.chopped(4).endsWith(stem.back()) &&
           causative.left(2) == verb.left(2);
}

// Where a Finnish word is a form of a verb in -ua or -yä and of its causative, the commoner of
// the two comes first: muistuta is muistuttaa's (remind!) before it is the rare passive of
// muistua, and näytä näyttää's (show!); puhuta stays puhua's (ei puhuta, one does not speak).
QList<DictionaryForm> finnishCommonerVerbFirst(DictionaryRecordset& recordset,
                                               QList<DictionaryForm> found)
{
    if (found.size() < 2 || !finnishCausativeOf(found[1].headword, found[0].headword))
        return found;
    const std::optional<int> verb = recordset.zipfPercentOf(found[0].headword);
    const std::optional<int> causative = recordset.zipfPercentOf(found[1].headword);
    if (causative && (!verb || *causative > *verb))
        std::swap(found[0], found[1]);
    return found;
}

// An English word in -ing or -ed is a verb's form: the verbs among its headwords come before
// the nouns that the same letters make (emphasising is of emphasise, not of emphasis).
QList<DictionaryForm> englishVerbsFirst(const QString& word, QList<DictionaryForm> found)
{
    const QString w = word.toLower();
    if (w.endsWith(u"ing") || w.endsWith(u"ed")) {
        std::stable_partition(found.begin(), found.end(), [](const DictionaryForm& f) {
            return persianInfinitive(f.translation);
        });
    }
    return found;
}

// An aside in brackets of a translation, or one its sense's end cuts short.
const QRegularExpression& asideInBrackets()
{
    static const QRegularExpression aside(u"\\([^)]*\\)?"_s);
    return aside;
}

// The first phrase of a sense without its asides in brackets, which tell a verb's subject,
// object or forms (وزید (طوفان), جنگید (قاتل، یقاتل), the first cut at its comma) or the
// spelling ((نگارش بی‌همزه) خورد): the verb is what is left.
QString withoutAsides(const QString& sense)
{
    return mainPhrase(sense).remove(asideInBrackets()).trimmed();
}

// Whether a sense of a translation begins with a Persian past tense (فریاد زد, نوشت): the
// translation of an Arabic verb, whose dictionary form is its perfect.
bool persianPastTense(const QString& sense)
{
    const QString first = withoutAsides(sense);
    // A present tense (انجام می‌دهد) ends so too: its headword is an imperfect itself.
    if (first.section(u' ', -1).startsWith(u"\u0645\u06CC")) // می
        return false;
    const auto pastEnding = [](const QString& phrase) {
        return phrase.endsWith(u'\u062F') || phrase.endsWith(u'\u062A'); // د ت
    };
    if (!pastEnding(first))
        return false;
    // Nouns end so too (عید، جشن; حرکت، رفتن): a single word is a verb only where the sense's
    // other phrases are past tenses as well.
    if (first.contains(u' '))
        return true;
    static const QRegularExpression comma(u"[\u060C,]"_s);
    const QStringList phrases =
        QString(sense).remove(asideInBrackets()).split(comma, Qt::SkipEmptyParts);
    return std::all_of(phrases.cbegin(), phrases.cend(), [&](const QString& p) {
        const QString phrase = p.trimmed();
        return phrase.isEmpty() || pastEnding(phrase) ||
               phrase.section(u' ', -1).startsWith(u"\u0645\u06CC");
    });
}

// Whether a sense of an Arabic headword's translation (one a line) is a verb's past tense.
bool hasPastTenseSense(const QString& translation)
{
    const QStringList senses = translation.split(u'\n', Qt::SkipEmptyParts);
    return std::any_of(senses.cbegin(), senses.cend(), persianPastTense);
}

// Whether a sense of the translation is a Persian past of two words or more, which leaves no
// doubt that the headword is a verb ("نمایندگی کرد", represented), as a single word may not
// (نشاط ends as a past does). "زشت است" (it is ugly) is no past.
bool persianPastPhrase(const QString& sense)
{
    const QString phrase = withoutAsides(sense);
    return phrase.contains(u' ') && phrase.section(u' ', -1) != u"\u0627\u0633\u062A" &&
           persianPastTense(sense);
}

// Whether any sense of the translation is such a past.
bool hasPastPhraseSense(const QString& translation)
{
    const QStringList senses = translation.split(u'\n', Qt::SkipEmptyParts);
    return std::any_of(senses.cbegin(), senses.cend(), persianPastPhrase);
}

// Whether the Arabic word is the headword with the pronoun ي (my) after it.
bool possessiveOf(const QString& word, const QString& headword)
{
    if (!word.endsWith(u'\u064A'))
        return false;
    return QStringView(word).chopped(1) == headword ||
           withoutConjunction(word).chopped(1) == headword;
}

// Whether the Arabic word is the headword with the perfect's ending ت (هولت, she frightened),
// which only a verb takes, and the headword has no verb among its senses (هول, terror).
bool perfectOnNoun(const QString& word, const DictionaryForm& form)
{
    if (!word.endsWith(u'\u062A'))
        return false;
    const QStringView stem = QStringView(word).chopped(1);
    if (stem != form.headword && withoutConjunction(word).chopped(1) != form.headword)
        return false;
    return !hasPastTenseSense(form.translation);
}

// Whether the headword is what the imperfect's letters make of the word only if it is a verb
// (the fourth form أفعل, or the hollow verb فال or أفال of يفول, يفيل), though no sense of it is
// one: تسد is no form of أسد (lion), nor أجود (better) of جاد (serious), nor أليف of ألاف.
bool verbPatternOnNoun(const QString& word, const DictionaryForm& form)
{
    const QStringView rest = withoutConjunction(word);
    if (rest.size() < 3 || !QStringView(u"\u064A\u062A\u0646\u0623").contains(rest.front()))
        return false;
    const QStringView stem = rest.mid(1);
    const bool fourth =
        rest.front() != u'\u0623' && form.headword == QString(u'\u0623' + stem.toString());
    const bool hollow = stem.size() == 3 && (stem[1] == u'\u0648' || stem[1] == u'\u064A') &&
                        form.headword.endsWith(QString(stem[0]) + u'\u0627' + stem[2]) &&
                        (form.headword.size() == 3 ||
                         (form.headword.size() == 4 && form.headword.front() == u'\u0623'));
    if (!fourth && !hollow)
        return false;
    return !hasPastTenseSense(form.translation);
}

// What stands after the Arabic article in the word (السحابي: سحابي; للم: لم), behind و or ف and
// the prepositions ب, ك; empty where the word has no article.
QStringView afterArticle(const QString& word)
{
    QStringView rest = withoutConjunction(word);
    if (rest.startsWith(u"\u0644\u0644")) // لل, ل with the article
        return rest.mid(2);
    if (rest.startsWith(u'\u0628') || rest.startsWith(u'\u0643')) // ب ك
        rest = rest.mid(1);
    return rest.startsWith(u"\u0627\u0644") ? rest.mid(2) : QStringView(); // ال
}

// Whether the translation's first sense is a Persian plural in ها (ثانیه‌ها;
// آهنگ‌ها with an aside in brackets after it).
bool persianPlural(const QString& translation)
{
    const QString phrase = mainPhrase(translation.section(u'\n', 0, 0));
    return phrase.section(u'(', 0, 0).trimmed().endsWith(u"\u0647\u0627"); // ها
}

// Whether the word is the headword of four letters with the article in front and ي after it,
// read as a defective plural that drops its ي without the article (بالثواني → ثوان, seconds),
// though the headword is no plural: a ي after a singular is a nisba's, an adjective of its own
// (السحابي, cloud-, is no form of سحاب, cloud).
bool nisbaAsDefective(const QString& word, const DictionaryForm& form)
{
    if (!word.endsWith(u'\u064A') || form.headword.size() != 4)
        return false;
    return afterArticle(word) == QString(form.headword + u'\u064A') &&
           !persianPlural(form.translation);
}

// The pronouns written after an Arabic noun or verb (ه, هم, كما, نا and the others).
const QStringList& arabicPronouns()
{
    static const QStringList pronouns = {
        u"\u0647"_s,       u"\u0647\u0627"_s, u"\u0647\u0645"_s, u"\u0647\u0645\u0627"_s,
        u"\u0647\u0646"_s, u"\u0643"_s,       u"\u0643\u0645"_s, u"\u0643\u0646"_s,
        u"\u064A"_s,       u"\u0646\u0627"_s, u"\u0646\u064A"_s};
    return pronouns;
}

// Whether the Arabic word is the headword in ي with its last letter written ا before a pronoun,
// which only a ى is (مستواه, of مستوى): خطاه (his steps) is no form of خطي (linear), قواه (his
// powers) none of قوي (strong). A verb in ي is one in ى as the web often writes it (اعطي for
// أعطى: اعطاه).
bool yaWrittenAlif(const QString& word, const DictionaryForm& form)
{
    const QString& headword = form.headword;
    if (headword.size() < 2 || !headword.endsWith(u'\u064A') || hasPastTenseSense(form.translation))
        return false;
    const QString alif = headword.chopped(1) + u'\u0627';
    const QStringView rest = withoutConjunction(word);
    return std::any_of(arabicPronouns().cbegin(), arabicPronouns().cend(),
                       [&](const QString& p) { return rest == QString(alif + p); });
}

// A noun in اة has its ة written ت before a pronoun (بحياتهم: حياة, life). The word is read so
// before it is read as the sound plural of the noun in ة one letter shorter (حيات of حية,
// snakes).
QList<DictionaryForm> singularInAatFirst(const QString& word, QList<DictionaryForm> found)
{
    const auto singular = std::find_if(found.begin(), found.end(), [&](const DictionaryForm& f) {
        return f.headword.endsWith(u"\u0627\u0629") && // اة
               std::any_of(arabicPronouns().cbegin(), arabicPronouns().cend(),
                           [&](const QString& p) {
                               return word.endsWith(QString(f.headword.chopped(1) + u'\u062A' + p));
                           });
    });
    if (singular == found.end())
        return found;
    const QString shorter = singular->headword.chopped(2) + u'\u0629';
    const auto plural = std::find_if(
        found.begin(), singular, [&](const DictionaryForm& f) { return f.headword == shorter; });
    if (plural != singular)
        std::rotate(plural, singular, singular + 1);
    return found;
}

// Whether the Arabic word is a preposition with the nisba adjective's feminine, which after a
// preposition is the abstract noun made of it, no form of the adjective: بشرعية is "with
// legitimacy" (شرعية), not a form of شرعي (legitimate). So is the feminine with a pronoun.
bool abstractNounOfNisba(const QString& word, const DictionaryForm& form)
{
    const QStringView rest = withoutConjunction(word);
    if (!form.headword.endsWith(u'\u064A') || form.headword.size() < 3) // ي
        return false;
    // So is its feminine with a pronoun, which no adjective takes: شرعيته is "its legitimacy".
    // A verb in ي keeps its perfect's ت: نسيتها is "I forgot it".
    const QString feminine = form.headword + u'\u062A'; // ت before a pronoun
    if (!hasPastTenseSense(form.translation) &&
        std::any_of(ArabicPronouns.cbegin(), ArabicPronouns.cend(), [&](QStringView p) {
            return nounPronoun(p) && rest.endsWith(QString(feminine + p));
        }))
        return true;
    return rest.size() > 4 && QStringView(u"\u0628\u0644\u0643").contains(rest.front()) && // ب ل ك
           rest.endsWith(u"\u064A\u0629") && rest.mid(1).chopped(1) == form.headword;      // ية
}

// Whether two Arabic words are the same but for a last ي written ى, as much text writes it
// (تمادى: ت with مادى, مادي).
bool sameLastYa(QStringView word, QStringView headword)
{
    const auto plain = [](QStringView w) {
        return w.endsWith(u'\u0649') ? QString(w.chopped(1) + u'\u064A') : w.toString();
    };
    return plain(word) == plain(headword);
}

// Whether the Arabic headword has the pattern فعيل, of nouns and adjectives (نعيم, كبير), which
// no verb has: four letters with ي the third, the first no ت or alif, the second no long
// vowel (ضايق, the verb's فاعل).
bool faiilPattern(QStringView headword)
{
    return headword.size() == 4 && headword[2] == u'\u064A' &&
           !QStringView(u"\u062A\u0627\u0623\u0625").contains(headword.front()) &&
           !QStringView(u"\u0627\u0648\u064A").contains(headword[1]);
}

// The readings of an Arabic word that its letters allow, verbs first where it may be an
// imperfect.
QList<DictionaryForm> arabicReadings(const QString& word, QList<DictionaryForm> found)
{
    found.removeIf([&](const DictionaryForm& f) {
        return (nominalProclitic(word, f.headword) && clearlyVerb(f)) ||
               imperfectOnNoun(word, f.headword);
    });
    found.removeIf([&](const DictionaryForm& f) {
        return perfectOnNoun(word, f) || verbPatternOnNoun(word, f) || nisbaAsDefective(word, f) ||
               yaWrittenAlif(word, f) || abstractNounOfNisba(word, f);
    });
    // A plural in ين whose ون form is a headword is that word (تسعين: تسعون before تسع).
    if (word.endsWith(u"\u064A\u0646")) {
        const QStringView bare = afterArticle(word);
        const QString nominative =
            (bare.isEmpty() ? QStringView(word) : bare).chopped(2).toString() + u"\u0648\u0646";
        std::stable_partition(found.begin(), found.end(), [&](const DictionaryForm& f) {
            return nominative.endsWith(f.headword) && f.headword.size() >= nominative.size() - 1;
        });
    }
    // A last ي is more often a nisba's or a word's own than "my": ورمي is و with رمي (throwing)
    // before it is "my ورم". Not where no other reading keeps that ي, or a verb's ى written
    // so: لحمي is "my meat" (لحم) before it is ل with حمى (fever), فقري "my poverty" before ف
    // with قرى (villages).
    const bool ownYa = std::any_of(found.cbegin(), found.cend(), [&](const DictionaryForm& f) {
        const bool ya = f.headword.endsWith(u'\u064A') ||
                        (f.headword.endsWith(u'\u0649') && hasPastTenseSense(f.translation));
        return ya && !possessiveOf(word, f.headword);
    });
    if (ownYa) {
        std::stable_partition(found.begin(), found.end(), [&](const DictionaryForm& f) {
            return !possessiveOf(word, f.headword);
        });
    }
    // An Arabic word in ي, ت or ن may be a verb's imperfect: its verbs before the nouns that
    // share its letters (يرسل: أرسل before رسل). So may a word of four letters in أ, the
    // first person (أقول: قال before قول). The Persian translation of a verb is a past tense.
    // No verb takes the plural ending ات (توقعات, expectations).
    const bool imperfect = (QStringView(u"\u064A\u062A\u0646").contains(word.front()) ||
                            (word.size() == 4 && word.front() == u'\u0623')) &&
                           !word.endsWith(u"\u0627\u062A");
    const auto verb = [](const DictionaryForm& f) {
        return persianPastTense(f.translation.section(u'\n', 0, 0));
    };
    // Where ت, ن or أ is taken off and leaves the very letters of a noun, it was no
    // imperfect's: ترصيف (paving) is no form of رصيف (pavement), nor أليف (tame) of ليف
    // (fibre), nor أجراء (hired men) of جراء (because of), nor تمادى (persisted) of مادي. A
    // word of the pattern فعيل is no verb, whatever its translation ends in: تنعيم (smoothing)
    // is no form of نعيم (bliss, "نعمت"). تتعارض keeps its verb تعارض, and the question's أ an
    // imperfect (أتريد, do you want).
    if (word.startsWith(u'\u062A') || word.startsWith(u'\u0646') || word.startsWith(u'\u0623')) {
        const QStringView imperfectLetters = u"\u064A\u062A"; // ي ت
        found.removeIf([&](const DictionaryForm& f) {
            const bool question =
                word.front() == u'\u0623' && imperfectLetters.contains(f.headword.front());
            return (!verb(f) || faiilPattern(f.headword)) && !question &&
                   sameLastYa(QStringView(word).mid(1), f.headword) &&
                   !f.headword.startsWith(word.front());
        });
    }
    if (!imperfect)
        return found;
    // A verb that keeps its ت or ن (نشأ of نشأته) is read so no sooner than the nouns; the
    // fourth form keeps its أ (أقيم: أقام).
    std::stable_partition(found.begin(), found.end(), [&](const DictionaryForm& f) {
        return verb(f) && (word.front() == u'\u0623' || !f.headword.startsWith(word.front()));
    });
    // Where the ي was the imperfect's, what it leaves is a verb or nothing: يهم is no form
    // of أهم (most important), يقارب none of قريب (near; a relative). يومين keeps its ي: يوم. A
    // verb in a later sense, in words that leave no doubt, is one (يمثل: مثل, like; a proverb;
    // represented, "نمایندگی کرد").
    if (word.startsWith(u'\u064A')) {
        found.removeIf([&](const DictionaryForm& f) {
            return !verb(f) && !hasPastPhraseSense(f.translation) &&
                   !f.headword.startsWith(u'\u064A');
        });
    }
    return found;
}

// An Arabic word in ه read as the noun in ة written without its dots (صفقه: صفقة, a deal)
// before the word with the pronoun "his" (صفق, clapped), and a ت before a pronoun read as the
// noun's ة (قوتنا: قوة, strength) before a word in ت (قوت, food), where readers meet the noun
// ten times as often; كتابه stays "his book" (كتاب) before كتابة (writing).
QList<DictionaryForm> tehMarbutaFirst(DictionaryRecordset& recordset, const QString& word,
                                      QList<DictionaryForm> found)
{
    constexpr int Step = 100; // zipf times 100
    // The word as written before its ة, and the noun's letters before it: صفقه as صفق, صفق;
    // قوتنا as قوت, قو.
    QList<std::pair<QString, QString>> readings;
    if (word.endsWith(u'\u0647'))
        readings.append({word.chopped(1), word.chopped(1)});
    for (const QStringView pronoun : ArabicPronouns) {
        if (!nounPronoun(pronoun))
            continue;
        const QString written = word.chopped(std::min(pronoun.size(), word.size()));
        if (word.endsWith(pronoun) && written.size() > 2 && written.endsWith(u'\u062A')) {
            readings.append({written, written.chopped(1)});
            break;
        }
    }
    for (const auto& [written, letters] : std::as_const(readings)) {
        const auto noun = std::find_if(found.begin(), found.end(), [&](const DictionaryForm& f) {
            return f.headword.endsWith(u'\u0629') && letters.endsWith(f.headword.chopped(1));
        });
        if (noun == found.end())
            continue;
        const std::optional<int> ofNoun = recordset.zipfPercentOf(noun->headword);
        const auto other = std::find_if(found.begin(), noun, [&](const DictionaryForm& f) {
            return written.endsWith(f.headword);
        });
        if (other == noun || !ofNoun)
            continue;
        const std::optional<int> ofOther = recordset.zipfPercentOf(other->headword);
        if (!ofOther || *ofNoun - *ofOther >= Step)
            std::rotate(other, noun, noun + 1);
        return found;
    }
    return found;
}

// The Arabic word's letters without hamza and the letters that vary with it: أ إ آ ى as ا, ؤ as
// و, ئ as ي (a last one as the hamza alone), ة as ه. شيئ and شيء, الى and إلى are one word.
QString plainLetters(const QString& headword)
{
    QString key;
    for (qsizetype i = 0; i < headword.size(); ++i) {
        const QChar c = headword[i];
        switch (c.unicode()) {
        case 0x0621: // ء
            break;
        case 0x0622: // آ
        case 0x0623: // أ
        case 0x0625: // إ
        case 0x0649: // ى
            key += u'\u0627';
            break;
        case 0x0624: // ؤ
            key += u'\u0648';
            break;
        case 0x0626: // ئ, a last one the hamza alone (شيئ, شيء)
            if (i + 1 < headword.size())
                key += u'\u064A';
            break;
        case 0x0629: // ة
            key += u'\u0647';
            break;
        default:
            key += c;
        }
    }
    return key;
}

// The article stands before a noun, never before a particle or a pronoun: الفي is no form of
// في (in), nor الما of ما (what), واللى of لي (to me), وبالله of له (to him), العلى (the
// heights) of على (on). A headword of two or three letters that ends in a long vowel or ه and
// that readers meet a million times or more (zipf 6) is one; the nouns this short end otherwise
// (الكل, اليد) or are met less often (الزي, أبو).
QList<DictionaryForm> noParticleAfterArticle(DictionaryRecordset& recordset, const QString& word,
                                             QList<DictionaryForm> found)
{
    constexpr int ParticleZipf = 600; // zipf times 100
    constexpr qsizetype LongestParticle = 3;
    QString stem = afterArticle(word).toString();
    if (stem.size() < 2 || stem.size() > LongestParticle ||
        !QStringView(u"\u0627\u0648\u064A\u0649\u0647").contains(stem.back()))
        return found;                             // ا و ي ى ه
    if (stem.size() == 2 && stem[1] == u'\u0649') // ى, a last ي as Egyptian writing spells it
        stem[1] = u'\u064A';
    // Also without its hamza and with ي for ى: الالي is no form of إلى.
    QString written = stem;
    if (written.endsWith(u'\u064A'))
        written.back() = u'\u0649';
    const QString plain = plainLetters(written);
    found.removeIf([&](const DictionaryForm& f) {
        if (f.headword != stem && plainLetters(f.headword) != plain)
            return false;
        const std::optional<int> zipf = recordset.zipfPercentOf(f.headword);
        return zipf && *zipf >= ParticleZipf;
    });
    return found;
}

// A Swedish past in -de or -te (upprörde, kränkte) is its verb's before it is the weak
// masculine of the participle in -d or -t (den upprörde), which readers seldom meet; the
// analyser or the irregular list has to know it as the verb's. The weak form of one in -ad
// (avancerade) is every weak form's and stays.
QList<DictionaryForm> swedishPastFirst(const BaseForms* analyser, const QString& word,
                                       QList<DictionaryForm> found)
{
    const QString w = word.toLower();
    if (!analyser || found.size() < 2 || !(w.endsWith(u"de") || w.endsWith(u"te")))
        return found;
    const QString participle = found.front().headword.toLower();
    if (participle + u'e' != w || participle.endsWith(u"ad"))
        return found;
    const auto verb = std::find_if(found.begin() + 1, found.end(), [&](const DictionaryForm& f) {
        return f.headword.endsWith(u'a') &&
               (analyser->derives(word, f.headword) ||
                InflectionRules::isListedForm(DictionaryId::Swedish, f.headword, w));
    });
    if (verb != found.end())
        std::rotate(found.begin(), verb, verb + 1);
    return found;
}

// A Swedish plural in -ar of a noun in -e or -are (tomte: tomtarna; romare: romarnas) is that
// noun's before it is a rule's plural of the word without the ending (tomt, Rom), where the
// spell-checker does not know the longer noun as a word of its own or names it alone for the
// word. fiskarna stays fisk before fiskare: the spell-checker reads it as fisk's.
QList<DictionaryForm> swedishLongerNounFirst(const BaseForms* analyser, const QString& word,
                                             QList<DictionaryForm> found)
{
    const QString w = word.toLower();
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString shorter = found.at(i).headword.toLower();
        if (!w.startsWith(shorter + u"ar"))
            continue;
        for (qsizetype j = i + 1; j < found.size(); ++j) {
            const QString longer = found.at(j).headword.toLower();
            if (longer != shorter + u'e' && longer != shorter + u"are")
                continue;
            if (!analyser || !analyser->isDictionaryForm(found.at(j).headword) ||
                (analyser->derives(word, longer) && !analyser->derives(word, shorter)))
                found.move(j, i);
            break;
        }
    }
    return found;
}

// Whether the Arabic headword is a phrase of a particle and a word, as its translation begins
// with the particle's Persian: وأن "و اینکه" (and that), بصفة "به عنوانِ" (in the capacity of);
// باب "در" (a door) is a word.
bool particlePhrase(const DictionaryForm& form)
{
    static const QHash<QChar, QStringList> persian = {
        {u'\u0648', {u"\u0648"_s}},                                      // و: و
        {u'\u0641', {u"\u067E\u0633"_s, u"\u0648"_s}},                   // ف: پس، و
        {u'\u0628', {u"\u0628\u0647"_s, u"\u0628\u0627"_s}},             // ب: به، با
        {u'\u0644', {u"\u0628\u0631\u0627\u06CC"_s, u"\u0628\u0647"_s}}, // ل: برای، به
        {u'\u0643',
         {u"\u0645\u0627\u0646\u0646\u062F"_s, u"\u0645\u062B\u0644"_s}}}; // ك: مانند، مثل
    if (form.headword.size() < 3)
        return false;
    const QStringList starts = persian.value(form.headword.front());
    const QString first = form.translation.section(u' ', 0, 0);
    return starts.contains(first);
}

// Some Arabic headwords are phrases of a particle and a word (وأن, and that; بصفة, in the
// capacity of). A word they are found for (وأنني, بصفتها) is first the word without the
// particle, where that or a longer word it begins is found too: أنني, صفة.
QList<DictionaryForm> particlePhrasesLast(QList<DictionaryForm> found)
{
    const auto phrase = [&](const DictionaryForm& f) {
        if (!particlePhrase(f))
            return false;
        const QStringView rest = QStringView(f.headword).mid(1);
        return std::any_of(found.cbegin(), found.cend(),
                           [&](const DictionaryForm& g) { return g.headword.startsWith(rest); });
    };
    std::stable_partition(found.begin(), found.end(),
                          [&](const DictionaryForm& f) { return !phrase(f); });
    return found;
}

// A word with the article in front (اليماني: ال with يماني, Yemeni) is read so before it is read
// as a headword that is only another's spelling without its hamza and begins with the
// article's letters (اليم for أليم, painful, with a pronoun after it).
QList<DictionaryForm> articleBeforeHamzaless(const QString& word, QList<DictionaryForm> found)
{
    static const QString article = u"\u0627\u0644"_s; // ال
    static const QString hamzaless = u"(\u0646\u06AF\u0627\u0631\u0634 \u0628\u06CC\u200C"
                                     u"\u0647\u0645\u0632\u0647)"_s; // (نگارش بی‌همزه)
    if (!word.startsWith(article))
        return found;
    std::stable_partition(found.begin(), found.end(), [&](const DictionaryForm& f) {
        return !f.headword.startsWith(article) || !f.translation.startsWith(hamzaless);
    });
    return found;
}

} // namespace

QList<DictionaryForm> BaseFormLookup::formsOfVerb(DictionaryRecordset& recordset,
                                                  const QString& verb,
                                                  const QList<DictionaryForm>& found)
{
    // The verbs first, since only a verb takes the pronouns (démosle: dar, not demo), then in
    // the order the verb form's own look-up gives them (cree of creer before cree of crear),
    // and the verb form itself, a headword as a noun too, last (ayúdame: ayudar, ayuda).
    QStringList ofVerb;
    if (BaseForms* forms = analyser(DictionaryId::Spanish))
        ofVerb << forms->candidates(verb);
    ofVerb << recordset.headwordsOfForm(verb, MostForms) << verb;
    const auto rank = [&](const DictionaryForm& f) {
        return std::find_if(
                   ofVerb.cbegin(), ofVerb.cend(),
                   [&](const QString& h) { return WordComparison::sameWord(h, f.headword); }) -
               ofVerb.cbegin();
    };
    QList<DictionaryForm> kept;
    for (const DictionaryForm& f : found) {
        if (rank(f) < ofVerb.size())
            kept << f;
    }
    const auto order = [&](const DictionaryForm& f) {
        return std::pair(!isInfinitiveOrGerund(f.headword), rank(f));
    };
    std::stable_sort(kept.begin(), kept.end(),
                     [&](const auto& a, const auto& b) { return order(a) < order(b); });
    return kept;
}

// An English word in German or Swedish text (setting, reports, basketball) is neither a
// compound of the language nor one of its forms: setting is no ting, reports no ort. A word
// the language's own spell-checker knows, written small or with a capital, keeps its forms
// (Cowboys, teams), and so does one English does not know as written small (names).
bool BaseFormLookup::englishOnly(DictionaryId id, const QString& word)
{
    if (id != DictionaryId::German && id != DictionaryId::Swedish)
        return false;
    BaseForms* own = analyser(id);
    if (!own)
        return false;
    if (own->isWord(word) || own->isWord(withCapital(word)))
        return false;
    BaseForms* english = analyser(DictionaryId::English);
    return english && english->isWord(word.toLower());
}

namespace {

// Whether a headword's translation says that it is itself a form of another word: a note of
// its tense, mood, person, number or case, "(گذشته)", "(شرطی)", "(جمع)", "(شکل معین)"
// (hielt, iría, Bücher), or a Persian tense for its first sense (andavo, "می‌رفتم").
bool translatesAForm(const QString& translation)
{
    static const QRegularExpression note(
        u"\\((\u062C\u0645\u0639|\u06AF\u0630\u0634\u062A\u0647|\u0632\u0645\u0627\u0646 |"
        u"\u0648\u062C\u0647 |\u0634\u0631\u0637\u06CC|\u0634\u06A9\u0644 \u0645\u0639\u06CC\u0646|"
        u"\u0634\u06A9\u0644 \u06A9\u0648\u062A\u0627\u0647|\u062D\u0627\u0644\u062A |"
        u"\u0627\u0648\u0644 \u0634\u062E\u0635|\u062F\u0648\u0645 \u0634\u062E\u0635|"
        u"\u0633\u0648\u0645 \u0634\u062E\u0635|\u062E\u0637\u0627\u0628 |"
        u"\u0627\u0633\u0645 \u0645\u0641\u0639\u0648\u0644)"_s);
    return translation.contains(note) || persianTenseFirst(translation);
}

// Whether the Italian headword is the verb's participle (crollato of crollare, immesso of
// immettere): where the verb is a headword met at least as often, it is the dictionary form of
// the participle's forms (crollata, immessi).
bool italianParticipleOf(const QString& headword, const QString& verb)
{
    const QString h = headword.toLower();
    // A reflexive verb's participle is its plain verb's: rilassato of rilassarsi.
    const QString v = verb.endsWith(u"rsi") ? verb.toLower().chopped(2) + u'e' : verb.toLower();
    if (h.size() < 4 || v.size() < 5)
        return false;
    const QString stem = v.chopped(3);
    const QString ending = v.endsWith(u"are")   ? u"ato"_s
                           : v.endsWith(u"ere") ? u"uto"_s
                           : v.endsWith(u"ire") ? u"ito"_s
                                                : QString();
    if (!ending.isEmpty() && h == stem + ending)
        return true;
    // An irregular participle is listed with its feminine and plural (fatto, fatta, fatte;
    // prodotto of produrre), a past in -o without them (misero, of mettere, is the
    // adjective's too).
    const auto listed = [&](const QString& form) {
        return InflectionRules::isListedForm(DictionaryId::Italian, verb, form);
    };
    const QString base = h.chopped(1);
    return h.endsWith(u'o') && listed(h) && listed(base + u'a') && listed(base + u'e');
}

// The verb an Arabic headword that is itself an imperfect belongs to, where the word is
// another person of it: يريدوا and يريدون are of أراد, not of the headword يريد (he wants);
// يقولوا of قال. The clitic rules take the imperfect apart, and the first of their readings
// that is a headword translated as a Persian past is the verb. The imperfect itself with
// particles or pronouns (ويقول, يريده) shows its own entry.
QStringList arabicVerbOfImperfect(DictionaryRecordset& recordset, const QString& word,
                                  const DictionaryForm& form, const BaseForms* analyser)
{
    static const std::array<QStringView, 4> persons = {u"\u0648\u0627", u"\u0648\u0646",
                                                       u"\u064A\u0646", u"\u0627\u0646"};
    const QString& headword = form.headword;
    const qsizetype at = word.indexOf(headword);
    const QStringView after = at < 0 ? QStringView() : QStringView(word).mid(at + headword.size());
    if (!std::any_of(persons.cbegin(), persons.cend(),
                     [&](QStringView p) { return after.startsWith(p); }))
        return {};
    if (!analyser || headword.size() < 3 ||
        !QStringView(u"\u064A\u062A\u0646\u0623").contains(headword.front()) ||
        !persianTenseFirst(form.translation))
        return {};
    for (const QString& verb : analyser->candidates(headword)) {
        if (verb == headword)
            continue;
        const LookupResult r = lookUpTranslation(recordset, verb);
        if (r.outcome == LookupResult::Outcome::Found &&
            persianPastTense(r.translation.section(u'\n', 0, 0)))
            return {r.word.value_or(verb)};
    }
    return {};
}

// The headwords the found one is a form of that readers meet at least as often: a dictionary
// form is met more often than its forms, and a rarer headword of the same letters is another
// word (Kollegen is Kollege's, not Kolleg's). An Italian participle's, only its verb; a
// feminine's (certificata), its verb however often readers meet the participle's own word
// (certificato, a certificate).
QStringList commonerBases(DictionaryId id, DictionaryRecordset& recordset,
                          const DictionaryForm& form, bool participle, bool feminine)
{
    // An Arabic plural's translation names its singular in its first sense: "زندانیان (جمع
    // مسجون)". The rules make مساجين of مساج (massage) too.
    static const QRegularExpression singular(u"\\(\u062C\u0645\u0639 ([^)\\s]+)\\)"_s);
    if (const QRegularExpressionMatch named = singular.match(form.translation.section(u'\n', 0, 0));
        id == DictionaryId::Arabic && named.hasMatch())
        return isHeadword(recordset, named.captured(1)) ? QStringList{named.captured(1)}
                                                        : QStringList{};
    const QString& headword = form.headword;
    constexpr int Enough = 4;
    QStringList bases = recordset.headwordsOfForm(headword, Enough);
    if (participle) {
        bases.removeIf([&](const QString& base) { return !italianParticipleOf(headword, base); });
        // A participle the list translates as one, no noun (diagnosticato
        // "تشخیص‌داده‌شده", not risultato "نتیجه"), is its verb's form however
        // often readers meet it.
        if (persianParticiple(form.translation))
            return bases;
    }
    const std::optional<int> ofForm = recordset.zipfPercentOf(headword);
    bases.removeIf([&](const QString& base) {
        // A reflexive verb's participle is often an adjective of another sense (appropriato,
        // imbattuto), which only the frequency tells.
        if (participle && feminine && !base.endsWith(u"rsi"))
            return false;
        const std::optional<int> ofBase = recordset.zipfPercentOf(base);
        return !ofBase || (ofForm && *ofBase < *ofForm);
    });
    if (id == DictionaryId::Arabic) {
        std::stable_partition(bases.begin(), bases.end(), [&](const QString& base) {
            return !aatPluralOfOther(headword, base);
        });
    }
    return bases;
}

// Puts the base before the found form at `i`, moved from further down or looked up.
void putBefore(DictionaryRecordset& recordset, QList<DictionaryForm>& found, qsizetype i,
               QList<DictionaryForm>::iterator at, const QString& base)
{
    if (at != found.end()) {
        std::rotate(found.begin() + i, at, at + 1);
    } else if (const LookupResult r = lookUpTranslation(recordset, base);
               r.outcome == LookupResult::Outcome::Found) {
        found.insert(i, {r.word.value_or(base), r.translation});
        if (found.size() > BaseFormLookup::MostForms)
            found.removeLast();
    }
}

// Whether the Italian word ends as a feminine, also a participle's before a pronoun
// (formatasi, divertitevi; not with ti, which plurals end in: invitati).
bool italianFeminine(const QString& word)
{
    if (word.endsWith(u'a') || word.endsWith(u'e'))
        return true;
    static const std::array<QStringView, 4> pronouns = {u"si", u"ci", u"vi", u"mi"};
    return std::any_of(pronouns.cbegin(), pronouns.cend(), [&](QStringView p) {
        const QStringView w = QStringView(word).chopped(std::min(p.size(), word.size()));
        const bool participle =
            w.endsWith(u"ta") || w.endsWith(u"te") || w.endsWith(u"sa") || w.endsWith(u"se");
        return word.endsWith(p) && w.size() > 4 && participle;
    });
}

// An Italian participle that is a word of its own, met more often than its verb and not
// translated as a participle (prodotto, a product), comes before the verb whose irregular
// forms list it: prodotti is first the products, then produced.
void italianParticipleWordFirst(DictionaryRecordset& recordset, QList<DictionaryForm>& found)
{
    if (found.size() < 2)
        return;
    const QString& verb = found.front().headword;
    const auto word = std::find_if(found.begin() + 1, found.end(), [&](const DictionaryForm& f) {
        return italianParticipleOf(f.headword, verb) && !persianParticiple(f.translation);
    });
    if (word == found.end())
        return;
    const std::optional<int> ofWord = recordset.zipfPercentOf(word->headword);
    const std::optional<int> ofVerb = recordset.zipfPercentOf(verb);
    if (ofWord && (!ofVerb || *ofWord > *ofVerb))
        std::rotate(found.begin(), word, word + 1);
}

// Some headwords of the lists are forms of another (hielt of halten, iría of ir, andavo of
// andare, Bücher of Buch), as their translations say. The word the reader looked up
// is then most likely another form of that other headword, its dictionary form, which comes
// first: hielte is halten's before it is hielt's sister, andavi andare's, fueses ser's,
// drivits driva's (not drivit's), söners son's. So are an Italian participle's forms of its
// verb (crollata of crollare, not of crollato). Not in English and French, whose form
// headwords are mostly words of their own as well, which a word made of them is more often
// of: sawing is of saw (the tool), not of see; fûts of fût (a cask), not of être.
QList<DictionaryForm> dictionaryFormsFirst(DictionaryId id, DictionaryRecordset& recordset,
                                           const QString& word, QList<DictionaryForm> found,
                                           const BaseForms* analyser)
{
    if (id != DictionaryId::German && id != DictionaryId::Italian && id != DictionaryId::Spanish &&
        id != DictionaryId::Swedish && id != DictionaryId::Arabic)
        return found;
    // After an elided article (sull'operato) the word is a noun or an adjective, and so is a
    // superlative (consigliatissimo).
    const bool adjective = word.contains(u'\'') || word.contains(u"issim");
    // A feminine (riassunta, formatasi) is the verb's participle, not the noun's (riassunto, a
    // summary).
    const bool feminine = italianFeminine(word);
    if (id == DictionaryId::Italian && !adjective && !feminine)
        italianParticipleWordFirst(recordset, found);
    // A Swedish word with a noun's definite or genitive ending is no verb's form: stacken is of
    // stack (a heap), not of sticka, though the headword stack is its past; åkern and åkers of
    // åker (a field), not of åka, though åker is its present.
    static const std::array<QStringView, 9> definite = {u"en",  u"et",  u"ens", u"ets", u"na",
                                                        u"nas", u"ern", u"eln", u"ers"};
    const bool noun =
        id == DictionaryId::Swedish && std::any_of(definite.cbegin(), definite.cend(),
                                                   [&](QStringView e) { return word.endsWith(e); });
    for (qsizetype i = 0; i < found.size(); ++i) {
        // An Arabic broken plural translates as a Persian plural (أصوات "صداها").
        const bool noted = translatesAForm(found[i].translation) ||
                           (id == DictionaryId::Arabic && persianPlural(found[i].translation));
        const bool participle =
            !noted && !adjective && id == DictionaryId::Italian && found[i].headword.endsWith(u'o');
        if (!noted && !participle)
            continue;
        QStringList bases = id == DictionaryId::Arabic
                                ? arabicVerbOfImperfect(recordset, word, found[i], analyser)
                                : QStringList{};
        if (bases.isEmpty())
            bases = commonerBases(id, recordset, found[i], participle, feminine);
        for (const QString& base : std::as_const(bases)) {
            const auto at = std::find_if(found.begin(), found.end(), [&](const auto& f) {
                return WordComparison::sameWord(f.headword, base);
            });
            if (at - found.begin() < i || (noun && base.endsWith(u'a')))
                continue;
            putBefore(recordset, found, i, at, base);
            break;
        }
    }
    return found;
}

// Some Arabic headwords are another's spelling without its hamza, with a hamza it should not
// have, or with ى for ا (دعى, written for دعا), as their translations say. Found with the usual
// spelling, they come after it: دعاني is دعا's before it is دعى's.
QList<DictionaryForm> usualSpellingFirst(QList<DictionaryForm> found)
{
    static const QString spellingNote = u"(\u0646\u06AF\u0627\u0631\u0634"_s; // (نگارش
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (!found[i].translation.startsWith(spellingNote))
            continue;
        const QString key = plainLetters(found[i].headword);
        const auto usual = std::find_if(found.begin() + i + 1, found.end(), [&](const auto& f) {
            return !f.translation.startsWith(spellingNote) && plainLetters(f.headword) == key;
        });
        if (usual != found.end())
            std::rotate(found.begin() + i, usual, usual + 1);
    }
    return found;
}

// A word of a one-letter particle and a whole headword is read so (بقاعة: ب with قاعة, in a
// hall; فمهما: ف with مهما, so whatever) before it is read as a shorter headword that begins
// with the particle's letter and takes an ending (بقاع, places, with ة; فم, mouth, with هما).
// Not where the shorter headword is a verb (فتحت: فتح, opened, before ف with تحت, under), an
// adjective in ي whose feminine the word is (فكرية: فكري, intellectual), or one readers meet at
// least as often: لعلنا is لعل (perhaps) with نا, not ل with علنا (publicly).
QList<DictionaryForm> particleAndWholeWordFirst(DictionaryRecordset& recordset, const QString& word,
                                                QList<DictionaryForm> found)
{
    constexpr qsizetype ShortestWhole = 3;
    if (word.size() <= ShortestWhole ||
        !QStringView(u"\u0648\u0641\u0628\u0644\u0643").contains(word.front())) // و ف ب ل ك
        return found;
    const QStringView rest = QStringView(word).mid(1);
    const auto whole = std::find_if(found.begin(), found.end(),
                                    [&](const DictionaryForm& f) { return f.headword == rest; });
    const auto shorter = std::find_if(found.begin(), whole, [&](const DictionaryForm& f) {
        return f.headword.startsWith(word.front()) && f.headword.size() < word.size();
    });
    if (whole == found.end() || shorter == whole)
        return found;
    // An alif after a verb makes its dual, rarer than a particle's word: وجدا is و with جدا.
    const bool dual = word == QString(shorter->headword + u'\u0627');
    if ((persianPastTense(shorter->translation.section(u'\n', 0, 0)) && !dual) ||
        (shorter->headword.endsWith(u'\u064A') && word == shorter->headword + u'\u0629'))
        return found;
    const std::optional<int> ofWhole = recordset.zipfPercentOf(whole->headword);
    const std::optional<int> ofShorter = recordset.zipfPercentOf(shorter->headword);
    if (!ofWhole || !ofShorter || *ofWhole > *ofShorter)
        std::rotate(shorter, whole, whole + 1);
    return found;
}

// Particles and pronouns take no attached pronoun, and most of them no preposition either:
// فليكن is no لي (to me) with كن, لكنا no لك (to you) with نا, باهي no آه (ah) with ب and
// ي, بيانا no يا with ب and نا, وليا no يا with و and ل. يا, أو, لو, إذ, هي, هو, آه and a
// preposition with its pronoun (لي, بي, لك, بك, له, به) stand alone or after و or ف (ويا,
// فلو, وله); لا and ما also after ب, ل or ك (بلا, لما, كما), never before an ending (لاكن).
// A preposition takes no ب or ك before it (بلدى is no ب with لدى), and a phrase that begins
// with the conjunction و or ف no letter at all: the conjunction comes first (بولا is no ب with
// ولا).
QList<DictionaryForm> noEndingOnParticles(const QString& word, QList<DictionaryForm> found)
{
    static const QStringList prepositions = {u"\u0644\u062F\u0649"_s, u"\u0625\u0644\u0649"_s,
                                             u"\u0639\u0644\u0649"_s, u"\u0639\u0646"_s,
                                             u"\u0641\u064A"_s,       u"\u0645\u0646\u0630"_s,
                                             u"\u0639\u0646\u062F"_s}; // لدى إلى على عن في منذ عند
    // Nor does a preposition take a dual's or plural's ending: عليان is a name, no two of على.
    const auto numbered = [&](const QString& preposition) {
        QString stem = preposition;
        if (stem.endsWith(u'\u0649'))
            stem.back() = u'\u064A';
        static const std::array<QStringView, 4> endings = {u"\u0627\u0646", u"\u064A\u0646",
                                                           u"\u0648\u0646", u"\u0627\u062A"};
        return std::any_of(endings.cbegin(), endings.cend(),
                           [&](QStringView e) { return word.endsWith(stem + e); });
    };
    found.removeIf([&](const DictionaryForm& f) {
        if (prepositions.contains(f.headword) && numbered(f.headword))
            return true;
        const qsizetype before = word.size() - f.headword.size() - 1;
        if (before < 0 || !word.endsWith(f.headword))
            return false;
        const bool conjunctionFirst = QStringView(u"\u0648\u0641").contains(f.headword.front());
        return (conjunctionFirst && particlePhrase(f)) ||
               (prepositions.contains(f.headword) &&
                QStringView(u"\u0628\u0643").contains(word.at(before))); // ب ك
    });
    static const QStringList alone = {u"\u064A\u0627"_s, u"\u0623\u0648"_s, u"\u0627\u0648"_s,
                                      u"\u0644\u0648"_s, u"\u0625\u0630"_s, u"\u0647\u064A"_s,
                                      u"\u0647\u0648"_s, u"\u0644\u064A"_s, u"\u0628\u064A"_s,
                                      u"\u0622\u0647"_s, u"\u0627\u0647"_s, u"\u0644\u0643"_s,
                                      u"\u0628\u0643"_s, u"\u0644\u0647"_s, u"\u0628\u0647"_s};
    static const QStringList noEnding = {u"\u0644\u0627"_s, u"\u0645\u0627"_s}; // لا ما
    const QStringView conjunction = u"\u0648\u0641";                            // و ف
    found.removeIf([&](const DictionaryForm& f) {
        if (f.headword == word)
            return false;
        if (noEnding.contains(f.headword))
            return !word.endsWith(f.headword);
        return alone.contains(f.headword) &&
               !(word.size() == f.headword.size() + 1 && conjunction.contains(word.front()) &&
                 word.endsWith(f.headword));
    });
    return found;
}

// The pronoun ني (me) follows a verb (a past, or an imperfect the list holds: يريدني) or one of
// a few particles (إنني, مني, كأنني), never a noun, whose "my" is ي alone: لبني is ل with بني
// (the sons of), or لبن with ي, no form of لب (a core).
QList<DictionaryForm> noVerbPronounOnNoun(const QString& word, QList<DictionaryForm> found)
{
    static const QStringList particles = {
        u"\u0645\u0646"_s,       u"\u0639\u0646"_s,
        u"\u0625\u0646"_s,       u"\u0623\u0646"_s,
        u"\u0627\u0646"_s,       u"\u0644\u0643\u0646"_s,
        u"\u0644\u064A\u062A"_s, u"\u0644\u0639\u0644"_s,
        u"\u0643\u0623\u0646"_s}; // من عن إن أن ان لكن ليت لعل كأن
    if (!word.endsWith(u"\u0646\u064A"))
        return found;
    // Also after the perfect's ت, which is a verb's too (بريتني, تركتني: no بري, no تركة).
    const auto beforeMe = [&](const QString& h) {
        const QString stem = h.endsWith(u'\u0629') ? h.chopped(1) : h;
        return word.endsWith(QString(h + u"\u0646\u064A")) ||
               word.endsWith(QString(stem + u"\u062A\u0646\u064A"));
    };
    found.removeIf([&](const DictionaryForm& f) {
        return f.headword.size() >= 2 && beforeMe(f.headword) && !particles.contains(f.headword) &&
               !hasPastTenseSense(f.translation) && !hasPastPhraseSense(f.translation) &&
               !persianTenseFirst(f.translation);
    });
    return found;
}

// Whether the headword is the conjunction و or ف with a headword, as its translation shows
// (وأكد: "و تأکید کرد", and he confirmed; فإذا: "پس اگر"). فهم (understood) and وجد (found) are
// words of their own.
bool conjunctionPhrase(DictionaryRecordset& recordset, const DictionaryForm& form)
{
    const QString& h = form.headword;
    if (h.size() < 3 || !(h.startsWith(u'\u0648') || h.startsWith(u'\u0641')) ||
        !isHeadword(recordset, h.mid(1)))
        return false;
    const QString first = mainPhrase(form.translation.section(u'\n', 0, 0));
    return first.startsWith(u"\u0648 ") || first.startsWith(u"\u067E\u0633 "); // "و " "پس "
}

// A headword that is a preposition with a noun and its article (بالمئة, per cent: ب with المئة;
// للغاية, very) is a phrase, which takes no ending: بالمئات is "by the hundreds", no form of
// بالمئة. A loanword that only begins so (بالون, a balloon) is no phrase. Nor is a headword with
// the article (اليوم, today), which takes no pronoun: اليوميه is اليومية, the daily. Nor does a
// conjunction with a verb take one: وأكدوا is و with أكدوا, of أكد, not a form of وأكد.
QList<DictionaryForm> noEndingOnPhrases(DictionaryRecordset& recordset, const QString& word,
                                        QList<DictionaryForm> found)
{
    found.removeIf([&](const DictionaryForm& f) {
        const QString& h = f.headword;
        // بال, لل and ال before a headword; not الت, which begins a verb (التقى, met).
        static const std::array<QStringView, 3> articles = {u"\u0628\u0627\u0644", u"\u0644\u0644",
                                                            u"\u0627\u0644"};
        const bool withArticle =
            !h.startsWith(u"\u0627\u0644\u062A") &&
            std::any_of(articles.cbegin(), articles.cend(), [&](QStringView a) {
                return h.startsWith(a) && h.size() > a.size() + 1 &&
                       isHeadword(recordset, h.mid(a.size()));
            });
        const bool phrase = withArticle || conjunctionPhrase(recordset, f);
        const bool written = word.endsWith(h) || (h.endsWith(u'\u0629') && // ة written ه
                                                  word.endsWith(QString(h.chopped(1) + u'\u0647')));
        return phrase && !written;
    });
    return found;
}

// A word of the conjunction و or ف and a whole headword is read so before the headword is cut
// further: وبذل is و with بذل (spent), before و and ب with ذل (humiliation); وبسبب is بسبب
// (because of) before سبب.
QList<DictionaryForm> conjunctionAndWholeWordFirst(const QString& word, QList<DictionaryForm> found)
{
    const QStringView rest = withoutConjunction(word);
    const auto whole = std::find_if(found.begin(), found.end(),
                                    [&](const DictionaryForm& f) { return f.headword == rest; });
    const auto cut = std::find_if(found.begin(), whole, [&](const DictionaryForm& f) {
        return f.headword.size() < rest.size() && rest.endsWith(f.headword);
    });
    if (whole != found.end() && cut != whole)
        std::rotate(cut, whole, whole + 1);
    return found;
}

// Whether what stands before a noun in an Arabic word is a noun's: nothing, the article, or
// the one-letter particles و, ف, ب, ل, ك (at most two of them).
bool nounsFront(QStringView before)
{
    const auto particle = [](QChar c) {
        return QStringView(u"\u0648\u0641\u0628\u0644\u0643").contains(c);
    };
    return before.endsWith(u"\u0627\u0644") || // ال
           (before.size() <= 2 && std::all_of(before.cbegin(), before.cend(), particle));
}

// A dual's ان is a noun's: a headword that is first a verb's past of two words or more (غضب
// "خشمگین شد", was angry) makes none with it; غضبان (angry) is an adjective of its own. Nor is
// an ان before a pronoun a dual's, which drops its ن there (كتاباه, his two books): أقرانهم is
// "their peers", no form of أقر. The imperfect's dual (يعملان, يعرفانه) keeps its verb.
QList<DictionaryForm> noDualWhereNoneIs(const QString& word, QList<DictionaryForm> found)
{
    found.removeIf([&](const DictionaryForm& f) {
        const QString dual = f.headword + u"\u0627\u0646"; // ان
        const qsizetype at = word.lastIndexOf(dual);
        if (at < 0 || !nounsFront(QStringView(word).left(at)))
            return false;
        const QStringView after = QStringView(word).mid(at + dual.size());
        if (!after.isEmpty())
            return std::find(ArabicPronouns.cbegin(), ArabicPronouns.cend(), after) !=
                   ArabicPronouns.cend();
        return persianPastPhrase(f.translation.section(u'\n', 0, 0));
    });
    return found;
}

// A literary word comes after the everyday one of the same sense that the word is a form of
// too: pelkäämään is pelätä's ("ترسیدن") before peljätä's ("ترسیدن (ادبی)").
QList<DictionaryForm> everydayWordFirst(QList<DictionaryForm> found)
{
    static const QString literary = u" (\u0627\u062F\u0628\u06CC)"_s; // (ادبی)
    if (found.size() < 2)
        return found;
    const QString sense = found.front().translation.section(u'\n', 0, 0);
    if (!sense.endsWith(literary))
        return found;
    const QString everyday = sense.chopped(literary.size());
    const auto same = std::find_if(found.begin() + 1, found.end(), [&](const DictionaryForm& f) {
        return f.translation.section(u'\n', 0, 0) == everyday;
    });
    if (same != found.end())
        std::rotate(found.begin(), same, same + 1);
    return found;
}

// An Arabic word's readings in the order the Arabic rules above give them.
QList<DictionaryForm> arabicOrder(DictionaryRecordset& recordset, const QString& word,
                                  QList<DictionaryForm> found)
{
    found = noParticleAfterArticle(recordset, word, arabicReadings(word, std::move(found)));
    found = noVerbPronounOnNoun(word, noEndingOnParticles(word, std::move(found)));
    found = noDualWhereNoneIs(word, std::move(found));
    found = noEndingOnPhrases(recordset, word, std::move(found));
    found = tehMarbutaFirst(recordset, word, singularInAatFirst(word, std::move(found)));
    found = particlePhrasesLast(articleBeforeHamzaless(word, std::move(found)));
    found = particleAndWholeWordFirst(recordset, word, usualSpellingFirst(std::move(found)));
    return conjunctionAndWholeWordFirst(word, std::move(found));
}

} // namespace

QList<DictionaryForm> BaseFormLookup::find(DictionaryId id, DictionaryRecordset& recordset,
                                           const QString& text)
{
    QList<DictionaryForm> found = formsOf(id, recordset, text);
    // An Arabic word with the conjunction و or ف in front that finds nothing is read as the
    // word after it, as the reader would: وأكدوا (and they confirmed) as أكدوا, of أكد. Where
    // the word after it is a headword, it is that headword. No word takes the conjunction
    // twice: ووسام is و with وسام (a medal), not with و and سام; ووعدت stays وعد's.
    if (!found.isEmpty() || id != DictionaryId::Arabic)
        return found;
    const QString word = withoutPunctuation(text);
    const QString rest = withoutConjunction(word).toString();
    if (rest.size() == word.size())
        return found;
    if (const LookupResult headword = lookUpTranslation(recordset, rest);
        headword.outcome == LookupResult::Outcome::Found)
        return {{headword.word.value_or(rest), headword.translation}};
    found = formsOf(id, recordset, rest);
    const QStringView again = withoutConjunction(rest);
    found.removeIf([&](const DictionaryForm& f) { return f.headword == again; });
    return found;
}

QList<DictionaryForm> BaseFormLookup::formsOf(DictionaryId id, DictionaryRecordset& recordset,
                                              const QString& text)
{
    const QString word = withoutPunctuation(text);
    if (word.isEmpty())
        return {};
    const DictionaryRecordset::ReadTogether together(recordset);
    Search search(id, recordset, text, analyser(id));
    QStringList written = writtenForms(id, text, word);
    written = swedishDeponent(id, recordset, word) + arabicWithHamza(id, recordset, word) + written;
    // After an article the word is a noun before it is a verb's form: l'analyse is analyse's
    // (an analysis) before it is analyser's.
    if (const QString noun = afterElidedArticle(id, word);
        !noun.isEmpty() && written.contains(noun) && isHeadword(recordset, noun))
        written.move(written.indexOf(noun), 0);
    const QString withoutPronouns =
        id == DictionaryId::Spanish ? spanishVerbWithoutPronouns(recordset, word) : QString();
    if (!withoutPronouns.isEmpty())
        written << withoutPronouns;
    for (const QString& w : std::as_const(written))
        search.addFormsOf(w);
    search.dropWordsOfOtherClass(word);
    if (search.isEmpty()) {
        for (const QString& w : otherSpellings(id, word))
            search.addFormsOf(w);
    }
    // A compound is one word of letters: a phrase or a number is no compound.
    const bool oneWord =
        std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); });
    if (search.isEmpty() && splitsCompounds(id) && oneWord)
        search.addCompoundParts(word);
    QList<DictionaryForm> found = search.found();
    if (!found.isEmpty() && (englishOnly(id, word) || possessiveOfPast(id, word, found)))
        return {};
    // With pronouns attached, only a form of the verb form alone is right: créeme is cree of
    // creer, not of crear, whatever the spell-checker's classes say.
    if (!withoutPronouns.isEmpty())
        found = formsOfVerb(recordset, withoutPronouns, found);
    if (const QString noun = afterPreposition(id, word); !noun.isEmpty()) {
        found.removeIf([&](const DictionaryForm& f) { return finiteVerbOf(id, noun, f.headword); });
    }
    const BaseForms* italian = id == DictionaryId::Italian ? analyser(id) : nullptr;
    const BaseForms* swedish = id == DictionaryId::Swedish ? analyser(id) : nullptr;
    found.removeIf([&](const DictionaryForm& f) {
        return verbFormOfNoVerb(id, word, f) || possessiveOfVerbForm(id, word, f) ||
               comparativeOfVerb(id, word, f) || verbFormOfName(id, word, f) ||
               verbFormOfAdverb(id, word, f) ||
               (id == DictionaryId::Swedish &&
                (swedishNounOfVerb(word, f) || swedishAgentNoun(swedish, word, f) ||
                 swedishFormOfName(word, f))) ||
               (id == DictionaryId::Italian &&
                (italianReadOtherwise(word, f, italian) || pluralOfVerbForm(word, f) ||
                 italianNoFormOf(word, f)));
    });
    switch (id) {
    case DictionaryId::Arabic:
        found = arabicOrder(recordset, word, found);
        break;
    case DictionaryId::German:
        found = germanNounGenitive(word, found);
        break;
    case DictionaryId::English:
    case DictionaryId::ComputerAndInternet:
        found = englishVerbsFirst(word, found);
        break;
    case DictionaryId::Swedish:
        found =
            swedishPastFirst(analyser(id), word, swedishLongerNounFirst(analyser(id), word, found));
        break;
    case DictionaryId::Finnish:
        found = finnishCommonerVerbFirst(recordset, finnishVerbsFirst(word, found));
        break;
    default:
        break;
    }
    return everydayWordFirst(dictionaryFormsFirst(id, recordset, word, found, analyser(id)));
}

// The Spanish verb form of a word with pronouns attached; empty where it has none. The most
// pronouns that leave a verb's form are taken off (siéntese is siente with se, not sien, a
// temple, with te and se); where no such form is left, only a word the spell-checker knows
// whole, with its pronouns (dámelo), is taken apart: móstoles is no mosto with les.
QString BaseFormLookup::spanishVerbWithoutPronouns(DictionaryRecordset& recordset,
                                                   const QString& word)
{
    BaseForms* forms = analyser(DictionaryId::Spanish);
    if (!forms)
        return {};
    const QStringList verbs = spanishWithoutPronouns(word, *forms);
    // A form of a verb: one the forms table or the analyser gives an infinitive for.
    const auto verbForm = std::find_if(verbs.cbegin(), verbs.cend(), [&](const QString& v) {
        QStringList lemmas = recordset.headwordsOfForm(v, MostForms);
        lemmas << v << forms->candidates(v);
        return std::any_of(lemmas.cbegin(), lemmas.cend(), isInfinitiveOrGerund);
    });
    if (verbForm != verbs.cend())
        return *verbForm;
    return verbs.isEmpty() || !forms->isWord(word) ? QString() : verbs.front();
}

QString notFoundWithForms(const QList<DictionaryForm>& forms)
{
    QString text = notFoundText();
    for (const DictionaryForm& form : forms)
        text += u"\n\n" + form.headword + u'\n' + form.translation;
    return text;
}

namespace {

// A translation longer than the program takes now, from an older database, is shown cut,
// and says so: laying out a megabyte of text would freeze the window for seconds.
QString shownTranslation(const QString& translation)
{
    if (WordLimits::translationFits(translation))
        return translation;
    return WordLimits::cutToFit(translation, WordLimits::MaxTranslationBytes) +
           // Left-to-right marks keep the English line's ends in place in the right-to-left box.
           QStringLiteral(
               "\n\n\u200E\u2026 The rest of this translation is too long to show.\u200E");
}

} // namespace

std::optional<QString> translationToShow(DictionaryId id, DictionaryRecordset& recordset,
                                         const QString& text, BaseFormLookup* baseForms)
{
    // No stored word is that long: not worth a statement, nor the analyser's time.
    if (!WordLimits::wordFits(text))
        return notFoundText();
    // The word and, where it is missing, its dictionary forms are read in one transaction: the
    // lock and the check that the file is unchanged once, not for each.
    const DictionaryRecordset::ReadTogether together(recordset);
    const LookupResult result = lookUpTranslation(recordset, text);
    switch (result.outcome) {
    case LookupResult::Outcome::Found:
        return shownTranslation(result.translation);
    case LookupResult::Outcome::NotFound:
        return notFoundWithForms(baseForms ? baseForms->find(id, recordset, text)
                                           : QList<DictionaryForm>{});
    case LookupResult::Outcome::Failed:
        // Another program holds the database: say not found at once rather than wait.
        if (recordset.lastOpenWasBusy())
            return notFoundText();
        break;
    }
    return std::nullopt;
}

QString translationBoxText(DictionaryId id, DictionaryRecordset& recordset, const QString& text,
                           BaseFormLookup* baseForms)
{
    return translationToShow(id, recordset, text, baseForms).value_or(notFoundText());
}

} // namespace lexaro
