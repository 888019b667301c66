#include "lookup/voikko_base_forms.h"

#include <QRegularExpression>

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
// derivational endings ("+tu(+tu)", "+t") are not parts.
QStringList wordBases(const QString& bases)
{
    static const QRegularExpression part(QStringLiteral("\\+([^+(]*)(?:\\(([^)]*)\\))?"));
    QStringList parts;
    for (const QRegularExpressionMatch& m : part.globalMatch(bases)) {
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

template <typename Visit>
void VoikkoBaseForms::analyse(const QString& word, Visit visit) const
{
    voikko_mor_analysis** analyses = voikkoAnalyzeWordCstr(m_handle, word.toUtf8().constData());
    for (voikko_mor_analysis** a = analyses; a && *a; ++a)
        visit(attribute(*a, "BASEFORM"), wordBases(attribute(*a, "WORDBASES")));
    voikko_free_mor_analysis(analyses);
}

QStringList VoikkoBaseForms::candidates(const QString& word) const
{
    QStringList forms;
    QStringList derivedFrom;
    analyse(word, [&](const QString& base, const QStringList& parts) {
        appendUnique(forms, base);
        // A participle or other derived word is also found through the word it comes from:
        // asennettujen → asennettu, asentaa.
        if (parts.size() == 1)
            derivedFrom << parts.first();
    });
    for (const QString& base : std::as_const(derivedFrom))
        appendUnique(forms, base);
    return forms;
}

QStringList VoikkoBaseForms::compoundParts(const QString& word) const
{
    QStringList parts;
    analyse(word, [&](const QString&, const QStringList& bases) {
        if (parts.isEmpty() && bases.size() > 1) {
            for (auto it = bases.crbegin(); it != bases.crend(); ++it)
                parts << *it;
        }
    });
    return parts;
}

} // namespace lexaro
