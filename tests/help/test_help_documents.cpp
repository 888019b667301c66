// The thirteen help documents as a reader gets them: in the program folder, real PDF files,
// every font embedded, and the Persian title there in the text layer.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList DocumentNames{u"Orvenda Lexaro 2019"_s, u"New features"_s,
                                u"System requirements"_s, u"Add word"_s,
                                u"Edit word"_s,           u"Delete word"_s,
                                u"Listen word"_s,         u"Refresh database"_s,
                                u"Help and support"_s,    u"About Orvenda Lexaro 2019"_s,
                                u"Microsoft Windows 7"_s, u"Microsoft Windows 8 and 10"_s,
                                u"Contacts us"_s};

QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What can be compared in extracted text. Qt's PDF text layer maps glyphs back through the
// font's character map only, so the lam-alef ligature and some Persian digits come out
// without text; extraction also returns presentation forms and may detach the hamza of ۀ.
QString comparable(const QString& text)
{
    QString s = text.normalized(QString::NormalizationForm_KC);
    s.remove(u"لا"_s);
    QString kept;
    for (const QChar c : std::as_const(s))
        if (!c.isSpace() && !(c >= u'\u200C' && c <= u'\u200F') && c != u'\u0654' &&
            !(c >= u'\u06F0' && c <= u'\u06F9') && c != u'\u202A' && c != u'\u202B' &&
            c != u'\u202C')
            kept += c;
    return kept;
}

} // namespace

class TestHelpDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void document_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        const auto row = [](const char* name, const char16_t* title) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf16(title);
        };
        row("Orvenda Lexaro 2019", u"لکسارو اروندا");
        row("New features", u"ویژگی‌های جدید");
        row("System requirements", u"حداقل سیستم مورد نیاز");
        row("Add word", u"ثبت واژه");
        row("Edit word", u"ویرایش واژه");
        row("Delete word", u"حذف واژه");
        row("Listen word", u"گوش دادن به واژه");
        row("Refresh database", u"تازه کردن بانک اطلاعاتی");
        row("Help and support", u"راهنما و پشتیبانی");
        row("About Orvenda Lexaro 2019", u"دربارهٔ لکسارو اروندا");
        row("Microsoft Windows 7", u"میکروسافت ویندوز ۷");
        row("Microsoft Windows 8 and 10", u"میکروسافت ویندوز ۸ و ۱۰");
        row("Contacts us", u"ارتباط با ما");
    }

    void document()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        const QString path =
            QStringLiteral(LEXARO_PROGRAM_DIR "/Help and support/") + name + u".pdf"_s;

        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));

        // pdffonts: two header lines, then one font a line ending "emb sub uni object gen".
        const QStringList fonts = run(u"pdffonts"_s, {path}).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, "pdffonts listed no fonts");
        bool persianFace = false;
        for (const QString& line : fonts.mid(2)) {
            const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
            QVERIFY2(columns.size() >= 6 && columns.at(columns.size() - 5) == u"yes"_s,
                     qPrintable(u"not embedded: "_s + line));
            persianFace |= line.startsWith(u"NotoNaskhArabic"_s);
        }
        QVERIFY2(persianFace, "the Persian text is not set in Noto Naskh Arabic");

        const QString firstPage = run(u"pdftotext"_s, {u"-l"_s, u"1"_s, path, u"-"_s});
        QVERIFY2(comparable(firstPage).contains(comparable(title)),
                 qPrintable(u"title not found in: "_s + firstPage.left(200)));
    }

    void latinPhrasesKeepTheirMarks()
    {
        // Marks after an English caption in a Persian line stay with the caption, inside its
        // quotes or set in bold like it, without any mark in the source to say so.
        QTemporaryDir sources;
        QVERIFY(QFile::copy(QStringLiteral(LEXARO_HELP_SOURCE_DIR "/style.css"),
                            sources.filePath(u"style.css"_s)));
        const QByteArray html =
            u"<html><body dir=\"rtl\"><p>دو عنوان «Region and language:» تنها "
            u"سرفصل‌اند.</p>"
            u"<p>زبانهٔ <b>Keyboards:</b> را باز کنید.</p></body></html>"_s.toUtf8();
        for (const QString& name : DocumentNames) {
            QFile file(sources.filePath(name + u".html"_s));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(html) == html.size());
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QTemporaryDir output;
        run(QStringLiteral(LEXARO_MAKE_HELP_DOCUMENTS), {sources.path(), output.path()},
            environment);
        // The words as drawn, each with the marks that touch it.
        const QString words =
            run(u"pdftotext"_s, {u"-bbox"_s, output.filePath(u"Help and support.pdf"_s), u"-"_s});
        QVERIFY2(words.contains(u">language:<"_s), qPrintable(words));
        QVERIFY2(words.contains(u">Keyboards:<"_s), qPrintable(words));
    }
};

QTEST_GUILESS_MAIN(TestHelpDocuments)
#include "test_help_documents.moc"
