#include "files/inifile.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("test.ini")) const
    {
        return folder.path() + u'/' + name;
    }
    QString read(const QString& section, const QString& key)
    {
        return profile::readString(path(), section, key, QStringLiteral("<default>"));
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(IniFileTest, LooksUpLikeTheWindowsProfileFunctions)
{
    writeFile(path(), "; comment\r\n[Window]\r\nStatus= 0 \r\nstatus=2\r\n[einstellungen]\r\n"
                      "  Spieler1 =\t Red team \t\r\nQuoted=\"  spaced  \"\r\n");
    EXPECT_EQ(read("WINDOW", "STATUS"), "0") << "case-insensitive, first key wins";
    EXPECT_EQ(read("Einstellungen", "spieler1"), "Red team") << "blanks and tabs dropped";
    EXPECT_EQ(read("Einstellungen", "Quoted"), "  spaced  ");
    EXPECT_EQ(read("Einstellungen", "Missing"), "<default>");
    EXPECT_EQ(read("Nowhere", "Status"), "<default>");
    EXPECT_EQ(profile::readString(path("missing.ini"), "A", "B", " fallback "), "fallback");
}

TEST_F(IniFileTest, ReadsLeadingNumbers)
{
    writeFile(path(), "[S]\nA= 4\nB=-1\nC=12abc\nD=abc\nE=99999999999999999999\nF=\n");
    EXPECT_EQ(profile::readInt(path(), "S", "A", 7), 4);
    EXPECT_EQ(profile::readInt(path(), "S", "B", 7), -1);
    EXPECT_EQ(profile::readInt(path(), "S", "C", 7), 12);
    EXPECT_EQ(profile::readInt(path(), "S", "D", 7), 0);
    EXPECT_GT(profile::readInt(path(), "S", "E", 7), 32767);
    EXPECT_EQ(profile::readInt(path(), "S", "F", 7), 0);
    EXPECT_EQ(profile::readInt(path(), "S", "G", 7), 7);
}

TEST_F(IniFileTest, WritesInPlaceAndKeepsEverythingElse)
{
    writeFile(path(), "; keep me\r\n[Window]\r\nStatus= 2\r\nLeft= 10\r\n\r\n[Other]\r\nX=1\r\n");
    ASSERT_TRUE(profile::writeString(path(), "window", "status", " 0"));
    ASSERT_TRUE(profile::writeString(path(), "Window", "Width", " 12000"));
    ASSERT_TRUE(profile::writeString(path(), "Optionen", "Sprache", " 1000"));
    EXPECT_EQ(readFile(path()), "; keep me\r\n[Window]\r\nstatus= 0\r\nLeft= 10\r\nWidth= 12000\r\n"
                                "\r\n[Other]\r\nX=1\r\n\r\n[Optionen]\r\nSprache= 1000\r\n");
}

// Files written by other editors end their lines in LF or CR alone, or carry a
// doubled CR; every kind reads alike and keeps its bytes.
TEST_F(IniFileTest, ReadsEveryLineEndAndKeepsItsBytes)
{
    const QByteArray lf = "; from a Linux editor\n[Window]\nStatus= 0\nLeft= 10\n\n[Other]\nX=1\n";
    writeFile(path(), lf);
    ASSERT_TRUE(profile::writeString(path(), "Window", "Status", " 2"));
    ASSERT_TRUE(profile::writeString(path(), "Window", "Width", " 12000"));
    ASSERT_TRUE(profile::writeString(path(), "Optionen", "Sprache", " 1000"));
    EXPECT_EQ(readFile(path()),
              "; from a Linux editor\n[Window]\nStatus= 2\nLeft= 10\nWidth= 12000\n"
              "\n[Other]\nX=1\n\n[Optionen]\nSprache= 1000\n");

    const QByteArray cr = "[Einstellungen]\rAnzahl= 2\rDatei0=Tiere.dat\r[Optionen]\rSprache= 0\r";
    writeFile(path(), cr);
    EXPECT_EQ(profile::readInt(path(), "Einstellungen", "Anzahl", 4), 2) << "not one long line";
    EXPECT_EQ(read("Optionen", "Sprache"), "0");
    ASSERT_TRUE(profile::writeString(path(), "Optionen", "Sprache", " 6000"));
    ASSERT_TRUE(profile::writeString(path(), "Einstellungen", "Motiv", " 3"));
    EXPECT_EQ(readFile(path()), "[Einstellungen]\rAnzahl= 2\rDatei0=Tiere.dat\rMotiv= 3\r"
                                "[Optionen]\rSprache= 6000\r")
        << "no section written twice";

    const QByteArray doubled = "[Einstellungen]\r\r\nDatei0=Tiere.dat\r\r\nAnzahl= 1\r\r\n";
    writeFile(path(), doubled);
    EXPECT_EQ(read("Einstellungen", "Datei0"), "Tiere.dat") << "no CR kept in the value";
    ASSERT_TRUE(profile::writeString(path(), "Einstellungen", "Anzahl", " 3"));
    EXPECT_EQ(readFile(path()), "[Einstellungen]\r\r\nDatei0=Tiere.dat\r\r\nAnzahl= 3\r\r\n");

    writeFile(path(), "[S]\r\nA=1\r\nB=2");
    ASSERT_TRUE(profile::writeString(path(), "S", "A", "3"));
    EXPECT_EQ(readFile(path()), "[S]\r\nA=3\r\nB=2") << "a last line without a line end stays so";
    ASSERT_TRUE(profile::writeString(path(), "S", "C", "4"));
    EXPECT_EQ(readFile(path()), "[S]\r\nA=3\r\nB=2\r\nC=4\r\n");

    writeFile(path(), "[S]\nA=1\r\n");
    ASSERT_TRUE(profile::writeString(path(), "S", "A", "1"));
    EXPECT_EQ(readFile(path()), "[S]\nA=1\r\n") << "writing the stored value changes nothing";
}

TEST_F(IniFileTest, CreatesTheFileAndNeverSplitsALine)
{
    ASSERT_TRUE(profile::writeString(path(), "Einstellungen", "Spieler1", "Ann\r\n[Evil]\nX=1"));
    EXPECT_EQ(readFile(path()), "[Einstellungen]\r\nSpieler1=Ann  [Evil] X=1\r\n");
    EXPECT_EQ(read("Evil", "X"), "<default>");
}

TEST_F(IniFileTest, SurvivesBadFiles)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    writeFile(path(), garbage + "\n[S]\nK=v");
    EXPECT_EQ(read("S", "K"), "v") << "binary garbage before, no final line end";

    writeFile(path(), "[S]\r\nLong=" + QByteArray(1 << 20, 'x') + "\nK=1\r\n[S]\nK=2\n[s]\nJ=3\n");
    EXPECT_EQ(read("S", "Long").size(), 1 << 20);
    EXPECT_EQ(read("S", "K"), "1") << "duplicate sections: the first one counts";
    EXPECT_EQ(read("S", "J"), "<default>");
    ASSERT_TRUE(profile::writeString(path(), "S", "J", "4"));
    EXPECT_EQ(read("S", "J"), "4");
    EXPECT_EQ(read("S", "K"), "1");

    writeFile(path(), "[Einstellungen]\r\nSpieler1=J\xF6rg \xC5sa\r\n");
    EXPECT_EQ(read("Einstellungen", "Spieler1"), QStringLiteral("Jörg Åsa"));
    ASSERT_TRUE(profile::writeString(path(), "Einstellungen", "Spieler2", QStringLiteral("Zoë")));
    EXPECT_TRUE(readFile(path()).contains("Spieler2=Zo\xEB\r\n"));
}

TEST_F(IniFileTest, AWriteIntoAFolderThatCannotExistFails)
{
    writeFile(path("plainfile"), "not a folder");
    EXPECT_FALSE(profile::writeString(path("plainfile") + "/test.ini", "S", "K", "v"));
    EXPECT_EQ(readFile(path("plainfile")), "not a folder");
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole)
{
    const QString locked = folder.path() + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString file = locked + QStringLiteral("/test.ini");
    writeFile(file, "[S]\r\nK=old\r\n");
    handOver(folder.path());
    handOver(locked);
    handOver(file);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    // Folder permissions hold only for a process without root's rights.
    EXPECT_TRUE(runUnprivileged([&] {
        return !profile::writeString(file, "S", "K", "new") &&
               profile::readString(file, "S", "K", "-") == "old";
    }));
    EXPECT_EQ(readFile(file), "[S]\r\nK=old\r\n");
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"test.ini"}));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
