#pragma once

#include <QtGlobal>

// What a paused procedure works for. While it is paused, the event loop handles
// whatever the players do, and that may replace its word (a new word, a new
// game) or close the game; the code after the pause asks its ticket whether to
// go on.
class Ticket
{
public:
    // `generation` changes whenever what the ticket stands for is replaced;
    // `closing` turns true once the game stops.
    Ticket(const quint32& generation, const bool& closing)
        : generation_(&generation), issued_(generation), closing_(&closing)
    {}

    // Only the game's closing ends this ticket.
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
