#pragma once

#include <QString>

namespace platform {

// The user's private temporary folder, ending in "/": the runtime folder as Qt
// finds it ($XDG_RUNTIME_DIR, or else Qt's own private folder in the system's
// temporary folder, made once and used again at every start), failing that
// "frostel" in the user's cache folder, and failing both a folder of this run
// that goes at its end. None of them is a place another user can take first.
// Returns an empty string when no such folder can be had.
QString privateTempDir();

} // namespace platform
