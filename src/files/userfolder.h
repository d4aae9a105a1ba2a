#pragma once

#include <QString>

// Where the player's own files live: the settings file, the error log and
// protocol, and the language folders of the vocabularies the player saves.
// A program folder the player may write (a build folder, a per-user install)
// keeps them beside the program. A program installed for everyone cannot be
// written; its player's files then live in $XDG_DATA_HOME/frostel
// (~/.local/share/frostel), while the shipped vocabularies, the music and the
// help are still read from the program folder.
namespace userfolder {

// Whether the program folder is the player's folder too.
bool inProgramFolder();

// The player's folder, without a trailing separator. Away from the program
// folder it is made (private to the player) when it is missing.
QString path();

// Tests let a temporary program folder stand for an installed one, which the
// program never writes, even when it runs as root.
void setInstalledTreeForTesting(const QString& folder);

} // namespace userfolder
