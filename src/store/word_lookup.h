#pragma once

#include "store/dictionary_recordset.h"

#include <QString>
#include <QStringList>

namespace lexaro {

struct LookupResult
{
    enum class Outcome
    {
        Found,
        NotFound,
        Failed, // the statement failed or the translation holds no value
    };
    Outcome outcome = Outcome::Failed;
    QString translation;
    std::optional<RowId> row;    // the first row found, also when its translation is empty
    std::optional<QString> word; // that row's headword as stored
};

// One look-up: opens the recordset on the word, reads the first row and closes it again.
LookupResult lookUpTranslation(DictionaryRecordset& recordset, QStringView word);

// All headwords in list order, each cut to WordLimits. Rows whose headword holds no value are
// left out; a failing statement gives the rows read so far (usually none). A database file
// another program changed under the connection is read afresh first.
QStringList readWordList(DictionaryRecordset& recordset);

// Up to `limit` headwords that begin with the prefix under the word comparison, in list
// order ("hau" gives Haus, not Häuser).
QStringList wordsBeginningWith(DictionaryRecordset& recordset, QStringView prefix, int limit);

} // namespace lexaro
