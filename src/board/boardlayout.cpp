// The layout pass of the board: every element is placed from the inner size
// W x H, with the constants of the board's design.

#include "board.h"

#include "board/clickableimage.h"
#include "board/layoutmath.h"
#include "errors/errorscope.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

using layoutmath::half;
using layoutmath::R;

namespace {

// Where each letter hangs on the clothesline, from the line's top-left corner:
// letters 0 to 14 on the upper line, 15 to 28 on the lower one.
constexpr std::array<int, Board::kKeys> kPegX = {16,  44,  73,  101, 131, 170, 201, 234, 274, 317,
                                                 385, 418, 456, 492, 532, 39,  67,  95,  125, 157,
                                                 188, 216, 262, 299, 333, 368, 405, 440, 481};
constexpr std::array<int, Board::kKeys> kPegY = {8,  13, 15, 17, 13, 12, 16, 18, 20, 13,
                                                 17, 23, 26, 29, 26, 60, 66, 73, 76, 79,
                                                 72, 68, 67, 72, 75, 79, 76, 74, 69};

// The toolbar buttons stand on a grid of button heights with an empty slot
// after the second and after the third button.
constexpr std::array<int, Board::kToolButtons> kButtonSlots = {0, 1, 3, 5, 6};

constexpr int kFieldPitch = 30;
constexpr int kPictureHeight = 160; // the picture's design height, also while it grows
constexpr int kLongestScoreSpacing = 40;

} // namespace

void Board::posAlpha()
{
    ErrorScope::run(modules::frmMain, "posAlpha", [&] {
        AlphaOffsetX = kPegX;
        AlphaOffsetY = kPegY;
    });
}

void Board::positionieren(int wordLength, int players)
{
    ErrorScope::run(modules::frmMain, "positionieren", [&](ErrorScope& scope) {
        if (window()->isMinimized())
            return;
        const int W = width();
        const int H = height();
        update(); // the background is drawn stretched to the new size
        placeToolbar(W, H);
        B_Folge->move(R(0.6 * W), R(0.07 * H));
        placePlayers(players);
        placeClothesline(W, H);
        scope.attempt([&] { placeFields(W, wordLength); });
        const int b = nextWord_->width();
        const int g = nextWord_->height();
        nextWord_->move(half(R(W - b)),
                        imgLeine->y() - half(R(imgLeine->y() - Feld.first()->y() - g)));
        scope.attempt([&] { placeScoreMarks(); });
    });
}

void Board::placeToolbar(int W, int H)
{
    const int B = PicBut[0]->width();
    lblToolbar->setGeometry(R(W - 1.15 * B), 0, R(1.15 * B), H + 6);
    lblToolbar->show();
    const int T = lblToolbar->x();
    for (int i = 0; i < kToolButtons; ++i) {
        const int h = PicBut[i]->height();
        PicBut[i]->move(T + 4, kButtonSlots[i] * h + 3);
        // A Hint button hidden for the rest of the word stays hidden: showing it
        // again would hand out more hints than the word allows.
        PicBut[i]->setVisible(i != toolbar::Hint || !shownOnce_ || shown_.hintShown);
    }
    for (int k = 0; k < kFlags; ++k) {
        imgLang[k]->move(T + 7,
                         PicBut[toolbar::Help]->y() + 100 + R(1.1 * k * imgLang[k]->height()));
        imgLang[k]->show();
    }
}

void Board::placePlayers(int players)
{
    lblNamen->move(30, B_Folge->y());
    for (int p = 0; p < kPlayers; ++p) {
        Spieler[p]->move(lblNamen->x(), lblNamen->y() + R(1.5 * p * Spieler[0]->height()));
        if (p < players)
            Spieler[p]->show();
    }
}

void Board::placeClothesline(int W, int H)
{
    const int w = imgLeine->width();
    const int h = imgLeine->height();
    imgLeine->move(half(R(W - w - lblToolbar->width())), R(H - 1.2 * h));
    imgLeine->show();
    for (int i = 0; i < kKeys; ++i) {
        imgAlpha[i]->move(imgLeine->x() + AlphaOffsetX[i], imgLeine->y() + AlphaOffsetY[i]);
        imgDisabled[i]->move(imgAlpha[i]->x() + 1, imgAlpha[i]->y() + 1);
    }
}

void Board::placeFields(int W, int n)
{
    const int top = half(R(imgLeine->y() - B_Folge->y() + 1.4 * kPictureHeight));
    const int left = half(R(W - toInt16(qint64(kFieldPitch) * n)));
    growFieldPool(n);
    for (int k = 0; k <= n; ++k)
        Feld[k]->move(left + toInt16(qint64(kFieldPitch) * k) - 20, top);
    placeWord(n);
}

void Board::placeScoreMarks()
{
    const QLabel* first = Spieler[0];
    const int spacing = std::min<int>(
        toInt16(R((B_Folge->x() - first->x() - first->width()) / 9.0)), kLongestScoreSpacing);
    for (int p = 0; p < kPlayers; ++p) {
        for (int j = 0; j < kMarksPerPlayer; ++j)
            Punkt[p * kMarksPerPlayer + j]->move(first->x() + R(1.1 * first->width()) + j * spacing,
                                                 Spieler[p]->y() - 3);
    }
}
