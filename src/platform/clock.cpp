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
    if (seconds < 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return;
    }
    // A nested loop sleeps until the next event or the timer: no busy waiting.
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::ceil(seconds * 1000.0)), &loop, &QEventLoop::quit);
    loop.exec();
}

void SystemClock::singleShot(int milliseconds, QObject* context, std::function<void()> action)
{
    QTimer::singleShot(milliseconds, context, std::move(action));
}
