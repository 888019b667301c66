#pragma once

#include "fakes/fake_clock.h"
#include "platform/platform_services.h"

#include <QHash>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace lexaro::fakes {

class FakeSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString& absolutePath) override
    {
        played << absolutePath;
        if (onPlay)
            onPlay(absolutePath);
    }
    QStringList played;
    std::function<void(const QString&)> onPlay;
};

// Records every text it is asked to speak, with the language asked for.
class FakeSpeechVoice final : public SpeechVoice
{
public:
    struct Spoken
    {
        QString text;
        QLocale::Language language;
    };
    void speak(const QString& text, QLocale::Language language) override
    {
        spoken.append({text, language});
    }
    QList<Spoken> spoken;
};

class FakeKeyboard final : public KeyboardLayoutSwitcher
{
public:
    void activate(const QString& layoutId) override { requested << layoutId; }
    QStringList requested;
};

// Knows no physical keys: shortcuts fall back to the key Qt reports, as QTest sends it.
class FakeKeyboardMap final : public KeyboardMap
{
public:
    int latinKey(quint32 nativeScanCode) const override { return keys.value(nativeScanCode, 0); }
    QHash<quint32, int> keys; // scan code -> Qt::Key, for tests that press by scan code
};

class FakeClipboard final : public Clipboard
{
    Q_OBJECT

public:
    QString text() const override { return content; }
    quint64 announcedChanges() const override { return announced; }
    quint64 textChange() const override { return arrivedChange; }
    // What another program copying does: new content, then the change notification.
    void copy(const QString& text)
    {
        announce();
        arrive(text);
    }
    // A copy whose text is still on its way, and its arrival.
    void announce() { ++announced; }
    void arrive(const QString& text)
    {
        content = text;
        arrivedChange = announced;
        Q_EMIT changed();
    }
    QString content;
    quint64 announced = 1;
    quint64 arrivedChange = 1;
};

class FakeWorkArea final : public WorkArea
{
public:
    QRect of(const QScreen&) const override { return area; }
    QRect area{0, 0, 1280, 1000};
};

class FakeShellOpener final : public ShellOpener
{
public:
    bool open(const QString& target) override
    {
        opened << target;
        return true;
    }
    QStringList opened;
};

class FakeStacking final : public WindowStacking
{
public:
    void setTopMost(QWidget* window, bool onTop) override { calls << qMakePair(window, onTop); }
    void keepOutOfTaskbar(QWidget* window) override { outOfTaskbar << window; }
    QList<QPair<QWidget*, bool>> calls;
    QList<QWidget*> outOfTaskbar;
};

class FakeIdentity final : public SystemIdentity
{
public:
    QString userName() const override { return user; }
    QString computerName() const override { return computer; }
    QString user = QStringLiteral("parisa");
    QString computer = QStringLiteral("desk-7");
};

class FakeSingleInstance final : public SingleInstanceGuard
{
public:
    bool tryAcquire() override { return available; }
    void onActivationRequested(std::function<void()> handler) override
    {
        activate = std::move(handler);
    }
    bool available = true;
    std::function<void()> activate;
};

class FakeTrayIcon final : public TrayIcon
{
    Q_OBJECT

public:
    void add(const QIcon& icon, const QString& text) override
    {
        shown = !icon.isNull();
        tip = text;
        ++adds;
    }
    void remove() override
    {
        shown = false;
        ++removes;
    }
    void setContextMenu(QMenu* menu) override { contextMenu = menu; }
    bool isShown() const override { return shown; }

    void click() { Q_EMIT pointerEvent(); }
    void rightClick(const QPoint& at)
    {
        Q_EMIT pointerEvent();
        Q_EMIT menuRequested(at);
    }

    bool shown = false;
    QString tip;
    QMenu* contextMenu = nullptr;
    int adds = 0;
    int removes = 0;
};

// Fake services plus typed handles to look into them.
struct FakePlatform
{
    FakePlatform()
    {
        services.clock.reset(clock = new FakeClock);
        services.singleInstance.reset(singleInstance = new FakeSingleInstance);
        services.identity.reset(identity = new FakeIdentity);
        services.sound.reset(sound = new FakeSoundPlayer);
        services.speech.reset(speech = new FakeSpeechVoice);
        services.keyboard.reset(keyboard = new FakeKeyboard);
        services.keyboardMap.reset(keyboardMap = new FakeKeyboardMap);
        services.clipboard.reset(clipboard = new FakeClipboard);
        services.workArea.reset(workArea = new FakeWorkArea);
        services.shell.reset(shell = new FakeShellOpener);
        services.stacking.reset(stacking = new FakeStacking);
        services.trayIcon.reset(tray = new FakeTrayIcon);
    }

    PlatformServices services;
    FakeClock* clock;
    FakeSingleInstance* singleInstance;
    FakeIdentity* identity;
    FakeSoundPlayer* sound;
    FakeSpeechVoice* speech;
    FakeKeyboard* keyboard;
    FakeKeyboardMap* keyboardMap;
    FakeClipboard* clipboard;
    FakeWorkArea* workArea;
    FakeShellOpener* shell;
    FakeStacking* stacking;
    FakeTrayIcon* tray;
};

} // namespace lexaro::fakes
