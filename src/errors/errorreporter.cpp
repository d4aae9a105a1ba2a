#include "errorreporter.h"

#include <cstdlib>

namespace {

ErrorReporter* installed = nullptr;
void (*endHandler)() = nullptr;

} // namespace

namespace errors {

ErrorReporter& reporter()
{
    Q_ASSERT(installed);
    return *installed;
}

void installReporter(ErrorReporter* reporter)
{
    installed = reporter;
}

void endProgram()
{
    if (endHandler)
        endHandler();
    std::_Exit(0);
}

void setEndHandlerForTesting(void (*handler)())
{
    endHandler = handler;
}

} // namespace errors
