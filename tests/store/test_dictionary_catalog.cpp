#include "store/dictionary_catalog.h"

#include <QTest>

using namespace lexaro;

class TestDictionaryCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("displayName");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("prefix");
        const auto row = [](int i, const char* d, const char* t, const char* p) {
            QTest::newRow(t) << i << QString::fromLatin1(d) << QString::fromLatin1(t)
                             << QString::fromLatin1(p);
        };
        row(0, "Arabic to persian dictionary", "Arabic_to_Persian", "Arabictopersiandictionary");
        row(1, "English to persian dictionary", "English_to_Persian", "Englishtopersiandictionary");
        row(2, "Finnish to persian dictionary", "Finnish_to_Persian", "Finnishtopersiandictionary");
        row(3, "French to persian dictionary", "French_to_Persian", "Frenchtopersiandictionary");
        row(4, "German to persian dictionary", "German_to_Persian", "Germantopersiandictionary");
        row(5, "Italian to persian dictionary", "Italian_to_Persian", "Italiantopersiandictionary");
        row(6, "Spanish to persian dictionary", "Spanish_to_Persian", "Spanishtopersiandictionary");
        row(7, "Swedish to persian dictionary", "Swedish_to_Persian", "Swedishtopersiandictionary");
        row(8, "Computer and internet dictionary", "Computer_and_Internet",
            "Computerandinternetdictionary");
    }

    void catalogRows()
    {
        QFETCH(int, index);
        QFETCH(QString, displayName);
        QFETCH(QString, table);
        QFETCH(QString, prefix);
        const DictionaryEntry& e = DictionaryCatalog::entries().at(std::size_t(index));
        QCOMPARE(int(e.id), index);
        QCOMPARE(e.displayName, displayName);
        QCOMPARE(e.tableName, table);
        QCOMPARE(e.prefix, prefix);
        QCOMPARE(DictionaryCatalog::fromDisplayName(displayName), std::optional(e.id));
    }

    void onlyArabicDiffersInItsChoices()
    {
        for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
            const bool arabic = e.id == DictionaryId::Arabic;
            QCOMPARE(e.searchReadingOrder() == ReadingOrder::RightToLeft, arabic);
            QCOMPARE(e.headwordKeyboardLayout(),
                     arabic ? QStringLiteral("00000429") : QStringLiteral("00000409"));
            QCOMPARE(e.trimsWordForDuplicateCheck(), !arabic);
            QCOMPARE(e.canBeSpoken(), !arabic);
        }
    }

    void captionLookupIsExact_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("lower-case first letter") << QStringLiteral("english to persian dictionary");
        QTest::newRow("capital Persian") << QStringLiteral("English to Persian dictionary");
        QTest::newRow("trailing space") << QStringLiteral("English to persian dictionary ");
        QTest::newRow("leading space") << QStringLiteral(" English to persian dictionary");
        QTest::newRow("table name") << QStringLiteral("English_to_Persian");
        QTest::newRow("empty") << QString();
        QTest::newRow("computer with to persian")
            << QStringLiteral("Computer and internet to persian dictionary");
    }

    void captionLookupIsExact()
    {
        QFETCH(QString, caption);
        QCOMPARE(DictionaryCatalog::fromDisplayName(caption), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestDictionaryCatalog)
#include "test_dictionary_catalog.moc"
