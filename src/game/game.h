#pragma once

#include "game/alphabet.h"
#include "game/boardview.h"
#include "game/gamestate.h"
#include "game/pauses.h"
#include "game/ticket.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <qcoro/qcorotask.h>

#include <optional>

class ErrorScope;
class GameHost;
class VocabularySource;

// The game: players and scores, the word list, setting up words, guesses and
// the game commands. Its state is the one truth about the game; it knows no
// widget, tells the board what changed, and asks the window it is played in
// for answers, sounds and room.
//
// A procedure that pauses (setting up a word, the sounds and waits of a guess,
// the wait for Next word) gives control back to the event loop, which goes on
// handling whatever the players do and resumes the procedure when its pause is
// over. A resumed procedure asks first whether its word is still in play.
class Game : public QObject
{
    Q_OBJECT

public:
    Game(GameHost& host, VocabularySource& vocabulary);
    ~Game() override;

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    const Alphabet& alphabet() const { return alphabet_; }
    const QStringList& wordList() const { return List1; }
    void replaceWordList(const QStringList& entries) { List1 = entries; }
    BoardView view() const;

    // Players and scores. zurueck answers false when the game stopped while the
    // new one was being prepared.
    void aktiv();
    bool zurueck();

    // The word list and setting up a word.
    void List1_Ini();
    void WortList();
    QCoro::Task<> Such_Wort();
    void ShowLetters();

    // Guesses: a key clicked, typed, or given as a hint.
    void imgAlpha_click(int index);
    // True when the typed character was a guess or pressed Next word.
    bool Form_KeyPress(QChar typed);
    // Whether key `index` takes a guess now.
    bool keyAvailable(int index) const;

    // Commands.
    void PicBut_click(int index);
    void StartGame();
    void ShowTipp();
    // The language switch: a click on flag `index`, asked first during a game.
    void imgLang_Click(int index);
    // After the options dialog: a new game when a change asked for one.
    void restartIfRequested();

    // The window is closing: every paused procedure ends, nothing more is set up.
    void stop();
    bool stopped() const { return stopped_; }

signals:
    // The board shows the game anew.
    void changed();
    void closeRequested();
    void optionsMenuRequested();
    void helpMenuRequested();
    // The interface language has changed; the window puts its texts up anew.
    void languageChanged();

    // What happens in play, as it happens, for players who follow the game by
    // ear rather than on the board.
    void wordDealt(int lettersToGuess);
    void hintGiven(const QString& letter);
    void guessed(const QString& letter, bool right);
    void turnPassed(int player);
    void wordWon(int player, const QString& word);
    // `solutionShown`: the board goes on to show the letters that were missing.
    void wordLost(const QString& word, bool solutionShown);
    void gameWon(int player);

private:
    Ticket ticket() const { return Ticket(state_.generation, stopped_); }
    Ticket closingTicket() const { return Ticket(stopped_); }
    void replaceWord(Phase phase);
    void present() { emit changed(); }
    bool soundOn() const;
    bool startAvailable() const;
    void handOver();

    QCoro::Task<> guessInTurn(int index);
    QCoro::Task<> guess(int index);
    bool revealPosition(int position, int index);
    bool keyShown(int index) const;
    bool keyReveals(int index, QChar character) const;
    QCoro::Task<bool> wrongGuess(ErrorScope& scope, Ticket word);
    QCoro::Task<> loseWord(Ticket word);
    QCoro::Task<> scoreCompletedWord(ErrorScope& scope, Ticket word);
    QCoro::Task<bool> announceWinner(ErrorScope& scope, Ticket word);
    QCoro::Task<> anzeigen();
    // True when Next word (or a restart) released the wait, false when the game
    // stopped.
    QCoro::Task<bool> Pause();

    QCoro::Task<bool> growPicture(Ticket word);
    QString drawWord();
    QString fallbackWord() const;
    QCoro::Task<bool> dealFields(ErrorScope& scope, Ticket word);
    void dealField(int position);

    GameHost& host_;
    VocabularySource& vocabulary_;
    GameState state_;
    Alphabet alphabet_;
    QStringList List1;
    Pauses pauses_;
    // Keys clicked while a guess on the same word was still being handled,
    // guessed in order right after it.
    QList<int> pendingGuesses_;
    std::optional<quint32> guessRunningFor_;
    bool stopped_ = false;
};
