// A missing picture of the board is reported as the game reports it.

#include "board/pictures.h"
#include "errors/runtimeerror.h"

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

TEST(Pictures, AMissingPictureIsAResourceNotFoundError)
{
    EXPECT_EQ(errorOf([] { pictures::named(QStringLiteral("nothing.png")); }), 326);
    // Motif 5 would be the sixth story, which does not exist.
    EXPECT_EQ(errorOf([] { pictures::sequencePicture(5, 0); }), 326);
    EXPECT_EQ(errorOf([] { pictures::background(5); }), 326);
    EXPECT_EQ(errorOf([] { pictures::letterCell(60); }), 5);
}
