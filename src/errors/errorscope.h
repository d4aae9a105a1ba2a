#pragma once

#include "errorreporter.h"

#include <QString>

#include <type_traits>

// The error handler that every working procedure installs first:
//
//     ErrorScope scope("frmMain", "Such_Wort");
//     scope.run([&] {
//         auto entries = scope.attempt([&] { return readEntries(path); });
//         ...
//     });
//
// A failing statement inside attempt() is reported, and the user's choice is
// carried out: Retry runs the statement again, Ignore goes on with the next one
// (the statement yields its default value), Cancel leaves the procedure, End
// ends the program. Nothing crosses the procedure's boundary.
class ErrorScope
{
public:
    ErrorScope(QString module, QString procedure);

    template <typename Body>
    void run(Body&& body)
    {
        try {
            body();
        } catch (const LeaveProcedure&) {
        } catch (const RunTimeError& error) {
            // A failure outside attempt() has no statement to repeat or skip.
            if (report(error) == ErrorChoice::End)
                errors::endProgram();
        }
    }

    template <typename Statement>
    auto attempt(Statement&& statement) -> std::invoke_result_t<Statement>
    {
        using Result = std::invoke_result_t<Statement>;
        for (;;) {
            try {
                return statement();
            } catch (const RunTimeError& error) {
                switch (report(error)) {
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
                throw LeaveProcedure{};
            }
        }
    }

    // Leaves the procedure from inside run(), as the Cancel choice does.
    [[noreturn]] static void leave() { throw LeaveProcedure{}; }

private:
    struct LeaveProcedure
    {};

    ErrorChoice report(const RunTimeError& error);

    QString module_;
    QString procedure_;
};
