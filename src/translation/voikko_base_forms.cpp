#include "translation/voikko_base_forms.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

#include <libvoikko/voikko.h>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

QString attribute(voikko_mor_analysis* analysis, const char* key)
{
    char* value = voikko_mor_analysis_value_cstr(analysis, key);
    if (!value)
        return {};
    QString text = QString::fromUtf8(value);
    voikko_free_mor_analysis_value_cstr(value);
    return text;
}

// The dictionary forms of the word's parts, from "+tieto(tieto)+kone(kone)+ohjelma(ohjelma)";
// derivational endings ("+tu(+tu)", "+t") are not parts. `segments` counts all of them;
// `derivedLast` tells whether an ending follows the last part, whose dictionary form is then
// no form of the word's head (kopiointi is derived from kopioida, not a form of it).
QStringList wordBases(const QString& bases, int& segments, bool& derivedLast)
{
    static const QRegularExpression part(QStringLiteral("\\+([^+(]*)(?:\\(([^)]*)\\))?"));
    QStringList parts;
    segments = 0;
    derivedLast = false;
    for (const QRegularExpressionMatch& m : part.globalMatch(bases)) {
        ++segments;
        const QString base = m.captured(2);
        derivedLast = base.isEmpty() || base.startsWith(u'+');
        if (!derivedLast)
            parts << base;
    }
    return parts;
}

// The verb that a derivational verb ending makes of the word's first part, from
// "+edist(edistää)y(+yä)+n+yt(+yt)": edistyä, of which edistynyt is the participle, not of
// edistää (whose participle is edistänyt); from "+tarkastel(tarkastaa)(+la)+tu(+tu)":
// tarkastella. Empty where no such ending follows.
QString derivedVerb(const QString& bases)
{
    static const QRegularExpression verb(
        QStringLiteral("^\\+([^+(]+)\\([^)]*\\)[^+(]*\\(\\+([^)]+)\\)"));
    const QRegularExpressionMatch m = verb.match(bases);
    return m.hasMatch() ? m.captured(1) + m.captured(2) : QString();
}

void appendUnique(QStringList& list, const QString& word)
{
    if (!word.isEmpty() && !list.contains(word))
        list.append(word);
}

} // namespace

std::unique_ptr<VoikkoBaseForms> VoikkoBaseForms::load(const QString& language)
{
    const char* error = nullptr;
    VoikkoHandle* handle = voikkoInit(&error, language.toUtf8().constData(), nullptr);
    if (!handle)
        return nullptr;
    return std::unique_ptr<VoikkoBaseForms>(new VoikkoBaseForms(handle));
}

VoikkoBaseForms::~VoikkoBaseForms()
{
    voikkoTerminate(m_handle);
}

template <typename Visit> void VoikkoBaseForms::analyse(const QString& word, Visit visit) const
{
    voikko_mor_analysis** analyses = voikkoAnalyzeWordCstr(m_handle, word.toUtf8().constData());
    for (voikko_mor_analysis** a = analyses; a && *a; ++a) {
        Analysis analysis;
        analysis.baseForm = attribute(*a, "BASEFORM");
        const QString bases = attribute(*a, "WORDBASES");
        analysis.parts = wordBases(bases, analysis.segments, analysis.derivedHead);
        analysis.derivedVerb = derivedVerb(bases);
        analysis.participle = !attribute(*a, "PARTICIPLE").isEmpty();
        analysis.passiveParticiple = attribute(*a, "PARTICIPLE") == u"present_passive";
        analysis.clitic =
            !attribute(*a, "KYSYMYSLIITE").isEmpty() || !attribute(*a, "FOCUS").isEmpty();
        // An adverb in -sti, or the comparative one in -mmin (voimakkaammin, more strongly).
        const QString wordCase = attribute(*a, "SIJAMUOTO");
        analysis.adverb =
            wordCase == u"kerrontosti" ||
            (wordCase == u"keinonto" && attribute(*a, "COMPARISON") == u"comparative");
        analysis.possessive = !attribute(*a, "POSSESSIVE").isEmpty();
        // Voikko's class of place names and of family and first names; the class of other
        // names holds bodies' names too, whose head is a word (Poliisihallitus).
        static const QStringList names = {u"paikannimi"_s, u"sukunimi"_s, u"etunimi"_s};
        analysis.name = names.contains(attribute(*a, "CLASS"));
        visit(analysis);
    }
    voikko_free_mor_analysis(analyses);
}

QStringList VoikkoBaseForms::candidates(const QString& word) const
{
    std::vector<Analysis> readings;
    analyse(word, [&](const Analysis& a) { readings.push_back(a); });
    // A reading with a possessive ending is rarer than another without one: kiusasi is first
    // the past of kiusata (teased), then kiusa with "your".
    std::stable_partition(readings.begin(), readings.end(),
                          [](const Analysis& a) { return !a.possessive; });
    QStringList forms;
    QStringList derivedFrom;
    // A verb in -ua or -yä is seldom in the passive (ihastua, to be delighted): its passive
    // participle's reading comes after the other's, of the verb made of it (ihastuttavan is
    // of ihastuttaa, delightful, before ihastua).
    const auto rarePassive = [](const Analysis& a) {
        return a.passiveParticiple && a.parts.size() == 1 &&
               (a.parts.first().endsWith(u"ua") || a.parts.first().endsWith(u"y\u00E4"));
    };
    std::stable_partition(readings.begin(), readings.end(),
                          [&](const Analysis& a) { return !rarePassive(a); });
    for (const Analysis& a : readings) {
        // An adverb in -sti is a word made of its adjective, no form of it (inhimillisesti,
        // humanely, of inhimillinen), as an English adverb in -ly is none of its adjective.
        if (a.adverb) {
            // A comparative adverb is one of the adverb in -sti: voimakkaammin of voimakkaasti.
            if (word.endsWith(u"mmin"))
                appendUnique(forms, word.chopped(4) + u"sti");
            continue;
        }
        appendUnique(forms, a.baseForm);
        // A participle is also found through its verb: asennettujen → asennettu, asentaa.
        // Other derived words are words of their own (hyökkääjä is no form of hyökätä), and
        // so is an adverb in -sti, made of the participle as an adjective: lupaavasti
        // (promisingly) is no form of luvata.
        if (a.participle && a.parts.size() == 1) {
            if (!a.derivedVerb.isEmpty())
                derivedFrom << a.derivedVerb;
            derivedFrom << a.parts.first();
        }
    }
    for (const QString& base : std::as_const(derivedFrom))
        appendUnique(forms, base);
    return forms;
}

QStringList VoikkoBaseForms::compoundParts(const QString& word) const
{
    // Of the ways Voikko divides a word, the one of fewest pieces: oikeuden+käynti, not
    // oike+uden+käynti; of two as few, the one without an attached particle: kuvake+koko,
    // not kuva+keko+ko.
    // A name is no compound of its letters' words: riihimäellä is in Riihimäki, not on a hill;
    // nor is an adverb, made of an adjective (nimenomaisesti is no form of omainen).
    std::vector<Analysis> divisions;
    bool name = false;
    analyse(word, [&](const Analysis& a) {
        name = name || a.name || a.adverb;
        if (a.parts.size() >= 2)
            divisions.push_back(a);
    });
    if (divisions.empty() || name)
        return {};
    const int fewest = std::min_element(divisions.cbegin(), divisions.cend(),
                                        [](const Analysis& a, const Analysis& b) {
                                            return a.segments < b.segments;
                                        })
                           ->segments;
    std::erase_if(divisions, [&](const Analysis& a) { return a.segments > fewest; });
    // A head derived from another word has no dictionary form among the parts; where one of
    // the shortest readings derives it, a division is no more than a guess
    // (paikkariippumattomassa is no form of massa).
    if (std::any_of(divisions.cbegin(), divisions.cend(),
                    [](const Analysis& a) { return a.derivedHead; }))
        return {};
    const auto plain = std::find_if(divisions.cbegin(), divisions.cend(),
                                    [](const Analysis& a) { return !a.clitic; });
    QStringList parts = (plain != divisions.cend() ? *plain : divisions.front()).parts;
    std::reverse(parts.begin(), parts.end());
    // The heads of place names and family names: a compound that ends in one is a name far
    // more often than a kind of it (Kaurismäki, Ahtisaari, Rajaniemi, Töölönlahti,
    // Jauhojärvi, Talvivaara), though Voikko knows few of them.
    static const QStringList nameHeads = {u"niemi"_s, u"m\u00E4ki"_s,  u"saari"_s,
                                          u"lahti"_s, u"j\u00E4rvi"_s, u"vaara"_s};
    if (nameHeads.contains(parts.front()))
        return {};
    return parts;
}

bool VoikkoBaseForms::mayBeCompound(const QString& /*word*/) const
{
    // Voikko divides the compounds it knows itself, and it builds the compounds of the
    // language's words; a word it does not know is a phrase written as one (ennenkaikkea,
    // sensijaan), a name or a spoken spelling far more often than a compound.
    return false;
}

} // namespace lexaro
