#include "frame/wait.h"

#include "support/testsupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class WaitTest : public ::testing::Test
{
protected:
    Ticket ticket() const { return Ticket(generation, closing); }

    TestEnvironment environment;
    quint32 generation = 7;
    bool closing = false;
};

} // namespace

TEST_F(WaitTest, VerzoegerungWaitsThePauseOnTheClock)
{
    environment.clock.setTime(12 * 3600.0);
    EXPECT_TRUE(Verzoegerung(1.5, ticket()));
    EXPECT_NEAR(environment.clock.totalWaited(), 1.5, 0.002);
    EXPECT_TRUE(Verzoegerung(0.15, ticket()));
    EXPECT_NEAR(environment.clock.totalWaited(), 1.65, 0.01);

    environment.clock.setTime(86000.3); // where single precision is coarse
    Verzoegerung(0.1, ticket());
    EXPECT_NEAR(environment.clock.totalWaited(), 1.75, 0.02);
    Verzoegerung(0, ticket());
    Verzoegerung(-1, ticket());
    EXPECT_NEAR(environment.clock.totalWaited(), 1.75, 0.02) << "nothing to wait for";
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(WaitTest, VerzoegerungEndsWhenTheClockPassesMidnight)
{
    environment.clock.setTime(86399.9);
    EXPECT_TRUE(Verzoegerung(1.5, ticket()));
    EXPECT_NEAR(environment.clock.totalWaited(), 0.1, 0.02);
    EXPECT_LT(environment.clock.secondsSinceMidnight(), 0.02f);
}

TEST_F(WaitTest, EveryWaitHandlesEventsAndTimers)
{
    bool posted = false;
    bool timed = false;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { posted = true; }, Qt::QueuedConnection);
    environment.clock.singleShot(1000, &context, [&] { timed = true; });
    Verzoegerung(1.5, ticket());
    EXPECT_TRUE(posted);
    EXPECT_TRUE(timed);

    posted = false;
    QMetaObject::invokeMethod(
        &context, [&] { posted = true; }, Qt::QueuedConnection);
    EXPECT_TRUE(handleEvents(ticket()));
    EXPECT_TRUE(posted);
}

TEST_F(WaitTest, AWaitEndsAsSoonAsWhatItWasForIsReplaced)
{
    QObject context;
    environment.clock.singleShot(300, &context, [&] { ++generation; });
    EXPECT_FALSE(Verzoegerung(1.5, ticket()));
    EXPECT_LT(environment.clock.totalWaited(), 0.35) << "not the whole pause";

    const Ticket old = ticket();
    ++generation;
    EXPECT_FALSE(old.current());
    EXPECT_FALSE(handleEvents(old));
    EXPECT_FALSE(waitUntil([] { return false; }, old));
}

TEST_F(WaitTest, OnceTheProgramClosesNoWaitWaits)
{
    QObject context;
    bool done = false;
    environment.clock.singleShot(200, &context, [&] { closing = true; });
    EXPECT_FALSE(waitUntil([&] { return done; }, Ticket(closing)));
    const double waited = environment.clock.totalWaited();
    EXPECT_FALSE(Verzoegerung(1.5, ticket()));
    EXPECT_FALSE(handleEvents(ticket()));
    EXPECT_EQ(environment.clock.totalWaited(), waited);
}

TEST_F(WaitTest, WaitUntilReturnsOnceItsConditionHolds)
{
    QObject context;
    bool done = false;
    environment.clock.singleShot(500, &context, [&] { done = true; });
    EXPECT_TRUE(waitUntil([&] { return done; }, Ticket(closing)));
    EXPECT_TRUE(done);
}
