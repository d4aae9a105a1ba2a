// The board on a screen of device pixel ratio 2: every picture is the one drawn at
// twice the size, and every element keeps its place and size in the board's own
// pixels. CTest runs these with Qt scaling the screen by 2 (QT_SCALE_FACTOR=2).

#include "app/helpwindow.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "dialogs/info/infodialog.h"
#include "files/resources.h"
#include "frame/languagetable.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class HiDpi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qApp->devicePixelRatio() != 2)
            GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
    }
};

// `picture` has twice the pixels of `room` and fills exactly that room on the board.
void expectDoubled(const QPixmap& picture, QSize room, const std::string& what)
{
    EXPECT_EQ(picture.devicePixelRatio(), 2.0) << what;
    EXPECT_EQ(picture.size(), room * 2) << what;
    EXPECT_EQ(pictures::boardSize(picture), room) << what;
}

} // namespace

TEST_F(HiDpi, TheBoardShowsEveryPictureAtTwiceTheSizeInTheSameRoom)
{
    TestEnvironment environment;
    Board board;
    board.loadAlpha();
    board.resize(800, 600);
    board.positionieren(5, 4);
    BoardView view;
    view.keys[0] = {QStringLiteral("A"), 0, true, true, false};
    view.keys[1] = {QStringLiteral("B"), 1, true, false, true};
    view.fields = {0, BoardView::kEmpty, 38, BoardView::kGap, pictures::kHyphenCell};
    view.fieldsDealt = 5;
    view.motif = 3;
    view.pictureStep = 4;
    view.pictureShown = true;
    board.show(view);
    board.Motiv_Wahl(4, true);

    for (int k = 0; k < 2; ++k) {
        expectDoubled(board.key(k)->pixmap(), QSize(25, 30), "key");
        EXPECT_EQ(board.key(k)->size(), QSize(25, 30));
    }
    expectDoubled(board.usedMark(1)->pixmap(), QSize(25, 30), "used mark");
    EXPECT_EQ(board.usedMark(1)->size(), QSize(25, 30));
    for (int i = 0; i <= 5; ++i) {
        if (i == 4)
            continue; // the blank has no field
        expectDoubled(board.field(i)->pixmap(), QSize(27, 32), "field " + std::to_string(i));
        EXPECT_EQ(board.field(i)->size(), QSize(27, 32));
    }
    expectDoubled(board.picture()->pixmap(), QSize(160, 160), "picture");
    EXPECT_EQ(board.picture()->pixmap().toImage(), *pictures::bitmap(135, 2));
    EXPECT_EQ(board.picture()->size(), QSize(160, 160));
    expectDoubled(board.clothesline()->pixmap(), QSize(600, 120), "clothesline");
    EXPECT_EQ(board.clothesline()->size(), QSize(600, 120));
    for (int k = 0; k < Board::kFlags; ++k) {
        expectDoubled(board.flag(k)->pixmap(), QSize(32, 20), "flag");
        EXPECT_EQ(board.flag(k)->size(), QSize(32, 20));
    }
    expectDoubled(board.scoreMark(0)->pixmap(), QSize(26, 27), "score symbol");
    EXPECT_EQ(board.scoreMark(0)->size(), QSize(26, 27));
    for (int i = 0; i < Board::kToolButtons; ++i)
        expectDoubled(board.toolButton(i)->icon().pixmap(QSize(32, 32), 2.0), QSize(32, 32),
                      "toolbar icon");

    // The letter card lies one board pixel into its field, as at ratio 1.
    QPixmap revealed = board.field(0)->pixmap();
    QPainter(&revealed).drawPixmap(1, 1, pictures::letterCell(38, 2));
    EXPECT_EQ(board.field(3)->pixmap().toImage(), revealed.toImage());

    // The places of the layout pass at ratio 1 (see BoardLayoutTest).
    EXPECT_EQ(board.clothesline()->pos(), QPoint((800 - 600 - 44) / 2, 600 - 144));
    EXPECT_EQ(board.key(0)->pos(), board.clothesline()->pos() + QPoint(16, 8));
    EXPECT_EQ(board.usedMark(1)->pos(), board.key(1)->pos() + QPoint(1, 1));
    EXPECT_EQ(board.field(1)->x(), 335);
    EXPECT_EQ(board.picture()->pos(), QPoint(480, 42));
    for (int k = 0; k < Board::kFlags; ++k) {
        EXPECT_EQ(board.flag(k)->pos(),
                  QPoint(board.toolbarStrip()->x() + 7, 225 + 100 + qRound(1.1 * k * 20)));
    }

    view.pictureHeight = 64; // the picture grows in from the top
    board.show(view);
    EXPECT_EQ(board.picture()->size(), QSize(160, 64));
}

TEST_F(HiDpi, AWordIsPlayedWithTheSharpLetters)
{
    GameFixture fixture({QStringLiteral("Banane")}, "Remove= 0\r\n");
    fixture.start();
    fixture.type("nx");
    Board& board = fixture.board();
    int n = 0;
    while (board.key(n)->tag() != QStringLiteral("N"))
        ++n;
    expectDoubled(board.key(n)->pixmap(), QSize(25, 30), "key N");
    EXPECT_TRUE(fixture.fieldShows(3, board.key(n)->pixmap()));
    EXPECT_TRUE(fixture.fieldShows(5, board.key(n)->pixmap()));
    EXPECT_TRUE(fixture.fieldIsEmpty(1));
    EXPECT_EQ(board.picture()->pixmap().toImage(), pictures::sequencePicture(1, 1, 2).toImage());
}

TEST_F(HiDpi, TheAboutBoxShowsItsPicturesAtTwiceTheSize)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    InfoDialog about;
    QList<const QLabel*> pictured;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            pictured.append(label);
    }
    ASSERT_EQ(pictured.size(), 2);
    expectDoubled(pictured[0]->pixmap(), QSize(96, 96), "info1");
    EXPECT_EQ(pictured[0]->sizeHint(), QSize(96, 96));
    expectDoubled(pictured[1]->pixmap(), QSize(160, 60), "info2");
    EXPECT_EQ(pictured[1]->sizeHint(), QSize(160, 60));
}

// The help as the build lays it out beside the program: every picture of every
// page comes drawn at twice the size, and so at least at twice the pixels of the
// room the page gives it.
TEST_F(HiDpi, TheHelpShowsEveryPictureAtTwiceTheSize)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    const QDir bundle(QStringLiteral(FROSTEL_BUILD_DIR "/frostel.chm"));
    const QStringList pages =
        bundle.entryList({QStringLiteral("??")}, QDir::Dirs | QDir::NoDotAndDotDot) << ".";
    ASSERT_EQ(pages.size(), language::kLanguageCount + 1);
    HelpWindow help;
    int pictures = 0;
    for (const QString& page : pages) {
        help.browser()->setSource(QUrl::fromLocalFile(bundle.filePath(page + "/index.html")));
        help.show();
        QTextDocument* document = help.browser()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                if (!format.isImageFormat())
                    continue;
                const QTextImageFormat image = format.toImageFormat();
                const QImage shown =
                    document->resource(QTextDocument::ImageResource, QUrl(image.name()))
                        .value<QImage>();
                const std::string what = page.toStdString() + ": " + image.name().toStdString();
                EXPECT_EQ(shown.devicePixelRatio(), 2.0) << what;
                // Inline icons stand smaller in the text; they are never enlarged.
                EXPECT_GE(shown.width(), 2 * image.width()) << what;
                EXPECT_GE(shown.height(), 2 * image.height()) << what;
                ++pictures;
            }
        }
    }
    EXPECT_GE(pictures, 7 * 12 + 7) << "toolbar icons and flags on every page, flags on the first";
}
