#pragma once

#include <QString>

// The folder of the executable, without a trailing separator. The shipped
// vocabulary folders, the music and the help live here, and the player's own
// files too when the folder can be written (see userfolder.h).
namespace programdir {

QString path();
QString baseName(); // the executable's name without extension: "frostel"

// Tests point the program at a temporary folder.
void setForTesting(const QString& folder, const QString& baseName);

} // namespace programdir
