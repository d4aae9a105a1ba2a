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
    qputenv("LC_ALL", "de_DE.UTF-8");
    chooseStartupLanguage();
    EXPECT_EQ(language::LanguageOffset(), 0);
    qputenv("LC_ALL", "fr_FR.UTF-8");
    chooseStartupLanguage();
    EXPECT_EQ(language::LanguageOffset(), 1000) << "any other locale starts in English";
    writeFile(environment.settingsPath(), "[Optionen]\r\nSprache= 5000\r\n");
    chooseStartupLanguage();
    EXPECT_EQ(language::LanguageOffset(), 5000);
    qunsetenv("LC_ALL");
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
        EXPECT_FALSE(names.contains(QStringLiteral("keep.dat.KilLed")))
            << folder.toStdString();
        EXPECT_TRUE(names.contains(QStringLiteral("keep.dat"))) << folder.toStdString();
    }
}
