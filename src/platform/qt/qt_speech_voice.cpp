#include "platform/qt/qt_speech_voice.h"

#include "clock/clock.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

namespace lexaro {

// Off by default: QT_LOGGING_RULES="lexaro.speech.debug=true" shows the voices chosen.
Q_LOGGING_CATEGORY(speechLog, "lexaro.speech", QtWarningMsg)

// Owns the engine, which is made, used and destroyed on this thread only.
class SpeechThread final : public QThread
{
public:
    explicit SpeechThread(QtSpeechVoice::EngineFactory makeEngine)
        : m_makeEngine(std::move(makeEngine))
    {
        m_context.moveToThread(this);
    }

    // Where work for the engine is posted to.
    QObject* context() { return &m_context; }

    // On the thread. The engine's started() and finished() reach onStarted and onFinished on
    // the voice's thread: this object lives there.
    SpeechEngine* engine()
    {
        if (!m_engine && m_makeEngine) {
            m_engine = m_makeEngine();
            if (m_engine) {
                connect(m_engine.get(), &SpeechEngine::started, this, [this] {
                    if (onStarted)
                        onStarted();
                });
                connect(m_engine.get(), &SpeechEngine::finished, this, [this] {
                    if (onFinished)
                        onFinished();
                });
            }
        }
        return m_engine.get();
    }

    // Set and called on the voice's thread only.
    std::function<void()> onStarted;
    std::function<void()> onFinished;

protected:
    void run() override
    {
        exec();
        m_engine.reset();
    }

private:
    QtSpeechVoice::EngineFactory m_makeEngine;
    QObject m_context;
    std::unique_ptr<SpeechEngine> m_engine;
};

namespace {

// Threads whose engine never came back. They stay reachable to the end of the process, so
// that neither their destruction nor a leak check trips over a thread still blocked.
QList<SpeechThread*>& abandonedThreads()
{
    static auto* const threads = new QList<SpeechThread*>;
    return *threads;
}

class TextToSpeechEngine final : public SpeechEngine
{
public:
    void say(const QString& text, QLocale::Language language) override
    {
        if (!m_speech || m_speech->state() == QTextToSpeech::Error ||
            (language == QLocale::AnyLanguage && m_voiceChosen))
            start();
        if (m_speech->state() == QTextToSpeech::Error) {
            // No engine on this desktop, or it failed: nothing is spoken.
            qCDebug(speechLog) << "no speech engine:" << m_speech->errorString();
            Q_EMIT finished();
            return;
        }
        chooseVoice(language);
        m_pending = true;
        m_speech->say(text);
    }

    void stop() override
    {
        if (m_speech)
            m_speech->stop();
        finish();
    }

private:
    // A fresh engine speaks in its default voice.
    void start()
    {
        m_speech = std::make_unique<QTextToSpeech>();
        m_voiceChosen = false;
        connect(m_speech.get(), &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State state) {
                    if (state == QTextToSpeech::Speaking && m_pending)
                        Q_EMIT started();
                    if (state == QTextToSpeech::Ready || state == QTextToSpeech::Error)
                        finish();
                });
    }

    void chooseVoice(QLocale::Language language)
    {
        const std::optional<QLocale> locale =
            chooseSpeechLocale(m_speech->availableLocales(), language);
        if (!locale)
            return;
        m_speech->setLocale(*locale);
        const QList<QVoice> voices = m_speech->availableVoices();
        QStringList names;
        for (const QVoice& voice : voices)
            names << voice.name();
        if (const qsizetype plain = choosePlainVoice(names); plain >= 0)
            m_speech->setVoice(voices.at(plain));
        m_voiceChosen = true;
        qCDebug(speechLog) << QLocale::languageToString(language) << "in" << locale->name() << "by"
                           << m_speech->voice().name();
    }

    void finish()
    {
        if (!m_pending)
            return;
        m_pending = false;
        Q_EMIT finished();
    }

    std::unique_ptr<QTextToSpeech> m_speech;
    bool m_voiceChosen = false;
    bool m_pending = false;
};

} // namespace

QtSpeechVoice::QtSpeechVoice(Clock& clock, EngineFactory makeEngine, WaitLimit waitLimit)
    : m_clock(clock), m_thread(new SpeechThread(std::move(makeEngine))),
      m_waitLimit(std::move(waitLimit))
{
    m_thread->setObjectName(QStringLiteral("Speech"));
    m_thread->onFinished = [this] { m_busy = false; };
    m_thread->start();
}

QtSpeechVoice::~QtSpeechVoice()
{
    m_thread->onStarted = nullptr;
    m_thread->onFinished = nullptr;
    m_thread->quit();
    if (engineEnded())
        delete m_thread;
    else
        abandonedThreads().append(m_thread);
}

bool QtSpeechVoice::engineEnded()
{
    // A healthy engine lets go within a moment; a hung one is given EndWait on the clock.
    const Clock::TimePoint giveUp = m_clock.now() + EndWait;
    while (!m_thread->wait(QDeadlineTimer(std::chrono::milliseconds(1)))) {
        if (m_clock.now() >= giveUp)
            return false;
        m_clock.sleepFor(std::chrono::milliseconds(10));
    }
    return true;
}

void QtSpeechVoice::speak(const QString& text, QLocale::Language language)
{
    // An engine that has not finished the last text is not given another.
    if (m_busy)
        return;
    m_busy = true;

    QEventLoop wait;
    // The engine is given StartWait to begin, and from then on the text's own time.
    const std::unique_ptr<ClockTimer> startLimit =
        m_clock.makeTimer(StartWait, [&wait] { wait.quit(); });
    const std::unique_ptr<ClockTimer> speakLimit =
        m_clock.makeTimer(m_waitLimit(text), [&wait] { wait.quit(); });
    m_thread->onStarted = [&startLimit, &speakLimit] {
        startLimit->stop();
        speakLimit->start();
    };
    m_thread->onFinished = [this, &wait] {
        m_busy = false;
        wait.quit();
    };

    SpeechThread* thread = m_thread;
    QMetaObject::invokeMethod(
        thread->context(),
        [thread, text, language] {
            if (SpeechEngine* engine = thread->engine())
                engine->say(text, language);
            else
                QMetaObject::invokeMethod(thread, [thread] {
                    if (thread->onFinished)
                        thread->onFinished();
                });
        },
        Qt::QueuedConnection);
    startLimit->start();
    // The user's clicks and keys wait until the word has been spoken, as with a blocking
    // call; painting and timers go on.
    wait.exec(QEventLoop::ExcludeUserInputEvents);

    m_thread->onStarted = nullptr;
    m_thread->onFinished = [this] { m_busy = false; };
    if (m_busy) {
        // Too long: stop it. An engine that is stuck will not even take this, and stays busy.
        QMetaObject::invokeMethod(
            thread->context(),
            [thread] {
                if (SpeechEngine* engine = thread->engine())
                    engine->stop();
            },
            Qt::QueuedConnection);
    }
}

std::unique_ptr<SpeechEngine> QtSpeechVoice::makeTextToSpeechEngine()
{
    return std::make_unique<TextToSpeechEngine>();
}

std::chrono::milliseconds QtSpeechVoice::defaultWaitLimit(const QString& text)
{
    using namespace std::chrono_literals;
    // A slow voice reads about seven characters a second.
    return 2s + 150ms * text.size();
}

std::optional<QLocale> chooseSpeechLocale(const QList<QLocale>& available,
                                          QLocale::Language language)
{
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return std::nullopt;
    const QLocale::Territory home = QLocale(language).territory();
    std::optional<QLocale> other;
    for (const QLocale& locale : available) {
        if (locale.language() != language)
            continue;
        if (locale.territory() == home)
            return locale;
        // The engine lists its locales in no fixed order: take the same one every time.
        if (!other || locale.name() < other->name())
            other = locale;
    }
    return other;
}

qsizetype choosePlainVoice(const QStringList& voiceNames)
{
    qsizetype best = -1;
    const auto rank = [](const QString& name) {
        return std::pair(name.contains(u'+'), name.size());
    };
    for (qsizetype i = 0; i < voiceNames.size(); ++i) {
        if (best < 0 || rank(voiceNames.at(i)) < rank(voiceNames.at(best)))
            best = i;
    }
    return best;
}

} // namespace lexaro
