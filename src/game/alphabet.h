#pragma once

#include "game/gamestate.h"

#include <QString>

#include <array>

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
