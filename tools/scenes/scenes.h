#pragma once

#include <QImage>

// The artwork of the five motifs: ten sequence steps each (step 9 is the lost word),
// a board background and a score symbol.
namespace scenes {

inline constexpr int motifCount = 5;
inline constexpr int stepCount = 10;
inline constexpr int pictureSide = 160;

// Each picture at its own size (scale 1), or drawn twice as large (scale 2) for screens of device
// pixel ratio 2.
QImage paintAppleTree(int step, int scale);
QImage paintFrostel(int step, int scale);
QImage paintShip(int step, int scale);
QImage paintBird(int step, int scale);
QImage paintCar(int step, int scale);

QImage paintBackground(int motif, int scale);
QImage paintSymbol(int motif, int scale);

} // namespace scenes
