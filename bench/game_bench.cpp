// The game: setting up a word (its own work, the pauses passing at once) and the
// processor time while a finished word waits ten seconds for Next word.

#include "app/gamewindow.h"
#include "benchsupport.h"
#include "board/board.h"
#include "desktop/services.h"
#include "game/game.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Runs the event loop until the game has come to `phase`.
void runUntil(const Game& game, Phase phase)
{
    while (game.state().phase != phase)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void DrawAndSetUpAWord(benchmark::State& state)
{
    BenchFolders folders;
    InstantClock clock;
    services::install(&clock, nullptr, nullptr);
    {
        const auto window =
            folders.loadGame({QStringLiteral("Peter geht zur Schule"), QStringLiteral("Banane"),
                              QStringLiteral("Wäscheleine"), QStringLiteral("Krokodil")});
        for (auto _ : state) {
            window->game().Such_Wort();
            runUntil(window->game(), Phase::Guessing);
        }
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
        runUntil(game, Phase::Guessing);
        game.imgAlpha_click(14); // O
        game.imgAlpha_click(19); // T ends the word; the game waits for Next word
        runUntil(game, Phase::WaitingForNext);
        QTimer::singleShot(10000, window.get(), [&] {
            game.PicBut_click(toolbar::NextWord);
            QCoreApplication::exit(0);
        });
        const double processorBefore = processorSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        QCoreApplication::exec();
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
