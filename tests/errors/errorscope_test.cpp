#include "errors/errorscope.h"

#include "support/testsupport.h"

#include <QList>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class ErrorScopeTest : public ::testing::Test
{
protected:
    void choose(std::initializer_list<ErrorChoice> choices)
    {
        env.reporter.choices.assign(choices.begin(), choices.end());
    }

    // A statement that fails the first `failures` times it runs.
    auto failing(int failures, RunTimeError::Number number = RunTimeError::Overflow)
    {
        return [this, failures, number] {
            if (runs++ < failures)
                throw RunTimeError(number);
            return 42;
        };
    }

    TestEnvironment env;
    int runs = 0;
};

} // namespace

TEST_F(ErrorScopeTest, RetryRunsOnlyTheFailingStatementAgain)
{
    choose({ErrorChoice::Retry, ErrorChoice::Retry});
    QList<int> revealed;
    int result = 0;
    ErrorScope::run(modules::frmMain, "imgAlpha_click", [&](ErrorScope& scope) {
        revealed.append(1); // a statement before the failing one: it runs once
        result = scope.attempt(failing(2));
        revealed.append(2);
    });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(revealed, (QList<int>{1, 2}));
    ASSERT_EQ(env.reporter.reports.size(), 2);
    EXPECT_EQ(env.reporter.reports[0].module, QStringLiteral("frmMain"));
    EXPECT_EQ(env.reporter.reports[0].procedure, QStringLiteral("imgAlpha_click"));
    EXPECT_EQ(env.reporter.reports[0].number, RunTimeError::Overflow);
}

TEST_F(ErrorScopeTest, IgnoreGivesTheDefaultAndGoesOnWithTheNextStatement)
{
    choose({ErrorChoice::Ignore});
    std::vector<int> results;
    ErrorScope::run(modules::Allgemein, "GetIniInt", [&](ErrorScope& scope) {
        results.push_back(scope.attempt(failing(1)));
        results.push_back(scope.attempt(failing(1))); // runs again, no failure left
    });
    EXPECT_EQ(results, (std::vector<int>{0, 42}));
    EXPECT_EQ(env.reporter.reports.size(), 1);
}

TEST_F(ErrorScopeTest, CancelLeavesOnlyItsOwnProcedure)
{
    choose({ErrorChoice::Cancel});
    bool innerWentOn = false;
    bool outerWentOn = false;
    ErrorScope::run(modules::frmMain, "Such_Wort", [&] {
        ErrorScope::run(modules::frmMain, "ShowLetters", [&](ErrorScope& scope) {
            scope.attempt(failing(1));
            innerWentOn = true;
        });
        outerWentOn = true;
    });
    EXPECT_FALSE(innerWentOn);
    EXPECT_TRUE(outerWentOn);
    ASSERT_EQ(env.reporter.reports.size(), 1);
    EXPECT_EQ(env.reporter.reports[0].procedure, QStringLiteral("ShowLetters"));
}

TEST_F(ErrorScopeTest, AnOuterCancelReachedFromANestedBodyLeavesTheOuterProcedure)
{
    bool outerWentOn = false;
    ErrorScope::run(modules::frmMain, "Such_Wort", [&](ErrorScope& outer) {
        ErrorScope::run(modules::frmMain, "ShowLetters", [&] { outer.leave(); });
        outerWentOn = true;
    });
    EXPECT_FALSE(outerWentOn);
    EXPECT_TRUE(env.reporter.reports.isEmpty());
}

TEST_F(ErrorScopeTest, AFailureOutsideAnAttemptIsReportedAndLeavesTheProcedure)
{
    bool wentOn = false;
    ErrorScope::run(modules::frmEditor, "Speichern_Click", [&] {
        throw RunTimeError(RunTimeError::PathFileAccessError);
        wentOn = true;
    });
    EXPECT_FALSE(wentOn);
    ASSERT_EQ(env.reporter.reports.size(), 1);
    EXPECT_EQ(env.reporter.reports[0].number, RunTimeError::PathFileAccessError);
}

TEST_F(ErrorScopeTest, ForeignExceptionsAreReportedWithTheMatchingNumber)
{
    choose({ErrorChoice::Retry, ErrorChoice::Ignore, ErrorChoice::Ignore});
    QString fromAt;
    ErrorScope::run(modules::frmMain, "anzeigen", [&](ErrorScope& scope) {
        int position = 5;
        // Retry of the out-of-range subscript runs the statement again, which now fits.
        fromAt = scope.attempt([&] { return QString(QChar(std::string("AB").at(position--))); });
        scope.attempt([] { throw std::bad_alloc(); });
        scope.attempt([] { throw std::logic_error("unexpected"); });
    });
    ErrorScope::run(modules::frmMain, "zz", [] { throw std::length_error("outside"); });

    ASSERT_EQ(env.reporter.reports.size(), 5);
    EXPECT_EQ(env.reporter.reports[0].number, 9); // Subscript out of range
    EXPECT_EQ(env.reporter.reports[1].number, 9);
    EXPECT_EQ(env.reporter.reports[2].number, 7); // Out of memory
    EXPECT_EQ(env.reporter.reports[3].number, 5); // Invalid procedure call
    EXPECT_EQ(env.reporter.reports[4].number, 5);
    EXPECT_EQ(env.reporter.reports[4].procedure, QStringLiteral("zz"));
    EXPECT_TRUE(fromAt.isEmpty()) << "a third run was never chosen";
}

TEST_F(ErrorScopeTest, ARetriedStatementChangesStateOnlyOnce)
{
    // A reveal of one position at a time: retrying the failing position must not
    // count the positions revealed before it again.
    choose({ErrorChoice::Retry});
    int revealedCount = 0;
    const QString word = QStringLiteral("BANANE");
    bool failedOnce = false;
    ErrorScope::run(modules::frmMain, "imgAlpha_click", [&](ErrorScope& scope) {
        for (qsizetype i = 0; i < word.size(); ++i) {
            scope.attempt([&] {
                if (i == 3 && !failedOnce) {
                    failedOnce = true;
                    throw RunTimeError(RunTimeError::ControlArrayElementMissing);
                }
                if (word[i] == u'A')
                    ++revealedCount;
            });
        }
    });
    EXPECT_EQ(revealedCount, 2);
}

TEST_F(ErrorScopeTest, WithoutAnInstalledReporterFailuresActAsCancel)
{
    errors::installReporter(nullptr);
    bool wentOn = false;
    ErrorScope::run(modules::frmMain, "Form_Resize", [&](ErrorScope& scope) {
        scope.attempt(failing(1));
        wentOn = true;
    });
    EXPECT_FALSE(wentOn);
    EXPECT_TRUE(env.reporter.reports.isEmpty());
}

TEST(ErrorScopeDeathTest, EndStopsTheProcessAtOnceWithAFailureStatus)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TestEnvironment env;
            env.reporter.choices = {ErrorChoice::End};
            ErrorScope::run(modules::frmMain, "Such_Wort", [](ErrorScope& scope) {
                scope.attempt([] { throw RunTimeError(RunTimeError::Overflow); });
                std::exit(1); // went on after End
            });
            std::exit(2); // left the procedure after End
        },
        ::testing::ExitedWithCode(errors::kEndExitStatus), "");
}
