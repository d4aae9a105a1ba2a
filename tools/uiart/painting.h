#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

#include <functional>

namespace uiart {

// Small pictures are painted at this multiple of their size and then averaged down, which gives
// clean edges on thin strokes and keeps the result the same on every machine.
inline constexpr int kSupersample = 4;

using Painting = std::function<void(QPainter&)>;

// An image of `size` times `scale` with a transparent ground; `paint` draws in the picture's own
// pixel units, so that scale 2 gives the same picture with twice the detail, for screens of device
// pixel ratio 2.
QImage renderSupersampled(QSize size, int scale, const Painting& paint);

QFont boldFont(double pixelSize);

// The outline of `text` in the bold font at `pixelSize`, with its baseline at y = 0.
QPainterPath textPath(const QString& text, double pixelSize);

// `colour` moved towards white (amount > 0) or black (amount < 0); amount in -1 .. 1.
QColor tint(const QColor& colour, double amount);

QPen roundPen(const QColor& colour, double width);

QLinearGradient verticalGradient(double top, double bottom, const QColor& upper,
                                 const QColor& lower);

} // namespace uiart
