#pragma once

#include "translation/base_forms.h"

#include <QSet>

#include <array>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Hunspell;

namespace lexaro {

// The stems that a Hunspell dictionary of Debian's hunspell-* packages makes a word from. Its
// analysis names the affix classes of the stem that give the word; a stem is offered only when
// those are inflections: never through a prefix (incapacidad is no form of capacidad), a
// compound, or, in English, a class that makes another word (beers is no form of bee).
class HunspellBaseForms final : public BaseForms
{
public:
    // Null when the dictionary is not installed.
    static std::unique_ptr<HunspellBaseForms> load(const QString& language);
    ~HunspellBaseForms() override;

    QStringList candidates(const QString& word) const override;
    bool mayBeCompound(const QString& word) const override;
    QString lastCompoundPart(const QString& word) const override;
    bool isDictionaryForm(const QString& word) const override;
    bool namesOtherLemmas(const QString& word, const QString& headword) const override;
    bool derives(const QString& word, const QString& headword) const override;
    bool isWord(const QString& word) const override;
    bool readsAsNoun(const QString& word) const override;

private:
    HunspellBaseForms(std::unique_ptr<Hunspell> speller, QSet<QString> prefixes,
                      QSet<QString> derivations, const QString& language);
    std::optional<QString> inflectedFrom(const QString& analysis, const QString& word) const;
    bool fieldOfAdjective(const QString& word, const QString& stem) const;
    bool adjectiveOfNoun(const QString& word, const QString& stem) const;
    // Where the dictionary makes the word of the stem but it is none of its forms.
    bool noFormOf(const QString& word, const QString& stem) const;
    // One look-up asks about the same few words several times (as written, written small, with
    // a capital): the last analyses are kept.
    const std::vector<std::string>& analyses(const QString& word) const;

    std::unique_ptr<Hunspell> m_speller;
    QSet<QString> m_prefixFlags;
    QSet<QString> m_derivationFlags;
    QSet<QString> m_verbFlags;
    bool m_english = false;
    bool m_lemmatises = false;
    struct Analysed
    {
        QString word;
        std::vector<std::string> analyses;
    };
    static constexpr std::size_t KeptAnalyses = 4;
    mutable std::array<Analysed, KeptAnalyses> m_analysed;
    mutable std::size_t m_nextAnalysed = 0;
};

} // namespace lexaro
