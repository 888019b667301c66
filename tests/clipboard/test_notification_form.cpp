#include "clipboard/notification_form.h"
#include "fakes/fake_platform.h"
#include "support/test_database.h"
#include "translation/not_found_text.h"
#include "ui/clickable_image.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace lexaro;

namespace {

const QString English = QStringLiteral("English to persian dictionary");
const QString Arabic = QStringLiteral("Arabic to persian dictionary");

struct PopUp
{
    explicit PopUp(const QString& mainCaption = English, QRect workArea = QRect(0, 0, 1280, 1024))
        : dictionary(DictionaryCatalog::fromDisplayName(mainCaption))
    {
        db.insert(DictionaryId::English,
                  {{QStringLiteral("house"), QStringLiteral("\u062E\u0627\u0646\u0647")}});
        store = db.open();
        platform.workArea->area = workArea;
        form = new NotificationForm({*store, *platform.sound, *platform.keyboard,
                                     *platform.stacking, *platform.workArea, *platform.clock},
                                    dictionary);
    }
    // A word copied while the main window's dictionary was current.
    void copy(const QString& word) { form->setWord(word, dictionary); }
    ~PopUp() { delete form.data(); }

    // Shown, then activated as a click into it does.
    void showActive()
    {
        form->showPopUp();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    std::optional<DictionaryId> dictionary;
    testing::TestDatabase db;
    std::unique_ptr<DictionaryStore> store;
    fakes::FakePlatform platform;
    QPointer<NotificationForm> form;
};

} // namespace

class TestNotificationForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAsDesigned()
    {
        // A panel on the right edge: the pop-up stands against it, at the bottom.
        PopUp p(English, QRect(0, 0, 1240, 1024));
        NotificationForm& form = *p.form;
        QCOMPARE(form.size(), QSize(523, 304));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(form.windowType(), Qt::Tool); // kept out of the taskbar
        QCOMPARE(p.platform.stacking->calls, (QList<QPair<QWidget*, bool>>{{&form, true}}));
        QCOMPARE(p.platform.stacking->outOfTaskbar, QList<QWidget*>{&form});
        QCOMPARE(form.timerLabel()->text(), QStringLiteral("40"));

        p.showActive();
        QCOMPARE(form.frameGeometry().topLeft(), QPoint(717, 720));
        QVERIFY(form.wordText()->hasFocus());
        QVERIFY(!form.timerLabel()->isVisible());
        QVERIFY(!form.rect().intersects(form.timerLabel()->geometry()));
    }

    void failedLookUpShowsNotFound()
    {
        PopUp p;
        p.copy(QStringLiteral("house"));
        QVERIFY(p.store->connection().execute(QStringLiteral("Drop Table English_to_Persian")));
        p.copy(QStringLiteral("cat"));
        QCOMPARE(p.form->translationText()->toPlainText(), notFoundText());
        QCOMPARE(p.platform.sound->played.size(), 2);
    }

    void closesItself20point5SecondsAfterItsLoad()
    {
        using std::chrono::milliseconds;
        PopUp p;
        // The countdown runs from the load, not from the showing.
        p.platform.clock->advance(milliseconds(5000));
        QCOMPARE(p.form->timerLabel()->text(), QStringLiteral("30"));
        p.form->showPopUp();
        p.platform.clock->advance(milliseconds(15499));
        QCOMPARE(p.form->timerLabel()->text(), QStringLiteral("0"));
        QVERIFY(p.form->isVisible());
        p.platform.clock->advance(milliseconds(1));
        QTRY_VERIFY(!p.form);
        QCOMPARE(p.platform.clock->activeTimers(), 0);
    }

    void escapeOrTheArrowCloses_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("click");
        QTest::newRow("Escape in the translation field")
            << QStringLiteral("TranslationText") << Qt::KeyboardModifiers() << false;
        QTest::newRow("Shift+Escape on the arrow")
            << QStringLiteral("BackImage") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("click on the arrow")
            << QStringLiteral("BackImage") << Qt::KeyboardModifiers() << true;
    }

    void escapeOrTheArrowCloses()
    {
        QFETCH(QString, control);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, click);
        PopUp p;
        p.copy(QStringLiteral("house"));
        p.showActive();
        auto* widget = p.form->findChild<QWidget*>(control);
        QVERIFY(widget);
        widget->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(widget->hasFocus());
        if (click)
            QTest::mouseClick(widget, Qt::LeftButton);
        else
            QTest::keyClick(widget, Qt::Key_Escape, modifiers);
        QTRY_VERIFY(!p.form);
    }

    void wordFieldFollowsTheDictionary_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Qt::Alignment>("alignment");
        QTest::addColumn<QString>("wordLayout");
        QTest::addColumn<QString>("translation");
        // Absolute: the side does not follow the script of the word.
        QTest::newRow("Arabic") << Arabic << (Qt::AlignAbsolute | Qt::AlignRight)
                                << QStringLiteral("00000429") << notFoundText();
        QTest::newRow("English") << English << (Qt::AlignAbsolute | Qt::AlignLeft)
                                 << QStringLiteral("00000409")
                                 << QStringLiteral("\u062E\u0627\u0646\u0647");
        // A caption that names no dictionary: no look-up, no sound.
        QTest::newRow("no dictionary") << QString() << (Qt::AlignAbsolute | Qt::AlignLeft)
                                       << QStringLiteral("00000409") << QString();
    }

    void wordFieldFollowsTheDictionary()
    {
        QFETCH(QString, caption);
        QFETCH(Qt::Alignment, alignment);
        QFETCH(QString, wordLayout);
        QFETCH(QString, translation);
        PopUp p(caption);
        NotificationForm& form = *p.form;
        QCOMPARE(form.wordText()->alignment() & Qt::AlignHorizontal_Mask, alignment);
        p.copy(QStringLiteral("house"));
        QCOMPARE(form.translationText()->toPlainText(), translation);
        QCOMPARE(form.dictionaryNameLabel()->text(), caption);
        QCOMPARE(p.platform.sound->played.size(), caption.isEmpty() ? 0 : 1);

        p.showActive();
        form.translationText()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(
            p.platform.keyboard->requested.value(p.platform.keyboard->requested.size() - 1),
            QStringLiteral("00000429"));
        form.wordText()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(
            p.platform.keyboard->requested.value(p.platform.keyboard->requested.size() - 1),
            wordLayout);

        // An emptied word field empties the translation, silently.
        const qsizetype sounds = p.platform.sound->played.size();
        p.copy(QString());
        QVERIFY(form.translationText()->toPlainText().isEmpty());
        QCOMPARE(p.platform.sound->played.size(), sounds);
    }
};

QTEST_MAIN(TestNotificationForm)
#include "test_notification_form.moc"
