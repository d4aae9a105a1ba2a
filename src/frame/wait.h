#pragma once

#include <QtGlobal>

#include <functional>

// What a wait was started for. Handlers run inside every wait, and one of them
// may replace the word in play (a new word, a new game) or close the game; the
// code after the wait then asks its ticket whether to go on.
class Ticket
{
public:
    // `generation` changes whenever what the ticket stands for is replaced;
    // `closing` turns true once the program is on its way out.
    Ticket(const quint32& generation, const bool& closing)
        : generation_(&generation), issued_(generation), closing_(&closing)
    {}

    // Only the program's closing ends this ticket.
    explicit Ticket(const bool& closing) : closing_(&closing) {}

    bool current() const
    {
        return !*closing_ && (generation_ == nullptr || *generation_ == issued_);
    }

private:
    const quint32* generation_ = nullptr;
    quint32 issued_ = 0;
    const bool* closing_;
};

// The one way the game waits: window events are handled meanwhile, and the
// processor sleeps until the next event or timer. Each returns whether the
// ticket is still current; none goes on waiting once it is not.

// Pauses `seconds`. A pause running over midnight ends at midnight.
bool Verzoegerung(double seconds, const Ticket& ticket);

// Handles the events already pending.
bool handleEvents(const Ticket& ticket);
// The same for code that goes on with no word of its own afterwards.
void handleEvents();

// Waits until `done()` holds, and at most `longestSeconds` when that is not
// negative; a wait with a limit that runs over midnight ends at midnight.
bool waitUntil(const std::function<bool()>& done, const Ticket& ticket, double longestSeconds = -1);
