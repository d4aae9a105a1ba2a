#pragma once

#include <QImage>

namespace uiart {

inline constexpr QSize kTitleLineSize{160, 60};

// The game's name spelled in letter cards on a short line; at its own size, or drawn `scale`
// times as large for dense screens.
QImage titleLinePicture(int scale = 1);

// The program icon: a letter card on a peg under falling snow, `edge` pixels
// square. From 48 pixels up it is the full picture; below, a plainer one drawn
// on the pixel grid, so that the letter stays sharp.
QImage programIcon(int edge);

// The sizes of the icon theme's program icons.
inline constexpr int kIconEdges[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace uiart
