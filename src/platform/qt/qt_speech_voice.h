#pragma once

#include "platform/speech_voice.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace lexaro {

// One speech engine, driven on the voice's own thread.
class SpeechEngine : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~SpeechEngine() override = default;

    // Starts speaking, in a voice of the language where the engine has one and in its
    // default voice otherwise (QLocale::AnyLanguage asks for the default). Emits started()
    // when the text begins to be heard, where the engine can tell, and finished() once for
    // each text: when it has been spoken, stopped, or could not be spoken at all.
    virtual void say(const QString& text, QLocale::Language language) = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    void started();
    void finished();
};

class Clock;
class SpeechThread;

// The desktop's speech engine behind the program's synchronous voice. The engine runs on a
// thread of its own and speak() waits for it in a local event loop that takes no user
// input, so the window still paints, and a hung engine costs one bounded wait and no more:
// until it answers again, nothing else is given to it.
class QtSpeechVoice final : public SpeechVoice
{
public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;
    // How long the engine may take to say a text once it has begun.
    using WaitLimit = std::function<std::chrono::milliseconds(const QString& text)>;

    // The engine is made on the voice's thread when the first text comes. The waits for it
    // are kept on the clock.
    explicit QtSpeechVoice(Clock& clock, EngineFactory makeEngine = makeTextToSpeechEngine,
                           WaitLimit waitLimit = defaultWaitLimit);
    ~QtSpeechVoice() override;
    Q_DISABLE_COPY_MOVE(QtSpeechVoice)

    void speak(const QString& text, QLocale::Language language) override;

    // Qt TextToSpeech with the desktop's default engine (speech-dispatcher here).
    static std::unique_ptr<SpeechEngine> makeTextToSpeechEngine();
    // The text at a slow speaking rate, and a margin.
    static std::chrono::milliseconds defaultWaitLimit(const QString& text);
    // How long the engine may take to begin a text. The first may start the speech server,
    // which on a busy machine takes seconds; a text already heard is never cut for it.
    static constexpr std::chrono::milliseconds StartWait{10000};
    // How long the end of the program waits for the engine to let go.
    static constexpr std::chrono::milliseconds EndWait{2000};

private:
    bool engineEnded();

    Clock& m_clock;
    SpeechThread* m_thread; // owned, except when abandoned to a hung engine at the end
    WaitLimit m_waitLimit;
    bool m_busy = false; // the engine has not yet finished the last text it was given
};

// Which of the engine's locales speaks a language: the language's main country where the
// engine has it (en_US, de_DE, fr_FR), another country's otherwise, none for AnyLanguage.
std::optional<QLocale> chooseSpeechLocale(const QList<QLocale>& available,
                                          QLocale::Language language);
// Of the voices of one locale, the plainest: no "+variant", then the least qualified
// (shortest) name. -1 when there is none.
qsizetype choosePlainVoice(const QStringList& voiceNames);

} // namespace lexaro
