#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kFlagSize{32, 20};
inline constexpr int kFlagCount = 7;

// Flags in language order: Germany, United Kingdom, Sweden, Italy, Brazil, Spain, France.
QImage flag(int language);

} // namespace uiart
