#pragma once

#include "game/gamestate.h"

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
    static constexpr int kKeys = gamerules::kKeys;
    static constexpr int kPlayers = gamerules::kPlayers;

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

    // The word in play, and one entry per character: a letter-sheet cell, kGap
    // for a blank (no field), kEmpty for a field still to guess or kOwnGlyph for
    // a character that the letter sheet lacks, shown as it is. Only the first
    // `fieldsDealt` fields show. Each new word has a new number.
    static constexpr int kGap = fieldlook::kGap;
    static constexpr int kEmpty = fieldlook::kEmpty;
    static constexpr int kOwnGlyph = fieldlook::kOwnGlyph;
    QString word;
    quint32 wordNumber = 0;
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
