#pragma once

// What the game asks of the window it is played in: the players' answers to its
// questions, its sounds and music, and what the board has room for. The game
// window asks in message boxes; tests answer from a script.
class GameHost
{
public:
    virtual ~GameHost() = default;

    // "Really start a new game?", asked by Start during a game.
    virtual bool askNewGame() = 0;
    // "Really end the game?"
    virtual bool askEndGame() = 0;
    // The switch to language `index` during a game starts a new one.
    virtual bool askLanguageSwitch(int index) = 0;
    // Player `player` has won; then "Once again?".
    virtual void announceWinner(int player) = 0;
    virtual bool askOnceAgain() = 0;
    // The vocabulary gave no entry to play.
    virtual void reportEmptyVocabulary() = 0;

    virtual void playSound(int id) = 0;
    virtual void restartMusic() = 0;
    // The wait pointer while the vocabulary loads.
    virtual void showBusy(bool busy) = 0;

    // Whether the players see the game yet: while the window loads they do not.
    virtual bool gameShown() const = 0;
    // Whether a word of `length` characters fits across the board.
    virtual bool wordFits(int length) const = 0;
};
