#pragma once

#include "game/gamehost.h"

class Board;
class QWidget;

// The game window's answers to what the game asks: message boxes over the
// window, the sound effects and music, the wait pointer, the board's room.
class WindowHost final : public GameHost
{
public:
    WindowHost(QWidget& window, const Board& board) : window_(window), board_(board) {}

    bool askNewGame() override;
    bool askEndGame() override;
    bool askLanguageSwitch(int index) override;
    void announceWinner(int player) override;
    bool askOnceAgain() override;
    void reportEmptyVocabulary() override;

    void playSound(int id) override;
    void restartMusic() override;
    void showBusy(bool busy) override;

    bool gameShown() const override;
    bool wordFits(int length) const override;

private:
    QWidget& window_;
    const Board& board_;
};
