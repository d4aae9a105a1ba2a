#include "services.h"

#include "clock.h"
#include "desktop.h"
#include "dialogs.h"

namespace {

SystemClock systemClock;
QtDialogs qtDialogs;
SystemDesktop systemDesktop;

Clock* currentClock = &systemClock;
Dialogs* currentDialogs = &qtDialogs;
Desktop* currentDesktop = &systemDesktop;

} // namespace

namespace services {

Clock& clock()
{
    return *currentClock;
}

Dialogs& dialogs()
{
    return *currentDialogs;
}

Desktop& desktop()
{
    return *currentDesktop;
}

void install(Clock* clock, Dialogs* dialogs, Desktop* desktop)
{
    currentClock = clock ? clock : &systemClock;
    currentDialogs = dialogs ? dialogs : &qtDialogs;
    currentDesktop = desktop ? desktop : &systemDesktop;
}

} // namespace services
