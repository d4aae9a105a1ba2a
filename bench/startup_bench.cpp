// Start-up figures: a text lookup once the table is read, a settings write into
// a settings file of about 4 KB, and loading the game window before it shows.

#include "app/gamewindow.h"
#include "app/languagetable.h"
#include "app/settings.h"
#include "benchsupport.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void GetLangLookup(benchmark::State& state)
{
    BenchFolders folders;
    language::extractLanguageTable();
    qint16 key = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(language::GetLang(static_cast<qint16>(1000 + key)));
        key = key == 349 ? 100 : static_cast<qint16>(key + 1);
    }
    state.SetLabel("target: at most 2 us per lookup");
}
BENCHMARK(GetLangLookup)->Unit(benchmark::kMicrosecond);

void SaveIniIntoA4KbFile(benchmark::State& state)
{
    BenchFolders folders;
    for (int i = 0; i < 120; ++i)
        settingsfile::SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Key%1").arg(i),
                              QStringLiteral("value of some length %1").arg(i));
    int round = 0;
    for (auto _ : state)
        settingsfile::SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Anzahl"),
                              settingsfile::numberText(++round % 4 + 1));
    state.SetLabel("target: at most 1 ms");
}
BENCHMARK(SaveIniIntoA4KbFile)->Unit(benchmark::kMicrosecond);

void LoadGameWindow(benchmark::State& state)
{
    BenchFolders folders;
    folders.loadGame({QStringLiteral("Banane")}); // the vocabulary, settings and texts in place
    for (auto _ : state) {
        GameWindow window;
        window.Form_Load();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("target: at most 50 ms");
}
BENCHMARK(LoadGameWindow)->Unit(benchmark::kMillisecond);

} // namespace
