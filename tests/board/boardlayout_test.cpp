#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "files/resources.h"

#include "support/gamefixture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A board of a given inner size, outside any game.
class BoardLayoutTest : public ::testing::Test
{
protected:
    BoardLayoutTest() { board.loadAlpha(); }

    void layOut(int width, int height, int wordLength = 0, int players = 4)
    {
        board.resize(width, height);
        board.positionieren(wordLength, players);
    }

    TestEnvironment environment;
    Board board;
};

} // namespace

TEST_F(BoardLayoutTest, LetterFieldsStandThirtyPixelsApartAcrossTheWholeWidth)
{
    layOut(800, 600, 5);
    const int lefts[] = {305, 335, 365, 395, 425, 455};
    for (int k = 0; k <= 5; ++k)
        EXPECT_EQ(board.field(k)->x(), lefts[k]) << "field " << k;
    // The line hangs at 600 - 1.2 * 120 = 456 and the picture at 0.07 * 600 = 42,
    // so the fields stand at (456 - 42 + 1.4 * 160) / 2 = 319.
    EXPECT_EQ(board.field(3)->y(), 319);
}

TEST_F(BoardLayoutTest, TheToolbarRunsDownTheRightEdgeWithTwoEmptySlots)
{
    layOut(800, 600);
    const QLabel* strip = board.toolbarStrip();
    EXPECT_EQ(strip->geometry(), QRect(800 - 44, 0, 44, 606));
    const int tops[] = {3, 40, 114, 188, 225};
    for (int i = 0; i < Board::kToolButtons; ++i) {
        EXPECT_EQ(board.toolButton(i)->pos(), QPoint(strip->x() + 4, tops[i])) << "button " << i;
        EXPECT_TRUE(board.toolButton(i)->isVisibleTo(&board));
    }
    for (int k = 0; k < Board::kFlags; ++k)
        EXPECT_EQ(board.flag(k)->pos(), QPoint(strip->x() + 7, 225 + 100 + qRound(1.1 * k * 20)));
}

TEST_F(BoardLayoutTest, TheAlphabetHangsOnTheClothesline)
{
    layOut(800, 600);
    const QLabel* line = board.clothesline();
    EXPECT_EQ(line->pos(), QPoint((800 - 600 - 44) / 2, 600 - 144));
    EXPECT_EQ(board.key(0)->pos(), line->pos() + QPoint(16, 8));
    EXPECT_EQ(board.key(14)->pos(), line->pos() + QPoint(532, 26));
    EXPECT_EQ(board.key(15)->pos(), line->pos() + QPoint(39, 60));
    EXPECT_EQ(board.key(28)->pos(), line->pos() + QPoint(481, 69));
    EXPECT_EQ(board.usedMark(28)->pos(), board.key(28)->pos() + QPoint(1, 1));
}

TEST_F(BoardLayoutTest, PictureNamesAndScoreSymbols)
{
    layOut(800, 600);
    EXPECT_EQ(board.picture()->pos(), QPoint(480, 42));
    EXPECT_EQ(board.playerLabel(0)->pos(), QPoint(30, 42));
    EXPECT_EQ(board.playerLabel(3)->pos(), QPoint(30, 42 + 108));
    // (480 - 30 - 127) / 9 = 35.9 rounds to 36.
    EXPECT_EQ(board.scoreMark(9)->pos(), QPoint(30 + 140 + 36, board.playerLabel(1)->y() - 3));

    layOut(3000, 600);
    EXPECT_EQ(board.scoreMark(1)->x() - board.scoreMark(0)->x(), 40) << "spacing at most 40";
}

TEST_F(BoardLayoutTest, TheNextWordButtonStandsBetweenTheFieldsAndTheLine)
{
    layOut(800, 600, 3);
    // 153 x 27 pixels: centred at (800 - 153) / 2 = 323, and halfway down the gap
    // from the fields at 319 to the line at 456: 456 - (456 - 319 - 27) / 2 = 401.
    EXPECT_EQ(board.nextWordButton()->geometry(), QRect(323, 401, 153, 27));
}

TEST_F(BoardLayoutTest, PictureSetsShowTheirNumberedPictures)
{
    BoardView view;
    view.motif = 3;
    view.pictureStep = 4;
    board.show(view);
    EXPECT_EQ(board.picture()->pixmap().toImage(),
              QPixmap::fromImage(*pictures::bitmap(135)).toImage());
    view.motif = 4;
    view.pictureStep = 2;
    board.show(view);
    EXPECT_EQ(board.picture()->pixmap().toImage(),
              QPixmap::fromImage(*pictures::bitmap(143)).toImage());
    board.Motiv_Wahl(4, true);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(board.scoreMark(i)->pixmap().toImage(), pictures::scoreSymbol(4, 1).toImage());
    EXPECT_EQ(board.scoreMark(0)->size(), QSize(26, 27));
}

TEST_F(BoardLayoutTest, WithoutABackgroundTheBoardIsDarkBlue)
{
    board.resize(800, 600);
    board.Motiv_Wahl(0, false);
    EXPECT_EQ(board.grab().toImage().pixelColor(5, 500), QColor(0, 0, 128));
    board.Motiv_Wahl(0, true);
    EXPECT_NE(board.grab().toImage().pixelColor(5, 500), QColor(0, 0, 128));
}

TEST_F(BoardLayoutTest, AHintButtonHiddenForTheWordStaysHiddenWhenTheWindowChangesSize)
{
    BoardView view;
    view.hintShown = false;
    board.show(view);
    layOut(900, 700);
    EXPECT_FALSE(board.toolButton(2)->isVisibleTo(&board));
    EXPECT_TRUE(board.toolButton(3)->isVisibleTo(&board));
}

TEST(GameWindowSize, ANormalWindowKeepsItsMinimumAndAMaximisedOneItsSize)
{
    GameFixture fixture;
    GameWindow& window = fixture.window();
    window.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().size(), QSize(800, 600));
    EXPECT_EQ(fixture.board().size(), window.size()) << "no menu bar takes a share";

    window.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(fixture.board().toolbarStrip()->x() + fixture.board().toolbarStrip()->width(),
              fixture.board().width())
        << "laid out again for the new size";
}
