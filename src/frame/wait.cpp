#include "wait.h"

#include "errors/errorscope.h"
#include "frame/clock.h"

#include <algorithm>

namespace {

constexpr float kSecondsPerDay = 86400.0f;
constexpr double kShortestWait = 0.001; // the clocks count in milliseconds

} // namespace

bool Verzoegerung(double seconds, const Ticket& ticket)
{
    ErrorScope::run(modules::Allgemein, "Verzoegerung", [&] {
        Clock& clock = services::clock();
        const float start = clock.secondsSinceMidnight();
        while (ticket.current()) {
            const float t1 = clock.secondsSinceMidnight();
            const float t2 = clock.secondsSinceMidnight();
            const float elapsed = t1 - start;
            // The second test ends the pause once the clock has passed midnight.
            if (!(elapsed < seconds && t2 >= start))
                return;
            // Sleep until the pause is over, but wake at midnight to notice it.
            const double untilMidnight = kSecondsPerDay - t1;
            clock.handleEventsFor(
                std::max(std::min(seconds - elapsed, untilMidnight), kShortestWait));
        }
    });
    return ticket.current();
}

bool handleEvents(const Ticket& ticket)
{
    if (ticket.current())
        services::clock().handleEventsFor(0);
    return ticket.current();
}

void handleEvents()
{
    services::clock().handleEventsFor(0);
}

bool waitUntil(const std::function<bool()>& done, const Ticket& ticket, double longestSeconds)
{
    Clock& clock = services::clock();
    const float start = clock.secondsSinceMidnight();
    while (ticket.current() && !done()) {
        if (longestSeconds < 0) {
            clock.handleEventsFor(-1);
            continue;
        }
        const double waited = clock.secondsSinceMidnight() - start;
        if (waited < 0 || waited >= longestSeconds)
            break;
        clock.handleEventsFor(longestSeconds - waited);
    }
    return ticket.current();
}
