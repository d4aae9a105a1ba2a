#include "errorscope.h"

RunTimeError ErrorScope::currentFailure()
{
    try {
        throw;
    } catch (const RunTimeError& error) {
        return error;
    } catch (const std::out_of_range&) {
        return RunTimeError(RunTimeError::SubscriptOutOfRange);
    } catch (const std::bad_alloc&) {
        return RunTimeError(RunTimeError::OutOfMemory);
    } catch (...) {
        return RunTimeError(RunTimeError::InvalidProcedureCall);
    }
}

ErrorChoice ErrorScope::report(const RunTimeError& error)
{
    const ErrorChoice choice =
        errors::reporter().OnError(module_, QLatin1String(procedure_), error);
    switch (choice) {
    case ErrorChoice::Retry:
    case ErrorChoice::Ignore:
    case ErrorChoice::Cancel:
    case ErrorChoice::End:
        return choice;
    }
    return ErrorChoice::Cancel; // any other value acts as Cancel
}
