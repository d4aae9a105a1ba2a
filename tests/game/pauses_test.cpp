// Pauses give control back to the event loop and are resumed by it; what a
// paused procedure asks afterwards is whether its word is still in play.

#include "errors/errorscope.h"
#include "frame/settings.h"
#include "game/pauses.h"

#include "coregame.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// A procedure that pauses once and notes what it found after the pause.
QCoro::Task<> pauseOnce(Pauses& pauses, double seconds, Ticket ticket, std::optional<bool>& found)
{
    const bool inPlay = co_await pauses.Verzoegerung(seconds, ticket);
    found = inPlay;
}

QCoro::Task<> holdOnce(Pauses& pauses, Ticket ticket, std::optional<bool>& found)
{
    const bool released = co_await pauses.hold(ticket);
    found = released;
}

struct PausesTest : ::testing::Test
{
    CoreEnvironment environment;
    Pauses pauses;
    quint32 generation = 0;
    bool closing = false;
    Ticket ticket() const { return Ticket(generation, closing); }
};

} // namespace

TEST_F(PausesTest, APauseReturnsAtOnceAndIsResumedWhenItsTimeIsUp)
{
    std::optional<bool> found;
    pauseOnce(pauses, 1.5, ticket(), found);
    EXPECT_FALSE(found) << "control is back with the caller";
    environment.clock.advance(1.4);
    EXPECT_FALSE(found);
    environment.clock.advance(0.1);
    EXPECT_EQ(found, true);
    EXPECT_NEAR(environment.clock.totalWaited(), 1.5, 1e-6);

    found.reset();
    pauseOnce(pauses, 0, ticket(), found);
    EXPECT_EQ(found, true) << "no pause at all goes on at once";
}

TEST_F(PausesTest, APauseRunningOverMidnightEndsAtMidnight)
{
    environment.clock.setTime(86399.5);
    std::optional<bool> found;
    pauseOnce(pauses, 1.5, ticket(), found);
    environment.clock.advance(0.5);
    EXPECT_EQ(found, true);
}

TEST_F(PausesTest, TheProcedureLearnsThatItsWordWasReplacedMeanwhile)
{
    std::optional<bool> found;
    pauseOnce(pauses, 0.1, ticket(), found);
    ++generation;
    environment.clock.advance(0.1);
    EXPECT_EQ(found, false);

    found.reset();
    const Ticket spent = ticket();
    ++generation;
    pauseOnce(pauses, 0.1, spent, found);
    EXPECT_EQ(found, false) << "a spent ticket pauses no more";
}

TEST_F(PausesTest, StoppingResumesEveryPausedProcedureAtOnce)
{
    std::optional<bool> sleeping;
    std::optional<bool> held;
    pauseOnce(pauses, 100, ticket(), sleeping);
    holdOnce(pauses, Ticket(closing), held);
    environment.clock.advance(60);
    EXPECT_FALSE(held) << "only a release ends a hold";
    closing = true;
    pauses.resumeAll();
    EXPECT_EQ(sleeping, false);
    EXPECT_EQ(held, false);
    environment.clock.advance(100);
    EXPECT_EQ(sleeping, false) << "its timer finds nothing left to resume";
}

// A statement that fails after a pause is reported under its own procedure's
// name, and the player's choice acts on that statement alone.
TEST(ErrorsInPauses, RetryIgnoreAndCancelActOnTheStatementAfterThePause)
{
    struct Case
    {
        ErrorChoice choice;
        int fieldsDealt;
        int soundsOfField;
    } const cases[] = {
        {ErrorChoice::Retry, 6, 7}, {ErrorChoice::Ignore, 6, 6}, {ErrorChoice::Cancel, 1, 2}};
    for (const Case& c : cases) {
        CoreGame game({"Banane"}, "Sound=-1\r\n");
        int played = 0;
        game.host.onSound = [&](int id) {
            // The second field's sound, after the picture's growth and the first field.
            if (id == 104 && ++played == 2)
                throw RunTimeError(RunTimeError::ResourceNotFound);
        };
        game.environment.reporter.choices = {c.choice};
        game.start();
        ASSERT_EQ(game.environment.reporter.reports.size(), 1);
        EXPECT_EQ(game.environment.reporter.reports[0].module, "frmMain");
        EXPECT_EQ(game.environment.reporter.reports[0].procedure, "Such_Wort");
        EXPECT_EQ(game.state().fieldsDealt, c.fieldsDealt);
        EXPECT_EQ(game.host.sounds.count(104), c.soundsOfField);
        EXPECT_EQ(game.state().phase,
                  c.choice == ErrorChoice::Cancel ? Phase::SettingUp : Phase::Guessing);
    }
}

TEST(ErrorsInPauses, AFailureLateInAGuessIsTheGuesssOwn)
{
    CoreGame game({"Banane"}, "Sound=-1\r\nAnzahl= 1\r\n");
    game.pressNext = true;
    game.start();
    game.game.state().Scores[0] = 7;
    game.host.onSound = [](int id) {
        if (id == 105) // the fanfare, after the solved word's own sound and pause
            throw RunTimeError(RunTimeError::ResourceNotFound);
    };
    game.environment.reporter.choices = {ErrorChoice::Ignore};
    game.type("bane");
    ASSERT_EQ(game.environment.reporter.reports.size(), 1);
    EXPECT_EQ(game.environment.reporter.reports[0].procedure, "imgAlpha_click");
    EXPECT_EQ(game.host.questions, (QStringList{"winner 0", "once again"}))
        << "ignored, the winner is announced all the same";
}

TEST(ErrorsInPausesDeathTest, EndAfterAPauseEndsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CoreGame game({"Banane"}, "Sound=-1\r\n");
            game.host.onSound = [](int id) {
                if (id == 104)
                    throw RunTimeError(RunTimeError::ResourceNotFound);
            };
            game.environment.reporter.choices = {ErrorChoice::End};
            game.start();
        },
        ::testing::ExitedWithCode(errors::kEndExitStatus), "");
}
