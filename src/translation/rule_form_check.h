#pragma once

#include "store/dictionary_catalog.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace lexaro {

class AffixExpansion;

// Which of the rules' forms of a headword its Hunspell dictionary shows to be wrong. The rules
// make every ending a word of its shape may take, and a spell-checker passes any that is a word
// of its own: Köcher (a quiver) as a plural of Koch, mehren (to increase) as a declined mehr,
// skotte (a Scot) as an adjective form of skott, tanker (a tanker) as a present of tanka, peri
// (pear trees) as a plural of pera. The dictionary's entries tell them apart: a singular noun
// of its own, a word that does not inflect, a noun with no adjective or verb forms, a verb of
// the other conjugation, a plural the dictionary makes of another word. German, Swedish and
// Italian only: in the other languages no such forms were found.
class RuleFormCheck
{
public:
    // `dictionary` is the language's Hunspell dictionary read as affix classes; `isWord` whether
    // its spell-checker knows a string.
    RuleFormCheck(DictionaryId id, const AffixExpansion& dictionary,
                  std::function<bool(const QString&)> isWord);

    // The rules' forms `made` of the headword without those its dictionary contradicts, given
    // the forms the dictionary makes of the headword as written (`ownForms`). Those and the
    // forms of the irregular lists always stay.
    QStringList kept(const QString& headword, const QStringList& ownForms, QStringList made) const;

private:
    // The headword with the forms its dictionary entries make of it.
    struct Entry
    {
        QString word;
        QSet<QString> forms;
        bool known = false;
    };

    static bool uninflected(const Entry& headword);
    bool germanContradicts(const QString& form) const;
    bool agentNounOfLastPart(const QString& headword, const QString& form) const;
    bool unknownLongPlural(const QString& headword, const QString& form) const;
    static bool erPluralOfNoun(const QString& headword, const QString& form);
    bool swedishContradicts(const Entry& headword, const QString& form) const;
    bool swedishInAContradicts(const Entry& headword, const QString& form) const;
    bool italianContradicts(const Entry& headword, const QString& form) const;
    bool singularNounOfItsOwn(const QString& word) const;

    DictionaryId m_id;
    const AffixExpansion& m_dictionary;
    std::function<bool(const QString&)> m_isWord;
};

} // namespace lexaro
