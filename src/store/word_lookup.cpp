#include "store/word_lookup.h"

#include "store/dictionary_recordset.h"
#include "store/word_comparison.h"
#include "store/word_limits.h"

namespace lexaro {

LookupResult lookUpTranslation(DictionaryRecordset& recordset, QStringView word)
{
    if (!recordset.open(WordQuery::WordLookup, word))
        return {};
    LookupResult result;
    result.row = recordset.rowId();
    result.word = recordset.word();
    if (recordset.atEnd()) {
        result.outcome = LookupResult::Outcome::NotFound;
    } else if (std::optional<QString> translation = recordset.translation()) {
        result.outcome = LookupResult::Outcome::Found;
        result.translation = std::move(*translation);
    }
    recordset.close();
    return result;
}

namespace {

// A headword longer than any the program takes now, from an older database, is listed cut.
QString listed(QString word)
{
    if (!WordLimits::wordFits(word))
        word.truncate(WordLimits::MaxWordLength);
    return word;
}

} // namespace

QStringList readWordList(DictionaryRecordset& recordset)
{
    QStringList words;
    recordset.reopenFileIfChanged();
    if (!recordset.open(WordQuery::WordList))
        return words;
    while (!recordset.atEnd()) {
        if (std::optional<QString> word = recordset.word())
            words.append(listed(std::move(*word)));
        if (!recordset.moveNext())
            break;
    }
    recordset.close();
    return words;
}

QStringList wordsBeginningWith(DictionaryRecordset& recordset, QStringView prefix, int limit)
{
    QStringList words;
    const QString key = WordComparison::folded(prefix);
    if (key.isEmpty() || !recordset.open(WordQuery::WordsFrom, prefix))
        return words;
    // The words that begin with the prefix follow each other in list order from the
    // prefix on; the first one that does not ends them.
    while (!recordset.atEnd() && words.size() < limit) {
        const std::optional<QString> word = recordset.word();
        if (!word || !WordComparison::folded(*word).startsWith(key))
            break;
        words.append(listed(*word));
        if (!recordset.moveNext())
            break;
    }
    recordset.close();
    return words;
}

} // namespace lexaro
