#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QSize>

#include <cstdint>
#include <functional>
#include <random>

namespace scenes {

using DrawFunction = std::function<void(QPainter&)>;

// Draws in the coordinates of `size` on a canvas `factor` times larger and scales the result
// down to `size` times `scale`; small details then get soft edges and fine lines keep their
// weight. Scale 2 gives the same picture with twice the detail, for screens of device pixel
// ratio 2.
QImage renderSupersampled(QSize size, int scale, const DrawFunction& draw, int factor = 4);

// Same pictures on every run: a fixed-seed Mersenne Twister (its sequence is fixed by the C++
// standard) turned into numbers by our own arithmetic rather than the library's distributions,
// whose results differ between standard libraries.
class Rng
{
public:
    explicit Rng(std::uint32_t seed) : engine(seed) {}
    double unit() { return static_cast<double>(engine()) / 4294967296.0; }
    double range(double low, double high) { return low + (high - low) * unit(); }
    int below(int count) { return static_cast<int>(unit() * count); }
    bool chance(double probability) { return unit() < probability; }

private:
    std::mt19937 engine;
};

QColor mix(const QColor& from, const QColor& to, double amount);
QColor withAlpha(const QColor& color, double alpha);
double clamp01(double value);
// Linear ramp: 0 at or before `start`, 1 at or after `end`.
double ramp(double value, double start, double end);

// A ball lit from the upper left: highlight, body colour, shaded rim.
QRadialGradient ballGradient(QPointF center, double radius, const QColor& base);
void fillLinearVertical(QPainter& painter, const QRectF& area, const QColor& top,
                        const QColor& bottom);
void drawSoftShadow(QPainter& painter, QPointF center, double radiusX, double radiusY,
                    double opacity);
// A glossy white streak, used on varnish, glass and paint.
void drawGloss(QPainter& painter, const QPainterPath& streak, double opacity);
// The thin border that finishes every sequence picture.
void drawPictureFrame(QPainter& painter, const QRectF& area);

QPainterPath ellipsePath(QPointF center, double radiusX, double radiusY);
// A closed outline through the points, smoothed with quadratic curves between midpoints.
QPainterPath smoothClosedPath(const QList<QPointF>& points);
QPainterPath smoothOpenPath(const QList<QPointF>& points);

} // namespace scenes
