#pragma once

#include "game/gamestate.h"

#include <QList>
#include <QObject>
#include <QStringList>

class Board;
class QWidget;

// The game played on the board: players and scores, the word list, setting up
// words, guesses and the game commands of the toolbar.
class Game : public QObject
{
    Q_OBJECT

public:
    Game(Board& board, QWidget& window);

    GameState& state() { return state_; }
    const QStringList& wordList() const { return List1; }
    void replaceWordList(const QStringList& entries) { List1 = entries; }

    // Players and scores.
    void aktiv();
    void zurueck();
    static QString fitName(const QString& name, const QFont& font, int width);

    // The word list and setting up a word.
    void List1_Ini();
    void WortList();
    void Such_Wort();
    void ShowLetters();

    // Guesses.
    void imgAlpha_click(int index);
    void anzeigen();
    void Pause();
    // True when the typed character was a guess or pressed Next word.
    bool Form_KeyPress(QChar typed);

    // Toolbar commands.
    void PicBut_click(int index);
    void StartGame();
    void ShowTipp();
    void handOver();

    // The window is closing: every wait ends and nothing more is set up.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

signals:
    void closeRequested();
    void optionsMenuRequested();
    void helpMenuRequested();

private:
    void guess(int index);
    bool revealGuess(int index);
    void wrongGuess();
    void scoreCompletedWord();
    bool announceWinner();
    void loseWord();
    QString drawWord();
    QString fallbackWord() const;
    void growPicture();
    void layOutFields();
    void showPictureStep();
    void setPlayerColours(int player, bool onTurn);
    void disableKeys();
    void showEmptyVocabularyMessage();
    bool soundOn() const;

    Board& board_;
    QWidget& window_;
    GameState state_;
    QStringList List1;
    QList<int> pendingGuesses_; // keys clicked while a guess was still being handled
    int guessDepth_ = 0;
    bool stopped_ = false;
};
