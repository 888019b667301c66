#include "fakes/fake_clock.h"
#include "platform/qt/qt_speech_voice.h"

#include <QMutex>
#include <QSemaphore>
#include <QTest>

#include <memory>
#include <optional>

using namespace lexaro;
using namespace std::chrono_literals;

namespace {

// The time the voices here give a text once it has begun.
constexpr std::chrono::milliseconds TextLimit = 5s;

// Finishes every text at once, except that with `hangs` its first text blocks the engine's
// thread until the test releases it; then, and only then, the test's time runs on. With
// `slow`, each text takes a moment short of the time to begin and of the time to be said.
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
        bool slow = false;
        std::function<void()> onHang;                        // on the engine's thread
        std::function<void(std::chrono::milliseconds)> pass; // on the engine's thread
    };

    explicit ScriptedEngine(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    void say(const QString& text, QLocale::Language language) override
    {
        {
            QMutexLocker lock(&m_log->mutex);
            m_log->texts << text + u'|' + QLocale::languageToString(language);
        }
        if (std::exchange(m_log->hangs, false)) {
            m_log->onHang();
            m_log->release.acquire();
            return;
        }
        if (m_log->slow) {
            m_log->pass(QtSpeechVoice::StartWait - 1ms);
            Q_EMIT started();
            m_log->pass(TextLimit - 1ms);
        }
        Q_EMIT finished();
    }
    void stop() override
    {
        {
            QMutexLocker lock(&m_log->mutex);
            m_log->texts << QStringLiteral("(stopped)");
        }
        Q_EMIT finished();
    }

private:
    std::shared_ptr<Log> m_log;
};

// A voice on a fake clock, whose time to begin passes once the engine hangs.
struct Voice
{
    explicit Voice(bool hangs)
    {
        voice.emplace(
            clock, [log = log] { return std::make_unique<ScriptedEngine>(log); },
            [](const QString&) { return TextLimit; });
        log->hangs = hangs;
        log->onHang = [this] {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this] { clock.advance(QtSpeechVoice::StartWait); },
                Qt::QueuedConnection);
        };
        log->pass = [this](std::chrono::milliseconds time) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this, time] { clock.advance(time); },
                Qt::BlockingQueuedConnection);
        };
    }
    // Gives the voice a word and says whether the engine got it.
    bool reaches(const QString& word)
    {
        voice->speak(word, QLocale::English);
        return log->said().contains(word + QStringLiteral("|English"));
    }

    fakes::FakeClock clock;
    std::shared_ptr<ScriptedEngine::Log> log = std::make_shared<ScriptedEngine::Log>();
    std::optional<QtSpeechVoice> voice;
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
        // Time stands still on the fake clock: only the engine's answer ends the waits.
        Voice speaking(false);
        speaking.voice->speak(QStringLiteral(" Haus "), QLocale::German);
        QCOMPARE(speaking.log->said(), QStringList{QStringLiteral(" Haus |German")});

        QtSpeechVoice none(speaking.clock, [] { return std::unique_ptr<SpeechEngine>(); });
        none.speak(QStringLiteral("house"), QLocale::English); // no engine: no wait either
        QVERIFY(speaking.clock.now() == Clock::TimePoint());
    }

    void aSlowStartIsNotCutShort()
    {
        // The first word starts the speech server, which on a busy machine takes seconds.
        Voice slow(false);
        slow.log->slow = true;
        QVERIFY(slow.reaches(QStringLiteral("one")));
        QVERIFY(slow.reaches(QStringLiteral("two")));
        QCOMPARE(slow.log->said(),
                 QStringList({QStringLiteral("one|English"), QStringLiteral("two|English")}));
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
        Voice hung(true);
        hung.voice->speak(QStringLiteral("one"), QLocale::English);
        const Clock::TimePoint stuck = hung.clock.now();
        hung.voice.reset();
        // It gave the engine its time on the clock, no more, and ended without it.
        QVERIFY(hung.clock.now() - stuck == QtSpeechVoice::EndWait);
        QCOMPARE(hung.log->said(), QStringList{QStringLiteral("one|English")});
        hung.log->release.release();
    }
};

QTEST_GUILESS_MAIN(TestSpeechVoice)
#include "test_speech_voice.moc"
