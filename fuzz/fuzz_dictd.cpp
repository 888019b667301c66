// dictd databases: the .index, then the .dict or .dict.dz, joined by the marker.
#include "exchange/dictd_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArrayView> files = splitFiles(data, size, 2);
    const lexaro::ReadResult result = lexaro::DictdReader::parse(files[0], files[1]);
    for (const lexaro::WordEntry& e : result.entries) {
        if (e.word.isEmpty() || e.translation.isEmpty())
            __builtin_trap();
    }
    return 0;
}
