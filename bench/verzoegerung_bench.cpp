// Processor time of the game while it sits in a pause. The pause sleeps in the
// event loop until the time is up, so a waiting game should hardly use the
// processor at all.

#include "app/sound.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

constexpr double kPauseSeconds = 10.0;

void VerzoegerungProcessorShare(benchmark::State& state)
{
    double share = 0;
    for (auto _ : state) {
        const std::clock_t processorBefore = std::clock();
        const auto wallBefore = std::chrono::steady_clock::now();
        Verzoegerung(kPauseSeconds);
        const double processor =
            static_cast<double>(std::clock() - processorBefore) / CLOCKS_PER_SEC;
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
        share = processor / wall.count();
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * share;
    state.SetLabel("target: under 2 % of one core during a 10-second pause");
}
BENCHMARK(VerzoegerungProcessorShare)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
