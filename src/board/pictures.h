#pragma once

#include <QPixmap>

// The board's pictures: the letter sheet cut into cells, the picture stories of
// the five motifs, their backgrounds and score symbols. A missing picture is a
// "Resource not found" error.
namespace pictures {

constexpr int kMotifCount = 5;
constexpr int kSteps = 10; // a story's pictures; the last one is the lost word

// Letter sheet cells: 0-25 A-Z, 26 Ä, 27 Ö, 28 Ü, 30 Å, 31 Ã, 32 Õ, 33 Ñ, 34 Ç,
// 35-49 the accented vowels, 50 the apostrophe, 51 the hyphen.
constexpr int kApostropheCell = 50;
constexpr int kHyphenCell = 51;
QPixmap letterCell(int cell);

int sequenceBitmapId(int motif, int step);
QPixmap sequencePicture(int motif, int step);
QPixmap background(int motif);
QPixmap scoreSymbol(int motif);

QPixmap named(const QString& fileName);

} // namespace pictures
