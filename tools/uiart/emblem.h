#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kTitleLineSize{160, 60};

// The game's name spelled in letter cards on a short line.
QImage titleLinePicture();

// The program icon: a letter card on a peg under falling snow; `edge` is 256 or 48.
QImage programIcon(int edge);

} // namespace uiart
