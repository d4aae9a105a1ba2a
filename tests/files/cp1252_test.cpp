#include "files/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTrip)
{
    QByteArray everyByte;
    for (int code = 0; code < 256; ++code)
        everyByte.append(static_cast<char>(code));
    const QString text = cp1252::decode(everyByte);
    EXPECT_EQ(cp1252::encode(text), everyByte);
    EXPECT_TRUE(cp1252::canEncode(text));
    // The five codes without a character stand for the controls of that number.
    EXPECT_EQ(cp1252::decode("\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    // UTF-8 bytes read as Windows-1252 come back as they were: "Íñigo".
    EXPECT_EQ(cp1252::encode(cp1252::decode("\xC3\x8D\xC3\xB1igo")), "\xC3\x8D\xC3\xB1igo");
}

TEST(Cp1252, MapsTheWindowsCharactersAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(cp1252::decode("\x80\x9C\xC4\xDF"), QStringLiteral("€œÄß"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("Ä€ł")), QByteArray("\xC4\x80?"));
    EXPECT_EQ(cp1252::encode(QString::fromUtf16(u"\u0080\u009F")), "??")
        << "C1 controls that Windows-1252 uses for characters have no code";
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("français español Å")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("Łódź")));
}
