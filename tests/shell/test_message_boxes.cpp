#include "fakes/fake_platform.h"
#include "shell/message_box_form.h"

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

// Runs `interact` on the message box once it is shown modally.
void whenShown(std::function<void(MessageBoxForm&)> interact)
{
    QTimer::singleShot(0, qApp, [interact = std::move(interact)] {
        auto* box = qobject_cast<MessageBoxForm*>(QApplication::activeModalWidget());
        QVERIFY(box);
        interact(*box);
    });
}

// Access keys are shortcuts: they go through the window, as from a real keyboard.
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
        const MessageBoxFormInfo info = MessageCatalog::allForms().at(formIndex);
        const QList<MessagePictureInfo> pictures = MessageCatalog::pictures(info.kind);
        QVERIFY(!pictures.isEmpty());
        for (const MessagePictureInfo& picture : pictures) {
            MessageBoxForm box(info);
            QCOMPARE(box.objectName(), info.name);
            QCOMPARE(box.size(), QSize(449, 185));
            QVERIFY(box.showPicture(picture.controlName));
            QCOMPARE(box.visiblePicture(), picture.controlName);
            auto* label = box.findChild<QLabel*>(picture.controlName);
            QCOMPARE(label->geometry(), QRect(0, 0, 449, 145));
            QCOMPARE(label->pixmap().size(), QSize(449, 145));
            QVERIFY(picture.text.endsWith(u'.') || picture.text.endsWith(u'?'));
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
        QVERIFY(!MessageBoxForm(info).showPicture(u"NoSuchImage"));
    }

    void buttonsAsDesigned()
    {
        MessageBoxForm box(MessageCatalog::form(MessageBoxKind::Main));
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
        const MessageAnswer answer = ShowMessageBox({MessageCatalog::form(MessageBoxKind::Main),
                                                     QStringLiteral("SelectawordImage"),
                                                     Sound::Warning, ButtonLayout(layout)},
                                                    sound);
        QVERIFY(stillOpenAfterEscape);
        QCOMPARE(int(answer), int(MessageAnswer::Ok));
    }

    void accessKeysAndAnswers()
    {
        FakeSoundPlayer sound;
        whenShown([](MessageBoxForm& box) { pressAlt(box, Qt::Key_N); });
        QCOMPARE(
            int(showMessage(MessageBoxKind::Main, u"AreyousurethatyouwanttodeletethiswordImage",
                            sound, std::nullopt, ButtonLayout::YesNo)),
            int(MessageAnswer::No));
        whenShown([](MessageBoxForm& box) { pressAlt(box, Qt::Key_Y); });
        QCOMPARE(
            int(showMessage(MessageBoxKind::Main, u"AreyousurethatyouwanttodeletethiswordImage",
                            sound, std::nullopt, ButtonLayout::YesNo)),
            int(MessageAnswer::Yes));
        QVERIFY(sound.played.isEmpty()); // the question has no sound
        whenShown([](MessageBoxForm& box) { pressAlt(box, Qt::Key_O); });
        QCOMPARE(
            int(showMessage(MessageBoxKind::Help, u"ThefileaddwordhasbeendamagedImage", sound)),
            int(MessageAnswer::Ok));
    }

    void freshFormEachTimeWithTheSoundFirst()
    {
        FakeSoundPlayer sound;
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
        const auto addWord = MessageCatalog::form(MessageBoxKind::AddWord, DictionaryId::Swedish);
        whenShown(record);
        ShowMessageBox({addWord, QStringLiteral("EnterwordImage"), Sound::Warning}, sound);
        QVERIFY(!visibleWhenSoundStarted);
        whenShown(record);
        ShowMessageBox(
            {addWord, QStringLiteral("RegisteringwordisdonesuccessfullyImage"), Sound::Information},
            sound);
        QCOMPARE(seen, (QStringList{QStringLiteral("EnterwordImage"),
                                    QStringLiteral("RegisteringwordisdonesuccessfullyImage")}));
        QCOMPARE(sound.played.size(), 2);
        QVERIFY(sound.played[0].endsWith(QStringLiteral("/Message box/Warning.wav")));
        QVERIFY(sound.played[1].endsWith(QStringLiteral("/Message box/Information.wav")));
        QCOMPARE(addWord.name, QStringLiteral("SwedishtopersiandictionaryaddwordMessagebox"));
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
