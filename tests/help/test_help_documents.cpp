// The thirteen help documents as a reader gets them: in the program folder, real PDF files,
// every font embedded, and the Persian title there in the text layer.
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
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
};

QTEST_GUILESS_MAIN(TestHelpDocuments)
#include "test_help_documents.moc"
