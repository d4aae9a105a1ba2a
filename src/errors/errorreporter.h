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

ErrorReporter& reporter();
void installReporter(ErrorReporter* reporter);

// The End choice: leave at once, without any window's closing code. Open files are
// closed by the system.
[[noreturn]] void endProgram();

// Tests replace the ending with one that throws instead of leaving.
void setEndHandlerForTesting(void (*handler)());

} // namespace errors
