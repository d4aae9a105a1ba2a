#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

int keyIndex(Board& board, const QString& letter)
{
    for (int i = 0; i < Board::kKeys; ++i) {
        if (board.key(i)->tag() == letter)
            return i;
    }
    return -1;
}

int visibleFields(Board& board)
{
    int count = 0;
    for (int i = 1; i <= board.fieldCount(); ++i)
        count += board.field(i)->isHidden() ? 0 : 1;
    return count;
}

} // namespace

TEST(GameStart, NoKeyScoresBeforeTheFirstWord)
{
    GameFixture fixture;
    for (int i = 0; i < Board::kKeys; ++i)
        EXPECT_FALSE(fixture.board().key(i)->isEnabled()) << "key " << i;
    fixture.type("banane");
    EXPECT_EQ(fixture.game().state().Scores[0], 0);
    EXPECT_TRUE(fixture.game().state().CurrentWord.isEmpty());
}

TEST(GameStart, TheFirstStartAsksNothingAndSetsUpAWord)
{
    GameFixture fixture;
    fixture.game().PicBut_click(0);
    const GameState& state = fixture.game().state();
    EXPECT_TRUE(fixture.environment.dialogs.questions.isEmpty());
    EXPECT_TRUE(state.GameStarted);
    EXPECT_EQ(state.CurrentWord, "BANANE");
    EXPECT_EQ(visibleFields(fixture.board()), 6);
    EXPECT_FALSE(fixture.board().picture()->isHidden());
    EXPECT_EQ(fixture.board().picture()->height(), 160) << "grown to its full height";
    EXPECT_NEAR(fixture.environment.clock.totalWaited(), 0.8, 0.05) << "eight growth steps";
    for (int i = 0; i < Board::kKeys; ++i)
        EXPECT_TRUE(fixture.board().key(i)->isEnabled()) << "German plays all 29 keys";
    EXPECT_TRUE(fixture.board().toolButton(0)->isEnabled());
    EXPECT_TRUE(fixture.board().toolButton(2)->isEnabled());
}

TEST(GameSetUp, BlanksApostrophesAndHyphensAreShownFromTheStart)
{
    GameFixture sentence({"Peter geht zur Schule"});
    sentence.game().PicBut_click(0);
    EXPECT_EQ(sentence.game().state().CurrentWord, "PETER GEHT ZUR SCHULE");
    EXPECT_EQ(sentence.board().fieldCount(), 21);
    EXPECT_EQ(sentence.game().state().RevealedCount, 3);
    EXPECT_EQ(visibleFields(sentence.board()), 18);

    GameFixture rock({"Rock'n'Roll"});
    rock.game().PicBut_click(0);
    EXPECT_EQ(rock.game().state().RevealedCount, 2);
    EXPECT_TRUE(rock.fieldShows(5, pictures::letterCell(pictures::kApostropheCell, 1)));
    EXPECT_TRUE(rock.fieldShows(7, pictures::letterCell(pictures::kApostropheCell, 1)));

    GameFixture shirt({"T-Shirt"});
    shirt.game().PicBut_click(0);
    EXPECT_EQ(shirt.game().state().RevealedCount, 1);
    EXPECT_TRUE(shirt.fieldShows(2, pictures::letterCell(pictures::kHyphenCell, 1)));
}

TEST(GameSetUp, BuiltInWordsHonourTheMinimumLength)
{
    GameFixture fixture;
    language::LanguageOffset() = 1000;
    settings().minLen = 6;
    fixture.game().replaceWordList({});
    fixture.game().WortList();
    const QStringList& words = fixture.game().wordList();
    EXPECT_TRUE(words.contains("pepper"));
    EXPECT_FALSE(words.contains("mouse"));
    EXPECT_FALSE(words.contains("paper"));
    EXPECT_FALSE(words.contains("ocean"));
    settings().minLen = 40;
    fixture.game().replaceWordList({});
    fixture.game().WortList();
    EXPECT_TRUE(fixture.game().wordList().isEmpty());
    language::LanguageOffset() = 0;
}

TEST(GameSetUp, AnEmptyVocabularyFileFallsBackToTheBuiltInWords)
{
    GameFixture fixture{QStringList{}};
    writeFile(fixture.environment.programDir() + "/deutsch/eisbold.dat", "");
    fixture.environment.dialogs.questions.clear();
    fixture.game().List1_Ini();
    ASSERT_EQ(fixture.environment.dialogs.questions.size(), 1);
    EXPECT_EQ(fixture.environment.dialogs.questions[0].text,
              QStringLiteral("Wortschatzdatei ist leer\r\noder Einträge zu lang/kurz!"));
    EXPECT_EQ(fixture.environment.dialogs.questions[0].title, "Frostel");
    EXPECT_TRUE(fixture.game().wordList().contains("Banane"));
    fixture.game().PicBut_click(0);
    EXPECT_FALSE(fixture.game().state().CurrentWord.isEmpty());
}

TEST(GameSetUp, EntriesTooWideForTheBoardDoNotHangTheDraw)
{
    const QString wide = QStringLiteral("Donaudampfschifffahrtsgesellschaft");
    for (const char* repetition : {"Wiederholung= 0\r\n", "Wiederholung= 1\r\n"}) {
        GameFixture fixture({wide, wide + "s"}, repetition);
        fixture.game().PicBut_click(0);
        const QString word = fixture.game().state().CurrentWord;
        EXPECT_FALSE(word.isEmpty()) << repetition;
        EXPECT_LE(word.size() * 30, fixture.board().availableWidth()) << qPrintable(word);
    }
}

TEST(Guesses, ARightGuessShowsEveryPlaceAndKeepsTheTurn)
{
    GameFixture fixture;
    fixture.game().PicBut_click(0);
    const qint16 player = fixture.game().state().CurrentPlayer;
    fixture.type("a");
    const QPixmap a = fixture.board().key(0)->pixmap();
    EXPECT_EQ(fixture.game().state().RevealedCount, 2);
    EXPECT_TRUE(fixture.fieldShows(2, a) && fixture.fieldShows(4, a));
    EXPECT_TRUE(fixture.fieldIsEmpty(6));
    EXPECT_TRUE(fixture.fieldIsEmpty(1));
    EXPECT_EQ(fixture.game().state().CurrentPlayer, player);
    EXPECT_TRUE(fixture.board().key(0)->isHidden()) << "used keys disappear by default";
}

TEST(Guesses, VowelKeysAlsoShowTheirAccentedForms)
{
    GameFixture cafe({"Café"});
    cafe.game().PicBut_click(0);
    cafe.type("e");
    EXPECT_TRUE(cafe.fieldShows(4, pictures::letterCell(38, 1)));

    GameFixture summer({"été"}, "minLen= 3\r\n");
    summer.game().PicBut_click(0);
    summer.type("E");
    EXPECT_TRUE(summer.fieldShows(1, pictures::letterCell(38, 1)));
    EXPECT_TRUE(summer.fieldShows(3, pictures::letterCell(38, 1)));
    EXPECT_EQ(summer.game().state().RevealedCount, 2);
}

TEST(Guesses, ExtraLettersAreTypedDirectly)
{
    GameFixture fixture({"Bären"});
    fixture.game().PicBut_click(0);
    fixture.type("ä");
    EXPECT_TRUE(fixture.fieldShows(2, fixture.board().key(26)->pixmap()));
    EXPECT_EQ(fixture.game().state().WrongGuesses, 0);
}

TEST(Guesses, AWrongGuessAdvancesThePictureAndPassesTheTurn)
{
    GameFixture fixture({"Banane"}, "Remove= 0\r\n");
    fixture.game().PicBut_click(0);
    fixture.type("x");
    const GameState& state = fixture.game().state();
    EXPECT_EQ(state.WrongGuesses, 1);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_EQ(fixture.board().picture()->pixmap().toImage(),
              pictures::sequencePicture(1, 1, 1).toImage());
    const int x = keyIndex(fixture.board(), "X");
    EXPECT_FALSE(fixture.board().key(x)->isHidden()) << "marked as used, not removed";
    EXPECT_FALSE(fixture.board().usedMark(x)->isHidden());
    EXPECT_FALSE(fixture.board().key(x)->isEnabled());
}

TEST(Guesses, TheNinthWrongGuessLosesTheWordAndShowsTheSolution)
{
    GameFixture fixture({"Banane"}, "Sound=-1\r\nWiederholung= 0\r\n");
    fixture.game().PicBut_click(0);
    bool keysDisabledWhileWaiting = false;
    bool solutionShown = false;
    QTimer inspector;
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        Board& board = fixture.board();
        if (!board.nextWordButton()->isEnabled())
            return;
        keysDisabledWhileWaiting = !board.key(keyIndex(board, "A"))->isEnabled();
        solutionShown = fixture.fieldShows(1, board.key(keyIndex(board, "B"))->pixmap()) &&
                        fixture.fieldShows(2, board.key(0)->pixmap());
        inspector.stop();
        QTest::keyClick(&fixture.window(), Qt::Key_Return);
    });
    inspector.start(0);
    const double waitedBefore = fixture.environment.clock.totalWaited();
    fixture.type("cdfghijkl");
    EXPECT_TRUE(keysDisabledWhileWaiting);
    EXPECT_TRUE(solutionShown);
    EXPECT_GE(fixture.environment.clock.totalWaited() - waitedBefore,
              8 * 0.1 + 1.5 + 6 * 0.1 + 0.5);
    EXPECT_EQ(fixture.game().wordList().count("BANANE"), 2) << "the lost word comes back";
    EXPECT_EQ(fixture.game().state().WrongGuesses, 0) << "the next word is in play";
    EXPECT_EQ(fixture.game().state().Scores[0] + fixture.game().state().Scores[1], 0);
}

TEST(Guesses, WithoutTheSolutionALostWordKeepsItsFieldsEmpty)
{
    GameFixture fixture({"Banane"}, "Anzeige= 0\r\n");
    fixture.game().PicBut_click(0);
    bool empty = false;
    QTimer inspector;
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        if (!fixture.board().nextWordButton()->isEnabled())
            return;
        empty = fixture.fieldIsEmpty(1) && fixture.fieldIsEmpty(2);
        inspector.stop();
        fixture.game().PicBut_click(toolbar::NextWord);
    });
    inspector.start(0);
    fixture.type("cdfghijkl");
    EXPECT_TRUE(empty);
}

TEST(Guesses, EnterDoesNothingUntilAWordHasEnded)
{
    GameFixture fixture;
    fixture.game().PicBut_click(0);
    const QString word = fixture.game().state().CurrentWord;
    QTest::keyClick(&fixture.window(), Qt::Key_Return);
    EXPECT_EQ(fixture.game().state().RevealedCount, 0);
    EXPECT_TRUE(fixture.board().nextWordButton()->isHidden());
}

TEST(Hints, FourHintsOnBananeGuessABEAndN)
{
    GameFixture fixture({"Banane"}, "Tipps= 4\r\n");
    fixture.pressNextWhenShown();
    fixture.game().PicBut_click(0);
    Game& game = fixture.game();
    const qint16 player = game.state().CurrentPlayer;
    game.PicBut_click(2);
    EXPECT_EQ(game.state().RevealedCount, 2) << "A first";
    game.PicBut_click(2);
    EXPECT_EQ(game.state().RevealedCount, 3) << "then B";
    game.PicBut_click(2);
    EXPECT_EQ(game.state().RevealedCount, 4) << "then E";
    EXPECT_FALSE(fixture.board().toolButton(2)->isHidden());
    game.PicBut_click(2);
    EXPECT_EQ(game.state().Scores[player], 1) << "N completes the word for the player on turn";
    EXPECT_FALSE(fixture.board().toolButton(2)->isHidden()) << "shown again for the next word";
}

TEST(Hints, TheLastHintOfAWordHidesTheButton)
{
    GameFixture fixture({"Banane"}, "Tipps= 1\r\n");
    fixture.game().PicBut_click(0);
    fixture.game().PicBut_click(2);
    EXPECT_TRUE(fixture.board().toolButton(2)->isHidden());
    EXPECT_EQ(fixture.game().state().RevealedCount, 2) << "and still shows its letter";

    GameFixture none({"Banane"}, "Tipps= 0\r\n");
    none.game().PicBut_click(0);
    EXPECT_TRUE(none.board().toolButton(2)->isHidden());
}

TEST(Commands, StartDuringAWordAsksAndKeepsOrResetsTheScores)
{
    GameFixture fixture({"Banane", "Apfel", "Birne", "Kirsche", "Melone"}, "Wiederholung= 0\r\n");
    fixture.pressNextWhenShown();
    Game& game = fixture.game();
    game.PicBut_click(0);
    game.state().Scores = {3, 2, 0, 0};
    game.state().CurrentPlayer = 1;
    fixture.environment.dialogs.answers = {Dialogs::Answer::No};
    game.PicBut_click(0);
    ASSERT_EQ(fixture.environment.dialogs.questions.size(), 1);
    EXPECT_EQ(fixture.environment.dialogs.questions[0].text, "Wirklich ein neues Spiel anfangen?");
    EXPECT_EQ(fixture.environment.dialogs.questions[0].title, "Start");
    EXPECT_EQ(game.state().Scores[0], 3);
    EXPECT_EQ(game.state().CurrentPlayer, 1);

    fixture.environment.dialogs.answers = {Dialogs::Answer::Yes};
    game.PicBut_click(0);
    EXPECT_EQ(game.state().Scores[0], 0);
    EXPECT_EQ(game.state().CurrentPlayer, 0);
}

TEST(Commands, StartWhileNextWordShowsSetsUpOneWord)
{
    GameFixture fixture({"Oma", "Opa", "Uhu", "Ei", "Reh"}, "minLen= 2\r\nWiederholung= 1\r\n");
    Game& game = fixture.game();
    game.PicBut_click(0);
    const qsizetype before = game.wordList().size();
    fixture.environment.dialogs.answers = {Dialogs::Answer::No};
    QTimer starter;
    QObject::connect(&starter, &QTimer::timeout, [&] {
        if (!fixture.board().nextWordButton()->isEnabled())
            return;
        starter.stop();
        game.PicBut_click(0);
    });
    starter.start(0);
    // Solve whatever word is in play; a copy, because solving it draws the next one.
    const QString word = game.state().CurrentWord;
    for (const QChar c : word)
        fixture.type(QString(c));
    EXPECT_EQ(game.wordList().size(), before - 1) << "exactly one further word was drawn";
    EXPECT_TRUE(fixture.board().nextWordButton()->isHidden());
}

TEST(WholeGame, TwoPlayersPlayToEightPointsByKeyboard)
{
    GameFixture fixture({"Banane"}, "Wiederholung= 0\r\nSound=-1\r\n");
    fixture.pressNextWhenShown();
    fixture.environment.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::No};
    fixture.window().board().toolButton(0)->click();
    int words = 0;
    while (fixture.window().isVisible() && words < 20) {
        // The player on turn misses, the other one solves the word.
        fixture.type("x");
        fixture.type("bANe");
        ++words;
    }
    const GameState& state = fixture.game().state();
    EXPECT_EQ(words, 15);
    EXPECT_EQ(state.Scores[1], 8);
    EXPECT_EQ(state.Scores[0], 7);
    EXPECT_EQ(fixture.visibleMarks(1), 8);
    EXPECT_EQ(fixture.visibleMarks(0), 7);
    const auto& questions = fixture.environment.dialogs.questions;
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0].text, QStringLiteral("Name 2\rhat gewonnen!"));
    EXPECT_EQ(questions[0].title, QStringLiteral("Hurra!"));
    EXPECT_EQ(questions[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(questions[1].text, QStringLiteral("Noch 'ne Runde?"));
    EXPECT_EQ(questions[1].buttons, Dialogs::Buttons::YesNo);
    EXPECT_FALSE(fixture.window().isVisible()) << "No ends the game";
}

TEST(WholeGame, OnceAgainStartsANewGameAtOnce)
{
    GameFixture fixture({"Banane"}, "Wiederholung= 0\r\nAnzahl= 1\r\n");
    fixture.pressNextWhenShown();
    fixture.environment.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Yes};
    fixture.game().PicBut_click(0);
    for (int word = 0; word < 8; ++word)
        fixture.type("bane");
    EXPECT_EQ(fixture.game().state().Scores[0], 0);
    EXPECT_EQ(fixture.visibleMarks(0), 0);
    EXPECT_EQ(fixture.game().state().CurrentWord, "BANANE");
    EXPECT_EQ(fixture.game().state().RevealedCount, 0) << "a new word is in play";
    EXPECT_TRUE(fixture.window().isVisible());
}
