// The main window on generated dictionaries: a dictionary switch (clear, query, fill the
// list, ready to type), a refresh of the list, and one keystroke's look-up, from the text change to
// the translation shown. Runs with the offscreen platform.
#include "generated_database.h"

#include "lookup/dictionary_lookup.h"
#include "platform/platform_services.h"
#include "shell/lexaro_form.h"
#include "store/dictionary_store.h"
#include "ui/program_exit.h"

#include <QApplication>
#include <QComboBox>
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
};

Window& window(int rows)
{
    static std::map<int, std::unique_ptr<Window>> windows;
    auto& w = windows[rows];
    if (!w)
        w = std::make_unique<Window>(rows);
    return *w;
}

void DictionarySwitch(benchmark::State& state)
{
    Window& w = window(int(state.range(0)));
    for (auto _ : state) {
        w.form->DictionaryImage_Click(DictionaryId::English);
        QApplication::processEvents();
        if (w.form->searchCombo()->count() != state.range(0))
            state.SkipWithError("the list is incomplete");
    }
}

// F5 on the current dictionary: the list read again in one step, nothing else touched.
void Refresh(benchmark::State& state)
{
    Window& w = window(int(state.range(0)));
    for (auto _ : state) {
        w.form->lookup().RefreshdatabaseImage_Click();
        QApplication::processEvents();
        if (w.form->searchCombo()->count() != state.range(0))
            state.SkipWithError("the list is incomplete");
    }
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
