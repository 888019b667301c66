#include "translation/affix_expansion.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace lexaro;

class TestAffixExpansion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One small dictionary with each kind of rule the Debian files use.
    void expandsThroughTheAffixRules()
    {
        const QByteArray affixes = "SET UTF-8\n"
                                   "NEEDAFFIX n\n"
                                   "ONLYINCOMPOUND c\n"
                                   "PFX U Y 1\n"
                                   "PFX U 0 un .\n"
                                   "SFX S Y 3\n"
                                   "SFX S y ies [^aeiou]y\n"
                                   "SFX S 0 s [aeiou]y\n"
                                   "SFX S 0 s [^y]\n"
                                   "SFX D Y 2\n"
                                   "SFX D 0 ped/K p\n"
                                   "SFX D 0 ed [^p]\n"
                                   "SFX K Y 1\n"
                                   "SFX K 0 ly .\n"
                                   "SFX N Y 1\n"
                                   "SFX N 0 ness/n .\n"
                                   "SFX X Y 1\n"
                                   "SFX X 0 ish .\n";
        const QByteArray words = "5\n"
                                 "try/SU\n"
                                 "day/S\n"
                                 "stop/DSX\n"
                                 "kind/N\tpo:adj\n"
                                 "part/Sc\n";
        const auto expansion = AffixExpansion::fromText(affixes, words, {u"X"_s});
        QVERIFY(expansion);
        // A condition on the letters before the ending; the prefix never taken.
        QCOMPARE(expansion->formsOf(u"try"_s), QStringList{u"tries"_s});
        QCOMPARE(expansion->formsOf(u"day"_s), QStringList{u"days"_s});
        // A suffix after a suffix; a class left out makes nothing.
        QStringList stop = expansion->formsOf(u"stop"_s);
        stop.sort();
        QCOMPARE(stop, (QStringList{u"stopped"_s, u"stoppedly"_s, u"stops"_s}));
        // A form that needs one more ending is no word; a part only compounds use makes none.
        QVERIFY(expansion->formsOf(u"kind"_s).isEmpty());
        QVERIFY(expansion->formsOf(u"part"_s).isEmpty());
        QVERIFY(expansion->hasEntry(u"kind"_s));
        QVERIFY(!expansion->hasEntry(u"unknown"_s));
    }

    // Two-letter flags named through numbered flag sets, as the Arabic and French files write.
    void readsLongFlagsAndTheirAliases()
    {
        const QByteArray affixes = "FLAG long\n"
                                   "AF 2\n"
                                   "AF AaBb # 1\n"
                                   "AF Bb\n"
                                   "SFX Aa Y 1\n"
                                   "SFX Aa o i/2 o\n"
                                   "SFX Bb Y 1\n"
                                   "SFX Bb 0 ssimo .\n";
        const auto expansion = AffixExpansion::fromText(affixes, "1\nlibro/1\n");
        QStringList forms = expansion->formsOf(u"libro"_s);
        forms.sort();
        QCOMPARE(forms, (QStringList{u"libri"_s, u"librissimo"_s, u"librossimo"_s}));
    }

    // The installed dictionaries give the forms that change the word's ending, and none of the
    // derived words.
    void expandsTheInstalledDictionaries()
    {
        const auto english = AffixExpansion::installed(u"en_US"_s);
        const auto german = AffixExpansion::installed(u"de_DE"_s);
        if (!english || !german)
            QSKIP("the Hunspell dictionaries are not installed");
        const QStringList tryForms = english->formsOf(u"try"_s);
        QVERIFY(tryForms.contains(u"tries"_s) && tryForms.contains(u"tried"_s) &&
                tryForms.contains(u"trying"_s));
        QVERIFY(!english->formsOf(u"mod"_s).contains(u"modest"_s));
        QVERIFY(!english->formsOf(u"pitch"_s).contains(u"pitcher"_s));
        QVERIFY(german->formsOf(u"Kind"_s).contains(u"Kindern"_s));
        QVERIFY(!german->formsOf(u"Zeit"_s).contains(u"Zeitung"_s));
    }
};

QTEST_GUILESS_MAIN(TestAffixExpansion)
#include "test_affix_expansion.moc"
