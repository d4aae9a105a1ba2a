#include "errorreporter.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Stands in while no report window exists (before start-up has made one, after
// it is gone): the failure goes to the standard error output and the procedure
// is left, as Cancel does.
class StandardErrorReporter final : public ErrorReporter
{
public:
    ErrorChoice OnError(const QString& module, const QString& procedure,
                        const RunTimeError& error) override
    {
        std::fprintf(stderr, "frostel: error %d (%s) in %s.%s\n", error.number(),
                     qUtf8Printable(error.description()), qUtf8Printable(module),
                     qUtf8Printable(procedure));
        return ErrorChoice::Cancel;
    }
};

StandardErrorReporter standardErrorReporter;
ErrorReporter* installed = nullptr;

} // namespace

namespace errors {

ErrorReporter& reporter()
{
    return installed ? *installed : standardErrorReporter;
}

void installReporter(ErrorReporter* reporter)
{
    installed = reporter;
}

void endProgram()
{
    std::_Exit(kEndExitStatus);
}

} // namespace errors
