#include "app/gamewindow.h"
#include "app/helpwindow.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList entryTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    return texts;
}

} // namespace

TEST(LanguageSwitch, BetweenGamesItAsksNothingAndLoadsTheNewVocabulary)
{
    GameFixture fixture;
    QDir(fixture.environment.programDir()).mkdir("english");
    writeFile(fixture.environment.programDir() + "/english/frostel.dat", "Pear\r\n");
    fixture.switchLanguage(1);
    EXPECT_TRUE(fixture.environment.dialogs.questions.isEmpty());
    EXPECT_EQ(language::LanguageOffset(), 1000);
    EXPECT_EQ(fixture.game().wordList(), QStringList{"PEAR"});
    EXPECT_TRUE(readFile(fixture.environment.settingsPath()).contains("Sprache= 1000\r\n"));
    EXPECT_EQ(fixture.window().windowTitle(), "Frostel");
    EXPECT_EQ(fixture.board().toolButton(0)->toolTip(), "Start game");
    EXPECT_EQ(fixture.board().nextWordButton()->text(), "Next &word");
    EXPECT_EQ(entryTexts(fixture.window().optionsMenu()),
              (QStringList{"&Options", "&Soundeffects", "&Music"}));
    EXPECT_EQ(
        entryTexts(fixture.window().helpMenu()),
        (QStringList{"Help", "&Kestrelsoft's homepage", "&Email to Kestrelsoft", "&About..."}));
    EXPECT_EQ(fixture.window().optionsMenu()->title(), "&Optionen") << "menu titles stay";
    EXPECT_EQ(fixture.window().helpMenu()->title(), "&Hilfe");
    language::LanguageOffset() = 0;
}

TEST(LanguageSwitch, DuringAGameItAsksFirstAndStartsANewGame)
{
    GameFixture fixture;
    fixture.start();
    fixture.game().state().Scores = {2, 1, 0, 0};
    fixture.environment.dialogs.answers = {Dialogs::Answer::Cancel};
    fixture.switchLanguage(6);
    ASSERT_EQ(fixture.environment.dialogs.questions.size(), 1);
    const auto& question = fixture.environment.dialogs.questions[0];
    EXPECT_EQ(question.text,
              "Hierdurch wird das Spiel neu gestartet!\r\n\r\n" + language::GetLang(6172));
    EXPECT_EQ(question.buttons, Dialogs::Buttons::OkCancel);
    EXPECT_EQ(question.title, "Eisbold");
    EXPECT_EQ(language::LanguageOffset(), 0) << "Cancel changes nothing";
    EXPECT_EQ(fixture.game().state().Scores[0], 2);

    // The flag of the current language asks too, and OK starts a new game.
    fixture.environment.dialogs.answers = {Dialogs::Answer::Ok};
    fixture.switchLanguage(0);
    EXPECT_EQ(fixture.environment.dialogs.questions.size(), 2);
    EXPECT_EQ(fixture.game().state().Scores[0], 0);
    EXPECT_TRUE(fixture.game().state().GameStarted);
    EXPECT_EQ(fixture.game().state().CurrentWord, "BANANE");
}

TEST(LanguageSwitch, GermanToFrenchAndBackChangesTheExtraKeys)
{
    GameFixture fixture;
    fixture.switchLanguage(6);
    EXPECT_EQ(fixture.board().key(26)->tag(), "Ç");
    EXPECT_TRUE(fixture.board().key(27)->isHidden());
    fixture.switchLanguage(0);
    EXPECT_EQ(fixture.board().key(26)->tag() + fixture.board().key(27)->tag() +
                  fixture.board().key(28)->tag(),
              "ÄÖÜ");
    EXPECT_FALSE(fixture.board().key(28)->isHidden());
    language::LanguageOffset() = 0;
}

TEST(LanguageSwitch, EnglishAndSpanishPlayOnlyTheirKeys)
{
    GameFixture fixture;
    QDir(fixture.environment.programDir()).mkdir("english");
    writeFile(fixture.environment.programDir() + "/english/frostel.dat", "Pear\r\n");
    fixture.switchLanguage(1);
    fixture.start();
    for (int i = 26; i <= 28; ++i)
        EXPECT_TRUE(fixture.board().key(i)->isHidden() && !fixture.board().key(i)->isEnabled());
    fixture.type("ä");
    EXPECT_EQ(fixture.game().state().WrongGuesses, 0) << "a letter without a key does nothing";
    language::LanguageOffset() = 0;
}

TEST(GameWindowSettings, HandEditedValuesOutsideTheirRangesGiveAWholeBoard)
{
    GameFixture fixture({"Banane"}, "Motiv= 9\r\nAnzahl= 7\r\n");
    EXPECT_EQ(settings().Motiv, 1);
    EXPECT_EQ(settings().Anzahl, 4);
    EXPECT_TRUE(fixture.environment.reporter.reports.isEmpty());
    fixture.start();
    EXPECT_EQ(fixture.game().state().CurrentWord, "BANANE");

    GameFixture none({"Banane"}, "Anzahl= 0\r\nMotiv=-2\r\n");
    EXPECT_EQ(settings().Anzahl, 1);
    EXPECT_EQ(settings().Motiv, 1);
    EXPECT_FALSE(none.board().playerLabel(0)->isHidden());
    EXPECT_TRUE(none.board().playerLabel(1)->isHidden());
}

TEST(GameWindowSettings, PlayersAreNamedAndMarkedAtLoad)
{
    GameFixture fixture({"Banane"},
                        "Anzahl= 3\r\nSpieler1=Großmutter Hildegard\r\nSpieler2=Annabella\r\n");
    Board& board = fixture.board();
    EXPECT_TRUE(board.playerLabel(3)->isHidden());
    EXPECT_EQ(board.playerLabel(1)->text(), "Annabella") << "short names are never cut";
    EXPECT_TRUE(board.playerLabel(0)->text().endsWith('.'));
    EXPECT_LT(board.playerLabel(0)->text().size(), 20);
    EXPECT_EQ(board.playerLabel(0)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(board.playerLabel(0)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(board.playerLabel(2)->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(board.playerLabel(2)->palette().color(QPalette::WindowText), QColor(192, 192, 192));
}

TEST(GameWindowSettings, OnePlayerKeepsTheTurn)
{
    GameFixture fixture({"Banane"}, "Anzahl= 1\r\n");
    fixture.start();
    fixture.type("x");
    EXPECT_EQ(fixture.game().state().CurrentPlayer, 0);
    EXPECT_EQ(fixture.board().playerLabel(0)->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST(GameWindowSettings, TheSoundAndMusicEntriesFollowTheSettings)
{
    GameFixture fixture({"Banane"}, "Sound= 0\r\nMusic= 0\r\n");
    const QList<QAction*> entries = fixture.window().optionsMenu()->actions();
    EXPECT_FALSE(entries[2]->isChecked());
    EXPECT_FALSE(entries[3]->isChecked());
    entries[2]->trigger();
    EXPECT_EQ(settings().Sound, -1);
    EXPECT_TRUE(readFile(fixture.environment.settingsPath()).contains("Sound=-1\r\n"));
}

TEST(GameWindowMenus, HomePageAndMailOpenTheMakersAddresses)
{
    GameFixture fixture;
    const QList<QAction*> entries = fixture.window().helpMenu()->actions();
    entries[2]->trigger();
    entries[3]->trigger();
    EXPECT_EQ(
        fixture.environment.desktop.opened,
        (QStringList{"https://www.kestrelsoft.example/", "mailto:support@kestrelsoft.example"}));
}

TEST(GameWindowMenus, OpenOnlyFromTheToolbarAndF1StillOpensTheHelp)
{
    GameFixture fixture;
    GameWindow& window = fixture.window();
    EXPECT_EQ(window.findChild<QMenuBar*>(), nullptr) << "no menu bar with German titles";

    fixture.game().PicBut_click(3);
    EXPECT_TRUE(window.optionsMenu()->isVisible());
    window.optionsMenu()->close();
    fixture.game().PicBut_click(4);
    EXPECT_TRUE(window.helpMenu()->isVisible());
    window.helpMenu()->close();

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    const auto* help = window.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Eisbold – Hilfe");
}

TEST(EmptyVocabulary, AtStartTheMessageStandsOnTheScreenNotOverTheHiddenWindow)
{
    GameFixture fixture({"Ei"}); // shorter than every minimum length
    auto& questions = fixture.environment.dialogs.questions;
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].text, "Wortschatzdatei ist leer\r\noder Einträge zu lang/kurz!");
    EXPECT_EQ(questions[0].parent, nullptr);

    fixture.game().List1_Ini();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[1].parent, &fixture.window()) << "once the window shows, over it";
}
