// The game: setting up a word (its own work, the pauses passing at once) and the
// processor time while a finished word waits ten seconds for Next word.

#include "app/gamewindow.h"
#include "benchsupport.h"
#include "board/board.h"
#include "desktop/services.h"
#include "game/game.h"

#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void DrawAndSetUpAWord(benchmark::State& state)
{
    BenchFolders folders;
    InstantClock clock;
    services::install(&clock, nullptr, nullptr);
    {
        const auto window =
            folders.loadGame({QStringLiteral("Peter geht zur Schule"), QStringLiteral("Banane"),
                              QStringLiteral("Wäscheleine"), QStringLiteral("Krokodil")});
        for (auto _ : state)
            window->game().Such_Wort();
    }
    services::install(nullptr, nullptr, nullptr);
    state.SetLabel("target: at most 2 ms, sound off");
}
BENCHMARK(DrawAndSetUpAWord)->Unit(benchmark::kMillisecond);

void WaitingTenSecondsForNextWord(benchmark::State& state)
{
    BenchFolders folders;
    const auto window = folders.loadGame({QStringLiteral("Otto")});
    Game& game = window->game();
    double share = 0;
    for (auto _ : state) {
        game.PicBut_click(0);
        game.imgAlpha_click(14); // O
        QTimer::singleShot(10000, window.get(), [&] { game.PicBut_click(toolbar::NextWord); });
        const double processorBefore = processorSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        game.imgAlpha_click(19); // T ends the word; the game waits for Next word
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
        share = (processorSeconds() - processorBefore) / wall.count();
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * share;
    state.SetLabel("target: under 2 % of one core");
}
BENCHMARK(WaitingTenSecondsForNextWord)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
