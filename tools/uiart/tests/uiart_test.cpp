// Checks of the interface artwork: what the game relies on (sizes, cell order, where the cards
// hang) and what makes a picture unusable (glyphs leaving their card, wrong flag, lost colours).

#include "catalogue.h"
#include "clothesline.h"
#include "emblem.h"
#include "flags.h"
#include "icons.h"
#include "letters.h"
#include "mascot.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace uiart;

namespace {

// The ink of a glyph: its shapes widened by half the outline drawn around them.
QRectF inkBox(const std::vector<QPainterPath>& shapes, const QRectF& card)
{
    QRectF box;
    for (const QPainterPath& shape : shapes) {
        box = box.united(shape.boundingRect());
    }
    const double halfOutline = card.height() / 56.0;
    return box.adjusted(-halfOutline, -halfOutline, halfOutline, halfOutline);
}

bool isInk(QRgb pixel)
{
    const QColor colour = QColor::fromRgba(pixel);
    return colour.alpha() > 200 && colour.hsvSaturation() > 120;
}

int inkInRows(const QImage& image, const QRect& cell, int firstRow, int lastRow)
{
    int count = 0;
    for (int y = cell.top() + firstRow; y <= cell.top() + lastRow; ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            count += isInk(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

double relativeLuminance(const QColor& colour)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

// Rough colour names, enough to tell the flags' fields apart.
std::string colourName(QRgb pixel)
{
    const QColor c = QColor::fromRgb(pixel);
    if (c.valueF() < 0.2 || (c.hsvSaturationF() < 0.2 && c.valueF() < 0.4)) {
        return "black";
    }
    if (c.hsvSaturationF() < 0.2 && c.valueF() > 0.8) {
        return "white";
    }
    const int hue = c.hsvHue();
    if (hue < 20 || hue >= 330) {
        return "red";
    }
    if (hue < 65) {
        return "yellow";
    }
    if (hue < 170) {
        return "green";
    }
    return "blue";
}

// The mean difference of two pictures of one size, over all channels of all pixels, 0 to 255.
double meanDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

} // namespace

TEST(LetterSheet, EveryGlyphStaysInsideItsCardWithAMargin)
{
    for (int cell = 0; cell < kSheetCells; ++cell) {
        const QString glyph = sheetGlyph(cell);
        if (glyph.isEmpty()) {
            continue;
        }
        const QRectF card = cellRect(cell);
        const QRectF ink = inkBox(glyphShapes(glyph, card), card);
        EXPECT_TRUE(card.adjusted(1, 1, -1, -1).contains(ink))
            << "cell " << cell << " ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
            << ink.height();
    }
}

TEST(LetterSheet, AccentsStandClearAboveTheirCapital)
{
    int accented = 0;
    for (int cell = 0; cell < kSheetCells; ++cell) {
        const QRectF card = cellRect(cell);
        const std::vector<QPainterPath> shapes = glyphShapes(sheetGlyph(cell), card);
        if (shapes.size() < 2) {
            continue;
        }
        ++accented;
        const QRectF capital = shapes[0].boundingRect();
        const QRectF accent = shapes[1].boundingRect();
        EXPECT_GE(capital.top() - accent.bottom(), 1.0) << "cell " << cell;
        EXPECT_GE(accent.height(), 3.0) << "cell " << cell << " accent too small to read";
        EXPECT_NEAR(accent.center().x(), capital.center().x(), 2.0) << "cell " << cell;
    }
    // Ä Ö Ü, Å Ã Õ Ñ, and the fifteen vowels with acute, grave and circumflex.
    EXPECT_EQ(accented, 3 + 4 + 15);
}

TEST(LetterSheet, CapitalsOfOneKindShareTheirTopLineAndSize)
{
    // Cards side by side must not look ragged: plain capitals start on one line, accented
    // capitals on another, lower one, and the wide ones are narrowed rather than shrunk.
    const QRectF card(QPointF(0, 0), kCellSize);
    const double plainTop = glyphShapes("H", card)[0].boundingRect().top();
    const double accentedTop = glyphShapes(QString::fromUtf8("Ä"), card)[0].boundingRect().top();
    EXPECT_GT(accentedTop - plainTop, 2.0);
    for (int cell = 0; cell < 50; ++cell) {
        const QString glyph = sheetGlyph(cell);
        if (glyph.isEmpty() || cell == 34) { // Ç centres capital and cedilla together
            continue;
        }
        const std::vector<QPainterPath> shapes = glyphShapes(glyph, card);
        const double top = shapes[0].boundingRect().top();
        EXPECT_NEAR(top, shapes.size() > 1 ? accentedTop : plainTop, 0.6) << "cell " << cell;
        EXPECT_LE(shapes[0].boundingRect().width(), 0.85 * kCellSize.width()) << "cell " << cell;
    }
    for (const char* wide : {"M", "W"}) {
        EXPECT_NEAR(glyphShapes(wide, card)[0].boundingRect().height(),
                    glyphShapes("H", card)[0].boundingRect().height(), 0.3)
            << wide;
    }
}

TEST(LetterSheet, RenderedCellsHoldTheirGlyphsInTheFixedOrder)
{
    const QImage sheet = letterSheet();
    ASSERT_EQ(sheet.size(), QSize(250, 180));
    for (int cell = 0; cell < kSheetCells; ++cell) {
        const QRect rect = cellRect(cell);
        const int ink = inkInRows(sheet, rect, 0, rect.height() - 1);
        if (sheetGlyph(cell).isEmpty()) {
            EXPECT_EQ(qAlpha(sheet.pixel(rect.center())), 0) << "blank cell " << cell;
        } else {
            EXPECT_GT(ink, 12) << "cell " << cell;
            const QColor ground = QColor::fromRgba(sheet.pixel(rect.left() + 3, rect.top() + 2));
            EXPECT_TRUE(ground.alpha() == 255 && ground.lightness() > 240)
                << "cell " << cell << " has no white card";
        }
    }
    // A few cells whose shape gives them away: the apostrophe is ink only up high, the hyphen
    // only in the middle, the cedilla reaches below the line where capitals stand.
    const QRect apostrophe = cellRect(50);
    EXPECT_EQ(inkInRows(sheet, apostrophe, 17, 29), 0);
    const QRect hyphen = cellRect(51);
    EXPECT_EQ(inkInRows(sheet, hyphen, 0, 11) + inkInRows(sheet, hyphen, 19, 29), 0);
    EXPECT_GT(inkInRows(sheet, cellRect(34), 25, 27), 0);
    EXPECT_EQ(inkInRows(sheet, cellRect(2), 25, 27), 0);
    // Umlauts carry ink above where a plain capital starts.
    for (int cell : {26, 27, 28}) {
        EXPECT_GT(inkInRows(sheet, cellRect(cell), 2, 6), 0) << "cell " << cell;
    }
    EXPECT_EQ(inkInRows(sheet, cellRect(0), 2, 4), 0);
}

TEST(LetterColours, NeighboursOnTheSheetAndOnTheLineDiffer)
{
    for (int cell = 0; cell + 1 < kSheetCells; ++cell) {
        EXPECT_NE(letterColour(cell), letterColour(cell + 1)) << "cell " << cell;
        if (cell + kSheetColumns < kSheetCells) {
            EXPECT_NE(letterColour(cell), letterColour(cell + kSheetColumns)) << "cell " << cell;
        }
    }
    // Z hangs next to the language letters of every language.
    for (int cell : {26, 30, 31, 33, 34}) {
        EXPECT_NE(letterColour(25), letterColour(cell)) << "cell " << cell;
    }
}

TEST(LetterColours, EveryGlyphHasAnEdgeThatStandsOutOnTheWhiteCard)
{
    const QImage sheet = letterSheet();
    for (int cell = 0; cell < kSheetCells; ++cell) {
        if (sheetGlyph(cell).isEmpty()) {
            continue;
        }
        const QRect rect = cellRect(cell).adjusted(2, 2, -2, -2);
        double darkest = 1;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                darkest = std::min(darkest, relativeLuminance(QColor(sheet.pixel(x, y))));
            }
        }
        EXPECT_GE(1.05 / (darkest + 0.05), 3.0) << "cell " << cell;
    }
}

TEST(Clothesline, EveryCardHangsJustBelowItsRope)
{
    const RopeCurve upper = upperRope();
    const RopeCurve lower = lowerRope();
    for (int letter = 0; letter < kLineLetters; ++letter) {
        const RopeCurve& rope = letter < kUpperRowLetters ? upper : lower;
        const QPoint corner = pegTable()[static_cast<std::size_t>(letter)];
        EXPECT_NEAR(rope.yAt(corner.x() + 12.5), corner.y() - kRopeLift, 0.01) << letter;
        for (double x = corner.x(); x <= corner.x() + 25; x += 0.5) {
            const double gap = corner.y() - rope.yAt(x);
            EXPECT_LE(gap, 5.0) << "letter " << letter << " hangs far below its rope at " << x;
            EXPECT_GE(gap, -2.0) << "letter " << letter << " is above its rope at " << x;
        }
    }
}

TEST(Clothesline, LowerRopePassesBelowTheUpperCardsAndBothStayInThePicture)
{
    const RopeCurve upper = upperRope();
    const RopeCurve lower = lowerRope();
    for (int letter = 0; letter < kUpperRowLetters; ++letter) {
        const QPoint corner = pegTable()[static_cast<std::size_t>(letter)];
        for (double x = corner.x(); x <= corner.x() + 25; x += 0.5) {
            EXPECT_GT(lower.yAt(x), corner.y() + 30 + 3) << "letter " << letter << " at " << x;
        }
    }
    for (const RopeCurve* rope : {&upper, &lower}) {
        EXPECT_GE(rope->left(), 0);
        EXPECT_LE(rope->right(), kClotheslineSize.width());
        for (double x = rope->left(); x <= rope->right(); x += 1) {
            EXPECT_GT(rope->yAt(x), 2);
            EXPECT_LT(rope->yAt(x), kClotheslineSize.height() - 2);
        }
    }
}

TEST(RopeCurve, PassesItsKnotsAndNeverSwingsPastThem)
{
    const std::vector<QPointF> knots = {{0, 10}, {10, 20}, {12, 5}, {40, 5}, {60, 30}};
    const RopeCurve rope(knots);
    for (std::size_t k = 0; k < knots.size(); ++k) {
        EXPECT_NEAR(rope.yAt(knots[k].x()), knots[k].y(), 1e-9);
        if (k + 1 == knots.size()) {
            break;
        }
        const double low = std::min(knots[k].y(), knots[k + 1].y());
        const double high = std::max(knots[k].y(), knots[k + 1].y());
        for (double x = knots[k].x(); x <= knots[k + 1].x(); x += 0.25) {
            EXPECT_GE(rope.yAt(x), low - 1e-9) << x;
            EXPECT_LE(rope.yAt(x), high + 1e-9) << x;
        }
    }
    EXPECT_EQ(rope.yAt(-5), 10);
    EXPECT_EQ(rope.yAt(99), 30);
}

TEST(Clothesline, PegsShowAboveTheCardsOnAnOtherwiseClearGround)
{
    const QImage line = clothesline();
    ASSERT_EQ(line.size(), kClotheslineSize);
    for (int letter = 0; letter < kLineLetters; ++letter) {
        const QPoint corner = pegTable()[static_cast<std::size_t>(letter)];
        EXPECT_EQ(qAlpha(line.pixel(corner.x() + 12, corner.y() - 4)), 255) << letter;
    }
    // Between the rows, and under the lower row, the ground is see-through.
    EXPECT_EQ(qAlpha(line.pixel(300, 45)), 0);
    EXPECT_EQ(qAlpha(line.pixel(300, 115)), 0);
    EXPECT_EQ(qAlpha(line.pixel(570, 100)), 0);
}

TEST(Flags, EachLanguageShowsItsOwnFlag)
{
    // Points sampled away from edges and emblems, in language order.
    const std::vector<std::map<std::pair<int, int>, std::string>> expected = {
        {{{16, 3}, "black"}, {{16, 10}, "red"}, {{16, 17}, "yellow"}},
        {{{16, 10}, "red"}, {{10, 2}, "blue"}, {{22, 17}, "blue"}, {{5, 7}, "white"}},
        {{{4, 4}, "blue"}, {{12, 10}, "yellow"}, {{24, 16}, "blue"}, {{24, 10}, "yellow"}},
        {{{5, 10}, "green"}, {{16, 10}, "white"}, {{27, 10}, "red"}},
        {{{3, 3}, "green"}, {{8, 10}, "yellow"}, {{16, 13}, "blue"}, {{28, 17}, "green"}},
        {{{24, 2}, "red"}, {{24, 10}, "yellow"}, {{24, 18}, "red"}},
        {{{5, 10}, "blue"}, {{16, 10}, "white"}, {{27, 10}, "red"}},
    };
    ASSERT_EQ(static_cast<int>(expected.size()), kFlagCount);
    for (int language = 0; language < kFlagCount; ++language) {
        const QImage picture = flag(language);
        ASSERT_EQ(picture.size(), kFlagSize);
        for (const auto& [point, name] : expected[static_cast<std::size_t>(language)]) {
            EXPECT_EQ(colourName(picture.pixel(point.first, point.second)), name)
                << "flag " << language << " at " << point.first << "," << point.second;
        }
    }
}

TEST(Catalogue, WritesEveryPictureAtTheSizeTheGameLaysOut)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(writeCatalogue(folder.path()));

    const std::map<QString, QSize> sizes = {
        {"letters.png", {250, 180}},  {"used.png", {25, 30}},
        {"field.png", {27, 32}},      {"clothesline.png", {600, 120}},
        {"tool_start.png", {32, 32}}, {"tool_end.png", {32, 32}},
        {"tool_hint.png", {32, 32}},  {"tool_options.png", {32, 32}},
        {"tool_help.png", {32, 32}},  {"info1.png", {96, 96}},
        {"info2.png", {160, 60}},     {"frostel.png", {256, 256}},
        {"flag0.png", {32, 20}},      {"flag1.png", {32, 20}},
        {"flag2.png", {32, 20}},      {"flag3.png", {32, 20}},
        {"flag4.png", {32, 20}},      {"flag5.png", {32, 20}},
        {"flag6.png", {32, 20}},
    };
    // Every one of them but the unshown program picture also at twice the size.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(),
              2 * static_cast<int>(sizes.size()) - 1);
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("frostel@2x.png")));
    for (const auto& [name, size] : sizes) {
        const QImage picture(QDir(folder.path()).filePath(name));
        ASSERT_FALSE(picture.isNull()) << qPrintable(name);
        EXPECT_EQ(picture.size(), size) << qPrintable(name);
        if (name != "frostel.png") {
            EXPECT_EQ(QImage(QDir(folder.path()).filePath(doubleSizeName(name))).size(), size * 2)
                << qPrintable(name);
        }
        if (name.startsWith("tool_")) {
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << qPrintable(name);
            int solid = 0;
            for (int y = 10; y < 22; ++y) {
                for (int x = 10; x < 22; ++x) {
                    solid += qAlpha(picture.pixel(x, y)) == 255 ? 1 : 0;
                }
            }
            EXPECT_GT(solid, 72) << qPrintable(name);
        }
    }
    // The used-letter veil lets the letter show through; the blank field is solid.
    const QImage used(QDir(folder.path()).filePath("used.png"));
    const int veil = qAlpha(used.pixel(12, 3));
    EXPECT_GT(veil, 60);
    EXPECT_LT(veil, 200);
    EXPECT_EQ(qAlpha(QImage(QDir(folder.path()).filePath("field.png")).pixel(13, 10)), 255);
}

TEST(Catalogue, TheCheckFindsADoubleSizePictureMissingOrOfTheSingleSize)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(writeCatalogue(folder.path()));
    const QDir written(folder.path());
    EXPECT_TRUE(checkCatalogue(folder.path()));
    ASSERT_TRUE(QFile::remove(written.filePath("flag3@2x.png")));
    EXPECT_FALSE(checkCatalogue(folder.path()));
    ASSERT_TRUE(QFile::copy(written.filePath("flag3.png"), written.filePath("flag3@2x.png")));
    EXPECT_FALSE(checkCatalogue(folder.path()));
}

TEST(Catalogue, TwiceTheSizeIsTheSamePictureWithEveryPartInItsPlace)
{
    // A part drawn outside the painter's scale would stand at half its place and size.
    for (const Picture& picture : catalogue()) {
        if (!picture.doubled) {
            continue;
        }
        const QImage single = picture.render(1);
        const QImage doubled = picture.render(2);
        ASSERT_EQ(doubled.size(), single.size() * 2) << qPrintable(picture.fileName);
        const QImage reduced =
            doubled.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, single), 3.0) << qPrintable(picture.fileName);
    }
}

TEST(Pictures, NothingIsCutOffAtThePictureEdges)
{
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"tool_start", startIcon()},     {"tool_end", endIcon()},       {"tool_hint", hintIcon()},
        {"tool_options", optionsIcon()}, {"tool_help", helpIcon()},     {"info1", mascotPicture()},
        {"info2", titleLinePicture()},   {"frostel", programIcon(256)},
    };
    for (const auto& [name, picture] : pictures) {
        int strongest = 0;
        for (int x = 0; x < picture.width(); ++x) {
            strongest = std::max({strongest, qAlpha(picture.pixel(x, 0)),
                                  qAlpha(picture.pixel(x, picture.height() - 1))});
        }
        for (int y = 0; y < picture.height(); ++y) {
            strongest = std::max({strongest, qAlpha(picture.pixel(0, y)),
                                  qAlpha(picture.pixel(picture.width() - 1, y))});
        }
        EXPECT_LT(strongest, 60) << name;
    }

    // On the clothesline only the posts may touch the top edge; the highest peg stays inside.
    const QImage line = clothesline();
    for (int x = 14; x < kClotheslineSize.width() - 14; ++x) {
        EXPECT_EQ(qAlpha(line.pixel(x, 0)), 0) << "x " << x;
    }
}

TEST(Pictures, ARevealedLetterLeavesTheFieldFrameVisible)
{
    // The game lays a 25 x 30 letter card one pixel into the 27 x 32 field.
    const QImage field = letterField();
    QImage revealed = field.copy();
    {
        QPainter painter(&revealed);
        painter.drawImage(QPoint(1, 1), letterSheet().copy(cellRect(0)));
    }
    for (const QPoint& edge : {QPoint(0, 16), QPoint(26, 16), QPoint(13, 0), QPoint(13, 31)}) {
        EXPECT_EQ(revealed.pixel(edge), field.pixel(edge));
        EXPECT_GT(qAlpha(field.pixel(edge)), 200);
        EXPECT_LT(QColor(field.pixel(edge)).lightness(), 170);
    }
    // The empty field shows a line where the letter will go.
    EXPECT_LT(QColor(field.pixel(13, 25)).lightness(), 120);
    EXPECT_GT(QColor(field.pixel(13, 12)).lightness(), 200);
}

TEST(ProgramIcon, EverySizeOfTheIconThemeFillsItsSquareAndNothingIsCutOff)
{
    for (const int edge : kIconEdges) {
        SCOPED_TRACE(edge);
        const QImage icon = programIcon(edge);
        ASSERT_EQ(icon.size(), QSize(edge, edge));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corners";
        EXPECT_EQ(qAlpha(icon.pixel(edge / 2, edge / 2)), 255);
        for (int along = 0; along < edge; ++along) {
            for (const QPoint border : {QPoint(along, 0), QPoint(along, edge - 1), QPoint(0, along),
                                        QPoint(edge - 1, along)}) {
                EXPECT_LT(qAlpha(icon.pixel(border)), 60) << border.x() << "," << border.y();
            }
        }
    }
}

TEST(ProgramIcon, TheSmallSizesDrawTheirLetterInWholePixels)
{
    // Scaled down, the large picture's letter dissolves into blended pixels;
    // drawn on the grid, the small one is made of pixels of its ink alone.
    const auto inkPixels = [](const QImage& icon) {
        int count = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x)
                count += icon.pixel(x, y) == qRgba(0x1e, 0x6f, 0xd9, 255) ? 1 : 0;
        }
        return count;
    };
    for (const int edge : {16, 22, 24, 32}) {
        SCOPED_TRACE(edge);
        const int drawn = inkPixels(programIcon(edge));
        EXPECT_GE(drawn, edge + 4);
        const QImage scaled =
            programIcon(256).scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(inkPixels(scaled), drawn / 4);
    }
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
