#pragma once

#include <QImage>
#include <QPixmap>

#include <optional>

// The board's pictures: the letter sheet cut into cells, the picture stories of
// the five motifs, their backgrounds and score symbols. Each is made for the
// device pixel ratio `ratio` of the screen that shows it: above 1 it is the
// picture drawn at twice the size, marked with its ratio so that it takes the
// same room on the board as at ratio 1. A missing picture is a "Resource not
// found" error.
namespace pictures {

constexpr int kMotifCount = 5;
constexpr int kSteps = 10; // a story's pictures; the last one is the lost word

// Letter sheet cells: 0-25 A-Z, 26 Ä, 27 Ö, 28 Ü, 30 Å, 31 Ã, 32 Õ, 33 Ñ, 34 Ç,
// 35-49 the accented vowels, 50 the apostrophe, 51 the hyphen.
constexpr int kApostropheCell = 50;
constexpr int kHyphenCell = 51;
QPixmap letterCell(int cell, qreal ratio);

int sequenceBitmapId(int motif, int step);
QPixmap sequencePicture(int motif, int step, qreal ratio);
QPixmap background(int motif, qreal ratio);
QPixmap scoreSymbol(int motif, qreal ratio);

QPixmap named(const QString& fileName, qreal ratio);

// The pictures as the resources hold them: numbered ones (":/BITMAP/101") and
// named ones of the window design (":/pictures/letters.png"). Each is there also
// drawn at twice its size, under Qt's name for it: scale 2 reads
// ":/BITMAP/101@2x" and ":/pictures/letters@2x.png".
std::optional<QImage> bitmap(int id, int scale = 1);
std::optional<QImage> picture(const QString& name, int scale = 1);

// The room a picture takes on the board: its pixels over its ratio.
QSize boardSize(const QPixmap& picture);

} // namespace pictures
