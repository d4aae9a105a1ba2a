#pragma once

#include <QImage>
#include <QPainter>

namespace uiart {

inline constexpr QSize kMascotSize{96, 96};

// The snow figure, drawn in a 96 × 96 box at the painter's origin.
void paintMascot(QPainter& painter);
void paintSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                    double width);

// The picture at its own size, or drawn `scale` times as large for dense screens.
QImage mascotPicture(int scale = 1);

} // namespace uiart
