#pragma once

#include <QObject>

#include <functional>

// The time of day and every pause of the game go through this interface, so
// that tests run the game's pauses on a virtual clock instead of in real time.
class Clock
{
public:
    virtual ~Clock() = default;

    // Seconds since midnight, in single precision like the timer it stands in for.
    virtual float secondsSinceMidnight() const = 0;

    // Runs `action` once after `milliseconds`, unless `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject* context, std::function<void()> action) = 0;
};

class SystemClock final : public Clock
{
public:
    float secondsSinceMidnight() const override;
    void singleShot(int milliseconds, QObject* context, std::function<void()> action) override;
};

// The clock the whole program goes by. Tests install a virtual one.
namespace services {

Clock& clock();
void installClock(Clock* clock); // null: the system clock

} // namespace services
