#include "pauses.h"

#include "frame/clock.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSecondsPerDay = 86400.0;

std::coroutine_handle<> takeFirst(std::map<quint64, std::coroutine_handle<>>& paused)
{
    const auto first = paused.begin();
    const std::coroutine_handle<> handle = first->second;
    paused.erase(first);
    return handle;
}

} // namespace

// Suspends the procedure that awaits it, unless its ticket is spent already.
class Pauses::Suspension
{
public:
    Suspension(Pauses& pauses, const Ticket& ticket, int milliseconds)
        : pauses_(pauses), ticket_(ticket), milliseconds_(milliseconds)
    {}

    bool await_ready() const { return !ticket_.current() || milliseconds_ == 0; }
    void await_suspend(std::coroutine_handle<> paused) { pauses_.suspend(paused, milliseconds_); }
    void await_resume() const {}

private:
    Pauses& pauses_;
    Ticket ticket_;
    int milliseconds_; // negative: until released
};

QCoro::Task<bool> Pauses::Verzoegerung(double seconds, Ticket ticket)
{
    const double untilMidnight =
        kSecondsPerDay - static_cast<double>(services::clock().secondsSinceMidnight());
    const double length = std::max(0.0, std::min(seconds, untilMidnight));
    Suspension suspension(*this, ticket, static_cast<int>(std::ceil(length * 1000.0)));
    co_await suspension;
    co_return ticket.current();
}

QCoro::Task<bool> Pauses::hold(Ticket ticket)
{
    Suspension suspension(*this, ticket, -1);
    co_await suspension;
    co_return ticket.current();
}

void Pauses::suspend(std::coroutine_handle<> paused, int milliseconds)
{
    const quint64 id = nextId_++;
    if (milliseconds < 0) {
        held_.emplace(id, paused);
        return;
    }
    sleeping_.emplace(id, paused);
    services::clock().singleShot(milliseconds, this, [this, id] { resume(id); });
}

void Pauses::resume(quint64 id)
{
    const auto paused = sleeping_.find(id);
    if (paused == sleeping_.end())
        return; // resumed already when the game stopped
    const std::coroutine_handle<> handle = paused->second;
    sleeping_.erase(paused);
    handle.resume();
}

void Pauses::release()
{
    // What a resumed procedure holds anew waits for the next release.
    std::map<quint64, std::coroutine_handle<>> released;
    released.swap(held_);
    while (!released.empty())
        takeFirst(released).resume();
}

void Pauses::resumeAll()
{
    release();
    while (!sleeping_.empty())
        takeFirst(sleeping_).resume();
}
