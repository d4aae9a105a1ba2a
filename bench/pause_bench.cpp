// Processor time of the game while it sits in a pause. The pause sleeps until
// the next event or until the time is up, so a waiting game should hardly use
// the processor at all, also once the program has been told to quit.

#include "frame/wait.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

double processorShareOf(double pauseSeconds)
{
    const bool closing = false;
    const std::clock_t processorBefore = std::clock();
    const auto wallBefore = std::chrono::steady_clock::now();
    Verzoegerung(pauseSeconds, Ticket(closing));
    const double processor = static_cast<double>(std::clock() - processorBefore) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    return processor / wall.count();
}

void VerzoegerungProcessorShare(benchmark::State& state)
{
    double share = 0;
    for (auto _ : state)
        share = processorShareOf(10.0);
    state.counters["cpu_percent_of_one_core"] = 100.0 * share;
    state.SetLabel("target: under 2 % of one core during a 10-second pause");
}
BENCHMARK(VerzoegerungProcessorShare)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void VerzoegerungWhileQuitting(benchmark::State& state)
{
    double share = 0;
    for (auto _ : state) {
        // Every event loop now returns at once; a pause must still sleep.
        QCoreApplication::exit(0);
        share = processorShareOf(1.5);
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * share;
    state.SetLabel("target: under 2 % of one core during a 1.5-second pause after quit");
}
BENCHMARK(VerzoegerungWhileQuitting)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
