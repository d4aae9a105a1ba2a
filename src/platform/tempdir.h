#pragma once

#include <QString>

namespace platform {

// The user's private temporary folder, ending in "/": $XDG_RUNTIME_DIR when it is
// set and usable, otherwise a folder below the system's temporary folder that only
// this user can open. Returns an empty string when no such folder can be had.
QString privateTempDir();

} // namespace platform
