#include "lookup/base_form_lookup.h"

#include "lookup/arabic_clitics.h"
#include "lookup/hunspell_base_forms.h"
#include "lookup/not_found_text.h"
#include "lookup/voikko_base_forms.h"
#include "store/word_comparison.h"
#include "store/word_limits.h"
#include "store/word_lookup.h"

namespace lexaro {

namespace {

// Enough for every form an analyser gives a real word; a bound for one that gives many.
constexpr qsizetype MostCandidates = 32;

bool strippable(QChar c)
{
    return c.isSpace() || c.isPunct() || c.category() == QChar::Symbol_Math ||
           c.category() == QChar::Symbol_Other;
}

} // namespace

BaseFormLookup::BaseFormLookup(AnalyserFactory factory) : m_factory(std::move(factory)) {}

BaseFormLookup::~BaseFormLookup() = default;

std::unique_ptr<BaseForms> BaseFormLookup::installedAnalyser(const MorphologySource& source)
{
    std::unique_ptr<BaseForms> analyser;
    if (source.analyser == MorphologySource::Analyser::Voikko)
        analyser = VoikkoBaseForms::load(source.language);
    else
        analyser = HunspellBaseForms::load(source.language);
    if (source.arabicClitics)
        return std::make_unique<ArabicClitics>(std::move(analyser));
    return analyser;
}

BaseForms* BaseFormLookup::analyser(DictionaryId id)
{
    auto& slot = m_analysers[static_cast<std::size_t>(id)];
    if (!slot)
        slot = m_factory ? m_factory(DictionaryCatalog::entry(id).morphology()) : nullptr;
    return slot->get();
}

QString BaseFormLookup::withoutPunctuation(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && strippable(text.at(first)))
        ++first;
    while (last > first && strippable(text.at(last - 1)))
        --last;
    QString word = text.mid(first, last - first);
    word.replace(u'\u2019', u'\'');
    word.replace(u'\u02BC', u'\'');
    return word;
}

QList<DictionaryForm> BaseFormLookup::find(DictionaryId id, DictionaryRecordset& recordset,
                                           const QString& text)
{
    const QString word = withoutPunctuation(text);
    if (word.isEmpty())
        return {};
    QStringList candidates;
    if (word != text)
        candidates << word;
    if (BaseForms* forms = analyser(id)) {
        candidates << forms->candidates(word);
        // A capital at the start of a sentence is not part of the word.
        const QString lower = word.toLower();
        if (lower != word)
            candidates << forms->candidates(lower);
    }
    QList<DictionaryForm> found;
    for (qsizetype i = 0; i < candidates.size() && i < MostCandidates; ++i) {
        const QString& candidate = candidates[i];
        if (WordComparison::sameWord(candidate, text))
            continue;
        const bool known = std::any_of(found.cbegin(), found.cend(), [&](const DictionaryForm& f) {
            return WordComparison::sameWord(f.headword, candidate);
        });
        if (known)
            continue;
        const LookupResult result = lookUpTranslation(recordset, candidate);
        if (result.outcome == LookupResult::Outcome::Found)
            found.append({result.word.value_or(candidate), result.translation});
        if (found.size() == MostForms)
            break;
    }
    return found;
}

QString notFoundWithForms(const QList<DictionaryForm>& forms)
{
    QString text = notFoundText();
    for (const DictionaryForm& form : forms)
        text += u"\n\n" + form.headword + u'\n' + form.translation;
    return text;
}

namespace {

// A translation longer than the program takes now, from an older database, is shown cut,
// and says so: laying out a megabyte of text would freeze the window for seconds.
QString shownTranslation(const QString& translation)
{
    if (WordLimits::translationFits(translation))
        return translation;
    return WordLimits::cutToFit(translation, WordLimits::MaxTranslationBytes) +
           // Left-to-right marks keep the English line's ends in place in the right-to-left box.
           QStringLiteral(
               "\n\n\u200E\u2026 The rest of this translation is too long to show.\u200E");
}

} // namespace

std::optional<QString> translationToShow(DictionaryId id, DictionaryRecordset& recordset,
                                         const QString& text, BaseFormLookup* baseForms)
{
    // No stored word is that long: not worth a statement, nor the analyser's time.
    if (!WordLimits::wordFits(text))
        return notFoundText();
    const LookupResult result = lookUpTranslation(recordset, text);
    switch (result.outcome) {
    case LookupResult::Outcome::Found:
        return shownTranslation(result.translation);
    case LookupResult::Outcome::NotFound:
        return notFoundWithForms(baseForms ? baseForms->find(id, recordset, text)
                                           : QList<DictionaryForm>{});
    case LookupResult::Outcome::Failed:
        // Another program holds the database: say not found at once rather than wait.
        if (recordset.lastOpenWasBusy())
            return notFoundText();
        break;
    }
    return std::nullopt;
}

QString translationBoxText(DictionaryId id, DictionaryRecordset& recordset, const QString& text,
                           BaseFormLookup* baseForms)
{
    return translationToShow(id, recordset, text, baseForms).value_or(notFoundText());
}

} // namespace lexaro
