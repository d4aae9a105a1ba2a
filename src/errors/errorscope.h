#pragma once

#include "errorreporter.h"
#include "modules.h"

#include <QLatin1String>

#include <coroutine>
#include <new>
#include <optional>
#include <stdexcept>
#include <type_traits>

// The error handler that every working procedure installs first:
//
//     ErrorScope::run(modules::frmMain, "Such_Wort", [&](ErrorScope& scope) {
//         auto entries = scope.attempt([&] { return readEntries(path); });
//         ...
//     });
//
// A failing statement inside attempt() is reported, and the user's choice is
// carried out: Retry runs the statement again, Ignore goes on with the next one
// (the statement yields its default value), Cancel leaves the procedure, End
// ends the program. A scope exists only while its body runs, so attempt() can
// never be used outside it. Nothing crosses the procedure's boundary: every
// exception stops at its run().
class ErrorScope
{
public:
    ErrorScope(const ErrorScope&) = delete;
    ErrorScope& operator=(const ErrorScope&) = delete;

    // Runs `body` as procedure `procedure` of window or module `module`. The body
    // takes the scope (ErrorScope&) when it has statements to attempt.
    template <typename Body>
    static void run(QLatin1String module, const char* procedure, Body&& body)
    {
        ErrorScope scope(module, procedure);
        try {
            if constexpr (std::is_invocable_v<Body, ErrorScope&>)
                body(scope);
            else
                body();
        } catch (const LeaveProcedure& leave) {
            if (leave.scope != &scope)
                throw; // an outer procedure's Cancel, reached through a nested body
        } catch (...) {
            // A failure outside attempt() has no statement to repeat or skip.
            if (scope.report(currentFailure()) == ErrorChoice::End)
                errors::endProgram();
        }
    }

    // The same for a procedure that pauses: `body` is a coroutine (one that
    // takes the scope, or none) and so is what this returns, to be awaited or
    // left to run on from the event loop. Statements after a pause are attempted
    // and reported like any others, under this procedure's name.
    template <typename Body,
              typename Task = typename std::conditional_t<std::is_invocable_v<Body, ErrorScope&>,
                                                          std::invoke_result<Body, ErrorScope&>,
                                                          std::invoke_result<Body>>::type>
    static Task runPausing(QLatin1String module, const char* procedure, Body body)
    {
        ErrorScope scope(module, procedure);
        std::optional<RunTimeError> failure;
        try {
            if constexpr (std::is_invocable_v<Body, ErrorScope&>)
                co_await body(scope);
            else
                co_await body();
        } catch (const LeaveProcedure& leave) {
            if (leave.scope != &scope)
                throw;
        } catch (...) {
            failure = currentFailure();
        }
        if (failure && scope.report(*failure) == ErrorChoice::End)
            errors::endProgram();
    }

    // One statement that is safe to run again.
    template <typename Statement>
    auto attempt(Statement&& statement) -> std::invoke_result_t<Statement>
    {
        using Result = std::invoke_result_t<Statement>;
        for (;;) {
            try {
                return statement();
            } catch (const LeaveProcedure&) {
                throw; // an inner procedure's own business never reaches here
            } catch (...) {
                switch (report(currentFailure())) {
                case ErrorChoice::Retry:
                    continue;
                case ErrorChoice::Ignore:
                    if constexpr (std::is_void_v<Result>)
                        return;
                    else
                        return Result{};
                case ErrorChoice::End:
                    errors::endProgram();
                case ErrorChoice::Cancel:
                    break;
                }
                throw LeaveProcedure{this};
            }
        }
    }

    // A statement whose failure is passed over without a report, for code that
    // must go on whatever happens (the program's last steps).
    template <typename Statement>
    void skipOnFailure(Statement&& statement) noexcept
    {
        try {
            statement();
        } catch (...) {
        }
    }

    // Leaves the procedure, as the Cancel choice does.
    [[noreturn]] void leave() { throw LeaveProcedure{this}; }

private:
    struct LeaveProcedure
    {
        const ErrorScope* scope;
    };

    ErrorScope(QLatin1String module, const char* procedure) : module_(module), procedure_(procedure)
    {}

    // The exception being handled, as the run-time error it stands for: a
    // subscript out of range, out of memory, or else an invalid procedure call.
    static RunTimeError currentFailure();

    ErrorChoice report(const RunTimeError& error);

    QLatin1String module_;
    const char* procedure_;
};
