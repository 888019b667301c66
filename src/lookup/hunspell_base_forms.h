#pragma once

#include "lookup/base_forms.h"

#include <memory>

class Hunspell;

namespace lexaro {

// Stems and analyses from a Hunspell dictionary of Debian's hunspell-* packages.
class HunspellBaseForms final : public BaseForms
{
public:
    // Null when the dictionary is not installed.
    static std::unique_ptr<HunspellBaseForms> load(const QString& language);
    ~HunspellBaseForms() override;

    QStringList candidates(const QString& word) const override;

private:
    explicit HunspellBaseForms(std::unique_ptr<Hunspell> speller);
    std::unique_ptr<Hunspell> m_speller;
};

} // namespace lexaro
