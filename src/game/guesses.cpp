// Guesses: a key clicked or typed, or a hint, and how a word ends.

#include "game/game.h"

#include "errors/errorscope.h"
#include "frame/settings.h"
#include "game/gamehost.h"
#include "game/random.h"

bool Game::keyAvailable(int index) const
{
    return state_.phase == Phase::Guessing && alphabet_.key(index).inPlay &&
           !state_.keyUsed.at(index);
}

// A used key disappears when used keys are removed; otherwise it stays marked.
bool Game::keyShown(int index) const
{
    return alphabet_.key(index).inPlay && !(state_.keyUsed.at(index) && settings().Remove != 0);
}

bool Game::keyReveals(int index, QChar character) const
{
    return QString(character) == alphabet_.key(index).letter ||
           lettersheet::accentCell(index, character) >= 0;
}

void Game::imgAlpha_click(int index)
{
    if (index < 0 || index > state_.LastKeyIndex || !keyAvailable(index))
        return;
    // A key clicked while a guess on this word pauses (for its sound, say) is
    // guessed right after it, so that guesses never overlap.
    if (guessRunningFor_ == state_.generation) {
        if (!pendingGuesses_.contains(index))
            pendingGuesses_.append(index);
        return;
    }
    guessInTurn(index); // goes on from the event loop after each pause
}

QCoro::Task<> Game::guessInTurn(int index)
{
    const quint32 generation = state_.generation;
    const Ticket word = ticket();
    guessRunningFor_ = generation;
    co_await guess(index);
    while (word.current() && !pendingGuesses_.isEmpty()) {
        const int next = pendingGuesses_.takeFirst();
        if (keyAvailable(next))
            co_await guess(next);
    }
    if (guessRunningFor_ == generation)
        guessRunningFor_.reset();
}

bool Game::revealPosition(int position, int index)
{
    const QChar c = state_.CurrentWord.at(position).toUpper();
    const Alphabet::Key& key = alphabet_.key(index);
    const int cell = QString(c) == key.letter ? key.cell : lettersheet::accentCell(index, c);
    if (cell < 0)
        return false;
    state_.RevealedCount = toInt16(state_.RevealedCount + 1);
    state_.fieldLooks[position] = cell;
    return true;
}

QCoro::Task<> Game::guess(int index)
{
    return ErrorScope::runPausing(
        modules::frmMain, "imgAlpha_click", [this, index](ErrorScope& scope) -> QCoro::Task<> {
            const Ticket word = ticket();
            state_.keyUsed.at(index) = true;
            present();

            // One position at a time, so that a failure repeats or skips only its own.
            bool found = false;
            for (int i = 0; i < state_.CurrentWord.size(); ++i) {
                if (scope.attempt([&] { return revealPosition(i, index); }))
                    found = true;
            }
            if (found) {
                present();
                if (soundOn())
                    scope.attempt([&] { host_.playSound(104); });
            }
            emit guessed(alphabet_.key(index).letter, found);
            if (state_.RevealedCount != state_.CurrentWord.size()) {
                if (!found) {
                    const bool inPlay = co_await wrongGuess(scope, word);
                    if (!inPlay)
                        co_return;
                }
                if (state_.WrongGuesses == gamerules::kLosingWrongGuesses)
                    co_await loseWord(word);
                co_return;
            }
            co_await scoreCompletedWord(scope, word);
        });
}

QCoro::Task<bool> Game::wrongGuess(ErrorScope& scope, Ticket word)
{
    state_.WrongGuesses = toInt16(state_.WrongGuesses + 1);
    const bool lost = state_.WrongGuesses == gamerules::kLosingWrongGuesses;
    if (lost)
        state_.phase = Phase::Ending; // no key takes a guess on a lost word
    present();
    if (lost)
        emit wordLost(state_.CurrentWord, settings().Anzeige == 1);
    if (soundOn()) {
        scope.attempt([&] { host_.playSound(lost ? 102 : 103); });
        const bool inPlay = co_await pauses_.Verzoegerung(lost ? 1.5 : 0.1, word);
        if (!inPlay)
            co_return false;
    }
    aktiv();
    co_return true;
}

QCoro::Task<> Game::loseWord(Ticket word)
{
    if (settings().Anzeige == 1) {
        co_await anzeigen();
        if (!word.current())
            co_return;
    }
    List1.append(state_.CurrentWord);
    const bool released = co_await Pause();
    if (released)
        co_await Such_Wort();
}

QCoro::Task<> Game::scoreCompletedWord(ErrorScope& scope, Ticket word)
{
    const int player = state_.CurrentPlayer;
    state_.Scores.at(player) = toInt16(state_.Scores.at(player) + 1);
    // A won game takes no Start until its questions are answered: a Start that
    // kept the scores would play on past the winning score.
    const bool won = state_.Scores.at(player) == gamerules::kWinningScore;
    state_.phase = won ? Phase::Won : Phase::Ending;
    present();
    emit wordWon(player, state_.CurrentWord);
    if (won)
        emit gameWon(player);
    if (soundOn()) {
        qint16 r = zz(7, 14);
        if (r > 13)
            r = 6;
        scope.attempt([&] { host_.playSound(100 + r); });
        const bool inPlay = co_await pauses_.Verzoegerung(0.1, word);
        if (!inPlay)
            co_return;
    }
    // After Once again the new game's first word follows at once; otherwise the
    // players ask for it with Next word.
    if (won) {
        const bool again = co_await announceWinner(scope, word);
        if (!again)
            co_return;
    } else {
        const bool released = co_await Pause();
        if (!released)
            co_return;
    }
    // A released wait may have brought a new game with it: what follows is for
    // the state as it is now.
    const bool stillNext = co_await pauses_.Verzoegerung(0.5, ticket());
    if (stillNext)
        co_await Such_Wort();
}

QCoro::Task<bool> Game::announceWinner(ErrorScope& scope, Ticket word)
{
    if (soundOn()) {
        scope.attempt([&] { host_.playSound(105); });
        const bool inPlay = co_await pauses_.Verzoegerung(0.1, word);
        if (!inPlay)
            co_return false;
    }
    host_.announceWinner(state_.CurrentPlayer);
    if (!word.current())
        co_return false;
    const bool again = host_.askOnceAgain();
    if (!word.current())
        co_return false;
    if (!again) {
        emit closeRequested();
        co_return false;
    }
    if (!zurueck())
        co_return false;
    if (settings().Music != 0)
        scope.attempt([&] { host_.restartMusic(); });
    co_return true;
}

QCoro::Task<> Game::anzeigen()
{
    return ErrorScope::runPausing(modules::frmMain, "anzeigen", [this]() -> QCoro::Task<> {
        const Ticket word = ticket();
        state_.phase = Phase::Ending;
        for (int a = 0; a <= state_.LastKeyIndex; ++a) {
            if (!keyShown(a))
                continue;
            const Alphabet::Key& key = alphabet_.key(a);
            for (int i = 0; i < state_.CurrentWord.size(); ++i) {
                if (QString(state_.CurrentWord.at(i).toUpper()) != key.letter)
                    continue;
                state_.fieldLooks[i] = key.cell;
                present();
                const bool inPlay = co_await pauses_.Verzoegerung(0.1, word);
                if (!inPlay)
                    co_return;
                if (soundOn())
                    host_.playSound(101);
            }
        }
    });
}

QCoro::Task<bool> Game::Pause()
{
    ErrorScope::run(modules::frmMain, "Pause", [&] {
        state_.phase = Phase::WaitingForNext; // Next word shows, every key is disabled
        present();
    });
    // Next word, or a command that wants a new word, releases the wait, and
    // so does the game's stopping.
    co_await pauses_.hold(closingTicket());
    const bool released = state_.phase == Phase::NextRequested && !stopped_;
    // Until the next word is dealt, a command sets it up itself, and the code
    // that waited here finds its ticket spent.
    if (released)
        state_.phase = Phase::Ending;
    co_return released;
}

bool Game::Form_KeyPress(QChar typed)
{
    bool handled = false;
    ErrorScope::run(modules::frmMain, "Form_KeyPress", [&] {
        const QString letter = QString(typed).toUpper();
        for (int i = 0; i <= state_.LastKeyIndex; ++i) {
            if (alphabet_.key(i).letter == letter && keyAvailable(i)) {
                imgAlpha_click(i);
                handled = true;
                return;
            }
        }
        if (typed == u'\r' && state_.phase == Phase::WaitingForNext) {
            PicBut_click(toolbar::NextWord);
            handled = true;
        }
    });
    return handled;
}
