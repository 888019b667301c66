#include "translation/hunspell_base_forms.h"

#include "translation/affix_expansion.h"

#include <QFile>
#include <QSet>

#include <hunspell/hunspell.hxx>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

// Where Debian's hunspell-* packages put their dictionaries.
constexpr auto Folder = "/usr/share/hunspell/";

// English affix classes that inflect (plural and third person -s, -ed, -ing, 's). The others
// make other words: -er of an agent (bee → beer), -ings, -ion, -ive, -ness, -ly.
const QSet<QString>& englishInflections()
{
    static const QSet<QString> flags = {QStringLiteral("S"), QStringLiteral("D"),
                                        QStringLiteral("G"), QStringLiteral("M")};
    return flags;
}

// Suffix classes that make only a verb's forms: the Swedish present and past (väva → väver,
// vävde; messa → messar).
QSet<QString> verbFlags(const QString& language)
{
    if (language.startsWith(u"sv_"))
        return {QStringLiteral("K"), QStringLiteral("m")};
    return {};
}

// The flags of the dictionary's prefix classes: a prefix changes the meaning (in-, un-, dis-).
QSet<QString> prefixFlags(const QByteArray& affixFile)
{
    QSet<QString> flags;
    QFile file(QFile::decodeName(affixFile));
    if (!file.open(QIODevice::ReadOnly))
        return flags;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.startsWith("PFX "))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        // The class's header line: PFX flag cross-product count.
        if (fields.size() == 4 && (fields[2] == "Y" || fields[2] == "N"))
            flags.insert(QString::fromUtf8(fields[1]));
    }
    return flags;
}

// The word as written and with a capital: a German noun copied from a list may have lost it.
QStringList smallAndCapital(const QString& word)
{
    QString capital = word;
    capital[0] = capital[0].toUpper();
    return capital == word ? QStringList{word} : QStringList{word, capital};
}

} // namespace

std::unique_ptr<HunspellBaseForms> HunspellBaseForms::load(const QString& language)
{
    const QByteArray base = QByteArray(Folder) + QFile::encodeName(language);
    const QByteArray affixes = base + ".aff";
    const QByteArray words = base + ".dic";
    if (!QFile::exists(QFile::decodeName(affixes)) || !QFile::exists(QFile::decodeName(words)))
        return nullptr;
    auto speller = std::make_unique<Hunspell>(affixes.constData(), words.constData());
    const QStringList derivations = derivationClasses(language);
    return std::unique_ptr<HunspellBaseForms>(
        new HunspellBaseForms(std::move(speller), prefixFlags(affixes),
                              QSet<QString>(derivations.cbegin(), derivations.cend()), language));
}

HunspellBaseForms::HunspellBaseForms(std::unique_ptr<Hunspell> speller, QSet<QString> prefixes,
                                     QSet<QString> derivations, const QString& language)
    : m_speller(std::move(speller)), m_prefixFlags(std::move(prefixes)),
      m_derivationFlags(std::move(derivations)), m_verbFlags(verbFlags(language)),
      m_english(language.startsWith(u"en_")),
      // The French dictionary gives every form it knows with its lemma and word class.
      m_lemmatises(language.startsWith(u"fr_"))
{
}

HunspellBaseForms::~HunspellBaseForms() = default;

std::optional<QString> HunspellBaseForms::inflectedFrom(const QString& analysis,
                                                        const QString& word) const
{
    // " st:house fl:S": the stem and the affix classes that made the word of it. Text before
    // the stem is a prefix morpheme ("in st:capacidad"); "pa:" fields are compound parts.
    const QStringList fields = analysis.split(u' ', Qt::SkipEmptyParts);
    QString stem;
    const auto otherWord = [&](const QString& flag) {
        return m_prefixFlags.contains(flag) || m_derivationFlags.contains(flag) ||
               (m_english && !englishInflections().contains(flag));
    };
    for (const QString& field : fields) {
        const bool stemField = field.startsWith(u"st:");
        const bool rejected = (stemField && !stem.isEmpty()) || field.startsWith(u"pa:") ||
                              (field.startsWith(u"fl:") && otherWord(field.mid(3))) ||
                              (stem.isEmpty() && !field.contains(u':'));
        if (rejected)
            return std::nullopt;
        if (stemField)
            stem = field.mid(3);
    }
    // A stem much shorter than the word is a chance match (pens → p), not its dictionary form.
    if (stem.isEmpty() || stem == word || stem.size() * 2 < word.size() ||
        (stem.size() < 3 && word.size() > stem.size() + 1))
        return std::nullopt;
    return stem;
}

// Whether the English word in -ics names the field of the adjective in -ic that the dictionary
// makes it of (genomics, kinematics): an adjective takes no 's, and its -s is no plural. A noun
// in -ic takes both (topics, critics).
bool HunspellBaseForms::fieldOfAdjective(const QString& word, const QString& stem) const
{
    return m_english && stem.endsWith(u"ic") &&
           word.compare(stem + u's', Qt::CaseInsensitive) == 0 && !isWord(stem + u"'s");
}

// Whether the English word in -ed is an adjective of a noun, "having" it (toothed, pronged,
// intentioned), no verb's past: the dictionary knows it, and no -ing of the noun. A word
// it does not know (honoured, centred) is left to the rules.
bool HunspellBaseForms::adjectiveOfNoun(const QString& word, const QString& stem) const
{
    if (!m_english || stem.size() < 2 || !word.endsWith(u"ed", Qt::CaseInsensitive) ||
        !isWord(word))
        return false;
    const QString s = stem.toLower();
    // stop: stopping; take: taking; die: dying; panic: panicking.
    QStringList ing = {s + u"ing", s.chopped(1) + u"ing", s + s.back() + u"ing"};
    if (s.endsWith(u"ie"))
        ing << s.chopped(2) + u"ying";
    if (s.endsWith(u'c'))
        ing << s + u"king";
    return std::none_of(ing.cbegin(), ing.cend(), [&](const QString& w) { return isWord(w); });
}

bool HunspellBaseForms::noFormOf(const QString& word, const QString& stem) const
{
    return fieldOfAdjective(word, stem) || adjectiveOfNoun(word, stem);
}

const std::vector<std::string>& HunspellBaseForms::analyses(const QString& word) const
{
    for (const Analysed& kept : m_analysed) {
        if (!kept.word.isNull() && kept.word == word)
            return kept.analyses;
    }
    Analysed& slot = m_analysed[m_nextAnalysed];
    m_nextAnalysed = (m_nextAnalysed + 1) % KeptAnalyses;
    // Debian's dictionaries are all UTF-8.
    slot.analyses = m_speller->analyze(word.toStdString());
    slot.word = word;
    return slot.analyses;
}

QStringList HunspellBaseForms::candidates(const QString& word) const
{
    QStringList forms;
    for (const std::string& analysis : analyses(word)) {
        if (const std::optional<QString> stem =
                inflectedFrom(QString::fromStdString(analysis), word);
            stem && !forms.contains(*stem) && !noFormOf(word, *stem))
            forms.append(*stem);
    }
    return forms;
}

bool HunspellBaseForms::isDictionaryForm(const QString& word) const
{
    const std::string self = " st:" + word.toStdString();
    for (const std::string& analysis : analyses(word)) {
        if (analysis == self)
            return true;
    }
    return false;
}

bool HunspellBaseForms::namesOtherLemmas(const QString& word, const QString& headword) const
{
    // The French dictionary names every lemma; the others only where they derive the word
    // from another stem (köpare, the buyer, of köpa), whose derived word, longer than the stem,
    // may be the headword (Beteiligungen of Beteiligung, of beteiligen) but a shorter one may
    // not (köpare is no comparative of köp).
    // A word the Swedish dictionary reads as a verb's form only (väver, of väva) is none of a
    // noun (väv).
    if (noFormOf(word, headword))
        return true;
    const std::vector<std::string>& known = analyses(word);
    const QString stem = u"st:" + headword;
    bool derivedFromLonger = false;
    bool verbFormsOnly = !m_verbFlags.isEmpty() && !known.empty();
    for (const std::string& analysis : known) {
        const QStringList fields = QString::fromStdString(analysis).split(u' ', Qt::SkipEmptyParts);
        QStringView base;
        bool verbForm = false;
        for (const QString& f : fields) {
            if (f.compare(stem, Qt::CaseInsensitive) == 0)
                return false;
            if (f.startsWith(u"st:"))
                base = QStringView(f).mid(3);
            else if (f.startsWith(u"fl:") && m_derivationFlags.contains(f.mid(3)))
                derivedFromLonger = derivedFromLonger || headword.size() <= base.size();
            verbForm = verbForm || (f.startsWith(u"fl:") && m_verbFlags.contains(f.mid(3)));
        }
        verbFormsOnly = verbFormsOnly && verbForm;
    }
    return derivedFromLonger || verbFormsOnly || (m_lemmatises && !known.empty());
}

bool HunspellBaseForms::derives(const QString& word, const QString& headword) const
{
    // " st:Berg fl:R": the stem as a field of its own, with or without its capital.
    const QString stem = u" st:"_s + headword.toLower() + u' ';
    const std::vector<std::string>& known = analyses(word);
    return std::any_of(known.cbegin(), known.cend(), [&](const std::string& analysis) {
        return QString(QString::fromStdString(analysis).toLower() + u' ').contains(stem);
    });
}

bool HunspellBaseForms::readsAsNoun(const QString& word) const
{
    // The German dictionary gives a noun's forms also with the stem written small and the
    // class of a compound's first part (" st:männer fl:k").
    const std::vector<std::string>& known = analyses(word);
    return known.empty() || std::any_of(known.cbegin(), known.cend(), [](const std::string& a) {
               const std::size_t at = a.find("st:");
               if (at == std::string::npos || at + 3 >= a.size() ||
                   a.find(" fl:k") != std::string::npos)
                   return true;
               return !QString::fromUtf8(a.substr(at + 3, 4)).front().isLower();
           });
}

bool HunspellBaseForms::isWord(const QString& word) const
{
    return m_speller->spell(word.toStdString());
}

bool HunspellBaseForms::mayBeCompound(const QString& word) const
{
    for (const QString& w : smallAndCapital(word)) {
        for (const std::string& analysis : analyses(w)) {
            if (analysis.find("pa:") == std::string::npos)
                return false;
        }
    }
    return true;
}

QString HunspellBaseForms::lastCompoundPart(const QString& word) const
{
    // " pa:fakta st:fakta pa:resistens": the last "pa:" field. Of several divisions, the one
    // with the shortest last part.
    QString shortest;
    for (const QString& w : smallAndCapital(word)) {
        for (const std::string& analysis : analyses(w)) {
            const std::size_t at = analysis.rfind(" pa:");
            if (at == std::string::npos)
                continue;
            const std::size_t end = analysis.find(' ', at + 4);
            const QString part = QString::fromStdString(analysis.substr(at + 4, end - at - 4));
            if (!part.isEmpty() && word.endsWith(part, Qt::CaseInsensitive) &&
                (shortest.isEmpty() || part.size() < shortest.size()))
                shortest = part;
        }
    }
    return shortest;
}

} // namespace lexaro
