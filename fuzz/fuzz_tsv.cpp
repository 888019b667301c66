// The project's TSV word lists.
#include "store/word_list_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const lexaro::WordListFile::Result result = lexaro::WordListFile::parse(bytes);
    // Every entry read is one an import takes.
    for (const lexaro::WordEntry& e : result.entries) {
        if (e.word.isEmpty() || e.translation.isEmpty())
            __builtin_trap();
    }
    return 0;
}
