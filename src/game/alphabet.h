#pragma once

#include "game/gamestate.h"

#include <QString>

#include <array>
#include <optional>

// The letters of the alphabet keys: A to Z on keys 0 to 25 in every language,
// the interface language's own letters on keys 26 to 28.
class Alphabet
{
public:
    struct Key
    {
        QString letter;
        int cell = -1;       // its letter-sheet cell
        bool inPlay = false; // the language uses the key
    };

    // A to Z on keys 0 to 25.
    Alphabet();

    // Keys 26 to 28 for the language; a key the language does not use keeps its
    // letter and cell. An offset that names no language changes nothing.
    void setLanguageLetters(int languageOffset);

    const Key& key(int index) const { return keys_.at(index); }

private:
    std::array<Key, gamerules::kKeys> keys_;
};

// The letter sheet's cells: 0-25 A-Z, 26 Ä, 27 Ö, 28 Ü, 30 Å, 31 Ã, 32 Õ, 33 Ñ,
// 34 Ç, 35-49 the accented vowels, 50 the apostrophe, 51 the hyphen.
namespace lettersheet {

// The cell of a capital or sign, if the sheet has one.
std::optional<int> cellOf(QChar character);

// A vowel key (A, E, I, O, U: keys 0, 4, 8, 14, 20) also uncovers three accented
// forms of its letter: the cell of `character` when it is one of them, else -1.
int accentCell(int key, QChar character);

} // namespace lettersheet
