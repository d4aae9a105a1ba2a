// The board shows the game as the game says, at every pause of a word's life,
// and the window asks the game's questions in the players' words.

#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "frame/settings.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;

void expectTheBoardToShowTheGame(GameFixture& fixture)
{
    Board& board = fixture.board();
    const BoardView view = fixture.game().view();
    for (int k = 0; k < Board::kKeys; ++k) {
        const ClickableImage* key = board.key(k);
        EXPECT_EQ(key->isVisibleTo(&board), view.keys[k].visible) << "key " << k;
        EXPECT_EQ(key->isEnabled(), view.keys[k].enabled) << "key " << k;
        EXPECT_EQ(board.usedMark(k)->isVisibleTo(&board), view.keys[k].marked) << "key " << k;
        EXPECT_EQ(key->tag(), view.keys[k].letter);
    }
    for (int i = 1; i <= view.fields.size(); ++i) {
        const int look = view.fields[i - 1];
        EXPECT_EQ(board.field(i)->isVisibleTo(&board),
                  i <= view.fieldsDealt && look != BoardView::kGap)
            << "field " << i;
        if (look >= 0) {
            EXPECT_TRUE(fixture.fieldShows(i, pictures::letterCell(look, 1))) << "field " << i;
        } else if (look == BoardView::kEmpty) {
            EXPECT_TRUE(fixture.fieldIsEmpty(i)) << "field " << i;
        }
    }
    for (int i = static_cast<int>(view.fields.size()) + 1; board.field(i); ++i)
        EXPECT_FALSE(board.field(i)->isVisibleTo(&board)) << "a field of an old word";
    EXPECT_EQ(board.picture()->isVisibleTo(&board), view.pictureShown);
    EXPECT_EQ(board.picture()->pixmap().toImage(),
              pictures::sequencePicture(view.motif, view.pictureStep, 1).toImage());
    EXPECT_EQ(board.picture()->height(), view.pictureHeight < 0 ? 160 : view.pictureHeight);
    EXPECT_EQ(board.nextWordButton()->isVisibleTo(&board), view.nextWordShown);
    EXPECT_EQ(board.toolButton(toolbar::Start)->isEnabled(), view.startEnabled);
    EXPECT_EQ(board.toolButton(toolbar::Hint)->isVisibleTo(&board), view.hintShown);
    for (int p = 0; p < view.players; ++p) {
        const QColor expected = p == view.onTurn ? QColor(255, 0, 0) : QColor(0, 0, 255);
        EXPECT_EQ(board.playerLabel(p)->palette().color(QPalette::Window), expected) << p;
        EXPECT_EQ(fixture.visibleMarks(p), view.scores[p]) << "player " << p;
    }
}

// Runs the game on the test clock like GameFixture::settle, and compares the
// board with the game at every pause on the way.
int settleComparing(GameFixture& fixture)
{
    int pauses = 0;
    for (QCoreApplication::processEvents(); fixture.environment.clock.fireNext(); ++pauses) {
        QCoreApplication::processEvents();
        expectTheBoardToShowTheGame(fixture);
    }
    return pauses;
}

} // namespace

TEST(BoardFollowsTheGame, AtEveryPauseOfWordsSolvedAndLost)
{
    GameFixture fixture({"Rock'n'Roll", "Banane"},
                        "Sound=-1\r\nRemove= 0\r\nWiederholung= 0\r\nTipps= 2\r\n");
    fixture.game().PicBut_click(toolbar::Start);
    EXPECT_GT(settleComparing(fixture), 8) << "the growing picture and the dealt fields";
    for (int word = 0; word < 4; ++word) {
        const bool lose = word % 2 == 1;
        for (int k = 0; k < Board::kKeys && fixture.game().state().phase == Phase::Guessing; ++k) {
            if (!fixture.game().keyAvailable(k))
                continue;
            const QString letter = fixture.game().alphabet().key(k).letter;
            if (fixture.game().state().CurrentWord.contains(letter) == lose)
                continue;
            fixture.game().imgAlpha_click(k);
            settleComparing(fixture);
        }
        if (!lose)
            fixture.board().toolButton(toolbar::Hint)->click(); // only counts now
        ASSERT_EQ(fixture.game().state().phase, Phase::WaitingForNext);
        EXPECT_TRUE(fixture.board().nextWordButton()->hasFocus() ||
                    !fixture.window().isActiveWindow());
        QTest::keyClick(&fixture.window(), Qt::Key_Return);
        settleComparing(fixture);
    }
}

TEST(BoardFollowsTheGame, ACharacterWithoutALetterCardStandsOnItsField)
{
    GameFixture fixture({"Noël"});
    fixture.start();
    ASSERT_EQ(fixture.game().state().fieldLooks[2], BoardView::kOwnGlyph);
    EXPECT_TRUE(fixture.board().field(3)->isVisible());
    EXPECT_GT(meanDifference(fixture.board().field(3)->pixmap().toImage(),
                             fixture.board().field(0)->pixmap().toImage()),
              1.0)
        << "Ë is drawn on the field";
}

TEST(WindowQuestions, StartEndAndTheWinnerInThePlayersWords)
{
    GameFixture fixture({"Banane"}, "Wiederholung= 0\r\nAnzahl= 1\r\n");
    auto& dialogs = fixture.environment.dialogs;
    fixture.start();
    dialogs.answers = {Answer::No, Answer::No};
    fixture.board().toolButton(toolbar::Start)->click();
    fixture.board().toolButton(toolbar::End)->click();
    fixture.settle();
    fixture.game().state().Scores[0] = 7;
    dialogs.answers = {Answer::Ok, Answer::No};
    fixture.type("bane");
    ASSERT_EQ(dialogs.questions.size(), 4);
    EXPECT_EQ(dialogs.questions[0].text, "Wirklich ein neues Spiel anfangen?");
    EXPECT_EQ(dialogs.questions[0].title, "Start");
    EXPECT_EQ(dialogs.questions[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs.questions[1].text, "Wirklich schon aufhören?");
    EXPECT_EQ(dialogs.questions[1].title, "Programm beenden");
    EXPECT_EQ(dialogs.questions[2].text, QStringLiteral("Name 1\rhat gewonnen!"))
        << "the name as its label shows it";
    EXPECT_EQ(dialogs.questions[2].title, "Hurra!");
    EXPECT_EQ(dialogs.questions[2].icon, Dialogs::Icon::Information);
    EXPECT_EQ(dialogs.questions[3].text, "Noch 'ne Runde?");
    EXPECT_EQ(dialogs.questions[3].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs.questions[3].parent, &fixture.window());
    EXPECT_FALSE(fixture.window().isVisible()) << "No ends the game";
}
