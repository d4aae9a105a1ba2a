#include "frame/settings.h"

#include "files/programdir.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace settingsfile;

TEST(SettingsFile, WritesNumbersWithASignPosition)
{
    TestEnvironment environment;
    SaveIni("Einstellungen", "Anzahl", numberText(4));
    SaveIni("Einstellungen", "Sound", numberText(-1));
    SaveIni("Einstellungen", "Bild", numberText(0));
    SaveIni("Einstellungen", "Spieler1", "Red team");
    EXPECT_EQ(readFile(environment.settingsPath()),
              "[Einstellungen]\r\nAnzahl= 4\r\nSound=-1\r\nBild= 0\r\nSpieler1=Red team\r\n");
    EXPECT_EQ(GetIniInt("Einstellungen", "Anzahl", 1), 4);
    EXPECT_EQ(GetIniInt("Einstellungen", "Sound", 0), -1);
    EXPECT_EQ(GetIniInt("Einstellungen", "Missing", 3), 3);
}

TEST(SettingsFile, ANumberOutsideSixteenBitsIsReportedAsOverflow)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(), "[Window]\r\nWidth= 40000\r\nLeft=-32768\r\n");
    environment.reporter.choices = {ErrorChoice::Retry, ErrorChoice::Ignore};
    EXPECT_EQ(GetIniInt("Window", "Width", 12000), 0);
    ASSERT_EQ(environment.reporter.reports.size(), 2) << "reported again after Retry";
    EXPECT_EQ(environment.reporter.reports[0].module, "Allgemein");
    EXPECT_EQ(environment.reporter.reports[0].procedure, "GetIniInt");
    EXPECT_EQ(environment.reporter.reports[0].number, 6);
    EXPECT_EQ(GetIniInt("Window", "Left", 0), -32768);
}

TEST(SettingsFile, PlayerNamesFollowTheStoredShape)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(),
              "[Einstellungen]\r\nSpieler1=Spieler 3\r\nSpieler2=  Red team  \r\n"
              "Spieler3=ABCDEFGHIJKLMNOPQRSTUVWXYZ1234\r\nSpieler4=Grandmother4\r\n");
    EXPECT_EQ(readPlayerName(1), "Name 1");
    EXPECT_EQ(readPlayerName(2), "Red team");
    EXPECT_EQ(readPlayerName(3), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(readPlayerName(4), "Grandmother4") << "only the ninth character decides";
    writeFile(environment.settingsPath(), "");
    EXPECT_EQ(readPlayerName(2), "Name 2") << "the default has the shape too";
}

TEST(SettingsFile, AFolderThatCannotBeWrittenLosesTheChangeQuietly)
{
    TestEnvironment environment;
    const QString blocker = environment.programDir() + "/blocker";
    writeFile(blocker, "");
    programdir::setForTesting(blocker, "frostel"); // a folder nothing can be written into
    SaveIni("Window", "Status", numberText(0));
    EXPECT_EQ(GetIniInt("Window", "Status", 2), 2);
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}
