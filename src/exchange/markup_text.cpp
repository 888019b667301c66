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

// Reads markup from start to end, one piece at a time: text, an entity, a comment, a CDATA
// section or a tag. Each reader takes its piece and returns false when what stands at the
// position is not one, so the next reader may try.
class MarkupReader
{
public:
    MarkupReader(QStringView markup, Markup kind) : m_markup(markup), m_kind(kind), m_out(kind) {}

    QString read()
    {
        while (m_at < m_markup.size()) {
            if (!readEntity() && !readComment() && !readCData() && !readTag())
                m_out.character(m_markup[m_at++]);
        }
        return m_out.finish();
    }

private:
    QStringView rest() const { return m_markup.sliced(m_at); }

    bool readEntity()
    {
        if (m_markup[m_at] != u'&')
            return false;
        const QStringView head = rest().first(std::min(LongestEntity, rest().size()));
        const qsizetype semicolon = head.indexOf(u';');
        if (semicolon <= 1)
            return false;
        const char32_t value = entityValue(head.sliced(1, semicolon - 1));
        if (!value)
            return false;
        m_out.codePoint(value);
        m_at += semicolon + 1;
        return true;
    }

    // A '<' opens markup only when a '>' could still close it and something follows.
    bool atMarkup() const
    {
        return m_markup[m_at] == u'<' && m_tagsCanClose && m_at + 1 < m_markup.size();
    }

    bool readComment()
    {
        if (!atMarkup() || !rest().startsWith(u"<!--"))
            return false;
        skipPast(rest().indexOf(u"-->", 4), 3);
        return true;
    }

    bool readCData()
    {
        if (!atMarkup() || !rest().startsWith(u"<![CDATA["))
            return false;
        const qsizetype end = rest().indexOf(u"]]>", 9);
        m_out.text(rest().sliced(9, (end < 0 ? rest().size() : end) - 9));
        skipPast(end, 3);
        return true;
    }

    // Moves past a terminator found `offset` characters on (or to the end when not found).
    void skipPast(qsizetype offset, qsizetype terminatorLength)
    {
        m_at = offset < 0 ? m_markup.size() : m_at + offset + terminatorLength;
    }

    bool readTag()
    {
        if (!atMarkup())
            return false;
        const QChar next = m_markup[m_at + 1];
        if (!next.isLetter() && next != u'/' && next != u'!' && next != u'?')
            return false; // "a < b"
        const qsizetype close = m_markup.indexOf(u'>', m_at + 1);
        if (close < 0) {
            m_tagsCanClose = false;
            return false;
        }
        const QStringView tag = m_markup.sliced(m_at + 1, close - m_at - 1);
        m_at = close + 1;
        const bool closing = tag.startsWith(u'/');
        tagRead(tagName(closing ? tag.sliced(1) : tag), closing);
        return true;
    }

    static QString tagName(QStringView tag)
    {
        qsizetype end = 0;
        while (end < tag.size() && tag[end].isLetterOrNumber())
            ++end;
        return tag.first(end).toString().toLower();
    }

    void tagRead(const QString& name, bool closing)
    {
        if (name == u"br")
            m_out.lineBreak();
        else if (m_kind == Markup::Xml && name == u"tr") // XDXF transcription
            m_out.character(closing ? u']' : u'[');
        else if (m_kind == Markup::Html && isHtmlBlock(name))
            m_out.blockBoundary();
        else if (m_kind == Markup::Html && !closing && (name == u"script" || name == u"style"))
            skipElementBody(name);
    }

    // What a script or style element holds is no text: skip to its end tag.
    void skipElementBody(const QString& name)
    {
        const qsizetype end = rest().indexOf(QString(u"</"_s + name), 0, Qt::CaseInsensitive);
        const qsizetype gt = end < 0 ? -1 : m_markup.indexOf(u'>', m_at + end);
        m_at = gt < 0 ? m_markup.size() : gt + 1;
    }

    QStringView m_markup;
    Markup m_kind;
    TextBuilder m_out;
    qsizetype m_at = 0;
    bool m_tagsCanClose = true; // false once no '>' is left: every later '<' is text
};

} // namespace

QString markupToText(QStringView markup, Markup kind)
{
    return MarkupReader(markup, kind).read();
}

} // namespace lexaro
