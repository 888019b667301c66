#include "translation/inflection_rules.h"

#include "translation/inflection_lists.h"

#include <QHash>

#include <algorithm>
#include <optional>

#include <array>
#include <initializer_list>
#include <mutex>

namespace lexaro {

bool isVowel(QChar c)
{
    return QStringView(u"aeiouyäöüåéèêàáíóúìòùâîôûë").contains(c.toLower());
}

int vowelGroups(const QString& word)
{
    int groups = 0;
    bool inVowel = false;
    for (const QChar c : word) {
        const bool vowel = isVowel(c);
        groups += vowel && !inVowel;
        inVowel = vowel;
    }
    return groups;
}

QString withCapital(QString word)
{
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}

namespace {

using Forms = QStringList;

QString chop(const QString& word, qsizetype letters)
{
    return word.left(word.size() - letters);
}

bool isConsonant(QChar c)
{
    return c.isLetter() && !isVowel(c);
}

void addEndings(Forms& forms, const QString& stem, std::initializer_list<const char16_t*> endings)
{
    for (const char16_t* ending : endings)
        forms << stem + QString::fromUtf16(ending);
}

// ---- Irregular lists ----------------------------------------------------------------------

struct IrregularTable
{
    QHash<QString, QStringList> forms; // by dictionary form
    // The dictionary forms of four letters or more by their last four: the words built on
    // them are found without trying every one.
    QHash<QString, QStringList> byEnding;

    auto constFind(const QString& lemma) const { return forms.constFind(lemma); }
    auto cend() const { return forms.cend(); }
};

IrregularTable parseList(QStringView text)
{
    IrregularTable table;
    for (const QStringView line : text.split(u'\n', Qt::SkipEmptyParts)) {
        QStringList words;
        for (const QStringView w : line.split(u' ', Qt::SkipEmptyParts))
            words << w.toString();
        if (words.size() < 2)
            continue;
        const QString lemma = words.takeFirst();
        if (lemma.size() >= 4 && !table.forms.contains(lemma))
            table.byEnding[lemma.right(4)] << lemma;
        table.forms[lemma] << words;
    }
    return table;
}

const IrregularTable& irregulars(DictionaryId id)
{
    static std::array<IrregularTable, DictionaryCount> tables;
    static std::once_flag once;
    std::call_once(once, [] {
        for (const DictionaryEntry& e : DictionaryCatalog::entries())
            tables[static_cast<std::size_t>(e.id)] = parseList(irregularForms(e.id));
    });
    return tables[static_cast<std::size_t>(id)];
}

// German verbs whose prefix never takes ge- in the participle, and those that split off.
constexpr std::array<QStringView, 9> GermanInseparable = {u"be",  u"ver", u"er",   u"ent", u"emp",
                                                          u"zer", u"ge",  u"miss", u"über"};
constexpr std::array<QStringView, 22> GermanSeparable = {
    u"ab",  u"an",  u"auf",  u"aus",    u"bei",    u"ein",     u"mit", u"nach",
    u"vor", u"weg", u"zu",   u"zurück", u"fest",   u"her",     u"hin", u"los",
    u"um",  u"dar", u"fort", u"heraus", u"hinaus", u"zusammen"};

template <std::size_t N>
std::optional<QStringView> prefixOf(const QString& word, QStringView lemma,
                                    const std::array<QStringView, N>& from)
{
    for (const QStringView p : from) {
        if (word.size() == p.size() + lemma.size() && word.startsWith(p) && word.endsWith(lemma))
            return p;
    }
    return std::nullopt;
}

// German principal parts (third person present, past, participle) to the forms they make.
Forms germanStrongForms(const QStringList& parts)
{
    Forms forms = parts;
    if (parts.size() < 3)
        return forms;
    const QString& third = parts[0];
    const QString& past = parts[1];
    const QString& participle = parts[2];
    if (third.endsWith(u"st") || third.endsWith(u"ßt") || third.endsWith(u"zt"))
        forms << third;
    else if (third.endsWith(u't'))
        forms << chop(third, 1) + u"st";
    if (past.endsWith(u'e'))
        addEndings(forms, past, {u"n", u"st", u"t"});
    else
        addEndings(forms, past, {u"en", u"st", u"t", u"est"});
    addEndings(forms, participle, {u"e", u"en", u"em", u"er", u"es"});
    return forms;
}

// The forms of a German verb built on a strong one (vergeben on geben, from its table row
// `parts`): after an inseparable prefix the participle has no ge-, a separable one takes zu.
Forms germanPrefixedForms(const QString& word, const QString& prefix, const QString& lemma,
                          const QStringList& parts)
{
    Forms forms;
    const bool inseparable = prefixOf(word, lemma, GermanInseparable).has_value();
    for (const QString& f : germanStrongForms(parts)) {
        const bool participle = f.startsWith(u"ge") && !lemma.startsWith(u"ge");
        forms << prefix + (participle && inseparable ? f.mid(2) : f);
    }
    if (!inseparable)
        forms << prefix + u"zu" + lemma;
    return forms;
}

// The forms of a German word built on a listed one, from the list's row `parts`: a verb's
// (vergeben on geben), or a noun's plurals, whose row is shorter than a verb's three parts
// (Girokonten on Konto's Konten).
Forms germanBuiltForms(const QString& headword, const QString& lemma, const QStringList& parts)
{
    const QString word = headword.toLower();
    const QString prefix = word.chopped(lemma.size());
    Forms forms;
    if (headword.front().isLower()) {
        if (lemma.endsWith(u'n') && parts.size() >= 3) // a verb's, not Korn's
            forms << germanPrefixedForms(word, prefix, lemma, parts);
    } else if (parts.size() < 3) {
        for (const QString& f : parts)
            forms << headword.left(prefix.size()) + f.toLower();
    }
    return forms;
}

// The irregular forms of a headword, also of a longer verb built on an irregular one
// (understand → understood, vergeben → vergeben, mantener → mantuvo).
Forms irregularFormsOf(DictionaryId id, const QString& headword)
{
    const IrregularTable& table = irregulars(id);
    Forms forms;
    const bool german = id == DictionaryId::German;
    const QString word = headword.toLower();
    // A German noun takes no verb's principal parts: Vermögen (wealth) has none of vermögen's.
    const bool germanNoun = german && headword.front().isUpper();
    if (const auto it = table.constFind(word);
        it != table.cend() && !(germanNoun && word.endsWith(u'n') && it->size() >= 3))
        forms << (german && word.endsWith(u'n') ? germanStrongForms(*it) : *it);
    // Arabic words are not built by putting something in front.
    if (word.size() < 6 || id == DictionaryId::Arabic)
        return forms;
    for (const QString& lemma : table.byEnding.value(word.right(4))) {
        if (lemma.size() + 2 > word.size() || !word.endsWith(lemma))
            continue;
        const auto it = table.constFind(lemma);
        const QString prefix = word.left(word.size() - lemma.size());
        if (!german) {
            for (const QString& f : *it)
                forms << prefix + f;
            continue;
        }
        forms << germanBuiltForms(headword, lemma, *it);
    }
    return forms;
}

// ---- English ------------------------------------------------------------------------------

// Consonant, vowel, consonant at the end: the last consonant doubles (stop → stopped).
bool endsShortSyllable(const QString& w)
{
    const qsizetype n = w.size();
    return n >= 3 && isConsonant(w[n - 1]) && !QStringView(u"wxy").contains(w[n - 1]) &&
           isVowel(w[n - 2]) && w[n - 2] != u'y' && !isVowel(w[n - 3]);
}

// The plurals of the noun w (l in lower case): boxes, cities, heroes and pianos, knives.
Forms englishPlurals(const QString& w, const QString& l)
{
    Forms f;
    const QChar last = l.back();
    const QChar before = l.at(l.size() - 2);
    if (l.endsWith(u"sis") && l.size() > 4) // emphasis, emphases; crisis, crises
        f << chop(w, 2) + u"es";
    else if (l.endsWith(u's') || l.endsWith(u'x') || l.endsWith(u'z') || l.endsWith(u"ch") ||
             l.endsWith(u"sh"))
        f << w + u"es";
    else if (last == u'y' && isConsonant(before))
        f << chop(w, 1) + u"ies";
    else if (last == u'o' && isConsonant(before))
        f << w + u"es" << w + u"s";
    else
        f << w + u"s";
    if (l.endsWith(u"fe"))
        f << chop(w, 2) + u"ves";
    else if (last == u'f')
        f << chop(w, 1) + u"ves";
    return f;
}

Forms english(const QString& w)
{
    Forms f;
    const QString l = w.toLower();
    if (l.size() < 2 || l.contains(u' ') || !l.back().isLetter())
        return f;
    const QChar last = l.back();
    const QChar before = l.at(l.size() - 2);
    f << englishPlurals(w, l);

    if (l.size() < 3)
        return f; // the short verbs are all irregular; "us" is no verb
    if (last == u'e') {
        f << w + u"d";
        if (l.endsWith(u"ie"))
            f << chop(w, 2) + u"ying";
        else if (l.endsWith(u"ee") || l.endsWith(u"ye") || l.endsWith(u"oe"))
            f << w + u"ing";
        else
            f << chop(w, 1) + u"ing";
    } else if (last == u'y' && isConsonant(before)) {
        f << chop(w, 1) + u"ied" << w + u"ing";
    } else if (last == u'c' && isVowel(before)) {
        f << w + u"ked" << w + u"king";
    } else if (endsShortSyllable(l)) {
        const QString doubled = w + w.back();
        f << doubled + u"ed" << doubled + u"ing";
        // Stress decides for longer words: visited but preferred.
        if (vowelGroups(l) > 1)
            f << w + u"ed" << w + u"ing";
    } else {
        f << w + u"ed" << w + u"ing";
    }
    return f;
}

// ---- German -------------------------------------------------------------------------------

// The last a, o, u or au with its umlaut (Mann → Männ, Haus → Häus); empty without one.
QString umlauted(const QString& w)
{
    for (qsizetype i = w.size() - 1; i >= 0; --i) {
        const QChar c = w[i];
        const QChar lower = c.toLower();
        if (lower == u'u' && i > 0 && w[i - 1].toLower() == u'a')
            continue; // au: the a takes the umlaut
        if (lower == u'u' && i > 0 && (w[i - 1] == u'e' || w[i - 1] == u'ä'))
            return {};
        QChar with;
        if (lower == u'a')
            with = u'ä';
        else if (lower == u'o')
            with = u'ö';
        else if (lower == u'u')
            with = u'ü';
        else
            continue;
        QString result = w;
        result[i] = c.isUpper() ? with.toUpper() : with;
        return result;
    }
    return {};
}

Forms germanNoun(const QString& w)
{
    Forms f;
    addEndings(f, w, {u"e", u"en", u"s", u"nen"});
    // The genitive -es is of words that do not end in an unstressed -er, -el or -en: Mittleres
    // is no genitive of Mittler (des Mittlers).
    if (!w.endsWith(u"er") && !w.endsWith(u"el") && !w.endsWith(u"en"))
        f << w + u"es";
    // -n only after e, l or r (Blumen, Kartoffeln, Bauern); a noun in another vowel takes -s
    // (Klos, Autos: Klon, a clone, is no form of Klo).
    if (w.endsWith(u'e') || w.endsWith(u'l') || w.endsWith(u'r'))
        addEndings(f, w, {u"n", u"ns"});
    // The -er plural (Kinder, Männer), also of a long word through its last part (Fahrräder,
    // Wörterbücher). Where it is a singular noun of its own (Gesellschafter), the database
    // builder's check against the spell-checker's dictionary leaves it out.
    addEndings(f, w, {u"er", u"ern"});
    if (const QString u = umlauted(w); !u.isEmpty()) {
        addEndings(f, u, {u"e", u"en", u"er", u"ern"});
        // Only a word in -er, -el or -en is its umlaut alone: Väter, Mäntel, Gärten.
        if (w.endsWith(u"er") || w.endsWith(u"el") || w.endsWith(u"en"))
            f << u << u + u"n";
    }
    if (w.endsWith(u"um") || w.endsWith(u"us"))
        f << chop(w, 2) + u"en";
    else if (w.endsWith(u'a'))
        f << chop(w, 1) + u"en";
    return f;
}

Forms germanVerb(const QString& w)
{
    Forms f;
    const QString stem = w.endsWith(u"en") ? chop(w, 2) : chop(w, 1);
    if (stem.size() < 2)
        return f;
    const QChar last = stem.back();
    // A linking e after t and d, and after m or n behind another consonant (atmen, rechnen).
    const bool linking =
        last == u't' || last == u'd' ||
        ((last == u'm' || last == u'n') && stem.size() > 2 && isConsonant(stem[stem.size() - 2]) &&
         !QStringView(u"lrhm").contains(stem[stem.size() - 2]));
    const QString e = linking ? QStringLiteral("e") : QString();
    f << stem + u"e" << stem + e + u"st" << stem + e + u"t" << stem + u"t";
    addEndings(f, stem + e, {u"te", u"test", u"ten", u"tet"});
    QString participle;
    const auto separable =
        std::find_if(GermanSeparable.begin(), GermanSeparable.end(),
                     [&](QStringView p) { return w.startsWith(p) && w.size() >= p.size() + 5; });
    const bool inseparable =
        w.endsWith(u"ieren") ||
        std::any_of(GermanInseparable.begin(), GermanInseparable.end(),
                    [&](QStringView p) { return w.startsWith(p) && w.size() >= p.size() + 5; });
    if (separable != GermanSeparable.end()) {
        const QString rest = stem.mid(separable->size());
        participle = separable->toString() + u"ge" + rest + e + u"t";
        f << separable->toString() + u"zu" + w.mid(separable->size());
    } else if (inseparable) {
        participle = stem + e + u"t";
    } else {
        participle = u"ge" + stem + e + u"t";
    }
    f << participle;
    addEndings(f, participle, {u"e", u"en", u"em", u"er", u"es"});
    addEndings(f, w + u"d", {u"", u"e", u"en", u"em", u"er", u"es"});
    return f;
}

Forms germanAdjective(const QString& w)
{
    Forms f;
    // dunkel → dunkle, teuer → teure
    const QString inflecting =
        (w.endsWith(u"el") || w.endsWith(u"er")) && w.size() > 4 ? chop(w, 2) + w.back() : w;
    addEndings(f, inflecting, {u"e", u"en", u"em", u"er", u"es"});
    const QString comparative = inflecting + u"er";
    f << comparative;
    addEndings(f, comparative, {u"e", u"en", u"em", u"er", u"es"});
    const QChar last = w.back();
    const bool sibilant = QStringView(u"sßztdx").contains(last) || w.endsWith(u"sch");
    QStringList superlatives{w + (sibilant ? u"est" : u"st")};
    if (vowelGroups(w) == 1) {
        if (const QString u = umlauted(w); !u.isEmpty()) {
            f << u + u"er";
            addEndings(f, u + u"er", {u"e", u"en", u"em", u"er", u"es"});
            superlatives << u + (sibilant ? u"est" : u"st");
        }
    }
    for (const QString& s : superlatives) {
        f << s;
        addEndings(f, s, {u"e", u"en", u"em", u"er", u"es"});
    }
    return f;
}

// Whether the word is a German strong verb's participle (gelegen, gebeten) and no verb of its
// own: gelegt is of legen, gebetet of beten, neither of the participle.
bool strongParticiple(const QString& w)
{
    static const QSet<QString> participles = [] {
        QSet<QString> set;
        const IrregularTable& table = irregulars(DictionaryId::German);
        for (auto it = table.forms.cbegin(); it != table.forms.cend(); ++it) {
            if (it->size() >= 3 && it->at(2) != it.key())
                set.insert(it->at(2));
        }
        return set;
    }();
    return participles.contains(w);
}

Forms german(const QString& w)
{
    if (w.size() < 2 || w.contains(u' '))
        return {};
    if (w.front().isUpper())
        return germanNoun(w);
    Forms f = germanAdjective(w);
    if (w.size() > 3 && (w.endsWith(u"en") || w.endsWith(u"ern") || w.endsWith(u"eln")) &&
        !strongParticiple(w))
        f << germanVerb(w);
    return f;
}

// ---- Italian ------------------------------------------------------------------------------

Forms italianNominal(const QString& w)
{
    Forms f;
    if (w.endsWith(u"co") || w.endsWith(u"go")) {
        const QString s = chop(w, 1);
        f << s + u"hi" << s + u"i" << s + u"a" << s + u"he" << s + u"he";
    } else if (w.endsWith(u"io")) {
        f << chop(w, 1) << chop(w, 1) + u"a" << chop(w, 1) + u"e" << chop(w, 1) + u"i";
    } else if (w.endsWith(u'o')) {
        const QString s = chop(w, 1);
        f << s + u"i" << s + u"a" << s + u"e";
    } else if (w.endsWith(u"ca") || w.endsWith(u"ga")) {
        const QString s = chop(w, 1);
        f << s + u"he" << s + u"hi";
    } else if (w.endsWith(u"cia") || w.endsWith(u"gia")) {
        f << chop(w, 1) + u"e" << chop(w, 2) + u"e";
    } else if (w.endsWith(u'a')) {
        f << chop(w, 1) + u"e" << chop(w, 1) + u"i";
    } else if (w.endsWith(u'e')) {
        f << chop(w, 1) + u"i";
    }
    // A noun that has no feminine keeps its plural alone.
    if (InflectionRules::hasNoFeminine(w))
        f.removeIf([](const QString& form) { return !form.endsWith(u'i'); });
    return f;
}

// Adds the ending to the stem with the spelling changes of the first conjugation: cerc+i →
// cerchi, mangi+i → mangi, studi+i → studi.
QString italianJoin(const QString& stem, QStringView ending)
{
    const bool front = ending.startsWith(u'i') || ending.startsWith(u'e');
    if (front && (stem.endsWith(u'c') || stem.endsWith(u'g')))
        return stem + u'h' + ending;
    if (ending.startsWith(u'i') && stem.endsWith(u'i'))
        return stem + ending.mid(1);
    if (ending.startsWith(u'e') && (stem.endsWith(u"ci") || stem.endsWith(u"gi")))
        return chop(stem, 1) + ending;
    return stem + ending;
}

constexpr std::array<QStringView, 45> ItalianAre = {
    u"o",      u"i",      u"a",        u"iamo",  u"ate",   u"ano",    u"avo",  u"avi",    u"ava",
    u"avamo",  u"avate",  u"avano",    u"ai",    u"asti",  u"ò",      u"ammo", u"aste",   u"arono",
    u"erò",    u"erai",   u"erà",      u"eremo", u"erete", u"eranno", u"erei", u"eresti", u"erebbe",
    u"eremmo", u"ereste", u"erebbero", u"iate",  u"ino",   u"assi",   u"asse", u"assimo", u"assero",
    u"ando",   u"ato",    u"ata",      u"ati",   u"ate",   u"ante",   u"anti", u"arlo",   u"arsi"};
constexpr std::array<QStringView, 46> ItalianEre = {
    u"o",     u"i",      u"e",     u"iamo",   u"ete",    u"ono",    u"evo",    u"evi",
    u"eva",   u"evamo",  u"evate", u"evano",  u"ei",     u"esti",   u"é",      u"emmo",
    u"este",  u"erono",  u"ette",  u"ettero", u"erò",    u"erai",   u"erà",    u"eremo",
    u"erete", u"eranno", u"erei",  u"eresti", u"erebbe", u"eremmo", u"ereste", u"erebbero",
    u"a",     u"iate",   u"ano",   u"essi",   u"esse",   u"essimo", u"essero", u"endo",
    u"uto",   u"uta",    u"uti",   u"ute",    u"ente",   u"enti"};
constexpr std::array<QStringView, 51> ItalianIre = {
    u"o",      u"i",      u"e",      u"iamo",     u"ite",   u"ono",    u"isco", u"isci",
    u"isce",   u"iscono", u"isca",   u"iscano",   u"ivo",   u"ivi",    u"iva",  u"ivamo",
    u"ivate",  u"ivano",  u"ii",     u"isti",     u"ì",     u"immo",   u"iste", u"irono",
    u"irò",    u"irai",   u"irà",    u"iremo",    u"irete", u"iranno", u"irei", u"iresti",
    u"irebbe", u"iremmo", u"ireste", u"irebbero", u"a",     u"iate",   u"ano",  u"issi",
    u"isse",   u"issimo", u"issero", u"endo",     u"ito",   u"ita",    u"iti",  u"ite",
    u"ente",   u"enti",   u"irsi"};

Forms italian(const QString& w)
{
    Forms f;
    if (w.size() < 2 || w.contains(u' ') || w.contains(u'\''))
        return f;
    QString verb = w;
    if (w.endsWith(u"rsi") && w.size() > 5) // lavarsi → lavare
        verb = chop(w, 2) + u"e";
    const QString stem = chop(verb, 3);
    if (verb.size() > 4 && verb.endsWith(u"are")) {
        for (const QStringView e : ItalianAre)
            f << italianJoin(stem, e);
    } else if (verb.size() > 4 && verb.endsWith(u"ere")) {
        for (const QStringView e : ItalianEre)
            f << stem + e;
    } else if (verb.size() > 4 && verb.endsWith(u"ire")) {
        for (const QStringView e : ItalianIre)
            f << stem + e;
    }
    if (verb != w)
        f << verb;
    f << italianNominal(w);
    return f;
}

// ---- Spanish ------------------------------------------------------------------------------

QString withoutAccent(QString w)
{
    static const QHash<QChar, QChar> plain = {
        {u'á', u'a'}, {u'é', u'e'}, {u'í', u'i'}, {u'ó', u'o'}, {u'ú', u'u'}};
    for (QChar& c : w)
        c = plain.value(c, c);
    return w;
}

Forms spanishNominal(const QString& w)
{
    Forms f;
    const QChar last = w.back();
    if (w.endsWith(u'z')) {
        f << chop(w, 1) + u"ces";
    } else if (QStringView(u"aeiouáéó").contains(last)) {
        f << w + u"s";
        if (last == u'o')
            f << chop(w, 1) + u"a" << chop(w, 1) + u"as";
    } else if (QStringView(u"íú").contains(last)) {
        f << w + u"es" << w + u"s";
    } else if (w.endsWith(u"ís") || w.endsWith(u"ús")) {
        f << w + u"es"; // país → países
    } else if (w.endsWith(u"és")) {
        f << chop(w, 2) + u"eses"; // inglés → ingleses
    } else if (last != u's' && last != u'x') {
        // canción → canciones, inglés → ingleses; a stressed last syllable loses its accent.
        const qsizetype at = w.size() - 2;
        QString base = w;
        if (at >= 0 && QStringView(u"áéíóú").contains(w[at]))
            base = w.left(at) + withoutAccent(w.mid(at));
        f << base + u"es";
        if (w.endsWith(u"or") || w.endsWith(u"ón") || w.endsWith(u"és") || w.endsWith(u"án"))
            f << base + u"a" << base + u"as";
    }
    return f;
}

// The stem with its last e or o changed as the stem-changing verbs do (pensar → piens-,
// poder → pued-, pedir → pid-); empty without such a vowel.
QStringList spanishChangedStems(const QString& stem, bool thirdConjugation)
{
    QStringList stems;
    for (qsizetype i = stem.size() - 1; i >= 0; --i) {
        if (stem[i] == u'e') {
            stems << stem.left(i) + u"ie" + stem.mid(i + 1);
            if (thirdConjugation)
                stems << stem.left(i) + u"i" + stem.mid(i + 1);
            break;
        }
        if (stem[i] == u'o') {
            stems << stem.left(i) + u"ue" + stem.mid(i + 1);
            break;
        }
        if (isVowel(stem[i]))
            break;
    }
    return stems;
}

// The e and i of an ending change the consonant before it: busqu-é, lleg-ué, empec-é, coj-o.
QString spanishJoin(const QString& stem, QStringView ending, bool firstConjugation)
{
    const bool front = ending.startsWith(u'e') || ending.startsWith(u'é');
    const bool back = ending.startsWith(u'a') || ending.startsWith(u'o');
    if (firstConjugation && front) {
        if (stem.endsWith(u'c'))
            return chop(stem, 1) + u"qu" + ending;
        if (stem.endsWith(u'g'))
            return stem + u"u" + ending;
        if (stem.endsWith(u'z'))
            return chop(stem, 1) + u"c" + ending;
    }
    if (!firstConjugation && back && stem.endsWith(u'g') && !stem.endsWith(u"gu"))
        return chop(stem, 1) + u"j" + ending;
    // vencer: venzo, venza; after a vowel zc: nacer, nazco, nazca (no naco).
    if (!firstConjugation && back && stem.endsWith(u'c') && stem.size() >= 2)
        return chop(stem, 1) + (isVowel(stem.at(stem.size() - 2)) ? u"zc" : u"z") + ending;
    return stem + ending;
}

// No -ante or -iente: a present participle is an adjective or noun of its own (ejecutante, a
// performer; tranquilizante, a tranquilliser), no form of the verb.
constexpr std::array<QStringView, 49> SpanishAr = {
    u"o",      u"as",     u"a",     u"amos",  u"áis",    u"an",    u"é",       u"aste",   u"ó",
    u"asteis", u"aron",   u"aba",   u"abas",  u"ábamos", u"abais", u"aban",    u"aré",    u"arás",
    u"ará",    u"aremos", u"aréis", u"arán",  u"aría",   u"arías", u"aríamos", u"aríais", u"arían",
    u"e",      u"es",     u"emos",  u"éis",   u"en",     u"ara",   u"aras",    u"áramos", u"aran",
    u"ase",    u"ases",   u"asen",  u"ando",  u"ado",    u"ada",   u"ados",    u"adas",   u"ad",
    u"arse",   u"arlo",   u"arla",  u"ándose"};
constexpr std::array<QStringView, 47> SpanishEr = {
    u"o",     u"es",      u"e",       u"emos",  u"éis",    u"en",    u"í",      u"iste",
    u"ió",    u"imos",    u"isteis",  u"ieron", u"ía",     u"ías",   u"íamos",  u"íais",
    u"ían",   u"eré",     u"erás",    u"erá",   u"eremos", u"eréis", u"erán",   u"ería",
    u"erías", u"eríamos", u"erían",   u"a",     u"as",     u"amos",  u"áis",    u"an",
    u"iera",  u"ieras",   u"iéramos", u"ieran", u"iese",   u"iesen", u"iendo",  u"ido",
    u"ida",   u"idos",    u"idas",    u"ed",    u"erse",   u"erlo",  u"iéndose"};
constexpr std::array<QStringView, 46> SpanishIr = {
    u"o",       u"es",      u"e",     u"imos",   u"ís",    u"en",     u"í",    u"iste",
    u"ió",      u"isteis",  u"ieron", u"ía",     u"ías",   u"íamos",  u"íais", u"ían",
    u"iré",     u"irás",    u"irá",   u"iremos", u"iréis", u"irán",   u"iría", u"irías",
    u"iríamos", u"irían",   u"a",     u"as",     u"amos",  u"áis",    u"an",   u"iera",
    u"ieras",   u"iéramos", u"ieran", u"iese",   u"iesen", u"iendo",  u"ido",  u"ida",
    u"idos",    u"idas",    u"id",    u"irse",   u"irlo",  u"iéndose"};
// The persons whose stem carries the stress: the ones a stem change touches.
constexpr std::array<QStringView, 9> SpanishStressed = {u"o",  u"as", u"es", u"a", u"e",
                                                        u"an", u"en", u"e",  u"a"};

Forms spanish(const QString& w)
{
    Forms f;
    if (w.size() < 2 || w.contains(u' '))
        return f;
    QString verb = w;
    if ((w.endsWith(u"arse") || w.endsWith(u"erse") || w.endsWith(u"irse")) && w.size() > 5)
        verb = chop(w, 2); // lavarse → lavar
    if (verb.size() > 3 && (verb.endsWith(u"ar") || verb.endsWith(u"er") || verb.endsWith(u"ir"))) {
        const QString stem = chop(verb, 2);
        const bool first = verb.endsWith(u"ar");
        const bool third = verb.endsWith(u"ir");
        const auto& endings = first   ? QList<QStringView>(SpanishAr.begin(), SpanishAr.end())
                              : third ? QList<QStringView>(SpanishIr.begin(), SpanishIr.end())
                                      : QList<QStringView>(SpanishEr.begin(), SpanishEr.end());
        for (const QStringView e : endings)
            f << spanishJoin(stem, e, first);
        for (const QString& changed : spanishChangedStems(stem, third)) {
            for (const QStringView e : SpanishStressed)
                f << spanishJoin(changed, e, first);
        }
        if (verb != w)
            f << verb;
    }
    f << spanishNominal(w);
    return f;
}

// ---- French -------------------------------------------------------------------------------

Forms frenchNominal(const QString& w)
{
    Forms f;
    if (w.endsWith(u"al")) {
        f << chop(w, 1) + u"ux" << w + u"s" << w + u"e" << w + u"es";
    } else if (w.endsWith(u"eau") || w.endsWith(u"au") || w.endsWith(u"eu")) {
        f << w + u"x" << w + u"s";
    } else if (w.endsWith(u"eux")) {
        f << chop(w, 1) + u"se" << chop(w, 1) + u"ses";
    } else if (w.endsWith(u's') || w.endsWith(u'x') || w.endsWith(u'z')) {
        f << w + u"e" << w + u"es";
    } else {
        f << w + u"s" << w + u"e" << w + u"es";
    }
    if (w.endsWith(u"if"))
        f << chop(w, 1) + u"ve" << chop(w, 1) + u"ves";
    else if (w.endsWith(u"er"))
        f << chop(w, 2) + u"ère" << chop(w, 2) + u"ères";
    else if (w.endsWith(u"en") || w.endsWith(u"on") || w.endsWith(u"el") || w.endsWith(u"et"))
        f << w + w.back() + u"e" << w + w.back() + u"es";
    return f;
}

Forms french(const QString& w)
{
    Forms f;
    if (w.size() < 2 || w.contains(u' '))
        return f;
    const QString stem = chop(w, 2);
    if (w.size() > 3 && w.endsWith(u"er")) {
        // g and c keep their sound before a and o: mangeons, commençons.
        const QString soft = stem.endsWith(u'g')   ? stem + u"e"
                             : stem.endsWith(u'c') ? chop(stem, 1) + u"ç"
                                                   : stem;
        addEndings(f, stem, {u"e",      u"es",    u"ez",      u"ent",   u"ions",  u"iez",
                             u"é",      u"ée",    u"és",      u"ées",   u"era",   u"erai",
                             u"eras",   u"erons", u"erez",    u"eront", u"erais", u"erait",
                             u"erions", u"eriez", u"eraient", u"èrent"});
        addEndings(f, soft,
                   {u"ons", u"ais", u"ait", u"aient", u"ai", u"as", u"a", u"ant", u"âmes", u"âtes",
                    u"asse", u"ât"});
    } else if (w.size() > 3 && w.endsWith(u"ir")) {
        addEndings(f, stem, {u"is",     u"it",      u"issons",   u"issez", u"issent", u"issais",
                             u"issait", u"issions", u"issaient", u"ira",   u"irai",   u"iras",
                             u"irons",  u"irez",    u"iront",    u"irais", u"irait",  u"iraient",
                             u"isse",   u"issant",  u"i",        u"ie",    u"ies",    u"irent"});
    } else if (w.size() > 3 && w.endsWith(u"re")) {
        addEndings(f, stem,
                   {u"s", u"", u"ons", u"ez", u"ent", u"ais", u"ait", u"aient", u"u", u"ue", u"us",
                    u"ues", u"ra", u"rai", u"ront", u"rait", u"ant"});
    }
    f << frenchNominal(w);
    return f;
}

// ---- Swedish ------------------------------------------------------------------------------

// The forms of a Swedish word in a consonant: the noun's definite and plural, the adjective's
// neuter, plural and comparison.
Forms swedishInConsonant(const QString& w)
{
    Forms f;
    addEndings(f, w,
               {u"en", u"ens", u"et", u"ets", u"ar", u"ars", u"arna", u"arnas", u"er", u"ers",
                u"erna", u"ernas", u"s", u"t", u"a", u"e", u"are", u"ast", u"aste"});
    // A plural listed as a headword of its own takes the definite -na (grejor → grejorna);
    // after another ending -na is a participle's or a verb's (ingångna, kallna, skurna of
    // skära, not of skur).
    if (w.endsWith(u"or") || w.endsWith(u"ar") || w.endsWith(u"er"))
        f << w + u"na";
    // Unstressed -el, -er, -en lose their e: fågel → fåglar, vatten → vattnet.
    const QChar last = w.back();
    if (w.size() > 4 && (w.endsWith(u"el") || w.endsWith(u"er") || w.endsWith(u"en"))) {
        const QString s = chop(w, 2) + (w.endsWith(u"tten") ? QString() : QString(last));
        const QString syncope = w.endsWith(u"tten") ? chop(w, 2) + u"n" : s;
        addEndings(f, syncope, {u"ar", u"arna", u"et", u"en", u"er", u"erna", u"a", u"na"});
        f << w + u"n";
    }
    if (w.endsWith(u"en"))
        f << chop(w, 1) + u"t" << chop(w, 2) + u"na";
    if (last == u'd')
        f << chop(w, 1) + u"tt";
    return f;
}

Forms swedish(const QString& w)
{
    Forms f;
    if (w.size() < 2 || w.contains(u' '))
        return f;
    // A name (Sverige, Kina, Japan) takes the genitive -s only: Kind is no form of Kina, nor
    // japanerna (the Japanese) of Japan.
    if (w.front().isUpper()) {
        if (!w.endsWith(u's') && !w.endsWith(u'x') && !w.endsWith(u'z'))
            f << w + u"s";
        return f;
    }
    const QChar last = w.back();
    if (last == u'a') {
        const QString s = chop(w, 1);
        addEndings(f, s, {u"or", u"ors",  u"orna", u"ornas", u"an",  u"ans", u"ar", u"ade", u"at",
                          u"ad", u"ades", u"as",   u"er",    u"de",  u"te",  u"t",  u"d",   u"s",
                          u"es", u"da",   u"ta",   u"ande",  u"des", u"tes", u"ts"});
        addEndings(f, w, {u"n", u"ns", u"r", u"de", u"t", u"s", u"d", u"des", u"ts"});
        if (s.endsWith(u'r'))
            f << s; // köra → kör
        // A verb in -mma writes one m before the past's and the supine's endings: klämma,
        // klämde, klämt. (Of -nna, kanna and tunna would make kant and tunt.)
        if (s.endsWith(u"mm"))
            addEndings(f, chop(s, 1), {u"de", u"des", u"t", u"ts", u"d", u"da"});
    } else if (last == u'e') {
        const QString s = chop(w, 1);
        addEndings(f, s, {u"ar", u"ars", u"arna", u"arnas"});
        addEndings(f, w, {u"s", u"n", u"ns", u"t", u"ts", u"na", u"r", u"rna"});
        // A noun in -are is its own plural: författare, författarna, författarnas.
        if (w.endsWith(u"are") && w.size() > 5)
            addEndings(f, s, {u"na", u"nas"});
    } else if (isVowel(last)) {
        addEndings(f, w,
                   {u"n", u"ns", u"r", u"rna", u"t", u"ts", u"na", u"s", u"dde", u"tt", u"dd"});
    } else {
        f = swedishInConsonant(w);
    }
    return f;
}

// ---- Arabic -------------------------------------------------------------------------------

QString withoutMarks(const QString& w)
{
    QString plain;
    for (const QChar c : w) {
        if (c.category() != QChar::Mark_NonSpacing && c != u'\u0640')
            plain += c;
    }
    return plain;
}

Forms arabic(const QString& headword)
{
    Forms f;
    const QString w = withoutMarks(headword);
    // The particles (أو, في) have no plural.
    if (w.size() < 3 || w.contains(u' '))
        return f;
    if (w.endsWith(u'\u0629')) { // ة
        const QString s = chop(w, 1);
        f << s + u"\u0627\u062A" << s + u"\u062A\u0627\u0646" << s + u"\u062A\u064A\u0646";
    } else if (w.endsWith(u'\u0649')) { // ى: مستشفى → مستشفيات
        const QString s = chop(w, 1);
        f << s + u"\u064A\u0627\u062A" << s + u"\u064A\u0627\u0646" << s + u"\u064A\u064A\u0646";
    } else {
        // ون ين ان ات
        f << w + u"\u0648\u0646" << w + u"\u064A\u0646" << w + u"\u0627\u0646"
          << w + u"\u0627\u062A";
        // The feminine and its dual, of the longer words only: a word of three letters is
        // mostly a noun, and its -ة word another noun (عقب, عقبة). Nor of a word of the
        // pattern أفعل, a verb (أرسل) or an adjective whose feminine is فعلى or فعلاء (أكبر,
        // كبرى; أحمر, حمراء): أمتعة (luggage) is no form of أمتع.
        const bool afal = w.size() == 4 && w.front() == u'\u0623' &&
                          std::none_of(w.cbegin() + 1, w.cend(), [](QChar c) {
                              return QStringView(u"\u0627\u0648\u064A").contains(c); // ا و ي
                          });
        if (w.size() > 3 && !afal)
            f << w + u"\u0629" << w + u"\u062A\u0627\u0646";
    }
    return f;
}

// Whether the Swedish irregular list gives the headword's whole declension as a noun (son,
// sonen, söner, sons): its definite, or its genitive without a verb's present (ge: ger, ges).
// Only the listed word itself: bortkastad is no compound of stad.
bool swedishListedNoun(const QString& headword)
{
    const IrregularTable& table = irregulars(DictionaryId::Swedish);
    const auto listed = table.constFind(headword);
    if (listed == table.cend())
        return false;
    const auto has = [&](QStringView ending) { return listed->contains(headword + ending); };
    return has(u"en") || has(u"et") || (has(u"s") && !has(u"r"));
}

} // namespace

bool InflectionRules::isListedForm(DictionaryId id, const QString& headword, const QString& form,
                                   Listing listing)
{
    const QString lower = form.toLower();
    Forms forms;
    if (listing == Listing::Built) {
        forms = irregularFormsOf(id, headword);
    } else if (const auto it = irregulars(id).constFind(headword.toLower());
               it != irregulars(id).cend()) {
        forms =
            id == DictionaryId::German && listing == Listing::Own ? germanStrongForms(*it) : *it;
    }
    return std::any_of(forms.cbegin(), forms.cend(),
                       [&](const QString& f) { return f.toLower() == lower; });
}

bool InflectionRules::hasNoFeminine(const QString& headword)
{
    static const QSet<QString> nouns = [] {
        const QStringList words = italianNounsWithoutFeminine().toString().simplified().split(u' ');
        return QSet<QString>(words.cbegin(), words.cend());
    }();
    return nouns.contains(headword);
}

QStringList InflectionRules::formsOf(DictionaryId id, const QString& headword) const
{
    Forms forms;
    switch (id) {
    case DictionaryId::English:
    case DictionaryId::ComputerAndInternet:
        forms = english(headword);
        break;
    case DictionaryId::German:
        forms = german(headword);
        break;
    case DictionaryId::Italian:
        forms = italian(headword);
        break;
    case DictionaryId::Spanish:
        forms = spanish(headword);
        break;
    case DictionaryId::French:
        forms = french(headword);
        break;
    case DictionaryId::Swedish:
        // A noun of the irregular list is declined there alone: son makes söner, no sonar.
        if (!swedishListedNoun(headword))
            forms = swedish(headword);
        break;
    case DictionaryId::Arabic:
        forms = arabic(headword);
        break;
    case DictionaryId::Finnish:
        break; // Voikko analyses every Finnish form at look-up
    }
    forms << irregularFormsOf(id, headword);
    forms.removeDuplicates();
    forms.removeAll(headword);
    return forms;
}

} // namespace lexaro
