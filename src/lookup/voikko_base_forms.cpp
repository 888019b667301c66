#include "lookup/voikko_base_forms.h"

#include <libvoikko/voikko.h>

namespace lexaro {

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

QStringList VoikkoBaseForms::candidates(const QString& word) const
{
    QStringList forms;
    voikko_mor_analysis** analyses = voikkoAnalyzeWordCstr(m_handle, word.toUtf8().constData());
    for (voikko_mor_analysis** a = analyses; a && *a; ++a) {
        if (char* base = voikko_mor_analysis_value_cstr(*a, "BASEFORM")) {
            const QString form = QString::fromUtf8(base);
            if (!forms.contains(form))
                forms.append(form);
            voikko_free_mor_analysis_value_cstr(base);
        }
    }
    voikko_free_mor_analysis(analyses);
    return forms;
}

} // namespace lexaro
