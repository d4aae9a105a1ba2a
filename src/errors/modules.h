#pragma once

#include <QLatin1String>

// The names of the windows and modules that an error report names as the
// place of a failure.
namespace modules {

inline constexpr QLatin1String frmMain("frmMain");
inline constexpr QLatin1String frmOptions("frmOptions");
inline constexpr QLatin1String frmEditor("frmEditor");
inline constexpr QLatin1String frmInfo("frmInfo");
inline constexpr QLatin1String Allgemein("Allgemein");
inline constexpr QLatin1String ModResFiles("ModResFiles");

} // namespace modules
