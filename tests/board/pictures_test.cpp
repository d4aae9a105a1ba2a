// The board's pictures for screens of any density: the same picture, taking the
// same room on the board; a missing one is reported as the game reports it.

#include "board/pictures.h"
#include "errors/runtimeerror.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

int errorOf(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(Pictures, LetterCellsOfEitherSheetShowTheSameLetterInTheSameRoom)
{
    // Asking for the two densities in turn also trades the kept sheet each time.
    for (int cell = 0; cell < 60; ++cell) {
        const QPixmap single = pictures::letterCell(cell, 1);
        const QPixmap doubled = pictures::letterCell(cell, 2);
        ASSERT_EQ(single.size(), QSize(25, 30)) << "cell " << cell;
        ASSERT_EQ(doubled.size(), QSize(50, 60)) << "cell " << cell;
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0) << "cell " << cell;
        EXPECT_EQ(pictures::boardSize(doubled), QSize(25, 30)) << "cell " << cell;
        const QImage reduced = doubled.toImage().scaled(single.size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, single.toImage()), 2.0) << "cell " << cell;
    }
}

TEST(Pictures, ScreensBetweenTheTwoDensitiesGetTheSharperPictures)
{
    const QPixmap flag = pictures::named(QStringLiteral("flag2.png"), 1.25);
    EXPECT_EQ(flag.size(), QSize(64, 40));
    EXPECT_EQ(pictures::boardSize(flag), QSize(32, 20));
    EXPECT_EQ(pictures::sequencePicture(2, 3, 1.5).size(), QSize(320, 320));
    EXPECT_EQ(pictures::boardSize(pictures::background(2, 1.5)), QSize(640, 480));
    EXPECT_EQ(pictures::named(QStringLiteral("flag2.png"), 1).size(), QSize(32, 20));
}

TEST(Pictures, AMissingPictureIsAResourceNotFoundErrorAtEitherDensity)
{
    for (const qreal ratio : {1.0, 2.0}) {
        EXPECT_EQ(errorOf([&] { pictures::named(QStringLiteral("nothing.png"), ratio); }), 326);
        // Motif 5 would be the sixth story, which does not exist.
        EXPECT_EQ(errorOf([&] { pictures::sequencePicture(5, 0, ratio); }), 326);
        EXPECT_EQ(errorOf([&] { pictures::background(5, ratio); }), 326);
        EXPECT_EQ(errorOf([&] { pictures::letterCell(60, ratio); }), 5);
    }
}
