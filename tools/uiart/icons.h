#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kToolIconSize{32, 32};

// The icons at their own size, or drawn `scale` times as large for dense screens.
QImage startIcon(int scale = 1);
QImage endIcon(int scale = 1);
QImage hintIcon(int scale = 1);
QImage optionsIcon(int scale = 1);
QImage helpIcon(int scale = 1);

} // namespace uiart
