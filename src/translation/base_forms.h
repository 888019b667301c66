#pragma once

#include <QStringList>

namespace lexaro {

// The dictionary forms an analyser proposes for a word as it stands in a text ("houses" →
// "house"), most likely first. Only proposals: the look-up keeps those that are headwords.
class BaseForms
{
public:
    virtual ~BaseForms() = default;
    virtual QStringList candidates(const QString& word) const = 0;
    // The dictionary forms of a compound's parts as the analyser divides it, the last part
    // (the head) first; empty when it does not know the word as a compound.
    virtual QStringList compoundParts(const QString& word) const
    {
        Q_UNUSED(word);
        return {};
    }
    // The compound's last part as written in it, where the analyser divides the word so
    // (faktaresistens: resistens); empty where it does not, or not so that the word ends in it.
    virtual QString lastCompoundPart(const QString& word) const
    {
        Q_UNUSED(word);
        return {};
    }
    // True when the analyser knows the word itself as a dictionary form (an infinitive, a
    // singular), with no ending taken off.
    virtual bool isDictionaryForm(const QString& word) const
    {
        Q_UNUSED(word);
        return false;
    }
    // True when the analyser knows the word as none of the headword's forms: it names every
    // lemma of the word and the headword is none of them (heu is an interjection, not a form
    // of heure), or it derives the word from another (köpare, the buyer, is no comparative of
    // köp). A rule that made the word of the headword then erred.
    virtual bool namesOtherLemmas(const QString& word, const QString& headword) const
    {
        Q_UNUSED(word);
        Q_UNUSED(headword);
        return false;
    }
    // Whether one of the analyser's readings of the word is made of the headword; true where it
    // cannot tell.
    virtual bool derives(const QString& word, const QString& headword) const
    {
        Q_UNUSED(word);
        Q_UNUSED(headword);
        return true;
    }
    // Whether one of the analyser's readings of the word has a lemma written with a capital,
    // as German nouns are; true where it does not know the word or cannot tell.
    virtual bool readsAsNoun(const QString& word) const
    {
        Q_UNUSED(word);
        return true;
    }
    // Whether the analyser's language has the word; true where it cannot tell.
    virtual bool isWord(const QString& word) const
    {
        Q_UNUSED(word);
        return true;
    }
    // False when the analyser knows the word as a simple word, which no split into parts
    // may then second-guess (terrorist is no ist, zurückzukehren no Ehre).
    virtual bool mayBeCompound(const QString& word) const
    {
        Q_UNUSED(word);
        return true;
    }
};

} // namespace lexaro
