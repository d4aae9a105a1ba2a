#include "clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <cmath>

float SystemClock::secondsSinceMidnight() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void SystemClock::handleEventsFor(double seconds)
{
    if (seconds == 0) {
        QCoreApplication::processEvents();
        return;
    }
    // Sleeps until an event arrives, at the latest until the timer fires. Unlike a
    // nested event loop, this never returns at once while the program quits, so
    // no wait can spin.
    QTimer wake;
    wake.setSingleShot(true);
    if (seconds > 0)
        wake.start(static_cast<int>(std::ceil(seconds * 1000.0)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
