#pragma once

#include <QString>

namespace lexaro {

// How long a stored value may be. Longer ones are refused wherever words come in (the add and
// edit windows, the store, the import), and whatever an older database holds is shown cut to
// these lengths, so no single value can freeze a window or exhaust memory.
struct WordLimits
{
    static constexpr qsizetype MaxWordLength = 256;             // characters
    static constexpr qsizetype MaxTranslationBytes = 64 * 1024; // UTF-8 bytes

    static bool wordFits(QStringView word) { return word.size() <= MaxWordLength; }
    static bool translationFits(QStringView translation)
    {
        // Every UTF-16 unit takes one to three UTF-8 bytes: most texts need no counting.
        if (translation.size() * 3 <= MaxTranslationBytes)
            return true;
        return translation.size() <= MaxTranslationBytes &&
               translation.toUtf8().size() <= MaxTranslationBytes;
    }
    // The longest start of the text that fits, never splitting a surrogate pair.
    static QString cutToFit(QStringView text, qsizetype maxUtf8Bytes)
    {
        qsizetype bytes = 0;
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const qsizetype width = c < 0x80 ? 1 : c < 0x800 ? 2 : QChar::isSurrogate(c) ? 2 : 3;
            if (bytes + width > maxUtf8Bytes)
                break;
            bytes += width;
        }
        if (i > 0 && i < text.size() && QChar::isHighSurrogate(text[i - 1].unicode()))
            --i;
        return text.first(i).toString();
    }
};

} // namespace lexaro
