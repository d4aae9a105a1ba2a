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

namespace lettersheet {

namespace {

struct Cell
{
    char16_t letter;
    int cell;
};
constexpr Cell kCellsAfterZ[] = {{u'Ä', 26}, {u'Ö', 27}, {u'Ü', 28}, {u'Å', 30},  {u'Ã', 31},
                                 {u'Õ', 32}, {u'Ñ', 33}, {u'Ç', 34}, {u'Á', 35},  {u'À', 36},
                                 {u'Â', 37}, {u'É', 38}, {u'È', 39}, {u'Ê', 40},  {u'Í', 41},
                                 {u'Ì', 42}, {u'Î', 43}, {u'Ó', 44}, {u'Ò', 45},  {u'Ô', 46},
                                 {u'Ú', 47}, {u'Ù', 48}, {u'Û', 49}, {u'\'', 50}, {u'-', 51}};

// Cells 35 to 49 hold three accented forms of each vowel in turn.
constexpr int kFirstAccentCell = 35;
constexpr int kLastAccentCell = 49;
constexpr int kVowelKeys[] = {0, 4, 8, 14, 20};

} // namespace

std::optional<int> cellOf(QChar character)
{
    if (character >= u'A' && character <= u'Z')
        return character.unicode() - u'A';
    for (const Cell& cell : kCellsAfterZ) {
        if (cell.letter == character.unicode())
            return cell.cell;
    }
    return std::nullopt;
}

int accentCell(int key, QChar character)
{
    const int cell = cellOf(character).value_or(-1);
    if (cell < kFirstAccentCell || cell > kLastAccentCell)
        return -1;
    return kVowelKeys[(cell - kFirstAccentCell) / 3] == key ? cell : -1;
}

} // namespace lettersheet
