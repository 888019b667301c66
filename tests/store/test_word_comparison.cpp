#include "store/word_comparison.h"

#include <QTest>

using namespace lexaro;

namespace {

int cmp(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return WordComparison::compare({ua.constData(), std::size_t(ua.size())},
                                   {ub.constData(), std::size_t(ub.size())});
}

} // namespace

class TestWordComparison : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameWordOrNot_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        const auto row = [](const char* name, const QString& a, const QString& b, bool same) {
            QTest::newRow(name) << a << b << same;
        };
        row("ASCII case", QStringLiteral("House"), QStringLiteral("house"), true);
        row("umlaut case", QStringLiteral("\u00DCber"), QStringLiteral("\u00FCber"), true);
        row("ring case", QStringLiteral("\u00C5r"), QStringLiteral("\u00E5r"), true);
        row("acute case", QStringLiteral("\u00C9t\u00E9"), QStringLiteral("\u00E9t\u00E9"), true);
        row("Greek sigma", QStringLiteral("\u03A3\u03BF\u03C6\u03B9\u03B1"),
            QStringLiteral("\u03C3\u03BF\u03C6\u03B9\u03B1"), true);
        row("Cyrillic", QStringLiteral("\u0414\u043E\u043C"), QStringLiteral("\u0434\u043E\u043C"),
            true);
        row("accent significant", QStringLiteral("\u00E9t\u00E9"), QStringLiteral("ete"), false);
        row("umlaut significant", QStringLiteral("schon"), QStringLiteral("sch\u00F6n"), false);
        row("Arabic yeh = Persian yeh", QStringLiteral("\u0639\u0631\u0628\u064A"),
            QStringLiteral("\u0639\u0631\u0628\u06CC"), true);
        row("alef maksura = Persian yeh", QStringLiteral("\u0645\u0648\u0633\u0649"),
            QStringLiteral("\u0645\u0648\u0633\u06CC"), true);
        row("Arabic kaf = keheh", QStringLiteral("\u0643\u062A\u0627\u0628"),
            QStringLiteral("\u06A9\u062A\u0627\u0628"), true);
        row("diacritics ignored", QStringLiteral("\u0643\u064E\u062A\u064E\u0628\u064E"),
            QStringLiteral("\u06A9\u062A\u0628"), true);
        row("superscript alef ignored", QStringLiteral("\u0647\u0670\u0630\u0627"),
            QStringLiteral("\u0647\u0630\u0627"), true);
        row("tatweel ignored", QStringLiteral("\u0643\u0640\u062A\u0627\u0628"),
            QStringLiteral("\u0643\u062A\u0627\u0628"), true);
        // Marks that only steer the direction draw nothing: the word is the one it shows.
        row("right-to-left mark after", QStringLiteral("house\u200F"), QStringLiteral("house"),
            true);
        row("left-to-right mark before", QStringLiteral("\u200Ehouse"), QStringLiteral("house"),
            true);
        row("Arabic letter mark inside", QStringLiteral("\u0643\u061C\u062A\u0627\u0628"),
            QStringLiteral("\u0643\u062A\u0627\u0628"), true);
        row("embedding and isolate", QStringLiteral("\u202Bhouse\u202C\u2067\u2069"),
            QStringLiteral("house"), true);
        row("zero-width non-joiner counts", QStringLiteral("\u0645\u06CC\u200C\u0631\u0648\u062F"),
            QStringLiteral("\u0645\u06CC\u0631\u0648\u062F"), false);
        row("different Arabic words", QStringLiteral("\u0643\u062A\u0628"),
            QStringLiteral("\u0643\u062A\u0627\u0628"), false);
        row("NUL counts", QStringLiteral("ho\0use"), QStringLiteral("house"), false);
        row("trailing space counts", QStringLiteral("house "), QStringLiteral("house"), false);
        row("apostrophe", QStringLiteral("don't"), QStringLiteral("DON'T"), true);
        row("prefix", QStringLiteral("hous"), QStringLiteral("house"), false);
        row("empty", QString(), QString(), true);
        row("marks only vs empty", QStringLiteral("\u064E\u0640"), QString(), true);
    }

    void sameWordOrNot()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(WordComparison::sameWord(a, b), same);
        QCOMPARE(WordComparison::folded(a) == WordComparison::folded(b), same);
    }

    void foldedOrder()
    {
        QCOMPARE(cmp(QStringLiteral("House"), QStringLiteral("house")), 0);
        QVERIFY(cmp(QStringLiteral("apple"), QStringLiteral("Banana")) < 0);
        QVERIFY(cmp(QStringLiteral("Banana"), QStringLiteral("cherry")) < 0);
        QVERIFY(cmp(QStringLiteral("cherry"), QStringLiteral("Banana")) > 0);
        QVERIFY(cmp(QStringLiteral("hous"), QStringLiteral("house")) < 0);
        QVERIFY(cmp(QStringLiteral("e"), QStringLiteral("\u00E9")) < 0);
    }

    void malformedUtf8StillOrders()
    {
        const std::string bad1("\xC3", 1);
        const std::string bad2("a\xFF", 2);
        QCOMPARE(WordComparison::compare(bad1, bad1), 0);
        QVERIFY(WordComparison::compare(bad1, bad2) != 0);
        QCOMPARE(WordComparison::compare(bad1, bad2), -WordComparison::compare(bad2, bad1));
    }
};

QTEST_APPLESS_MAIN(TestWordComparison)
#include "test_word_comparison.moc"
