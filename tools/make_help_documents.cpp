// Renders the help documents, written as HTML in help/, to the PDF files the help window
// opens. Usage: lexaro_make_help_documents <help source folder> <output folder>
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextOption>
#include <QTextStream>
#include <QUrl>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The file names the help window looks for, without ".pdf".
constexpr std::array DocumentNames = {u"Orvenda Lexaro 2019", u"New features",
                                      u"System requirements", u"Add word",
                                      u"Edit word",           u"Delete word",
                                      u"Listen word",         u"Refresh database",
                                      u"Help and support",    u"About Orvenda Lexaro 2019",
                                      u"Microsoft Windows 7", u"Microsoft Windows 8 and 10",
                                      u"Contacts us"};

// Faces from Debian's font packages, embedded into every PDF. Persian text is set in Naskh;
// Naskh has no Latin letters, so the English captions fall through to Noto Sans.
constexpr std::array FontFiles = {u"/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf",
                                  u"/usr/share/fonts/truetype/noto/NotoNaskhArabic-Bold.ttf",
                                  u"/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
                                  u"/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf",
                                  u"/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"};

constexpr int Resolution = 600;         // dots per inch of the PDF's drawing space
constexpr qreal MarginMillimetres = 20; // left, right and top
constexpr qreal FooterMillimetres = 12; // below the text: rule and page number

QString persianDigits(int number)
{
    QString text = QString::number(number);
    for (QChar& c : text)
        c = QChar(u'\u06F0' + (c.unicode() - u'0'));
    return text;
}

bool loadFonts(QTextStream& err)
{
    for (const char16_t* file : FontFiles) {
        const QString path = QString::fromUtf16(file);
        if (QFontDatabase::addApplicationFont(path) < 0) {
            err << "cannot load the font " << path << '\n';
            return false;
        }
    }
    return true;
}

QFont bodyFont()
{
    QFont font;
    font.setFamilies({u"Noto Naskh Arabic"_s, u"Noto Sans"_s});
    font.setPointSizeF(12);
    return font;
}

bool isHeadingOrFigure(const QTextBlock& block)
{
    if (block.blockFormat().headingLevel() > 0)
        return true;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

qreal firstLineTop(const QTextDocument& document, const QTextBlock& block)
{
    const QRectF rect = document.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    return layout->lineCount() > 0 ? rect.top() + layout->lineAt(0).y() : rect.top();
}

// The layout rounds positions to 1/64 of a unit, so a line placed at the top of a page may
// sit a hair above the page's edge.
int pageOf(qreal y, qreal pageHeight)
{
    return int((y + 1) / pageHeight);
}

// Qt has no "keep with next": a heading or a picture left at the foot of a page, with its
// text on the next, starts that page instead. Moving a block only pushes later ones down,
// so one pass in reading order settles the pages. The layout is finished before every
// measurement (pageCount() does that): positions read from a half-done layout are wrong.
void keepHeadingsWithTheirText(QTextDocument& document, qreal pageHeight)
{
    document.pageCount();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (!next.isValid() || !isHeadingOrFigure(block))
            continue;
        const int page = pageOf(firstLineTop(document, block), pageHeight);
        const qreal blockTop = document.documentLayout()->blockBoundingRect(block).top();
        if (page == pageOf(firstLineTop(document, next), pageHeight) ||
            page != pageOf(blockTop - 2, pageHeight)) // already at the top of a page
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        document.pageCount();
    }
}

// Every line must lie inside the pages that are drawn, none across a page's edge.
bool everyLineIsOnAPage(const QTextDocument& document, qreal pageHeight)
{
    const int pageCount = document.pageCount();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int page = pageOf(top + line.y(), pageHeight);
            if (page >= pageCount || pageOf(top + line.y() + line.height() - 2, pageHeight) != page)
                return false;
        }
    }
    return true;
}

// A picture that is not found would be drawn as an empty box without a word of warning.
std::optional<QString> missingPicture(const QTextDocument& document, const QDir& sources)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat() &&
                !QFile::exists(sources.filePath(format.toImageFormat().name())))
                return format.toImageFormat().name();
        }
    return std::nullopt;
}

struct ListMarker
{
    QTextBlock block;
    QString visual; // as it should look, laid out left to right
};

// Qt's list items in right-to-left text wrap their second line deeper than the first, number
// with Latin digits and put the full stop on the outer side. So the items become plain
// indented paragraphs and the tool draws their markers: "۱." read from the right, or a bullet.
std::vector<ListMarker> takeOverListMarkers(QTextDocument& document)
{
    std::vector<ListMarker> markers;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextList* list = block.textList();
        if (!list)
            continue;
        const bool numbered = list->format().style() == QTextListFormat::ListDecimal;
        std::vector<QTextBlock> items;
        items.reserve(static_cast<std::size_t>(list->count()));
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->item(i));
        for (std::size_t i = 0; i < items.size(); ++i) {
            markers.push_back(
                {items[i], numbered ? u'.' + persianDigits(int(i) + 1) : QString(u'\u2022')});
            list->remove(items[i]); // keeps the item's indentation
        }
    }
    return markers;
}

void drawListMarker(QPainter& painter, const QTextDocument& document, const ListMarker& marker)
{
    const QTextLayout* layout = marker.block.layout();
    if (layout->lineCount() == 0)
        return;
    const QTextLine line = layout->lineAt(0);
    const QRectF rect = document.documentLayout()->blockBoundingRect(marker.block);
    const QFont font = marker.block.charFormat().font().resolve(document.defaultFont());
    const QFontMetricsF metrics(font, painter.device());
    const qreal left = rect.left() + line.x() + line.width() + metrics.horizontalAdvance(u' ');
    painter.save();
    painter.setFont(font);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.drawText(QPointF(left, rect.top() + line.y() + line.ascent()), marker.visual);
    painter.restore();
}

// "صفحهٔ ۲ از ۵" centred under a thin rule.
void drawFooter(QPainter& painter, const QRectF& footer, int page, int pageCount)
{
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), Resolution / 144.0));
    painter.drawLine(footer.topLeft(), footer.topRight());
    QFont font = bodyFont();
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(QColor(96, 96, 96));
    QTextOption option(Qt::AlignHCenter | Qt::AlignBottom);
    option.setTextDirection(Qt::RightToLeft);
    const QString text = u"صفحهٔ "_s + persianDigits(page) + u" از "_s + persianDigits(pageCount);
    painter.drawText(footer, text, option);
    painter.restore();
}

// Text shared by several documents lives in one file, pulled in by
// <!--#include parts/name.html--> (paths relative to the help folder).
std::optional<QString> readSource(const QDir& sources, const QString& relativePath,
                                  QTextStream& err)
{
    QFile file(sources.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << file.fileName() << '\n';
        return std::nullopt;
    }
    QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression include(u"<!--#include\\s+(\\S+)\\s*-->"_s);
    QRegularExpressionMatch match;
    while ((match = include.match(text)).hasMatch()) {
        const std::optional<QString> part = readSource(sources, match.captured(1), err);
        if (!part)
            return std::nullopt;
        text.replace(match.capturedStart(), match.capturedLength(), *part);
    }
    return text;
}

// A Latin caption broken over two lines of right-to-left text reads in a scrambled order, so
// the spaces between Latin words become no-break spaces. Commands (<pre>, <code>) keep their
// plain spaces, so that they still work when copied into a terminal.
QString keepLatinPhrasesTogether(const QString& html)
{
    static const QRegularExpression tag(u"<(/?)(\\w*)[^>]*>"_s);
    static const QRegularExpression latinSpace(u"(?<=[!-~]) (?=[!-~])"_s);
    QString result;
    int commandDepth = 0;
    qsizetype done = 0;
    const auto addText = [&](QString text) {
        if (commandDepth == 0) {
            text.replace(latinSpace, u"&nbsp;"_s);
            // Qt breaks after a hyphen even between no-break spaces; a word joiner stops it.
            text.replace(u"&nbsp;-&nbsp;"_s, u"&nbsp;-\u2060&nbsp;"_s);
        }
        result += text;
    };
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        addText(html.mid(done, m.capturedStart() - done));
        result += m.captured();
        done = m.capturedEnd();
        const QString name = m.captured(2).toLower();
        if (name == u"pre"_s || name == u"code"_s)
            commandDepth += m.captured(1).isEmpty() ? 1 : -1;
    }
    addText(html.mid(done));
    return result;
}

bool isLatinLetterOrDigit(QChar c)
{
    return (c.isLetterOrNumber() && c.script() == QChar::Script_Latin) || (c >= u'0' && c <= u'9');
}

// What may stand inside a Latin phrase: its letters, digits, spaces and ASCII punctuation,
// the word joiner and the left-to-right mark.
bool continuesLatinPhrase(QChar c)
{
    return isLatinLetterOrDigit(c) || (c >= u' ' && c <= u'~') || c == QChar::Nbsp ||
           c == u'\u2060' || c == u'\u200E';
}

// The character formats of a block, one for each of its characters.
std::vector<QTextCharFormat> charFormats(const QTextBlock& block)
{
    std::vector<QTextCharFormat> formats(std::size_t(block.length()), block.charFormat());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const auto first = std::size_t(fragment.position() - block.position());
        std::fill_n(formats.begin() + qsizetype(first), fragment.length(), fragment.charFormat());
    }
    return formats;
}

bool isAsciiMark(QChar c)
{
    return c > u' ' && c <= u'~' && !isLatinLetterOrDigit(c);
}

// Where the Latin phrase that starts at `from` ends (one past it). The phrase ends with its
// last letter or digit, and takes the marks after it only where they are the phrase's: a
// closing bracket whose opening one it holds; marks inside the closing quote ("«Region and
// language:»"); marks set like a caption they end ("<b>Add...</b>"); and marks the text
// gives to it with a left-to-right mark ("Check for updates...&#x200E;").
qsizetype latinPhraseEnd(const QString& text, const std::vector<QTextCharFormat>& formats,
                         qsizetype from)
{
    qsizetype end = from;
    for (qsizetype i = from; i < text.size() && continuesLatinPhrase(text.at(i)); ++i) {
        if (isLatinLetterOrDigit(text.at(i)))
            end = i + 1;
    }
    for (;;) {
        const QStringView phrase = QStringView(text).mid(from, end - from);
        if (end < text.size() && text.at(end) == u')' && phrase.count(u'(') > phrase.count(u')')) {
            ++end;
            continue;
        }
        qsizetype marks = end;
        bool setAsCaption = true;
        while (marks < text.size() && isAsciiMark(text.at(marks))) {
            setAsCaption &= formats[std::size_t(marks)] == formats[std::size_t(end - 1)];
            ++marks;
        }
        if (marks == end || marks == text.size())
            return end;
        if (text.at(marks) == u'\u200E')
            return marks + 1;
        if (text.at(marks) == u'»' ||
            (setAsCaption && formats[std::size_t(marks)] != formats[std::size_t(end - 1)]))
            return marks;
        return end;
    }
}

// Commands keep their text as it is, so that they still work when copied into a terminal.
bool isCommand(const QTextCharFormat& format)
{
    const QFont font = format.font();
    return font.family() == u"DejaVu Sans Mono"_s ||
           font.families().contains(u"DejaVu Sans Mono"_s);
}

// In a right-to-left paragraph the marks that end a Latin caption take the paragraph's
// direction: "«Region and language:»" comes out as "«:Region and language»". Each phrase is
// isolated (LRI ... PDI), so that it is laid out as the left-to-right text it is, its own
// marks included, and then placed as one piece among the Persian words.
void isolateLatinPhrases(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textDirection() != Qt::RightToLeft)
            continue;
        const QString text = block.text();
        const std::vector<QTextCharFormat> formats = charFormats(block);
        std::vector<std::pair<qsizetype, qsizetype>> phrases;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!isLatinLetterOrDigit(text.at(i)))
                continue;
            const qsizetype end = latinPhraseEnd(text, formats, i);
            if (!isCommand(formats[std::size_t(i)]))
                phrases.emplace_back(i, end);
            i = end - 1;
        }
        // From the last phrase back, so that the positions of the earlier ones still hold.
        std::reverse(phrases.begin(), phrases.end());
        for (const auto& [from, to] : phrases) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + int(to));
            cursor.insertText(QString(u'\u2069'));
            cursor.setPosition(block.position() + int(from));
            cursor.insertText(QString(u'\u2066'));
        }
    }
}

bool render(const QDir& sources, const QString& name, const QString& styleSheet,
            const QString& pdfPath, QTextStream& err)
{
    const std::optional<QString> html = readSource(sources, name + u".html"_s, err);
    if (!html)
        return false;
    QSaveFile pdf(pdfPath);
    if (!pdf.open(QIODevice::WriteOnly)) {
        err << "cannot write " << pdfPath << '\n';
        return false;
    }

    QPdfWriter writer(&pdf);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres / 2),
        QPageLayout::Millimeter));
    writer.setCreator(u"Orvenda Lexaro 2019"_s);

    QTextDocument document;
    // Lay the text out in the writer's own units, so that what is measured is what is drawn.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(bodyFont());
    document.setDefaultStyleSheet(styleSheet);
    document.setBaseUrl(QUrl::fromLocalFile(sources.absolutePath() + u'/'));
    document.setDocumentMargin(0);
    document.setHtml(keepLatinPhrasesTogether(*html));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    if (const std::optional<QString> picture = missingPicture(document, sources)) {
        err << name << " shows a picture that is not there: " << *picture << '\n';
        return false;
    }
    const std::vector<ListMarker> markers = takeOverListMarkers(document);
    isolateLatinPhrases(document);

    const qreal footerHeight = FooterMillimetres / 25.4 * Resolution;
    const QSizeF body(writer.width(), writer.height() - footerHeight);
    document.setPageSize(body);
    keepHeadingsWithTheirText(document, body.height());
    if (!everyLineIsOnAPage(document, body.height())) {
        err << "the pages of " << name << " do not hold all of its lines\n";
        return false;
    }
    const int pageCount = document.pageCount();

    QPainter painter(&writer);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF shown(QPointF(0, i * body.height()), body);
        painter.save();
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        for (const ListMarker& marker : markers)
            if (pageOf(firstLineTop(document, marker.block), body.height()) == i)
                drawListMarker(painter, document, marker);
        painter.restore();
        drawFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), i + 1, pageCount);
    }
    if (!painter.end() || !pdf.commit()) {
        err << "cannot write " << pdfPath << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: lexaro_make_help_documents <help source folder> <output folder>\n";
        return 2;
    }
    const QDir sources(args.at(1));
    const QDir output(args.at(2));
    if (!loadFonts(err))
        return 1;
    QFile styleFile(sources.filePath(u"style.css"_s));
    if (!styleFile.open(QIODevice::ReadOnly)) {
        err << "cannot read " << styleFile.fileName() << '\n';
        return 1;
    }
    const QString styleSheet = QString::fromUtf8(styleFile.readAll());
    if (!output.mkpath(u"."_s)) {
        err << "cannot create " << output.path() << '\n';
        return 1;
    }
    for (const char16_t* name : DocumentNames) {
        const QString base = QString::fromUtf16(name);
        if (!render(sources, base, styleSheet, output.filePath(base + u".pdf"_s), err))
            return 1;
    }
    return 0;
}
