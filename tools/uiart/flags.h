#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kFlagSize{32, 20};
inline constexpr int kFlagCount = 7;

// Flags in language order: Germany, United Kingdom, Sweden, Italy, Brazil, Spain, France; at
// their own size, or drawn `scale` times as large for dense screens.
QImage flag(int language, int scale = 1);

} // namespace uiart
