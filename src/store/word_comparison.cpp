#include "store/word_comparison.h"

#include <QChar>
#include <QList>

#include <optional>

namespace lexaro::WordComparison {

namespace {

// The bidirectional controls: marks (ALM, LRM, RLM), embeddings, overrides and isolates.
// They only steer the direction of the text around them and draw nothing, so a word
// copied from a right-to-left page with one of them is still the word it shows.
bool isBidiControl(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

char32_t foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
}

// Folds one code point; nothing for the marks that do not count. Every other code point,
// U+0000 included, counts.
std::optional<char32_t> foldCodePoint(char32_t c)
{
    if (c < 0x80)
        return foldAscii(static_cast<unsigned char>(c));
    if ((c >= 0x064B && c <= 0x065F) || c == 0x0670 || c == 0x0640 || isBidiControl(c))
        return std::nullopt;
    switch (c) {
    case 0x064A: // ARABIC LETTER YEH
    case 0x0649: // ARABIC LETTER ALEF MAKSURA
        return 0x06CC;
    case 0x0643: // ARABIC LETTER KAF
        return 0x06A9;
    default:
        return QChar::toCaseFolded(c);
    }
}

// Reads one code point from UTF-8. Malformed bytes are taken one at a time and
// mapped above the Unicode range, so they still order consistently.
char32_t decode(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char b0 = *p++;
    if (b0 < 0x80)
        return b0;
    int extra = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        return 0x110000 + b0;
    }
    if (end - p < extra)
        return 0x110000 + b0;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0x110000 + b0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return c;
}

// The next code point that counts, or 0 at the end of the text.
char32_t nextFolded(const unsigned char*& p, const unsigned char* end, bool& atEnd)
{
    while (p < end) {
        if (const std::optional<char32_t> folded = foldCodePoint(decode(p, end)))
            return *folded;
    }
    atEnd = true;
    return 0;
}

// Most words are ASCII, which folds a byte at a time: only A-Z change, nothing is skipped.
// This is most of the time of a sort or an index search. Compares while both sides are ASCII;
// 0 when they stay the same up to where one of them is not.
int compareAscii(const unsigned char*& a, const unsigned char* aEnd, const unsigned char*& b,
                 const unsigned char* bEnd)
{
    for (; a < aEnd && b < bEnd && *a < 0x80 && *b < 0x80; ++a, ++b) {
        const char32_t ca = foldAscii(*a);
        const char32_t cb = foldAscii(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

} // namespace

int compare(std::string_view utf8A, std::string_view utf8B)
{
    auto* a = reinterpret_cast<const unsigned char*>(utf8A.data());
    auto* b = reinterpret_cast<const unsigned char*>(utf8B.data());
    const auto* aEnd = a + utf8A.size();
    const auto* bEnd = b + utf8B.size();
    for (;;) {
        if (const int order = compareAscii(a, aEnd, b, bEnd))
            return order;
        bool aDone = false;
        bool bDone = false;
        const char32_t ca = nextFolded(a, aEnd, aDone);
        const char32_t cb = nextFolded(b, bEnd, bDone);
        if (aDone || bDone)
            return aDone == bDone ? 0 : (aDone ? -1 : 1);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

QString folded(QStringView word)
{
    QString out;
    out.reserve(word.size());
    for (const char32_t c : word.toUcs4()) {
        if (const std::optional<char32_t> f = foldCodePoint(c))
            out.append(QChar::fromUcs4(*f));
    }
    return out;
}

bool sameWord(QStringView a, QStringView b)
{
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return compare({ua.constData(), std::size_t(ua.size())},
                   {ub.constData(), std::size_t(ub.size())}) == 0;
}

} // namespace lexaro::WordComparison
