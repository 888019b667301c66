#include "platform/qt/qt_speech_voice.h"

#include <QMutex>
#include <QSemaphore>
#include <QTest>

#include <memory>

using namespace lexaro;
using namespace std::chrono_literals;

namespace {

// Finishes every text at once, except that with `hangs` its first text blocks the engine's
// thread until the test releases it.
class ScriptedEngine final : public SpeechEngine
{
public:
    struct Log
    {
        QStringList said() const
        {
            QMutexLocker lock(&mutex);
            return texts;
        }
        mutable QMutex mutex;
        QStringList texts;
        QSemaphore release;
        bool hangs = false;
    };

    explicit ScriptedEngine(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    void say(const QString& text, QLocale::Language language) override
    {
        {
            QMutexLocker lock(&m_log->mutex);
            m_log->texts << text + u'|' + QLocale::languageToString(language);
        }
        if (std::exchange(m_log->hangs, false))
            m_log->release.acquire();
        else
            Q_EMIT finished();
    }
    void stop() override { Q_EMIT finished(); }

private:
    std::shared_ptr<Log> m_log;
};

struct Voice
{
    explicit Voice(bool hangs, std::chrono::milliseconds limit = 50ms)
        : voice([log = log] { return std::make_unique<ScriptedEngine>(log); },
                [limit](const QString&) { return limit; })
    {
        log->hangs = hangs;
    }
    // Gives the voice a word and says whether the engine got it.
    bool reaches(const QString& word)
    {
        voice.speak(word, QLocale::English);
        return log->said().contains(word + QStringLiteral("|English"));
    }

    std::shared_ptr<ScriptedEngine::Log> log = std::make_shared<ScriptedEngine::Log>();
    QtSpeechVoice voice;
};

} // namespace

class TestSpeechVoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void voiceOfTheLanguage()
    {
        // As the speech server lists them: in no order, several countries to a language.
        QList<QLocale> engine;
        for (const char* name : {"fr_BE", "en_GB", "es_419", "de_DE", "en_US", "fr_FR", "es_ES"})
            engine << QLocale(QLatin1StringView(name));
        const auto chosen = [&engine](QLocale::Language language) {
            const std::optional<QLocale> locale = chooseSpeechLocale(engine, language);
            return locale ? locale->name() : QString();
        };
        QCOMPARE(chosen(QLocale::English), QStringLiteral("en_US"));
        QCOMPARE(chosen(QLocale::French), QStringLiteral("fr_FR"));
        QCOMPARE(chosen(QLocale::Spanish), QStringLiteral("es_ES"));
        QCOMPARE(chosen(QLocale::Finnish), QString());     // not offered: the default voice
        QCOMPARE(chosen(QLocale::AnyLanguage), QString()); // asked for the default voice
        engine = {QLocale(QStringLiteral("fr_CH")), QLocale(QStringLiteral("fr_BE"))};
        QCOMPARE(chosen(QLocale::French), QStringLiteral("fr_BE")); // the same one every time

        QCOMPARE(choosePlainVoice({QStringLiteral("English (Caribbean)"),
                                   QStringLiteral("English (America)+Adam"),
                                   QStringLiteral("English (America)"),
                                   QStringLiteral("English (America, New York City)")}),
                 2);
        QCOMPARE(choosePlainVoice({}), -1);
    }

    void returnsWhenTheWordHasBeenSpoken()
    {
        Voice speaking(false, 1h); // waiting out the limit would time the test out
        speaking.voice.speak(QStringLiteral(" Haus "), QLocale::German);
        QCOMPARE(speaking.log->said(), QStringList{QStringLiteral(" Haus |German")});

        QtSpeechVoice none([] { return std::unique_ptr<SpeechEngine>(); },
                           [](const QString&) { return 1h; });
        none.speak(QStringLiteral("house"), QLocale::English); // no engine: no wait either
    }

    void aHungEngineCostsOneWaitAndIsLeftAloneUntilItAnswers()
    {
        Voice hung(true);
        QVERIFY(hung.reaches(QStringLiteral("one")));
        QVERIFY(!hung.reaches(QStringLiteral("two")));
        hung.log->release.release();
        QTRY_VERIFY(hung.reaches(QStringLiteral("three")));
        QVERIFY(!hung.log->said().contains(QStringLiteral("two|English")));
    }

    void theProgramCanEndWhileTheEngineHangs()
    {
        auto hung = std::make_unique<Voice>(true);
        hung->voice.speak(QStringLiteral("one"), QLocale::English);
        const std::shared_ptr<ScriptedEngine::Log> log = hung->log;
        hung.reset(); // returns, the engine still stuck
        log->release.release();
    }
};

QTEST_GUILESS_MAIN(TestSpeechVoice)
#include "test_speech_voice.moc"
