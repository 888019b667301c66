// StarDict dictionaries. The first byte chooses how the rest is read: with bit 0 clear, as
// the .ifo, .idx and .dict files joined by the marker; with it set, as the .idx and .dict
// only, with an .ifo made to match them (bit 1: 64-bit offsets; bits 2-4: the type
// sequence), so that mutations reach the definitions rather than stop at the .ifo's counts.
#include "exchange/stardict_reader.h"
#include "fuzz_input.h"

#include <array>
#include <cstring>

namespace {

std::size_t idxEntries(QByteArrayView idx, int offsetBytes)
{
    std::size_t count = 0;
    qsizetype pos = 0;
    while (pos < idx.size()) {
        const qsizetype nul = idx.indexOf('\0', pos);
        if (nul < 0)
            break;
        pos = nul + 1 + offsetBytes + 4;
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    lexaro::ReadResult result;
    if (mode & 1) {
        static constexpr std::array<const char*, 8> types = {"",  "m", "tm", "h",
                                                             "x", "g", "mW", "ht"};
        const QList<QByteArrayView> files = splitFiles(data + 1, size - 1, 2);
        const int offsetBits = mode & 2 ? 64 : 32;
        QByteArray ifo = "StarDict's dict ifo file\nversion=3.0.0\nwordcount=" +
                         QByteArray::number(qulonglong(idxEntries(files[0], offsetBits / 8))) +
                         "\nidxfilesize=" + QByteArray::number(files[0].size()) +
                         "\nidxoffsetbits=" + QByteArray::number(offsetBits) + "\n";
        if (const char* sequence = types[(mode >> 2) & 7]; std::strlen(sequence) > 0)
            ifo += QByteArray("sametypesequence=") + sequence + "\n";
        result = lexaro::StarDictReader::parse(ifo, files[0], files[1]);
    } else {
        const QList<QByteArrayView> files = splitFiles(data + 1, size - 1, 3);
        result = lexaro::StarDictReader::parse(files[0], files[1], files[2]);
    }
    for (const lexaro::WordEntry& e : result.entries) {
        if (e.word.trimmed().isEmpty() || e.translation.trimmed().isEmpty())
            __builtin_trap();
    }
    return 0;
}
