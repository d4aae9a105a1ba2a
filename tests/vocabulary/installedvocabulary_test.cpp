#include "vocabulary/vocabularyfile.h"

#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

using namespace vocabularyfile;

namespace {

// English: folder "english", default file "frostel.dat".
constexpr qint16 kEnglish = 1000;

// A program installed for everyone, shipped with two English vocabularies.
class InstalledVocabulary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::extractLanguageTable();
        language::LanguageOffset() = kEnglish;
        settings().Datei = QStringLiteral("frostel.dat");
        QDir(environment.programDir()).mkdir(QStringLiteral("english"));
        writeFile(shipped("frostel.dat"), "SHIPPED\r\n");
        writeFile(shipped("Beta.dat"), "BETA\r\n");
        installed = std::make_unique<InstalledProgramFolder>(environment);
        before = installed->contents();
    }

    void TearDown() override
    {
        EXPECT_EQ(installed->contents(), before) << "the program folder is never written";
        installed.reset();
        language::LanguageOffset() = savedOffset_;
        settings() = savedSettings_;
    }

    QString shipped(const QString& name) const
    {
        return environment.programDir() + QStringLiteral("/english/") + name;
    }
    QString own(const QString& name) const
    {
        return environment.playerDir() + QStringLiteral("/english/") + name;
    }

    TestEnvironment environment;
    std::unique_ptr<InstalledProgramFolder> installed;
    QStringList before;

private:
    qint16 savedOffset_ = language::LanguageOffset();
    Settings savedSettings_ = settings();
};

} // namespace

TEST_F(InstalledVocabulary, TheShippedFileIsReadUntilThePlayerSavesTheirOwn)
{
    EXPECT_EQ(readForPlay(1).entries, QStringList({"SHIPPED"}));
    EXPECT_EQ(readForEditing().entries, QStringList({"SHIPPED"}));

    EXPECT_TRUE(write({QStringLiteral("Mine"), QStringLiteral("Ours")}));
    EXPECT_EQ(readFile(own("frostel.dat")), "Mine\r\nOurs\r\n")
        << "the player's language folder is made with the first file saved";
    EXPECT_EQ(readFile(shipped("frostel.dat")), "SHIPPED\r\n");
    EXPECT_EQ(resolvePath(kEnglish, "frostel.dat"), own("frostel.dat"));
    EXPECT_EQ(readForPlay(1).entries, QStringList({"MINE", "OURS"}));
    EXPECT_EQ(readForEditing().entries, QStringList({"Mine", "Ours"}));

    // The other shipped file is still read from the program folder.
    settings().Datei = QStringLiteral("Beta.dat");
    EXPECT_EQ(readForPlay(1).entries, QStringList({"BETA"}));
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(InstalledVocabulary, ANameInNeitherFolderFallsBackToTheDefaultFile)
{
    settings().Datei = QStringLiteral("gone.dat");
    EXPECT_EQ(readForPlay(1).entries, QStringList({"SHIPPED"}));
    EXPECT_EQ(settings().Datei, "frostel.dat");

    // A new file the editor names lives only in the player's folder.
    settings().Datei = QStringLiteral("new.dat");
    EXPECT_TRUE(write({QStringLiteral("FIG")}));
    EXPECT_EQ(readForPlay(1).entries, QStringList({"FIG"}));
    EXPECT_EQ(settings().Datei, "new.dat");
}

TEST_F(InstalledVocabulary, TheFileListShowsBothFoldersEachNameOnce)
{
    EXPECT_EQ(fileNames(kEnglish), QStringList({"Beta.dat", "frostel.dat"}));
    settings().Datei = QStringLiteral("alpha.dat");
    ASSERT_TRUE(write({QStringLiteral("A")}));
    settings().Datei = QStringLiteral("frostel.dat");
    ASSERT_TRUE(write({QStringLiteral("B")}));
    writeFile(own("notes.txt"), "not a vocabulary");
    EXPECT_EQ(fileNames(kEnglish), QStringList({"alpha.dat", "Beta.dat", "frostel.dat"}));
    EXPECT_TRUE(fileNames(2000).isEmpty()) << "a language without folders lists nothing";
}

TEST_F(InstalledVocabulary, ThePlayersFolderThatCannotBeMadeIsReportedOnSaving)
{
    const QString blocked = environment.playerDir() + QStringLiteral("-blocker");
    writeFile(blocked, "a file where the folder would go");
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
    EXPECT_FALSE(write({QStringLiteral("LOST")}));
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].procedure, "Speichern_Click");
    EXPECT_EQ(readForPlay(1).entries, QStringList({"SHIPPED"})) << "reading still works";
}
