#include "alphabet.h"

Alphabet::Alphabet()
{
    for (int i = 0; i <= 25; ++i)
        keys_[i] = {QString(QChar(u'A' + i)), i, true};
}

void Alphabet::setLanguageLetters(int languageOffset)
{
    struct Letter
    {
        int cell; // -1: the language does not use the key
        char16_t letter;
    };
    static constexpr std::array<std::array<Letter, 3>, 7> letters = {{
        {{{26, u'Ä'}, {27, u'Ö'}, {28, u'Ü'}}},
        {{{-1, 0}, {-1, 0}, {-1, 0}}},
        {{{26, u'Ä'}, {27, u'Ö'}, {30, u'Å'}}},
        {{{-1, 0}, {-1, 0}, {-1, 0}}},
        {{{31, u'Ã'}, {32, u'Õ'}, {34, u'Ç'}}},
        {{{33, u'Ñ'}, {-1, 0}, {-1, 0}}},
        {{{34, u'Ç'}, {-1, 0}, {-1, 0}}},
    }};
    if (languageOffset < 0 || languageOffset > 6000 || languageOffset % 1000 != 0)
        return;
    const auto& row = letters[languageOffset / 1000];
    for (int j = 0; j < 3; ++j) {
        Key& key = keys_[26 + j];
        key.inPlay = row[j].cell >= 0;
        if (key.inPlay) {
            key.cell = row[j].cell;
            key.letter = QString(QChar(row[j].letter));
        }
    }
}
