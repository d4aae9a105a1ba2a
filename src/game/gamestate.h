#pragma once

#include <QList>
#include <QString>

#include <array>

namespace gamerules {

constexpr int kWinningScore = 8;
constexpr int kLosingWrongGuesses = 9;
constexpr int kKeys = 29; // alphabet keys 0 to 28
constexpr int kPlayers = 4;

} // namespace gamerules

// Where the word in play stands in its life.
enum class Phase
{
    NoWord,         // before the first word of a game, or a new game before its word
    SettingUp,      // the word is being dealt: no guess, no Start, no Hint
    Guessing,       // the keys of the language that are not used yet take guesses
    Ending,         // complete or lost; its sounds, pauses and solution run
    WaitingForNext, // the Next word button shows
    NextRequested,  // Next word (or a restart) released the wait; the next word follows
    Won             // a player has won: the winner's questions are asked
};

// What a letter field shows: a letter-sheet cell, or one of these.
namespace fieldlook {
constexpr int kOwnGlyph = -3; // a character the letter sheet lacks, as it is
constexpr int kGap = -2;      // a blank: no field, a gap between words
constexpr int kEmpty = -1;    // the field's empty ground: a letter still to guess
} // namespace fieldlook

// The state of the game in the game window: everything the board shows of the
// game lives here, and no rule of the game asks a widget.
struct GameState
{
    QString CurrentWord;      // the word or sentence in play, in capitals
    int FieldCount = 0;       // letter fields made for it
    qint16 RevealedCount = 0; // positions shown: blanks, apostrophes, hyphens, guesses
    qint16 WrongGuesses = 0;  // 0 to 9, also the step of the picture story
    qint16 CurrentPlayer = 0; // 0 to Anzahl - 1
    std::array<qint16, gamerules::kPlayers> Scores{};
    int HintsUsed = 0;
    bool GameStarted = false;
    bool RestartRequested = false;
    qint16 LastKeyIndex = 28;

    Phase phase = Phase::NoWord;
    // Changes with every new word and every new game, so that a procedure
    // resumed after a pause can tell that its word is no longer the one in play.
    quint32 generation = 0;
    quint32 wordsDrawn = 0;                       // counts the words put on the board
    std::array<bool, gamerules::kKeys> keyUsed{}; // guessed on the current word
    QList<int> fieldLooks;   // per position of the word: a cell or a fieldlook value
    int fieldsDealt = 0;     // fields shown so far while the word is set up
    int pictureHeight = -1;  // while the picture grows; -1 is its full height
    bool hintOffered = true; // the Hint button shows for this word
};
