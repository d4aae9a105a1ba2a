#include "platform/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryDefinedByteSurvivesTheRoundTrip)
{
    for (int code = 1; code < 256; ++code) {
        if (code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D)
            continue; // the five codes without a character
        const QByteArray byte(1, static_cast<char>(code));
        EXPECT_EQ(cp1252::encode(cp1252::decode(byte)), byte) << "code " << code;
    }
}

TEST(Cp1252, MapsTheWindowsCharactersAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(cp1252::decode("\x80\x9C\xC4\xDF"), QStringLiteral("€œÄß"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("Ä€ł")), QByteArray("\xC4\x80?"));
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("français español Å")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("Łódź")));
}
