#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kToolIconSize{32, 32};

QImage startIcon();
QImage endIcon();
QImage hintIcon();
QImage optionsIcon();
QImage helpIcon();

} // namespace uiart
