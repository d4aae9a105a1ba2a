#include "app/gamewindow.h"
#include "app/startup.h"
#include "files/instancelock.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

TEST(StartUp, TheStoredLanguageWinsOverTheLocale)
{
    TestEnvironment environment;
    const QList<std::pair<QStringList, qint16>> locales = {
        {{"de-AT", "de-Latn-AT"}, 0},
        {{"fr-FR", "fr-Latn-FR", "fr"}, 6000},
        {{"sv-SE", "sv"}, 2000},
        {{"pt-PT"}, 4000},
        {{"pt-BR"}, 4000},
        {{"nb", "nb-NO", "sv", "sv-SE"}, 2000}, // the first of the user's languages the game speaks
        {{"nl-NL", "nl"}, 1000},
        {{"C"}, 1000},
        {{}, 1000}};
    for (const auto& [userLanguages, offset] : locales) {
        chooseStartupLanguage(userLanguages);
        EXPECT_EQ(language::LanguageOffset(), offset) << userLanguages.join(u',').toStdString();
    }
    writeFile(environment.settingsPath(), "[Optionen]\r\nSprache= 5000\r\n");
    chooseStartupLanguage({"fr-FR"});
    EXPECT_EQ(language::LanguageOffset(), 5000);
    writeFile(environment.settingsPath(), "[Optionen]\r\nSprache= 9000\r\n");
    chooseStartupLanguage({"fr-FR"});
    EXPECT_EQ(language::LanguageOffset(), 0)
        << "a language the game lacks is German, as on the board";
}

// A first start speaks the user's language on the splash and on the board, and
// keeps it for the next start.
TEST(StartUp, TheLocalesLanguageReachesTheBoardAndIsStored)
{
    TestEnvironment environment;
    chooseStartupLanguage({"fr-FR", "fr"});
    language::extractLanguageTable();
    {
        GameWindow window;
        window.Form_Load();
        EXPECT_EQ(language::LanguageOffset(), 6000);
        EXPECT_EQ(window.windowTitle(), "Givrelin");
        window.close();
    }
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("[Optionen]\r\nSprache= 6000\r\n"));
    language::LanguageOffset() = 0;
    chooseStartupLanguage({"de-DE"});
    EXPECT_EQ(language::LanguageOffset(), 6000);
    QDir::setCurrent(QStringLiteral(FROSTEL_BUILD_DIR));
}

TEST(StartUp, TheGameWindowIsBuiltOnceTheSplashIsOnScreenAndNoLaterThanAFifthOfASecond)
{
    TestEnvironment environment;
    QWidget splash;
    bool built = false;
    whenDrawn(splash, [&] { built = true; });
    splash.show();
    EXPECT_FALSE(built) << "not before the event loop has put the splash on screen";
    for (int i = 0; i < 50 && !built; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(built);
    EXPECT_EQ(environment.clock.totalWaited(), 0) << "it was on screen at once";

    QWidget hidden; // a display that never puts it on screen
    hidden.setAttribute(Qt::WA_DontShowOnScreen);
    bool builtAnyway = false;
    whenDrawn(hidden, [&] { builtAnyway = true; });
    hidden.show();
    QCoreApplication::processEvents();
    environment.clock.advance(0.19);
    EXPECT_FALSE(builtAnyway);
    environment.clock.advance(0.01);
    EXPECT_TRUE(builtAnyway);
}

TEST(StartUp, OnlyOneInstanceRuns)
{
    TestEnvironment environment;
    InstanceLock first(environment.tempDir());
    ASSERT_TRUE(first.acquire());
    InstanceLock second(environment.tempDir());
    EXPECT_FALSE(second.acquire());
}

TEST(StartUp, AStaleLockFromACrashedRunDoesNotBlock)
{
    TestEnvironment environment;
    // A lock file naming a process that no longer exists.
    writeFile(environment.tempDir() + "frostel.lock",
              "2147483646\nfrostel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    InstanceLock lock(environment.tempDir());
    EXPECT_TRUE(lock.acquire());
}

TEST(GameWindowLoad, ReadsTheSettingsAndSavesThePlacementOnClose)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(),
              "[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nAnzahl= 2\r\nSpieler1=Red team\r\n");
    language::extractLanguageTable();
    {
        GameWindow window;
        window.Form_Load();
        EXPECT_EQ(settings().Anzahl, 2);
        EXPECT_EQ(settings().names[0], "Red team");
        EXPECT_EQ(settings().names[1], "Name 2");
        EXPECT_EQ(QDir::currentPath(), QDir(environment.programDir()).canonicalPath());
        window.showAsStored();
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.isMaximized());
        EXPECT_EQ(window.frameGeometry().width(), 800);
        window.close();
    }
    const QByteArray stored = readFile(environment.settingsPath());
    EXPECT_TRUE(
        stored.startsWith("[Window]\r\nStatus= 0\r\nLeft= 0\r\nTop= 1500\r\nWidth= 12000\r\n"
                          "Height= 9000\r\n"))
        << stored.data();
    QDir::setCurrent(QStringLiteral(FROSTEL_BUILD_DIR));
}

TEST(GameWindowLoad, AWindowClosedBeforeItShowedKeepsTheStoredPlacement)
{
    TestEnvironment environment;
    const QByteArray stored = "[Window]\r\nStatus= 2\r\n[Optionen]\r\nSprache= 0\r\n";
    writeFile(environment.settingsPath(), stored);
    language::extractLanguageTable();
    {
        GameWindow window;
        window.Form_Load();
        window.close(); // a log-out while the splash still shows
    }
    EXPECT_EQ(readFile(environment.settingsPath()), stored);
    QDir::setCurrent(QStringLiteral(FROSTEL_BUILD_DIR));
}

TEST(StartUp, RemovesWhatKilledWritesLeftInEveryFolderTheGameWritesInto)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    const QString program = environment.programDir();
    const QStringList folders = {program, program + QStringLiteral("/deutsch"),
                                 program + QString::fromUtf8("/français"),
                                 environment.tempDir().chopped(1)};
    for (const QString& folder : folders) {
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("/keep.dat"), "a file of the user's");
        writeFile(folder + QStringLiteral("/keep.dat.KilLed"), "half a file");
    }
    removeLeftoverTemporaryFiles();
    for (const QString& folder : folders) {
        const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        EXPECT_FALSE(names.contains(QStringLiteral("keep.dat.KilLed"))) << folder.toStdString();
        EXPECT_TRUE(names.contains(QStringLiteral("keep.dat"))) << folder.toStdString();
    }
}
