#pragma once

#include <QImage>

// The artwork of the five motifs: ten sequence steps each (step 9 is the lost word),
// a board background and a score symbol.
namespace scenes {

inline constexpr int motifCount = 5;
inline constexpr int stepCount = 10;
inline constexpr int pictureSide = 160;

QImage paintAppleTree(int step);
QImage paintFrostel(int step);
QImage paintShip(int step);
QImage paintBird(int step);
QImage paintCar(int step);

QImage paintBackground(int motif);
QImage paintSymbol(int motif);

} // namespace scenes
