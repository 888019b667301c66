#pragma once

#include "exchange/read_result.h"

#include <QByteArrayView>
#include <QString>

namespace lexaro {

// Dictionaries in the StarDict format: a .ifo file describing the dictionary, a .idx file
// listing each headword with the offset and size of its definition, and the definitions in
// a .dict or .dict.dz file. Offsets are 32 or 64 bits as the .ifo says. Definitions in the
// text types m (plain), t (phonetic), g (Pango markup), x (XDXF) and h (HTML) are read, the
// markup reduced to plain text; pictures, sounds and other types are passed over.
class StarDictReader
{
public:
    // The .idx and .dict (or .dict.dz) files are found beside the .ifo file.
    static ReadResult read(const QString& ifoPath, const Progress& progress = {});
    static ReadResult parse(QByteArrayView ifo, QByteArrayView idx, QByteArrayView dict,
                            const Progress& progress = {});
};

} // namespace lexaro
