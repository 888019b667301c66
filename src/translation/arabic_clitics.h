#pragma once

#include "translation/base_forms.h"

#include <QStringView>

#include <array>
#include <memory>

namespace lexaro {

// The pronouns attached behind an Arabic word, longest first. "Me" is ني after a verb, "my" ي
// after a noun.
inline constexpr std::array<QStringView, 12> ArabicPronouns = {u"\u0647\u0645\u0627",
                                                               u"\u0643\u0645\u0627",
                                                               u"\u0647\u0645",
                                                               u"\u0647\u0646",
                                                               u"\u0643\u0645",
                                                               u"\u0643\u0646",
                                                               u"\u0647\u0627",
                                                               u"\u0646\u0627",
                                                               u"\u0646\u064A",
                                                               u"\u0647",
                                                               u"\u0643",
                                                               u"\u064A"};

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
