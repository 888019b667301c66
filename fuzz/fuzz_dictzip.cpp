// The dictzip reader: open, then read the start, the end and a range across a chunk boundary.
#include "exchange/dictzip_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    std::optional<lexaro::DictzipFile> file =
        lexaro::DictzipFile::open(QByteArrayView(data, qsizetype(size)), error);
    if (!file)
        return 0;
    const std::uint64_t total = file->size();
    constexpr std::uint64_t Span = 1 << 14;
    QByteArray out;
    file->read(0, std::min(total, Span), out, error);
    file->read(total - std::min(total, Span), std::min(total, Span), out, error);
    file->read(total / 2, std::min(total / 2, Span), out, error);
    if (file->read(total, 1, out, error)) // one byte past the end is never there
        __builtin_trap();
    return 0;
}
