#include "errorscope.h"

ErrorScope::ErrorScope(QString module, QString procedure)
    : module_(std::move(module)), procedure_(std::move(procedure))
{}

ErrorChoice ErrorScope::report(const RunTimeError& error)
{
    const ErrorChoice choice = errors::reporter().OnError(module_, procedure_, error);
    switch (choice) {
    case ErrorChoice::Retry:
    case ErrorChoice::Ignore:
    case ErrorChoice::Cancel:
    case ErrorChoice::End:
        return choice;
    }
    return ErrorChoice::Cancel; // any other value acts as Cancel
}
