// The main window on generated dictionaries: the start from the splash to the main window, a
// dictionary switch (clear, query, fill the list, ready to type), a refresh of the list after a
// word was added, and one keystroke's look-up, from the text change to the translation shown.
// Runs with the offscreen platform.
#include "generated_database.h"
#include "stall_probe.h"

#include "lookup/dictionary_lookup.h"
#include "platform/platform_services.h"
#include "shell/lexaro_form.h"
#include "shell/start_up.h"
#include "store/dictionary_store.h"
#include "ui/program_exit.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lexaro;

namespace {

struct Window
{
    explicit Window(int rows)
    {
        const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
        if (!bench::buildGeneratedDatabase(path, DictionaryId::English, rows))
            qFatal("cannot build the benchmark database");
        store = DictionaryStore::open(path).store;
        services = createPlatformServices();
        form = std::make_unique<LexaroForm>(
            *store, LexaroForm::Services{*services.keyboard, *services.keyboardMap,
                                         *services.trayIcon, *services.shell, exit});
        form->show();
        QApplication::processEvents();
    }
    QTemporaryDir dir;
    std::unique_ptr<DictionaryStore> store;
    PlatformServices services;
    ProgramExit exit;
    std::unique_ptr<LexaroForm> form;
    int added = 0;
};

Window& window(int rows)
{
    static std::map<int, std::unique_ptr<Window>> windows;
    auto& w = windows[rows];
    if (!w)
        w = std::make_unique<Window>(rows);
    return *w;
}

// Resident memory of the whole process, in MiB.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// Runs the event loop until the search box lists `rows` words.
bool waitForList(const Window& w, qsizetype rows)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (w.form->searchCombo()->count() != rows && elapsed.elapsed() < 10'000)
        QCoreApplication::processEvents();
    return w.form->searchCombo()->count() == rows;
}

// Into the big dictionary from an empty one, so that its list is read afresh each time: until
// the whole list is in the search box, and the longest time the event loop did not run.
void DictionarySwitch(benchmark::State& state)
{
    Window& w = window(int(state.range(0)));
    double longestStall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.form->DictionaryImage_Click(DictionaryId::Finnish);
        QApplication::processEvents();
        bench::StallProbe probe;
        probe.start();
        state.ResumeTiming();
        w.form->DictionaryImage_Click(DictionaryId::English);
        if (!waitForList(w, state.range(0) + w.added))
            state.SkipWithError("the list is incomplete");
        state.PauseTiming();
        longestStall = std::max(longestStall, probe.stop());
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = longestStall;
    // The process holds the generated table's pages as well, in SQLite's cache.
    state.counters["resident_MiB"] = residentMiB();
}

// F5 on the current dictionary after a word was added: the list read again in one step,
// nothing else touched.
void Refresh(benchmark::State& state)
{
    Window& w = window(int(state.range(0)));
    DictionaryRecordset& english = w.store->recordset(DictionaryId::English);
    double longestStall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!english.add(QStringLiteral("added%1").arg(w.added++), QStringLiteral("x")))
            state.SkipWithError("cannot add a word");
        bench::StallProbe probe;
        probe.start();
        state.ResumeTiming();
        w.form->lookup().RefreshdatabaseImage_Click();
        if (!waitForList(w, state.range(0) + w.added))
            state.SkipWithError("the list is incomplete");
        state.PauseTiming();
        longestStall = std::max(longestStall, probe.stop());
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = longestStall;
}

// The whole start on a million headwords: from the splash's load to the main window shown,
// with its word list; the splash's countdown takes 300 ms of it. Also the longest time the
// event loop did not run meanwhile.
void StartUpToMainWindow(benchmark::State& state)
{
    const QString path = window(1'000'000).dir.filePath(QStringLiteral("Lexaro.db"));
    double longestStall = 0;
    double listComplete = 0;
    for (auto _ : state) {
        PlatformServices services = createPlatformServices();
        StartUp startUp(services);
        bool shown = false;
        QObject::connect(&startUp, &StartUp::mainWindowShown, &startUp, [&shown] { shown = true; });
        bench::StallProbe probe;
        QElapsedTimer elapsed;
        elapsed.start();
        probe.start();
        if (startUp.begin(path) != StartUp::Outcome::Started) {
            state.SkipWithError("the start failed");
            break;
        }
        while (!shown && elapsed.elapsed() < 10'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(double(elapsed.nsecsElapsed()) / 1e9);
        // The list may still be on its way; the window answers meanwhile.
        while (shown && startUp.mainWindow()->searchCombo()->count() < 1'000'000 &&
               elapsed.elapsed() < 10'000)
            QCoreApplication::processEvents();
        listComplete = std::max(listComplete, double(elapsed.elapsed()));
        longestStall = std::max(longestStall, probe.stop());
        if (!shown || startUp.mainWindow()->searchCombo()->count() < 1'000'000)
            state.SkipWithError("no main window with the whole list");
    }
    state.counters["list_complete_ms"] = listComplete;
    state.counters["longest_stall_ms"] = longestStall;
}

void KeystrokeLookUp(benchmark::State& state)
{
    Window& w = window(1'000'000);
    QComboBox* combo = w.form->searchCombo();
    int i = 0;
    for (auto _ : state) {
        // Typing the last letter of a word: the text changes and the translation shows.
        combo->setEditText(bench::generatedWord((i++ * 7919) % 1'000'000));
        benchmark::DoNotOptimize(w.form->translationText()->document());
    }
}

} // namespace

BENCHMARK(DictionarySwitch)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(Refresh)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(StartUpToMainWindow)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(KeystrokeLookUp)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
