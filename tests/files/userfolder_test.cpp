#include "files/userfolder.h"

#include "errors/errorprotocol.h"
#include "files/programdir.h"
#include "frame/settings.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using settingsfile::GetIniInt;
using settingsfile::numberText;
using settingsfile::SaveIni;

namespace {

// Puts an environment variable back as it was when the test ends.
class SavedVariable
{
public:
    explicit SavedVariable(const char* name)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name))
    {}
    ~SavedVariable()
    {
        if (wasSet_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool wasSet_;
    QByteArray value_;
};

} // namespace

TEST(UserFolder, AWritableProgramFolderKeepsThePlayersFilesBesideTheProgram)
{
    TestEnvironment environment;
    EXPECT_TRUE(userfolder::inProgramFolder());
    EXPECT_EQ(userfolder::path(), environment.programDir());
    SaveIni("Window", "Status", numberText(0));
    EXPECT_EQ(GetIniInt("Window", "Status", 2), 0);
    EXPECT_TRUE(QFileInfo::exists(environment.settingsPath()));
    EXPECT_FALSE(QFileInfo::exists(environment.playerDir())) << "the player's folder stays unmade";
}

TEST(UserFolder, AnInstalledProgramKeepsThePlayersFilesInTheirOwnFolder)
{
    TestEnvironment environment;
    const InstalledProgramFolder installed(environment);
    const QStringList before = installed.contents();
    EXPECT_FALSE(userfolder::inProgramFolder());

    SaveIni("Einstellungen", "Anzahl", numberText(2));
    EXPECT_EQ(GetIniInt("Einstellungen", "Anzahl", 4), 2);
    EXPECT_TRUE(QFileInfo::exists(environment.playerDir() + "/Frostel.ini"));
    const auto othersRights = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                              QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(environment.playerDir()).permissions() & othersRights)
        << "the settings hold the password, so the folder is the player's alone";

    EXPECT_EQ(errorprotocol::logFilePath(), environment.playerDir() + "/frostel.EPT");
    EXPECT_EQ(errorprotocol::protocolFilePath(), environment.playerDir() + "/frostel.ERR");
    EXPECT_TRUE(errorprotocol::appendToLog(errorprotocol::logFilePath(), "a protocol"));
    EXPECT_TRUE(errorprotocol::writeProtocolFile(errorprotocol::protocolFilePath(), "a protocol"));

    EXPECT_EQ(installed.contents(), before) << "nothing is written into the program folder";
}

TEST(UserFolder, AMissingProgramFolderIsNotMadeAgain)
{
    TestEnvironment environment;
    const QString vanished = environment.programDir() + "/vanished";
    programdir::setForTesting(vanished, "frostel");
    EXPECT_FALSE(userfolder::inProgramFolder());
    SaveIni("Window", "Status", numberText(0));
    EXPECT_TRUE(QFileInfo::exists(environment.playerDir() + "/Frostel.ini"));
    EXPECT_FALSE(QFileInfo::exists(vanished));
}

TEST(UserFolder, NothingBelowUsrIsEverWrittenNotEvenByRoot)
{
    TestEnvironment environment;
    for (const char* folder : {"/usr", "/usr/games", "/usr/lib"}) {
        SCOPED_TRACE(folder);
        programdir::setForTesting(QString::fromLatin1(folder), "frostel");
        EXPECT_FALSE(userfolder::inProgramFolder());
        EXPECT_EQ(userfolder::path(), environment.playerDir());
    }
}

TEST(UserFolder, ThePlayersFolderIsBelowXdgDataHomeOrElseTheHomeFolder)
{
    TestEnvironment environment;
    const InstalledProgramFolder installed(environment);
    const SavedVariable savedHome("HOME");
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));

    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path() + "/deeper/share/"));
    EXPECT_EQ(userfolder::path(), dataHome.path() + "/deeper/share/frostel");
    EXPECT_TRUE(QFileInfo(dataHome.path() + "/deeper/share/frostel").isDir())
        << "missing folders on the way are made";

    // A relative path is no valid setting, so the home folder's default holds.
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(userfolder::path(), home.path() + "/.local/share/frostel");
    EXPECT_FALSE(QFileInfo::exists("relative"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(userfolder::path(), home.path() + "/.local/share/frostel");
    EXPECT_TRUE(QFileInfo(home.path() + "/.local/share/frostel").isDir());
}
