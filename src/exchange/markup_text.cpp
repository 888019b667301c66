#include "exchange/markup_text.h"

#include <QList>

#include <array>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr qsizetype LongestEntity = 32;

bool isHtmlBlock(QStringView name)
{
    static constexpr std::array<QStringView, 24> blocks = {
        u"p",  u"div",   u"li",      u"ul",      u"ol",     u"dl",     u"dt",         u"dd",
        u"tr", u"table", u"h1",      u"h2",      u"h3",     u"h4",     u"h5",         u"h6",
        u"hr", u"pre",   u"section", u"article", u"header", u"footer", u"blockquote", u"center",
    };
    for (const QStringView b : blocks) {
        if (name == b)
            return true;
    }
    return false;
}

// The character an entity stands for; 0 when it is not one this reader knows.
char32_t entityValue(QStringView name)
{
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const QStringView digits = name.sliced(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > 8)
            return 0;
        bool ok = false;
        const uint value = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok)
            return 0;
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return 0xFFFD;
        return value;
    }
    static constexpr std::array<std::pair<QStringView, char32_t>, 6> named = {{
        {u"amp", U'&'},
        {u"lt", U'<'},
        {u"gt", U'>'},
        {u"quot", U'"'},
        {u"apos", U'\''},
        {u"nbsp", U' '},
    }};
    for (const auto& [n, c] : named) {
        if (name == n)
            return c;
    }
    return 0;
}

class TextBuilder
{
public:
    explicit TextBuilder(Markup kind) : m_collapse(kind == Markup::Html) {}

    void character(QChar c)
    {
        if (c == u'\r')
            return;
        if (m_collapse && c.isSpace()) {
            m_pendingSpace = true;
            return;
        }
        if (m_pendingSpace && !m_text.isEmpty() && !m_text.endsWith(u'\n'))
            m_text.append(u' ');
        m_pendingSpace = false;
        m_text.append(c);
    }
    void codePoint(char32_t c)
    {
        for (const QChar part : QChar::fromUcs4(c))
            character(part);
    }
    void text(QStringView s)
    {
        for (const QChar c : s)
            character(c);
    }
    void lineBreak()
    {
        m_pendingSpace = false;
        m_text.append(u'\n');
    }
    // A block element starts and ends on a line of its own, without adding blank lines.
    void blockBoundary()
    {
        m_pendingSpace = false;
        if (!m_text.isEmpty() && !m_text.endsWith(u'\n'))
            m_text.append(u'\n');
    }

    // Lines without outer spaces, at most one blank line in a row, none at either end.
    QString finish() const
    {
        QString out;
        out.reserve(m_text.size());
        int blankLines = 0;
        for (const QStringView line : QStringView(m_text).split(u'\n')) {
            const QStringView kept = m_collapse ? line.trimmed() : line;
            qsizetype end = kept.size();
            while (end > 0 && kept[end - 1].isSpace())
                --end;
            if (end == 0) {
                ++blankLines;
                continue;
            }
            if (!out.isEmpty())
                out.append(blankLines > 0 ? u"\n\n"_s : u"\n"_s);
            blankLines = 0;
            out.append(kept.first(end));
        }
        return out;
    }

private:
    bool m_collapse;
    bool m_pendingSpace = false;
    QString m_text;
};

} // namespace

QString markupToText(QStringView markup, Markup kind)
{
    TextBuilder out(kind);
    bool tagsCanClose = true; // false once no '>' is left: every later '<' is text
    qsizetype i = 0;
    const qsizetype n = markup.size();
    while (i < n) {
        const QChar c = markup[i];
        if (c == u'&') {
            const qsizetype semicolon =
                markup.sliced(i, std::min(LongestEntity, n - i)).indexOf(u';');
            if (semicolon > 1) {
                if (const char32_t value = entityValue(markup.sliced(i + 1, semicolon - 1))) {
                    out.codePoint(value);
                    i += semicolon + 1;
                    continue;
                }
            }
            out.character(c);
            ++i;
            continue;
        }
        if (c != u'<' || !tagsCanClose || i + 1 == n) {
            out.character(c);
            ++i;
            continue;
        }
        const QStringView rest = markup.sliced(i);
        if (rest.startsWith(u"<!--")) {
            const qsizetype end = rest.indexOf(u"-->", 4);
            i = end < 0 ? n : i + end + 3;
            continue;
        }
        if (rest.startsWith(u"<![CDATA[")) {
            const qsizetype end = rest.indexOf(u"]]>", 9);
            out.text(rest.sliced(9, (end < 0 ? rest.size() : end) - 9));
            i = end < 0 ? n : i + end + 3;
            continue;
        }
        const QChar next = markup[i + 1];
        if (!next.isLetter() && next != u'/' && next != u'!' && next != u'?') {
            out.character(c); // "a < b"
            ++i;
            continue;
        }
        const qsizetype close = markup.indexOf(u'>', i + 1);
        if (close < 0) {
            tagsCanClose = false;
            out.character(c);
            ++i;
            continue;
        }
        const QStringView tag = markup.sliced(i + 1, close - i - 1);
        const bool closing = tag.startsWith(u'/');
        qsizetype nameEnd = closing ? 1 : 0;
        while (nameEnd < tag.size() && tag[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QString name =
            tag.sliced(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
        i = close + 1;
        if (name == u"br") {
            out.lineBreak();
        } else if (kind == Markup::Html) {
            if (isHtmlBlock(name)) {
                out.blockBoundary();
            } else if (!closing && (name == u"script" || name == u"style")) {
                const qsizetype end =
                    markup.sliced(i).indexOf(QString(u"</"_s + name), 0, Qt::CaseInsensitive);
                if (end < 0) {
                    i = n;
                } else {
                    const qsizetype gt = markup.indexOf(u'>', i + end);
                    i = gt < 0 ? n : gt + 1;
                }
            }
        } else if (name == u"tr") { // XDXF transcription
            out.character(closing ? u']' : u'[');
        }
    }
    return out.finish();
}

} // namespace lexaro
