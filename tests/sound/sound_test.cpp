#include "sound/sound.h"

#include "frame/settings.h"
#include "sound/music.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

// The music is named relative to the current folder, which the game window makes
// the program folder.
class InProgramFolder
{
public:
    explicit InProgramFolder(const QString& folder) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InProgramFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

QByteArray silentMidiFile()
{
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60"
                      "MTrk\0\0\0\x04\0\xFF\x2F\0",
                      26);
}

} // namespace

TEST(PlayWAV, AMissingSoundIsSilentAndReportsNothing)
{
    TestEnvironment environment;
    PlayWAV(9999);
    PlayWAV(-1);
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
    EXPECT_TRUE(environment.dialogs.questions.isEmpty());
}

TEST(MenuToggles, TheMusicSwitchStoresItsSettingAndNeedsNoMusicFile)
{
    TestEnvironment environment;
    InProgramFolder folder(environment.programDir()); // holds no frostel.mid
    settings() = Settings{};

    toggleMusic(false);
    EXPECT_EQ(settings().Music, 0);
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("Music= 0\r\n"));
    toggleMusic(true);
    EXPECT_EQ(settings().Music, -1);
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("Music=-1\r\n"));
    EXPECT_FALSE(music().isOpen());
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
    EXPECT_TRUE(environment.dialogs.questions.isEmpty());
}

TEST(MenuToggles, TheMusicSwitchOpensAndClosesTheMusic)
{
    TestEnvironment environment;
    writeFile(environment.programDir() + "/frostel.mid", silentMidiFile());
    InProgramFolder folder(environment.programDir());
    settings() = Settings{};
    settings().Music = 0;

    toggleMusic(true);
    EXPECT_TRUE(music().isOpen());
    toggleMusic(false);
    EXPECT_FALSE(music().isOpen());
    toggleMusic(true);
    EXPECT_TRUE(music().isOpen()) << "off and on again opens it afresh";
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
    stopMusic();
}

TEST(MenuToggles, TheSoundSwitchStoresItsSetting)
{
    TestEnvironment environment;
    settings() = Settings{};
    toggleSound(false);
    EXPECT_EQ(settings().Sound, 0);
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("Sound= 0\r\n"));
    toggleSound(true);
    EXPECT_EQ(settings().Sound, -1);
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("Sound=-1\r\n"));
}
