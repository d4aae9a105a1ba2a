#pragma once

#include "canvas.h"

#include <QList>

#include <cstdint>

// Pieces of landscape that several pictures share.
namespace scenes {

void drawSun(QPainter& painter, QPointF center, double radius, const QColor& core);
void drawCloud(QPainter& painter, QPointF center, double width, const QColor& color);
void drawSnowflakes(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                    double largest);
// A filled band of land whose upper edge runs smoothly through `ridge`, shaded top to bottom.
void drawHill(QPainter& painter, const QList<QPointF>& ridge, double bottom, const QColor& top,
              const QColor& low);
void drawGrassTufts(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                    const QColor& color);
void drawFlower(QPainter& painter, QPointF center, double radius, const QColor& petals);
void drawMeadowFlowers(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                       double radius);
void drawPineTree(QPainter& painter, QPointF base, double height, const QColor& needles,
                  double snow);
void drawGull(QPainter& painter, QPointF center, double span, const QColor& color);
void drawButterfly(QPainter& painter, QPointF center, double size, const QColor& wings);
// A round leafy crown seen from afar, for orchards and parks.
void drawRoundTree(QPainter& painter, QPointF base, double height, const QColor& leaves);

} // namespace scenes
