#pragma once

#include <QString>
#include <QStringDecoder>

#include <optional>

namespace lexaro {

// The text of UTF-8 bytes, or nothing when they are not valid UTF-8 (a sequence cut short at
// the end included).
inline std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace lexaro
