#pragma once

#include "store/dictionary_catalog.h"
#include "translation/base_forms.h"

#include <QList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace lexaro {

class DictionaryRecordset;
struct LookupResult;

// A headword found as the dictionary form of a text that is not a headword itself.
struct DictionaryForm
{
    QString headword;
    QString translation;
};

// Finds what a reader copies out of running text: the text without the punctuation around
// it, and the dictionary forms of an inflected word, each a headword of the dictionary. A
// headword is offered only when the word is one of its forms: listed in the forms table that
// the store keeps, or made from it by the analyser's inflection rules. When the word as written
// finds nothing, its older or typed-plain spellings are tried (daß, perche', oe), then, in
// German, Swedish and Finnish, its parts as a compound. Used only when the text itself is not a
// headword.
class BaseFormLookup
{
public:
    using AnalyserFactory = std::function<std::unique_ptr<BaseForms>(const MorphologySource&)>;
    static constexpr int MostForms = 5;

    // The analysers are made on first use, one per dictionary; a language whose analyser is
    // not installed simply has no dictionary forms.
    explicit BaseFormLookup(AnalyserFactory factory = installedAnalyser);
    ~BaseFormLookup();
    static std::unique_ptr<BaseForms> installedAnalyser(const MorphologySource& source);

    // At most five headwords of the dictionary, most likely first; a compound's parts with
    // the head first.
    QList<DictionaryForm> find(DictionaryId id, DictionaryRecordset& recordset,
                               const QString& text);

    // The spellings to try when the word as written finds nothing: German ß for ss, an Italian
    // accent written as an apostrophe (perche' → perché), French œ and æ written out.
    static QStringList otherSpellings(DictionaryId id, const QString& word);

    // The text without white space and punctuation around it, with typographic apostrophes
    // made plain ("«l’eau»," gives "l'eau").
    static QString withoutPunctuation(const QString& text);

private:
    class Search;
    BaseForms* analyser(DictionaryId id);
    QList<DictionaryForm> formsOf(DictionaryId id, DictionaryRecordset& recordset,
                                  const QString& text);
    QString spanishVerbWithoutPronouns(DictionaryRecordset& recordset, const QString& word);
    QList<DictionaryForm> formsOfVerb(DictionaryRecordset& recordset, const QString& verb,
                                      const QList<DictionaryForm>& found);
    bool englishOnly(DictionaryId id, const QString& word);

    AnalyserFactory m_factory;
    std::array<std::optional<std::unique_ptr<BaseForms>>, DictionaryCount> m_analysers;
};

// What a translation box shows for a look-up that found nothing: the not-found text, and below
// it, after an empty line, each dictionary form with its translation.
QString notFoundWithForms(const QList<DictionaryForm>& forms);

// The one look-up of every translation box (the main window's and the pop-up's): the text's
// translation, or the not-found text with the dictionary forms found (none without base
// forms); nullopt when the look-up failed and the box keeps what it showed.
std::optional<QString> translationToShow(DictionaryId id, DictionaryRecordset& recordset,
                                         const QString& text, BaseFormLookup* baseForms);

// What a translation box shows for the text: as translationToShow, and the not-found text
// when the look-up failed (a locked or damaged database), so that the translation of the
// word shown before never stands under the new one.
QString translationBoxText(DictionaryId id, DictionaryRecordset& recordset, const QString& text,
                           BaseFormLookup* baseForms);

} // namespace lexaro
