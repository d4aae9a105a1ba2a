#include "clock.h"

#include <QTime>
#include <QTimer>

float SystemClock::secondsSinceMidnight() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void SystemClock::singleShot(int milliseconds, QObject* context, std::function<void()> action)
{
    QTimer::singleShot(milliseconds, context, std::move(action));
}

namespace {

SystemClock systemClock;
Clock* currentClock = &systemClock;

} // namespace

namespace services {

Clock& clock()
{
    return *currentClock;
}

void installClock(Clock* clock)
{
    currentClock = clock ? clock : &systemClock;
}

} // namespace services
