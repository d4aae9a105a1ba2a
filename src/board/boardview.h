#pragma once

#include <QList>
#include <QString>

#include <array>

// The toolbar's buttons by index, as the board reports their clicks. Start to
// Help stand in the strip at the right edge; 5 to 8 are not used.
namespace toolbar {
enum Button : int
{
    Start = 0,
    End = 1,
    Hint = 2,
    Options = 3,
    Help = 4,
    NextWord = 9
};
constexpr int kStripButtons = 5;
} // namespace toolbar

// What the board shows of the game in play. The game fills it from its state and
// hands it over whole; the board turns it into pictures, places and colours.
struct BoardView
{
    static constexpr int kKeys = 29;
    static constexpr int kPlayers = 4;

    struct Key
    {
        QString letter; // the letter the key stands for
        int cell = -1;  // its letter-sheet cell; -1 before it has one
        bool visible = false;
        bool enabled = false;
        bool marked = false; // the used-key mark shows

        bool operator==(const Key&) const = default;
    };

    std::array<Key, kKeys> keys;

    // One entry per character of the word: a letter-sheet cell, kGap for a blank
    // (no field) or kEmpty for a field still to guess. Only the first
    // `fieldsDealt` fields show.
    static constexpr int kGap = -2;
    static constexpr int kEmpty = -1;
    QList<int> fields;
    int fieldsDealt = 0;

    int motif = 1;
    int pictureStep = 0;
    bool pictureShown = false;
    int pictureHeight = -1; // -1: the picture's full height

    bool startEnabled = true;
    bool hintShown = true;
    bool hintEnabled = true;
    bool nextWordShown = false;

    int players = 1;
    int onTurn = 0;
    std::array<int, kPlayers> scores{};
    std::array<QString, kPlayers> names;

    bool operator==(const BoardView&) const = default;
};
