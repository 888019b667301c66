#include "exchange/word_exporter.h"

#include "store/dictionary_recordset.h"
#include "store/word_list_file.h"

#include <QIODevice>

namespace lexaro {

ExportResult exportWords(DictionaryRecordset& recordset, QIODevice& out)
{
    ExportResult result;
    if (!recordset.open(WordQuery::WholeList))
        return result;
    QByteArray line;
    bool ok = true;
    while (!recordset.atEnd()) {
        const std::optional<QString> word = recordset.word();
        const std::optional<QString> translation = recordset.translation();
        if (word && translation && !word->isEmpty() && !translation->isEmpty()) {
            line = WordListFile::escape(*word).toUtf8();
            line += '\t';
            line += WordListFile::escape(*translation).toUtf8();
            line += '\n';
            if (out.write(line) != line.size()) {
                ok = false;
                break;
            }
            ++result.rows;
        } else {
            ++result.leftOut;
        }
        if (!recordset.moveNext()) {
            ok = false;
            break;
        }
    }
    recordset.close();
    result.ok = ok;
    return result;
}

} // namespace lexaro
