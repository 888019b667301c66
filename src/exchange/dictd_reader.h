#pragma once

#include "exchange/read_result.h"

#include <QByteArrayView>
#include <QString>

namespace lexaro {

// Databases in the dictd format: a .index file of "headword<TAB>offset<TAB>length" lines,
// the numbers in dictd's base64 digits, and the definitions in a .dict or .dict.dz file.
// The 00-database-* entries describe the database and are not words. Unless the database
// says 00-database-allchars, its index holds headwords reduced to letters, digits and spaces
// in lower case; the headword as written is then taken from the start of the definition
// where it stands there.
class DictdReader
{
public:
    // The .dict.dz (or .dict) file is found beside the .index file.
    static ReadResult read(const QString& indexPath, const Progress& progress = {});
    static ReadResult parse(QByteArrayView index, QByteArrayView dict,
                            const Progress& progress = {});
};

} // namespace lexaro
