#pragma once

#include "runtimeerror.h"

#include <QString>

// The user's answer to a reported run-time error: the index of the button pressed.
enum class ErrorChoice : qint16
{
    Retry = 0,
    Ignore = 1,
    Cancel = 2,
    End = 3
};

class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;

    // Shows the failure with the window or module and the procedure it happened in,
    // logs it, and returns the user's choice.
    virtual ErrorChoice OnError(const QString& module, const QString& procedure,
                                const RunTimeError& error) = 0;
};

namespace errors {

// The installed reporter; while none is installed, failures go to the standard
// error output and act as Cancel.
ErrorReporter& reporter();
void installReporter(ErrorReporter* reporter);

// The exit status of a program ended by the End choice.
constexpr int kEndExitStatus = 3;

// The End choice: leave at once, without any window's closing code. Open files are
// closed by the system.
[[noreturn]] void endProgram();

} // namespace errors
