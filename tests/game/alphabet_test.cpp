#include "game/alphabet.h"

#include <gtest/gtest.h>

namespace {

QString extraLetters(const Alphabet& alphabet)
{
    QString letters;
    for (int i = 26; i <= 28; ++i)
        letters += alphabet.key(i).inPlay ? alphabet.key(i).letter : QStringLiteral("-");
    return letters;
}

} // namespace

TEST(Alphabet, EveryLanguageGetsItsOwnThreeExtraKeys)
{
    Alphabet alphabet;
    EXPECT_EQ(alphabet.key(25).letter, "Z");
    EXPECT_EQ(alphabet.key(25).cell, 25);
    const struct
    {
        int offset;
        const char16_t* letters;
        std::array<int, 3> cells;
    } languages[] = {{0, u"ÄÖÜ", {26, 27, 28}},    {1000, u"---", {}},
                     {2000, u"ÄÖÅ", {26, 27, 30}}, {3000, u"---", {}},
                     {4000, u"ÃÕÇ", {31, 32, 34}}, {5000, u"Ñ--", {33}},
                     {6000, u"Ç--", {34}}};
    for (const auto& language : languages) {
        alphabet.setLanguageLetters(language.offset);
        EXPECT_EQ(extraLetters(alphabet), QString::fromUtf16(language.letters)) << language.offset;
        for (int j = 0; j < 3; ++j) {
            if (alphabet.key(26 + j).inPlay) {
                EXPECT_EQ(alphabet.key(26 + j).cell, language.cells[j]) << language.offset;
            }
        }
    }
}

TEST(Alphabet, KeysALanguageDoesNotUseKeepTheirLetters)
{
    Alphabet alphabet;
    alphabet.setLanguageLetters(0);
    alphabet.setLanguageLetters(6000);
    EXPECT_EQ(alphabet.key(26).letter, "Ç");
    EXPECT_EQ(alphabet.key(28).letter, "Ü");
    EXPECT_FALSE(alphabet.key(28).inPlay);
    alphabet.setLanguageLetters(9000);
    EXPECT_EQ(extraLetters(alphabet), "Ç--") << "an unknown language changes nothing";
}
