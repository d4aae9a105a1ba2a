#pragma once

#include "game/ticket.h"

#include <QObject>

#include <qcoro/qcorotask.h>

#include <coroutine>
#include <map>

// The game's pauses. A procedure that pauses gives control back to the one
// event loop, which resumes it when the pause is over:
//
//     const bool inPlay = co_await pauses.Verzoegerung(0.1, word);
//     if (!inPlay)
//         co_return; // the word was replaced, or the game stopped, meanwhile
//
// Every pause yields whether its ticket still holds, so the code after it asks
// that first. When the game stops, every paused procedure resumes at once and
// finds its ticket spent: none stays suspended for ever.
//
// Each co_await in the game stands as a statement of its own or as the
// initializer of a variable, never inside a condition or a larger expression:
// there the compiler the program is built with (GCC 12) destroys the awaited
// temporaries twice.
class Pauses : public QObject
{
public:
    Pauses() = default;
    Pauses(const Pauses&) = delete;
    Pauses& operator=(const Pauses&) = delete;

    // `seconds` on the program's clock. A pause that would run over midnight
    // ends at midnight, as the time of day it is measured by starts again there.
    QCoro::Task<bool> Verzoegerung(double seconds, Ticket ticket);
    // Until release().
    QCoro::Task<bool> hold(Ticket ticket);

    // Resumes the held procedures.
    void release();
    // Resumes every paused procedure at once: the game stops. It must, before
    // its pauses go, or the procedures paused in them would never end.
    void resumeAll();

private:
    class Suspension;

    void suspend(std::coroutine_handle<> paused, int milliseconds);
    void resume(quint64 id);

    std::map<quint64, std::coroutine_handle<>> sleeping_;
    std::map<quint64, std::coroutine_handle<>> held_;
    quint64 nextId_ = 0;
};
