#pragma once

class Clock;
class Dialogs;
class Desktop;

// The desktop services the whole program shares. The start procedure installs
// the real ones; tests install a virtual clock, scripted dialogs and a recording
// desktop.
namespace services {

Dialogs& dialogs();
Desktop& desktop();

// Installs the clock too (null: the real one).
void install(Clock* clock, Dialogs* dialogs, Desktop* desktop);

} // namespace services
