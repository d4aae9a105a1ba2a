#pragma once

#include <QString>

// The folder of the executable, without a trailing separator. Settings, the
// vocabulary folders, the music and the help live here.
namespace programdir {

QString path();
QString baseName(); // the executable's name without extension: "frostel"

// Tests point the program at a temporary folder.
void setForTesting(const QString& folder, const QString& baseName);

} // namespace programdir
