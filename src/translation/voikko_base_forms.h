#pragma once

#include "translation/base_forms.h"

#include <memory>

struct VoikkoHandle;

namespace lexaro {

// Finnish base forms from Voikko's morphological analysis (Debian's voikko-fi).
class VoikkoBaseForms final : public BaseForms
{
public:
    // Null when Voikko or its language data is not installed.
    static std::unique_ptr<VoikkoBaseForms> load(const QString& language);
    ~VoikkoBaseForms() override;
    VoikkoBaseForms(const VoikkoBaseForms&) = delete;
    VoikkoBaseForms& operator=(const VoikkoBaseForms&) = delete;

    QStringList candidates(const QString& word) const override;
    QStringList compoundParts(const QString& word) const override;
    bool mayBeCompound(const QString& word) const override;

private:
    struct Analysis
    {
        QString baseForm;
        QStringList parts;   // the dictionary forms of its parts, first to last
        QString derivedVerb; // a participle's verb derived from its first part (edistyä)
        int segments = 0;    // parts and derivational endings
        bool participle = false;
        bool passiveParticiple = false; // the present passive's (valittava, to be chosen)
        bool derivedHead = false;       // a derivational ending follows the last part
        bool clitic = false;            // a particle is attached (-ko, -kin, -han)
        bool adverb = false;            // an adverb in -sti made of an adjective (lupaavasti)
        bool name = false;              // a place's or a person's name (Riihimäki, Lappeenranta)
        bool possessive = false;        // a possessive ending is attached (kiusasi, your nuisance)
    };
    template <typename Visit> void analyse(const QString& word, Visit visit) const;

    explicit VoikkoBaseForms(VoikkoHandle* handle) : m_handle(handle) {}
    VoikkoHandle* m_handle;
};

} // namespace lexaro
