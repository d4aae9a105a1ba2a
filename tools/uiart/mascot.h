#pragma once

#include <QImage>
#include <QPainter>

namespace uiart {

inline constexpr QSize kMascotSize{96, 96};

// The snow figure, drawn in a 96 × 96 box at the painter's origin.
void paintMascot(QPainter& painter);
void paintSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                    double width);

QImage mascotPicture();

} // namespace uiart
