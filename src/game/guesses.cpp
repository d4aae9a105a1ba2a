// Guesses: a key clicked or typed, or a hint, and how a word ends.

#include "game/game.h"

#include "board/board.h"
#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/random.h"
#include "sound/sound.h"

namespace {

// A vowel key also uncovers its accented forms, each with its own letter cell.
struct Accent
{
    int key;
    char16_t letter;
    int cell;
};
constexpr Accent kAccents[] = {{0, u'Á', 35},  {0, u'À', 36},  {0, u'Â', 37},  {4, u'É', 38},
                               {4, u'È', 39},  {4, u'Ê', 40},  {8, u'Í', 41},  {8, u'Ì', 42},
                               {8, u'Î', 43},  {14, u'Ó', 44}, {14, u'Ò', 45}, {14, u'Ô', 46},
                               {20, u'Ú', 47}, {20, u'Ù', 48}, {20, u'Û', 49}};

int accentCell(int key, QChar c)
{
    for (const Accent& accent : kAccents) {
        if (accent.key == key && accent.letter == c.unicode())
            return accent.cell;
    }
    return -1;
}

} // namespace

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

void Game::imgAlpha_click(int index)
{
    if (index < 0 || index > state_.LastKeyIndex || !keyAvailable(index))
        return;
    // A key clicked while a guess on this word is still being handled (during
    // its sound or pause) is guessed right after it, so guesses never overlap.
    if (guessRunningFor_ == state_.generation) {
        if (!pendingGuesses_.contains(index))
            pendingGuesses_.append(index);
        return;
    }
    const std::optional<quint32> outer = guessRunningFor_;
    guessRunningFor_ = state_.generation;
    const Ticket word = ticket();
    guess(index);
    while (word.current() && !pendingGuesses_.isEmpty()) {
        const int next = pendingGuesses_.takeFirst();
        if (keyAvailable(next))
            guess(next);
    }
    guessRunningFor_ = outer;
}

bool Game::revealPosition(int position, int index)
{
    const QChar c = state_.CurrentWord.at(position).toUpper();
    const Alphabet::Key& key = alphabet_.key(index);
    int cell = -1;
    if (QString(c) == key.letter)
        cell = key.cell;
    else
        cell = accentCell(index, c);
    if (cell < 0)
        return false;
    state_.RevealedCount = toInt16(state_.RevealedCount + 1);
    state_.fieldLooks[position] = cell;
    return true;
}

void Game::guess(int index)
{
    ErrorScope::run(modules::frmMain, "imgAlpha_click", [&](ErrorScope& scope) {
        const Ticket word = ticket();
        state_.keyUsed.at(index) = true;
        present();
        if (!handleEvents(word))
            return;

        // One position at a time, so that a failure repeats or skips only its own.
        bool found = false;
        for (int i = 0; i < state_.CurrentWord.size(); ++i) {
            if (scope.attempt([&] { return revealPosition(i, index); }))
                found = true;
        }
        if (found) {
            present();
            if (!handleEvents(word))
                return;
            if (soundOn())
                PlayWAV(104);
        }
        if (state_.RevealedCount != state_.CurrentWord.size()) {
            if (!found && !wrongGuess(word))
                return;
            if (state_.WrongGuesses == gamerules::kLosingWrongGuesses)
                loseWord(word);
            return;
        }
        scoreCompletedWord(word);
    });
}

bool Game::wrongGuess(const Ticket& word)
{
    state_.WrongGuesses = toInt16(state_.WrongGuesses + 1);
    const bool lost = state_.WrongGuesses == gamerules::kLosingWrongGuesses;
    if (lost)
        state_.phase = Phase::Ending; // no key takes a guess on a lost word
    present();
    if (!handleEvents(word))
        return false;
    if (soundOn()) {
        PlayWAV(lost ? 102 : 103);
        if (!Verzoegerung(lost ? 1.5 : 0.1, word))
            return false;
    }
    aktiv();
    return word.current();
}

void Game::loseWord(const Ticket& word)
{
    if (settings().Anzeige == 1) {
        anzeigen();
        if (!word.current())
            return;
    }
    List1.append(state_.CurrentWord);
    if (Pause())
        Such_Wort();
}

void Game::scoreCompletedWord(const Ticket& word)
{
    const int player = state_.CurrentPlayer;
    state_.Scores.at(player) = toInt16(state_.Scores.at(player) + 1);
    // A won game takes no Start until its questions are answered: a Start that
    // kept the scores would play on past the winning score.
    const bool won = state_.Scores.at(player) == gamerules::kWinningScore;
    state_.phase = won ? Phase::Won : Phase::Ending;
    present();
    if (!handleEvents(word))
        return;
    if (soundOn()) {
        if (!handleEvents(word))
            return;
        qint16 r = zz(7, 14);
        if (r > 13)
            r = 6;
        PlayWAV(100 + r);
        if (!Verzoegerung(0.1, word))
            return;
    }
    // After Once again the new game's first word follows at once; otherwise the
    // players ask for it with Next word.
    const bool goOn =
        state_.Scores.at(player) == gamerules::kWinningScore ? announceWinner(word) : Pause();
    if (!goOn)
        return;
    // A released wait may have brought a new game with it: what follows is for
    // the state as it is now.
    if (Verzoegerung(0.5, ticket()))
        Such_Wort();
}

bool Game::announceWinner(const Ticket& word)
{
    if (soundOn()) {
        PlayWAV(105);
        if (!Verzoegerung(0.1, word))
            return false;
    }
    const QString winner = board_.shownName(state_.CurrentPlayer);
    services::dialogs().messageBox(&window_, winner + u'\r' + language::text(140),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Information,
                                   language::text(141));
    if (!word.current())
        return false;
    const auto again = services::dialogs().messageBox(
        &window_, language::text(142), Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QString());
    if (!word.current())
        return false;
    if (again != Dialogs::Answer::Yes) {
        emit closeRequested();
        return false;
    }
    if (!zurueck())
        return false;
    const Ticket newGame = ticket();
    if (settings().Music != 0) {
        stopMusic();
        MakeMusic();
    }
    return newGame.current();
}

void Game::anzeigen()
{
    ErrorScope::run(modules::frmMain, "anzeigen", [&] {
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
                if (!Verzoegerung(0.1, word))
                    return;
                if (soundOn())
                    PlayWAV(101);
                if (!handleEvents(word))
                    return;
            }
        }
    });
}

bool Game::Pause()
{
    bool released = false;
    ErrorScope::run(modules::frmMain, "Pause", [&] {
        state_.phase = Phase::WaitingForNext; // Next word shows, every key is disabled
        present();
        // Only a new word ends this wait otherwise, and that one replaces the phase.
        waitUntil([this] { return state_.phase != Phase::WaitingForNext; }, closingTicket());
        released = state_.phase == Phase::NextRequested && !stopped_;
        // Until the next word is dealt, a command sets it up itself, and the
        // code that waited here finds its ticket spent.
        if (released)
            state_.phase = Phase::Ending;
    });
    return released;
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
