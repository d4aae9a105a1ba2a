#include "canvas.h"

#include <QLinearGradient>

#include <algorithm>

namespace scenes {

QImage renderSupersampled(QSize size, int scale, const DrawFunction& draw, int factor)
{
    QImage large(size * scale * factor, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale * factor, scale * factor);
        draw(painter);
    }
    return large.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QColor mix(const QColor& from, const QColor& to, double amount)
{
    const double t = clamp01(amount);
    auto channel = [t](double a, double b) { return a + (b - a) * t; };
    return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                            static_cast<float>(channel(from.greenF(), to.greenF())),
                            static_cast<float>(channel(from.blueF(), to.blueF())),
                            static_cast<float>(channel(from.alphaF(), to.alphaF())));
}

QColor withAlpha(const QColor& color, double alpha)
{
    QColor result = color;
    result.setAlphaF(static_cast<float>(clamp01(alpha)));
    return result;
}

double clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

double ramp(double value, double start, double end)
{
    return clamp01((value - start) / (end - start));
}

QRadialGradient ballGradient(QPointF center, double radius, const QColor& base)
{
    QRadialGradient gradient(center, radius, center + QPointF(-radius * 0.4, -radius * 0.45));
    gradient.setColorAt(0.0, base.lighter(150));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, base.darker(150));
    return gradient;
}

void fillLinearVertical(QPainter& painter, const QRectF& area, const QColor& top,
                        const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillRect(area, gradient);
}

void drawSoftShadow(QPainter& painter, QPointF center, double radiusX, double radiusY,
                    double opacity)
{
    painter.save();
    painter.translate(center);
    painter.scale(1.0, radiusY / radiusX);
    QRadialGradient gradient(QPointF(0, 0), radiusX);
    gradient.setColorAt(0.0, QColor::fromRgbF(0, 0, 0, static_cast<float>(opacity)));
    gradient.setColorAt(0.6, QColor::fromRgbF(0, 0, 0, static_cast<float>(opacity * 0.6)));
    gradient.setColorAt(1.0, QColor::fromRgbF(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), radiusX, radiusX);
    painter.restore();
}

void drawGloss(QPainter& painter, const QPainterPath& streak, double opacity)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::white, opacity));
    painter.drawPath(streak);
    painter.restore();
}

void drawPictureFrame(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(QColor(40, 30, 20, 170), 1.0));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

QPainterPath ellipsePath(QPointF center, double radiusX, double radiusY)
{
    QPainterPath path;
    path.addEllipse(center, radiusX, radiusY);
    return path;
}

QPainterPath smoothClosedPath(const QList<QPointF>& points)
{
    QPainterPath path;
    const qsizetype count = points.size();
    if (count < 3) {
        return path;
    }
    auto middle = [&](qsizetype i) { return (points[i % count] + points[(i + 1) % count]) / 2; };
    path.moveTo(middle(0));
    for (qsizetype i = 1; i <= count; ++i) {
        path.quadTo(points[i % count], middle(i));
    }
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpenPath(const QList<QPointF>& points)
{
    QPainterPath path;
    const qsizetype count = points.size();
    if (count < 2) {
        return path;
    }
    path.moveTo(points.front());
    for (qsizetype i = 1; i + 1 < count; ++i) {
        path.quadTo(points[i], (points[i] + points[i + 1]) / 2);
    }
    path.lineTo(points.back());
    return path;
}

} // namespace scenes
