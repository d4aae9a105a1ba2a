#pragma once

#include <QString>

#include <array>

// The state of the game in the game window.
struct GameState
{
    QString CurrentWord;      // the word or sentence in play, in capitals
    int FieldCount = 0;       // letter fields made for it
    qint16 RevealedCount = 0; // positions shown: blanks, apostrophes, hyphens, guesses
    qint16 WrongGuesses = 0;  // 0 to 9, also the step of the picture story
    qint16 CurrentPlayer = 0; // 0 to Anzahl - 1
    std::array<qint16, 4> Scores{};
    int HintsUsed = 0;
    bool GameStarted = false;
    bool RestartRequested = false;
    qint16 LastKeyIndex = 28;
};

namespace gamerules {

constexpr int kWinningScore = 8;
constexpr int kLosingWrongGuesses = 9;

} // namespace gamerules
