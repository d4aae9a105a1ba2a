#pragma once

class Clock;
class Dialogs;
class Desktop;

// The platform services the whole program shares. The start procedure installs
// the real ones; tests install a virtual clock, scripted dialogs and a recording
// desktop.
namespace services {

Clock& clock();
Dialogs& dialogs();
Desktop& desktop();

void install(Clock* clock, Dialogs* dialogs, Desktop* desktop);

} // namespace services
