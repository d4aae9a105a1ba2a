#include "app/windowplacement.h"

#include "app/gamewindow.h"
#include "frame/languagetable.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

using namespace windowplacement;

namespace {

const ScreenInfo kScreen{QSize(1024 * 15, 768 * 15), 15, 15};

} // namespace

TEST(WindowPlacement, WithoutSettingsTheWindowIsMaximised)
{
    TestEnvironment environment;
    const Placement placement = read(kScreen);
    EXPECT_EQ(placement.state, Maximised);
    save(Maximised, QRect(0, 0, 15360, 11520));
    EXPECT_EQ(readFile(environment.settingsPath()), "[Window]\r\nStatus= 2\r\n");
}

TEST(WindowPlacement, TheNormalStateDefaultsTo800By600Centred)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(), "[Window]\r\nStatus= 0\r\n");
    const Placement placement = read(kScreen);
    EXPECT_EQ(placement.state, Normal);
    EXPECT_EQ(placement.twips, QRect((15360 - 12000) / 2, (11520 - 9000) / 2, 12000, 9000));
}

TEST(WindowPlacement, APositionOffTheScreenIsCentred)
{
    TestEnvironment environment;
    writeFile(
        environment.settingsPath(),
        "[Window]\r\nStatus= 0\r\nWidth= 12000\r\nHeight= 9000\r\nLeft=-3000\r\nTop= 2000\r\n");
    EXPECT_EQ(read(kScreen).twips, QRect(1680, 2000, 12000, 9000));

    writeFile(
        environment.settingsPath(),
        "[Window]\r\nStatus= 0\r\nWidth= 12000\r\nHeight= 9000\r\nLeft= 3361\r\nTop= 2521\r\n");
    EXPECT_EQ(read(kScreen).twips, QRect(1680, 1260, 12000, 9000)) << "right and bottom edges";

    writeFile(environment.settingsPath(),
              "[Window]\r\nStatus= 0\r\nWidth= 12000\r\nHeight= 9000\r\nLeft= 3360\r\nTop= 0\r\n");
    EXPECT_EQ(read(kScreen).twips, QRect(3360, 0, 12000, 9000)) << "fully on the screen stays";
}

TEST(WindowPlacement, SavesByWindowState)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(), "[Window]\r\nStatus= 0\r\nLeft= 15\r\n");
    save(Minimised, QRect(1, 2, 3, 4));
    EXPECT_EQ(readFile(environment.settingsPath()), "[Window]\r\nStatus= 0\r\nLeft= 15\r\n");

    save(Normal, QRect(150, -30, 12000, 9000));
    EXPECT_EQ(readFile(environment.settingsPath()),
              "[Window]\r\nStatus= 0\r\nLeft= 150\r\nTop=-30\r\nWidth= 12000\r\nHeight= 9000\r\n");
}

TEST(WindowPlacement, AnUnknownPositionKeepsTheStoredOne)
{
    TestEnvironment environment;
    const QByteArray stored = "[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 900\r\n";
    writeFile(environment.settingsPath(), stored);
    save(Normal, QRect(0, 0, 13500, 9750), Position::Unknown);
    EXPECT_EQ(readFile(environment.settingsPath()),
              "[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 900\r\nWidth= 13500\r\n"
              "Height= 9750\r\n");

    writeFile(environment.settingsPath(), "");
    save(Normal, QRect(0, 0, 12000, 9000), Position::Unknown);
    EXPECT_EQ(readFile(environment.settingsPath()),
              "[Window]\r\nWidth= 12000\r\nHeight= 9000\r\nStatus= 0\r\n")
        << "without a stored position the next start centres the window";
    save(Maximised, QRect(0, 0, 0, 0), Position::Unknown);
    EXPECT_TRUE(readFile(environment.settingsPath()).contains("Status= 2\r\n"));
}

TEST(WindowPlacement, AHugeWindowStoresWhatTheNextStartCanRead)
{
    TestEnvironment environment;
    save(Normal, QRect(40000, 0, 3840 * 15, 2160 * 15));
    const Placement placement = read({QSize(7680 * 15, 4320 * 15), 15, 15});
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
    EXPECT_EQ(placement.twips.width(), 32767);
    EXPECT_EQ(placement.twips.height(), 32400);
}

TEST(WindowPlacement, HandEditedOutOfRangeValuesAreStillReported)
{
    TestEnvironment environment;
    writeFile(environment.settingsPath(), "[Window]\r\nStatus= 0\r\nWidth= 99999\r\n");
    read(kScreen);
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].number, 6);
}

TEST(WindowPlacement, AfterIgnoreOnAnUnreadableWidthTheWindowStillFitsTheScreen)
{
    TestEnvironment environment;
    environment.reporter.choices = {ErrorChoice::Ignore};
    writeFile(environment.settingsPath(),
              "[Window]\r\nStatus= 0\r\nWidth= 99999\r\nHeight= 3000\r\nLeft= 8000\r\n"
              "Top= 2000\r\n");
    const Placement placement = read(kScreen);
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    // The window gets its smallest size, 800 x 600, and is kept on the screen by it.
    EXPECT_EQ(placement.twips, QRect(1680, 2000, 12000, 9000));
}

TEST(WindowPlacement, FourSessionsInARowStoreTheSameOuterSizeAndPlace)
{
    TestEnvironment environment;
    // The test screen is 800 pixels wide.
    const QByteArray stored = "[Window]\r\nStatus= 0\r\nLeft= 0\r\nTop= 1200\r\n"
                              "Width= 12000\r\nHeight= 9375\r\n";
    writeFile(environment.settingsPath(), stored + "[Einstellungen]\r\nSound= 0\r\nMusic= 0\r\n");
    language::extractLanguageTable();
    for (int session = 1; session <= 4; ++session) {
        {
            GameWindow window;
            window.Form_Load();
            window.showAsStored();
            QCoreApplication::processEvents();
            EXPECT_EQ(window.frameGeometry(), QRect(0, 80, 800, 625)) << "session " << session;
            EXPECT_LT(window.width(), 800) << "the frame takes its share";
            window.close();
        }
        EXPECT_TRUE(readFile(environment.settingsPath()).startsWith(stored))
            << "session " << session;
    }
    QDir::setCurrent(QStringLiteral(FROSTEL_BUILD_DIR));
}
