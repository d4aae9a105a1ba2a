#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <vector>

namespace uiart {

inline constexpr QSize kCellSize{25, 30};
inline constexpr int kSheetColumns = 10;
inline constexpr int kSheetRows = 6;
inline constexpr int kSheetCells = kSheetColumns * kSheetRows;
inline constexpr QSize kFieldSize{27, 32};

// The glyph of a letter-sheet cell, empty for the blank cells.
QString sheetGlyph(int cell);
QRect cellRect(int cell);

// Each cell gets a colour of its own; neighbours on the sheet and on the line always differ.
QColor letterColour(int cell);

// The shapes of `glyph` placed on `card`: the letter itself first, then any accent above it.
std::vector<QPainterPath> glyphShapes(const QString& glyph, const QRectF& card);

// A white card filling `card`, with `glyph` on it in `colour`.
void paintLetterCard(QPainter& painter, const QRectF& card, const QString& glyph,
                     const QColor& colour);

// The pictures at their own size, or drawn `scale` times as large for dense screens.
QImage letterSheet(int scale = 1);
QImage usedOverlay(int scale = 1);
QImage letterField(int scale = 1);

} // namespace uiart
