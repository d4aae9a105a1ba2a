// Players and scores: passing the turn and preparing a fresh game.

#include "game/game.h"

#include "errors/errorscope.h"
#include "frame/settings.h"

void Game::aktiv()
{
    ErrorScope::run(modules::frmMain, "aktiv", [&] {
        if (state_.CurrentPlayer != settings().Anzahl - 1)
            state_.CurrentPlayer = toInt16(state_.CurrentPlayer + 1);
        else
            state_.CurrentPlayer = 0;
        present();
        emit turnPassed(state_.CurrentPlayer);
    });
}

bool Game::zurueck()
{
    bool prepared = false;
    ErrorScope::run(modules::frmMain, "zurueck", [&] {
        // The word in play is over; a finished word that waits for Next word
        // keeps waiting, so that the command behind the new game can release it.
        const bool waiting =
            state_.phase == Phase::WaitingForNext || state_.phase == Phase::NextRequested;
        replaceWord(waiting ? state_.phase : Phase::NoWord);
        state_.Scores.fill(0);
        present();
        List1_Ini();
        if (stopped_)
            return;
        state_.CurrentPlayer = static_cast<qint16>(settings().Anzahl - 1);
        aktiv();
        prepared = true;
    });
    return prepared;
}
