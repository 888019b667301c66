#include "fakes/fake_messages.h"
#include "fakes/fake_platform.h"
#include "lookup/dictionary_lookup.h"
#include "lookup/listen_word.h"
#include "shell/lexaro_form.h"
#include "shell/start_up.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace lexaro;
using namespace lexaro::fakes;

Q_DECLARE_METATYPE(std::optional<lexaro::DictionaryId>)

class TestListenWord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void checksThenSpeaks_data()
    {
        QTest::addColumn<std::optional<DictionaryId>>("dictionary"); // none: a stray caption
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: spoken
        QTest::addColumn<int>("language");

        const QString select = QStringLiteral("SelectawordImage");
        const QString arabic = QStringLiteral("ArabiclanguageisnotsupportedImage");
        const auto row = [](const char* name, std::optional<DictionaryId> id, const QString& text,
                            const QString& message, QLocale::Language language) {
            QTest::newRow(name) << id << text << message << int(language);
        };
        row("empty, English", DictionaryId::English, {}, select, QLocale::AnyLanguage);
        row("empty before Arabic", DictionaryId::Arabic, {}, select, QLocale::AnyLanguage);
        row("Arabic refused", DictionaryId::Arabic, QStringLiteral("\u0628\u064A\u062A"), arabic,
            QLocale::AnyLanguage);
        row("English", DictionaryId::English, QStringLiteral("house"), {}, QLocale::English);
        row("Finnish", DictionaryId::Finnish, QStringLiteral("talo"), {}, QLocale::Finnish);
        row("French", DictionaryId::French, QStringLiteral("maison"), {}, QLocale::French);
        row("German", DictionaryId::German, QStringLiteral("Haus"), {}, QLocale::German);
        row("Italian", DictionaryId::Italian, QStringLiteral("casa"), {}, QLocale::Italian);
        row("Spanish", DictionaryId::Spanish, QStringLiteral("casa"), {}, QLocale::Spanish);
        row("Swedish", DictionaryId::Swedish, QStringLiteral("hus"), {}, QLocale::Swedish);
        row("computer terms in English", DictionaryId::ComputerAndInternet,
            QStringLiteral("router"), {}, QLocale::English);
        // Not a headword, and with its spaces: spoken as it stands.
        row("untrimmed non-word", DictionaryId::German, QStringLiteral(" xyzzy  "), {},
            QLocale::German);
        row("caption of no dictionary", std::nullopt, QStringLiteral("word"), {},
            QLocale::AnyLanguage);
        row("only a space", DictionaryId::English, QStringLiteral(" "), {}, QLocale::English);
    }

    void checksThenSpeaks()
    {
        QFETCH(std::optional<DictionaryId>, dictionary);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, language);

        testing::MainWindowFixture fixture;
        fixture.open();
        if (dictionary)
            fixture.form->DictionaryImage_Click(*dictionary);
        else
            fixture.form->dictionaryNameLabel()->setText(QStringLiteral("Klingon dictionary"));
        fixture.form->searchCombo()->setEditText(text);

        FakeMessageService messages;
        ListenWordCommand listen(*fixture.form->searchCombo(), fixture.form->lookup(), messages,
                                 *fixture.platform.speech);
        listen.ListenwordImage_Click();

        const QList<FakeSpeechVoice::Spoken>& spoken = fixture.platform.speech->spoken;
        if (message.isEmpty()) {
            QVERIFY(messages.shown.isEmpty());
            QCOMPARE(spoken.size(), 1);
            QCOMPARE(spoken[0].text, text);
            QCOMPARE(int(spoken[0].language), language);
        } else {
            QVERIFY(spoken.isEmpty());
            QCOMPARE(messages.shown.size(), 1);
            const FakeMessageService::Shown& shown = messages.shown[0];
            QCOMPARE(shown.message.form().name, QStringLiteral("lexaroMessagebox"));
            QCOMPARE(shown.message.picture().controlName, message);
            QCOMPARE(shown.message.picture().sound, Sound::Warning);
            QCOMPARE(shown.layout, ButtonLayout::Ok);
        }
    }

    // The whole road: the picture and Alt+L reach the same command, which reaches the voice.
    void pictureAndAltLSpeakAlike()
    {
        testing::TestDatabase db;
        FakePlatform platform;
        StartUp startUp(platform.services);
        QCOMPARE(int(startUp.begin(db.path())), int(StartUp::Outcome::Started));
        QSignalSpy shown(&startUp, &StartUp::mainWindowShown);
        QVERIFY(shown.wait(2000));
        LexaroForm* form = startUp.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->DictionaryImage_Click(DictionaryId::German);
        form->searchCombo()->setEditText(QStringLiteral("Haus"));

        form->findChild<QAbstractButton*>(QStringLiteral("ListenwordImage"))->click();
        QTest::keyClick(form->windowHandle(), Qt::Key_L, Qt::AltModifier);

        const QList<FakeSpeechVoice::Spoken>& spoken = platform.speech->spoken;
        QCOMPARE(spoken.size(), 2);
        for (const FakeSpeechVoice::Spoken& s : spoken) {
            QCOMPARE(s.text, QStringLiteral("Haus"));
            QCOMPARE(s.language, QLocale::German);
        }
        QCOMPARE(form->searchCombo()->currentText(), QStringLiteral("Haus")); // no "l" typed
    }
};

QTEST_MAIN(TestListenWord)
#include "test_listen_word.moc"
