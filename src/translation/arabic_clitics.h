#pragma once

#include "translation/base_forms.h"

#include <memory>

namespace lexaro {

// What Hunspell leaves attached to an Arabic word: the conjunctions و and ف, the
// prepositions ب ل ك, the article ال and their combinations in front, the attached pronouns
// behind. Each way of taking them off is a candidate; the analyser behind it (if any) adds
// its own stems of the word and of each candidate.
class ArabicClitics final : public BaseForms
{
public:
    explicit ArabicClitics(std::unique_ptr<BaseForms> stems = nullptr);
    QStringList candidates(const QString& word) const override;

private:
    std::unique_ptr<BaseForms> m_stems;
};

} // namespace lexaro
