#include "translation/voikko_base_forms.h"

#include <QRegularExpression>

#include <algorithm>

#include <libvoikko/voikko.h>

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
// derivational endings ("+tu(+tu)", "+t") are not parts. `segments` counts all of them.
QStringList wordBases(const QString& bases, int& segments)
{
    static const QRegularExpression part(QStringLiteral("\\+([^+(]*)(?:\\(([^)]*)\\))?"));
    QStringList parts;
    segments = 0;
    for (const QRegularExpressionMatch& m : part.globalMatch(bases)) {
        ++segments;
        const QString base = m.captured(2);
        if (!base.isEmpty() && !base.startsWith(u'+'))
            parts << base;
    }
    return parts;
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
        analysis.parts = wordBases(attribute(*a, "WORDBASES"), analysis.segments);
        analysis.participle = !attribute(*a, "PARTICIPLE").isEmpty();
        visit(analysis);
    }
    voikko_free_mor_analysis(analyses);
}

QStringList VoikkoBaseForms::candidates(const QString& word) const
{
    QStringList forms;
    QStringList derivedFrom;
    analyse(word, [&](const Analysis& a) {
        appendUnique(forms, a.baseForm);
        // A participle is also found through its verb: asennettujen → asennettu, asentaa.
        // Other derived words are words of their own (hyökkääjä is no form of hyökätä).
        if (a.participle && a.parts.size() == 1)
            derivedFrom << a.parts.first();
    });
    for (const QString& base : std::as_const(derivedFrom))
        appendUnique(forms, base);
    return forms;
}

QStringList VoikkoBaseForms::compoundParts(const QString& word) const
{
    // Of the ways Voikko divides a word, the one of fewest pieces: oikeuden+käynti, not
    // oike+uden+käynti.
    QStringList parts;
    int fewest = 0;
    analyse(word, [&](const Analysis& a) {
        if (a.parts.size() < 2 || (fewest > 0 && a.segments >= fewest))
            return;
        fewest = a.segments;
        parts = a.parts;
        std::reverse(parts.begin(), parts.end());
    });
    return parts;
}

bool VoikkoBaseForms::mayBeCompound(const QString& word) const
{
    // Voikko divides the compounds it knows itself.
    bool known = false;
    analyse(word, [&](const Analysis&) { known = true; });
    return !known;
}

} // namespace lexaro
