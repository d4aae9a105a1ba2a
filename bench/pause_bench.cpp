// Processor time of the game while a procedure of it sits in a pause. The pause
// gives control back to the event loop, which sleeps until the time is up, so a
// waiting game should hardly use the processor at all.

#include "game/pauses.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

QCoro::Task<> pauseThenQuit(Pauses& pauses, double seconds, Ticket ticket)
{
    co_await pauses.Verzoegerung(seconds, ticket);
    QCoreApplication::exit(0);
}

void VerzoegerungProcessorShare(benchmark::State& state)
{
    double share = 0;
    for (auto _ : state) {
        Pauses pauses;
        const quint32 generation = 0;
        const bool closing = false;
        const std::clock_t processorBefore = std::clock();
        const auto wallBefore = std::chrono::steady_clock::now();
        pauseThenQuit(pauses, 10.0, Ticket(generation, closing));
        QCoreApplication::exec();
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
