#include "fakes/fake_platform.h"
#include "ui/message_box_form.h"
#include "ui/program_exit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace lexaro;
using namespace lexaro::fakes;

namespace {

// Runs `interact` on the message box once it is shown modally. A watchdog closes any box
// still open after a few seconds, so a failed check ends the test instead of hanging it.
void whenShown(std::function<void(MessageBoxForm&)> interact)
{
    QTimer::singleShot(0, qApp, [interact = std::move(interact)] {
        auto* box = qobject_cast<MessageBoxForm*>(QApplication::activeModalWidget());
        QVERIFY(box);
        interact(*box);
    });
    QTimer::singleShot(5000, qApp, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            qWarning("watchdog: closing a message box left open");
            box->done(QDialog::Rejected);
        }
    });
}

void pressAlt(MessageBoxForm& box, Qt::Key key)
{
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(box.windowHandle(), key, Qt::AltModifier);
}

QStringList visibleButtons(const MessageBoxForm& box)
{
    QStringList names;
    for (const QPushButton* b : box.findChildren<QPushButton*>()) {
        if (!b->isHidden())
            names << b->objectName();
    }
    names.sort();
    return names;
}

Message messageOf(MessageBoxKind kind, int picture)
{
    switch (kind) {
    case MessageBoxKind::Splash:
        return Message::splash(SplashPicture(picture));
    case MessageBoxKind::AddWord:
        return Message::addWord(DictionaryId::Finnish, AddWordPicture(picture));
    case MessageBoxKind::EditWord:
        return Message::editWord(DictionaryId::Finnish, EditWordPicture(picture));
    case MessageBoxKind::Main:
        return Message::main(MainPicture(picture));
    case MessageBoxKind::Help:
        break;
    }
    return Message::help(HelpPicture(picture));
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFormAndPicture_data()
    {
        QTest::addColumn<int>("formIndex");
        const QList<MessageBoxFormInfo> forms = MessageCatalog::allForms();
        QCOMPARE(forms.size(), 21);
        for (int i = 0; i < forms.size(); ++i)
            QTest::newRow(qPrintable(forms[i].name)) << i;
    }

    void everyFormAndPicture()
    {
        QFETCH(int, formIndex);
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        const MessageBoxFormInfo info = MessageCatalog::allForms().at(formIndex);
        const QList<MessagePictureInfo>& pictures = MessageCatalog::pictures(info.kind);
        QVERIFY(!pictures.isEmpty());
        for (int i = 0; i < pictures.size(); ++i) {
            MessageBoxForm box(info, sound, keys);
            QCOMPARE(box.objectName(), info.name);
            QCOMPARE(box.size(), QSize(449, 185));
            box.showPicture(messageOf(info.kind, i));
            QCOMPARE(box.visiblePicture(), pictures[i].controlName);
            auto* label = box.findChild<QLabel*>(pictures[i].controlName);
            QCOMPARE(label->geometry(), QRect(0, 0, 449, 145));
            QCOMPARE(label->pixmap().size(), QSize(449, 145));
            QVERIFY(pictures[i].text.endsWith(u'.') || pictures[i].text.endsWith(u'?'));
            for (const ButtonLayout layout : {ButtonLayout::Ok, ButtonLayout::YesNo}) {
                box.setButtonLayout(layout);
                const bool yesNo =
                    info.kind == MessageBoxKind::Main && layout == ButtonLayout::YesNo;
                const QStringList expected = yesNo ? QStringList{QStringLiteral("NoCommandbutton"),
                                                                 QStringLiteral("YesCommandbutton")}
                                                   : QStringList{QStringLiteral("OkCommandbutton")};
                QCOMPARE(visibleButtons(box), expected);
            }
        }
    }

    void buttonsAsDesigned()
    {
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        MessageBoxForm box(MessageCatalog::form(MessageBoxKind::Main), sound, keys);
        const auto check = [&box](const char* name, QRect geometry, const char* caption,
                                  const char* tip) {
            auto* b = box.findChild<QPushButton*>(QLatin1StringView(name));
            QVERIFY(b);
            QCOMPARE(b->geometry(), geometry);
            QCOMPARE(b->text(), QLatin1StringView(caption));
            QCOMPARE(b->toolTip(), QLatin1StringView(tip));
        };
        check("OkCommandbutton", {360, 152, 81, 25}, "&Ok", "Shourtcut key: Enter or Alt+O");
        check("YesCommandbutton", {272, 152, 81, 25}, "&Yes", "Shourtcut key: Enter or Alt+Y");
        check("NoCommandbutton", {360, 152, 81, 25}, "&No", "Shourtcut key: Enter or Alt+N");
        // Before any caller chooses a layout, the main window's box shows no button.
        QVERIFY(visibleButtons(box).isEmpty());
        QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void enterClosesEscapeDoesNot_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("focusedButton"); // -1: none
        QTest::newRow("Ok layout") << int(ButtonLayout::Ok) << -1;
        QTest::newRow("Yes/No layout, Yes focused") << int(ButtonLayout::YesNo) << 1;
        QTest::newRow("Yes/No layout, No focused") << int(ButtonLayout::YesNo) << 2;
    }

    void enterClosesEscapeDoesNot()
    {
        QFETCH(int, layout);
        QFETCH(int, focusedButton);
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        bool stillOpenAfterEscape = false;
        whenShown([&](MessageBoxForm& box) {
            if (focusedButton == 1)
                box.findChild<QPushButton*>(QStringLiteral("YesCommandbutton"))->setFocus();
            if (focusedButton == 2)
                box.findChild<QPushButton*>(QStringLiteral("NoCommandbutton"))->setFocus();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &box;
            QTest::keyClick(target, Qt::Key_Escape);
            box.close(); // the window manager's close: no close box, so nothing happens
            stillOpenAfterEscape = box.isVisible();
            QTest::keyClick(target, Qt::Key_Return);
        });
        // Enter always means Ok: it closes the box and deletes nothing.
        const MessageAnswer answer = ShowMessageBox(Message::main(MainPicture::SelectawordImage),
                                                    ButtonLayout(layout), sound, keys);
        QVERIFY(stillOpenAfterEscape);
        QCOMPARE(int(answer), int(MessageAnswer::Ok));
    }

    void accessKeysUnderEveryLayout()
    {
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        const Message question =
            Message::main(MainPicture::AreyousurethatyouwanttodeletethiswordImage);
        whenShown([](MessageBoxForm& box) { pressAlt(box, Qt::Key_N); });
        QCOMPARE(int(ShowMessageBox(question, ButtonLayout::YesNo, sound, keys)),
                 int(MessageAnswer::No));
        whenShown([](MessageBoxForm& box) { pressAlt(box, Qt::Key_Y); });
        QCOMPARE(int(ShowMessageBox(question, ButtonLayout::YesNo, sound, keys)),
                 int(MessageAnswer::Yes));
        QVERIFY(sound.played.isEmpty()); // the question has no sound

        // Enter typed right after Alt+Y acts after Yes: it closes the deletion's result.
        QStringList seen;
        whenShown([&seen](MessageBoxForm& box) {
            pressAlt(box, Qt::Key_Y);
            QTest::keyClick(box.windowHandle(), Qt::Key_Return);
            seen << box.visiblePicture() << QString::number(box.isVisible());
        });
        QCOMPARE(int(ShowMessageBox(question, ButtonLayout::YesNo, sound, keys,
                                    [&seen](OpenMessageBox& open) {
                                        seen << QStringLiteral("yes");
                                        open.change(
                                            Message::main(
                                                MainPicture::DeletingwordisdonesuccessfullyImage),
                                            ButtonLayout::Ok);
                                    })),
                 int(MessageAnswer::Yes));
        QCOMPARE(seen, (QStringList{QStringLiteral("yes"),
                                    QStringLiteral("DeletingwordisdonesuccessfullyImage"),
                                    QStringLiteral("0")}));

        // Under the Persian layout Alt+O arrives as Alt with the letter khe; the key that
        // carries O still presses Ok.
        keys.keys.insert(32, Qt::Key_O);
        whenShown([](MessageBoxForm& box) {
            QVERIFY(QTest::qWaitForWindowActive(&box));
            QKeyEvent press(QEvent::KeyPress, 0x062E, Qt::AltModifier, 32, 0x06ce, 0,
                            QStringLiteral("\u062E"));
            QApplication::sendEvent(box.windowHandle(), &press);
        });
        QCOMPARE(int(ShowMessageBox(Message::help(HelpPicture::ThefileaddwordhasbeendamagedImage),
                                    ButtonLayout::Ok, sound, keys)),
                 int(MessageAnswer::Ok));
    }

    void yesChangesTheBoxInPlace()
    {
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        QString afterYes;
        QStringList buttonsAfterYes;
        whenShown([&](MessageBoxForm& box) {
            box.YesCommandbutton_Click();
            afterYes = box.visiblePicture();
            buttonsAfterYes = visibleButtons(box);
            QVERIFY(box.isVisible());
            QTest::keyClick(&box, Qt::Key_Return);
        });
        const MessageAnswer answer = ShowMessageBox(
            Message::main(MainPicture::AreyousurethatyouwanttodeletethiswordImage),
            ButtonLayout::YesNo, sound, keys, [](OpenMessageBox& open) {
                open.change(Message::main(MainPicture::DeletingwordisdonesuccessfullyImage),
                            ButtonLayout::Ok);
            });
        QCOMPARE(afterYes, QStringLiteral("DeletingwordisdonesuccessfullyImage"));
        QCOMPARE(buttonsAfterYes, QStringList{QStringLiteral("OkCommandbutton")});
        QCOMPARE(int(answer), int(MessageAnswer::Yes));
        QCOMPARE(sound.played.size(), 1);
        QVERIFY(sound.played[0].endsWith(QStringLiteral("/Message box/Information.wav")));
    }

    void freshFormEachTimeWithTheSoundFirst()
    {
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        bool visibleWhenSoundStarted = true;
        sound.onPlay = [&visibleWhenSoundStarted](const QString&) {
            visibleWhenSoundStarted = QApplication::activeModalWidget() != nullptr;
        };
        QStringList seen;
        const auto record = [&seen](MessageBoxForm& box) {
            QStringList visible;
            for (const QLabel* l : box.findChildren<QLabel*>()) {
                if (l->isVisible())
                    visible << l->objectName();
            }
            seen << visible.join(u',');
            // Centred on the screen, whatever else is where.
            const QRect screen = box.screen()->geometry();
            QCOMPARE(box.frameGeometry().center().x(), screen.center().x());
            box.OkCommandbutton_Click();
        };
        whenShown(record);
        ShowMessageBox(Message::addWord(DictionaryId::Swedish, AddWordPicture::EnterwordImage),
                       ButtonLayout::Ok, sound, keys);
        QVERIFY(!visibleWhenSoundStarted);
        whenShown(record);
        ShowMessageBox(Message::addWord(DictionaryId::Swedish,
                                        AddWordPicture::RegisteringwordisdonesuccessfullyImage),
                       ButtonLayout::Ok, sound, keys);
        QCOMPARE(seen, (QStringList{QStringLiteral("EnterwordImage"),
                                    QStringLiteral("RegisteringwordisdonesuccessfullyImage")}));
        QCOMPARE(sound.played.size(), 2);
        QVERIFY(sound.played[0].endsWith(QStringLiteral("/Message box/Warning.wav")));
        QVERIFY(sound.played[1].endsWith(QStringLiteral("/Message box/Information.wav")));
    }

    void endingTheProgramAnswersNone()
    {
        // Exit from the tray menu while a message is open: the box's loop returns, and the
        // caller learns that nobody answered.
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        ProgramExit exit;
        QEventLoop outer; // stands for the program's main loop
        MessageAnswer answer = MessageAnswer::Ok;
        QTimer::singleShot(0, &outer, [&] {
            whenShown([&exit](MessageBoxForm&) { exit.end(0); });
            answer = ShowMessageBox(Message::main(MainPicture::SelectawordImage), ButtonLayout::Ok,
                                    sound, keys);
        });
        QTimer::singleShot(10000, &outer, [&outer] { outer.exit(1); });
        QCOMPARE(outer.exec(), 0);
        QCOMPARE(int(answer), int(MessageAnswer::None));
        QVERIFY(exit.isEnding());
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
