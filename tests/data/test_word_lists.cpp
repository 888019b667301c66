#include "store/dictionary_catalog.h"
#include "store/word_comparison.h"
#include "store/word_list_file.h"

#include <QHash>
#include <QTest>

using namespace lexaro;

namespace {

int minimumCount(DictionaryId id)
{
    switch (id) {
    case DictionaryId::English:
        return 15000;
    case DictionaryId::ComputerAndInternet:
        return 3000;
    case DictionaryId::Finnish:
    case DictionaryId::Arabic:
        return 10000;
    default:
        return 12000;
    }
}

// Persian letters, Persian digits and punctuation, spaces and the zero-width non-joiner.
bool isPersianScript(char32_t c)
{
    if (c == u' ' || c == u'\n' || c == 0x200C)
        return true;
    if (QStringView(u"()[]\u00AB\u00BB.:!-/\u060C\u061B\u061F\u066B\u066C\u06D4")
            .contains(QChar(c)))
        return true;
    if ((c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x0655) || c == 0x0670)
        return c != 0x0643 && c != 0x064A;
    return c == 0x067E || c == 0x0686 || c == 0x0698 || c == 0x06A9 || c == 0x06AF || c == 0x06CC ||
           c == 0x06C0 || (c >= 0x06F0 && c <= 0x06F9);
}

bool isCustomaryLatin(char32_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'+' || c == u'#' || c == u'&' || c == u'\'' || c == u'_';
}

} // namespace

class TestWordLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordList_data()
    {
        QTest::addColumn<int>("dictionary");
        for (const DictionaryEntry& e : DictionaryCatalog::entries())
            QTest::newRow(qPrintable(e.tableName)) << int(e.id);
    }

    void wordList()
    {
        QFETCH(int, dictionary);
        const DictionaryEntry& d = DictionaryCatalog::entry(DictionaryId(dictionary));
        const WordListFile::Result list = WordListFile::read(QStringLiteral(LEXARO_DATA_DIR "/") +
                                                             d.tableName + QStringLiteral(".tsv"));
        QVERIFY2(list.errors.isEmpty(), qPrintable(list.errors.join(QLatin1Char('\n'))));
        QVERIFY2(int(list.entries.size()) >= minimumCount(d.id),
                 qPrintable(QString::number(list.entries.size())));

        QHash<QString, QString> seen;
        QStringList problems;
        const bool latinAllowed = d.id == DictionaryId::ComputerAndInternet;
        for (const WordEntry& e : list.entries) {
            if (e.word.trimmed() != e.word)
                problems << e.word + QStringLiteral(": spaces around the headword");
            const QString key = WordComparison::folded(e.word);
            if (seen.contains(key))
                problems << e.word + QStringLiteral(": same headword as ") + seen.value(key);
            seen.insert(key, e.word);
            for (const char32_t c : e.translation.toUcs4()) {
                if (!isPersianScript(c) && !(latinAllowed && isCustomaryLatin(c))) {
                    problems << e.word + QStringLiteral(": not Persian script: U+") +
                                    QString::number(uint(c), 16).toUpper();
                    break;
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join(QLatin1Char('\n'))));
    }

    void fileFormat()
    {
        const WordListFile::Result r = WordListFile::parse(QByteArray(
            "house\t\xd8\xae\xd8\xa7\xd9\x86\xd9\x87\\n\xd9\x85\xd9\x86\xd8\xb2\xd9\x84\r\n"
            "\n"
            "a\\\\b\tx\\ty\n"
            "no tab here\n"
            "\tempty word\n"
            "one\ttwo\tthree\n"));
        QCOMPARE(r.entries.size(), std::size_t(2));
        QCOMPARE(r.entries[0].word, QStringLiteral("house"));
        QCOMPARE(r.entries[0].translation,
                 QStringLiteral("\u062E\u0627\u0646\u0647\n\u0645\u0646\u0632\u0644"));
        QCOMPARE(r.entries[1].word, QStringLiteral("a\\b"));
        QCOMPARE(r.entries[1].translation, QStringLiteral("x\ty"));
        QCOMPARE(r.errors.size(), 3);
        QVERIFY(r.errors[0].startsWith(QStringLiteral("line 4:")));
        QVERIFY(!WordListFile::parse(QByteArray("bad\xff\tx\n")).errors.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestWordLists)
#include "test_word_lists.moc"
