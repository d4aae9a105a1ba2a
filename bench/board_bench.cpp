// The board: one layout pass with a long sentence in play, and the memory the
// program holds once the whole board is shown.

#include "app/gamewindow.h"
#include "benchsupport.h"
#include "board/board.h"
#include "frame/settings.h"

#include <benchmark/benchmark.h>

namespace {

void LayoutPassWith40Characters(benchmark::State& state)
{
    BenchFolders folders;
    const auto window = folders.loadGame({QStringLiteral("Banane")});
    Board& board = window->board();
    for (auto _ : state)
        board.positionieren(40, settings().Anzahl);
    state.SetLabel("target: at most 0.5 ms");
}
BENCHMARK(LayoutPassWith40Characters)->Unit(benchmark::kMicrosecond);

void ResidentMemoryWithTheBoardShown(benchmark::State& state)
{
    BenchFolders folders;
    for (auto _ : state) {
        const auto window = folders.loadGame({QStringLiteral("Banane")});
        state.counters["resident_MB"] = residentMegabytes();
    }
    state.SetLabel("target: at most 80 MB");
}
BENCHMARK(ResidentMemoryWithTheBoardShown)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
