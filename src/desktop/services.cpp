#include "services.h"

#include "desktop.h"
#include "dialogs.h"
#include "frame/clock.h"

namespace {

QtDialogs qtDialogs;
SystemDesktop systemDesktop;

Dialogs* currentDialogs = &qtDialogs;
Desktop* currentDesktop = &systemDesktop;

} // namespace

namespace services {

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
    services::installClock(clock);
    currentDialogs = dialogs ? dialogs : &qtDialogs;
    currentDesktop = desktop ? desktop : &systemDesktop;
}

} // namespace services
