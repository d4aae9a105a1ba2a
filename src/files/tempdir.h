#pragma once

#include <QString>

namespace platform {

// The user's private temporary folder, ending in "/": $XDG_RUNTIME_DIR when it is
// set and usable, otherwise "frostel" in the user's cache folder ($XDG_CACHE_HOME
// or ~/.cache), and failing that a fresh folder of this run below the system's
// temporary folder; none of them is a place another user can take first.
// Returns an empty string when no such folder can be had.
QString privateTempDir();

} // namespace platform
