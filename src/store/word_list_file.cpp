#include "store/word_list_file.h"

#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace lexaro {

QString WordListFile::unescape(QStringView field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != u'\\' || i + 1 == field.size()) {
            out.append(c);
            continue;
        }
        switch (field[++i].unicode()) {
        case u'n':
            out.append(u'\n');
            break;
        case u't':
            out.append(u'\t');
            break;
        case u'r':
            out.append(u'\r');
            break;
        case u'\\':
            out.append(u'\\');
            break;
        default: // not an escape: keep both characters
            out.append(c);
            out.append(field[i]);
        }
    }
    return out;
}

QString WordListFile::escape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\n':
            out.append(u"\\n");
            break;
        case u'\t':
            out.append(u"\\t");
            break;
        case u'\r':
            out.append(u"\\r");
            break;
        case u'\\':
            out.append(u"\\\\");
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

namespace {

// The number of the first line that is not valid UTF-8; only asked once decoding has failed.
qsizetype firstMalformedLine(const QByteArray& content)
{
    qsizetype line = 1;
    for (qsizetype start = 0; start <= content.size(); ++line) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(content).sliced(start, end - start));
        if (decoder.hasError())
            return line;
        start = end + 1;
    }
    return line;
}

} // namespace

WordListFile::Result WordListFile::parse(const QByteArray& content)
{
    Result result;
    // Stateless, so that a sequence cut short at the end of the file is an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(content);
    if (decoder.hasError()) {
        result.errors << u"line "_s + QString::number(firstMalformedLine(content)) +
                             u": not valid UTF-8"_s;
        return result;
    }
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QString where = u"line "_s + QString::number(i + 1) + u": "_s;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 2) {
            result.errors << where + u"expected one tab between headword and translation"_s;
            continue;
        }
        WordEntry entry{unescape(fields[0]), unescape(fields[1])};
        if (entry.word.isEmpty() || entry.translation.isEmpty()) {
            result.errors << where + u"empty headword or translation"_s;
            continue;
        }
        result.entries.push_back(std::move(entry));
    }
    return result;
}

WordListFile::Result WordListFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.errors << u"cannot read "_s + path;
        return result;
    }
    return parse(file.readAll());
}

} // namespace lexaro
