// The clipboard watch on a real X server (run under xvfb-run, with a window manager for the
// pop-up's figures): from another program's copy to the translation in the main window and
// to the pop-up on the screen, and the longest stall of the user-interface thread while a
// clipboard owner never answers or while 10 MB of text is copied. For comparison, the same
// stall when the text is read through Qt's own clipboard.
#include "generated_database.h"
#include "selection_owner.h"
#include "stall_probe.h"

#include "clipboard/clipboard_watchers.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_clipboard.h"
#include "shell/lexaro_form.h"
#include "store/dictionary_store.h"
#include "store/word_lookup.h"
#include "translation/not_found_text.h"
#include "ui/program_exit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace lexaro;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int Rows = 1'000'000;
constexpr int Copies = 50;

double millis(SteadyClock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.2f ms, p90 %.2f ms, max %.2f ms (%zu copies)\n", what,
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

// Runs the event loop until `done` or the deadline; the moment `done` first held.
template <typename Done>
std::optional<SteadyClock::time_point> runUntil(Done done, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (done())
            return SteadyClock::now();
    }
    return std::nullopt;
}

void keepRunning(int ms)
{
    runUntil([] { return false; }, ms);
}

// Notes the moment the pop-up's window is first exposed on the screen.
class ExposeWatch : public QObject
{
public:
    explicit ExposeWatch(const ClipboardWatchers& watchers) : m_watchers(watchers) {}
    std::optional<SteadyClock::time_point> exposed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !exposed) {
            const NotificationForm* popUp = m_watchers.notificationForm();
            if (popUp && watched == popUp->windowHandle() && popUp->windowHandle()->isExposed())
                exposed = SteadyClock::now();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const ClipboardWatchers& m_watchers;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != u"xcb") {
        std::fprintf(stderr, "run under an X server: xvfb-run %s\n", argv[0]);
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    if (!bench::buildGeneratedDatabase(path, DictionaryId::English, Rows))
        return 1;
    auto store = DictionaryStore::open(path).store;
    PlatformServices services = createPlatformServices();
    ProgramExit exit;
    LexaroForm form(*store, {*services.keyboard, *services.keyboardMap, *services.trayIcon,
                             *services.shell, exit});
    ClipboardWatchers watchers(*services.clipboard, form,
                               {*store, *services.sound, *services.keyboard, *services.stacking,
                                *services.workArea, *services.clock});
    QObject::connect(&form, &LexaroForm::minimised, &watchers,
                     &ClipboardWatchers::MainWindow_Minimised);
    form.show();
    if (!runUntil([&form] { return form.windowHandle() && form.windowHandle()->isExposed(); }))
        return 1;
    bench::SelectionOwner owner;
    QPlainTextEdit* translation = form.translationText();
    const auto translationOf = [&store](const QString& word) {
        return lookUpTranslation(store->recordset(DictionaryId::English), word).translation;
    };

    // Copy to the translation in the main window.
    std::vector<double> toMainWindow;
    for (int i = 0; i < Copies; ++i) {
        const QString word = bench::generatedWord((i * 7919) % Rows);
        const QString expected = translationOf(word);
        const SteadyClock::time_point copied = owner.copy(word.toUtf8());
        const auto shown = runUntil([&] { return translation->toPlainText() == expected; });
        if (!shown)
            return 1;
        toMainWindow.push_back(millis(*shown - copied));
        keepRunning(20);
    }
    report("copy to translation in the main window", toMainWindow);

    // Copy to the pop-up on the screen, a freshly loaded one each time.
    ExposeWatch expose(watchers);
    app.installEventFilter(&expose);
    form.showMinimized();
    keepRunning(500);
    // Minimising showed the last word of the main window's run.
    if (QPointer<NotificationForm> shownAtMinimise = watchers.notificationForm()) {
        shownAtMinimise->close();
        runUntil([&] { return shownAtMinimise.isNull(); });
    }
    std::vector<double> toPopUp;
    for (int i = 0; i < Copies; ++i) {
        expose.exposed.reset();
        const SteadyClock::time_point copied =
            owner.copy(bench::generatedWord((i * 104729 + 13) % Rows).toUtf8());
        if (!runUntil([&] { return expose.exposed.has_value(); })) {
            std::fprintf(stderr, "no pop-up\n");
            return 1;
        }
        toPopUp.push_back(millis(*expose.exposed - copied));
        QPointer<NotificationForm> popUp = watchers.notificationForm();
        popUp->close();
        runUntil([&] { return popUp.isNull(); });
        keepRunning(20);
    }
    report("copy to the pop-up on the screen", toPopUp);
    app.removeEventFilter(&expose);
    form.OpenMenu_Click();
    keepRunning(500);

    bench::StallProbe probe;
    // What the machine itself costs the probe: nothing happens for 3 s.
    probe.start();
    keepRunning(3000);
    std::printf("longest stall, 3 s with nothing happening (the machine's own): %.1f ms\n",
                probe.stop());
    // An owner that never answers: the reader gives up after its time-out, in the background.
    probe.start();
    owner.copySilently();
    keepRunning(3000);
    std::printf("longest stall, 3 s with a silent clipboard owner: %.1f ms\n", probe.stop());

    // 10 MB of text through xclip, in pieces, until the main window has looked it up.
    const QString before = bench::generatedWord(7);
    owner.copy(before.toUtf8());
    runUntil([&] { return translation->toPlainText() == translationOf(before); });
    QProcess xclip;
    probe.start();
    const SteadyClock::time_point started = SteadyClock::now();
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.waitForStarted();
    xclip.write(QByteArray(10'000'000, 'a'));
    xclip.closeWriteChannel();
    const auto shown =
        runUntil([&] { return translation->toPlainText() == notFoundText(); }, 30000);
    keepRunning(500);
    const double stall = probe.stop();
    if (!shown)
        return 1;
    std::printf("longest stall, 10 MB copied and looked up: %.1f ms (shown after %.0f ms)\n", stall,
                millis(*shown - started));

    // The same silent owner, read the way Qt's clipboard reads, on this thread.
    QtClipboard qtClipboard;
    double qtRead = 0;
    QObject::connect(&qtClipboard, &Clipboard::changed, &qtClipboard, [&] {
        const SteadyClock::time_point start = SteadyClock::now();
        (void)qtClipboard.text();
        qtRead = std::max(qtRead, millis(SteadyClock::now() - start));
    });
    keepRunning(200);
    probe.start();
    owner.copySilently();
    keepRunning(7000);
    std::printf(
        "for comparison, Qt's own clipboard read with a silent owner: longest stall %.1f ms "
        "(one read took %.1f ms)\n",
        probe.stop(), qtRead);
    return 0;
}
