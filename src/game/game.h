#pragma once

#include "frame/wait.h"
#include "game/alphabet.h"
#include "game/gamestate.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class Board;
struct BoardView;
class QWidget;
class VocabularySource;

// The game played on the board: players and scores, the word list, setting up
// words, guesses and the game commands. Its state is the one truth about the
// game; the board only shows it.
//
// Every wait of the game handles window events, so any command can arrive in
// the middle of any procedure here. A procedure that waits holds a ticket for
// the word (or game) it works on and stops when a command has replaced it.
class Game : public QObject
{
    Q_OBJECT

public:
    Game(Board& board, QWidget& window, VocabularySource& vocabulary);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    const Alphabet& alphabet() const { return alphabet_; }
    const QStringList& wordList() const { return List1; }
    void replaceWordList(const QStringList& entries) { List1 = entries; }

    // Players and scores. zurueck answers false when a command replaced the new
    // game while it was being prepared.
    void aktiv();
    bool zurueck();

    // The word list and setting up a word.
    void List1_Ini();
    void WortList();
    void Such_Wort();
    void ShowLetters();

    // Guesses.
    void imgAlpha_click(int index);
    void anzeigen();
    // True when Next word (or a restart) released the wait, false when a new
    // word or the closing program ended it.
    bool Pause();
    // True when the typed character was a guess or pressed Next word.
    bool Form_KeyPress(QChar typed);

    // Commands.
    void PicBut_click(int index);
    void StartGame();
    void ShowTipp();
    void handOver();
    // The language switch: a click on flag `index`, asked first during a game.
    void imgLang_Click(int index);
    // After the options dialog: a new game when a change asked for one.
    void restartIfRequested();

    // Whether key `index` takes a guess now.
    bool keyAvailable(int index) const;
    bool startAvailable() const;

    // Puts the state on the board.
    void present();
    BoardView view() const;

    // The window is closing: every wait ends and nothing more is set up.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }
    // A ticket that only the closing ends.
    Ticket closingTicket() const { return Ticket(stopped_); }

signals:
    void closeRequested();
    void optionsMenuRequested();
    void helpMenuRequested();
    // The interface language has changed; the window puts its texts up anew.
    void languageChanged();

private:
    Ticket ticket() const { return Ticket(state_.generation, stopped_); }
    void replaceWord(Phase phase);

    void guess(int index);
    bool revealPosition(int position, int index);
    bool wrongGuess(const Ticket& ticket);
    void loseWord(const Ticket& ticket);
    void scoreCompletedWord(const Ticket& ticket);
    bool announceWinner(const Ticket& ticket);
    bool keyShown(int index) const;

    void growPicture(const Ticket& ticket);
    QString drawWord(const Ticket& ticket);
    QString fallbackWord() const;
    void dealFields(const Ticket& ticket);
    void showEmptyVocabularyMessage();
    bool soundOn() const;

    Board& board_;
    QWidget& window_;
    VocabularySource& vocabulary_;
    GameState state_;
    Alphabet alphabet_;
    QStringList List1;
    // Keys clicked while a guess on the same word was still being handled,
    // guessed in order right after it.
    QList<int> pendingGuesses_;
    std::optional<quint32> guessRunningFor_;
    bool stopped_ = false;
};
