#include "nature.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>

namespace scenes {

void drawSun(QPainter& painter, QPointF center, double radius, const QColor& core)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QRadialGradient glow(center, radius * 2.6);
    glow.setColorAt(0.0, withAlpha(core.lighter(120), 0.55));
    glow.setColorAt(0.4, withAlpha(core, 0.22));
    glow.setColorAt(1.0, withAlpha(core, 0.0));
    painter.setBrush(glow);
    painter.drawEllipse(center, radius * 2.6, radius * 2.6);
    QRadialGradient disc(center, radius, center - QPointF(radius * 0.3, radius * 0.3));
    disc.setColorAt(0.0, QColor(255, 255, 235));
    disc.setColorAt(0.5, core.lighter(115));
    disc.setColorAt(1.0, core);
    painter.setBrush(disc);
    painter.drawEllipse(center, radius, radius);
    painter.restore();
}

void drawCloud(QPainter& painter, QPointF center, double width, const QColor& color)
{
    const double unit = width / 6.0;
    QPainterPath cloud;
    cloud.addEllipse(center + QPointF(-1.8 * unit, 0.2 * unit), 1.4 * unit, 1.0 * unit);
    cloud.addEllipse(center + QPointF(-0.5 * unit, -0.5 * unit), 1.6 * unit, 1.4 * unit);
    cloud.addEllipse(center + QPointF(1.0 * unit, -0.2 * unit), 1.4 * unit, 1.2 * unit);
    cloud.addEllipse(center + QPointF(2.0 * unit, 0.3 * unit), 1.1 * unit, 0.9 * unit);
    cloud.addRect(QRectF(center.x() - 1.8 * unit, center.y(), 3.8 * unit, 1.2 * unit));
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(color.darker(115), color.alphaF() * 0.5));
    painter.drawPath(cloud.translated(0.4 * unit, 0.35 * unit));
    QLinearGradient shade(center - QPointF(0, 1.9 * unit), center + QPointF(0, 1.2 * unit));
    shade.setColorAt(0.0, color.lighter(108));
    shade.setColorAt(1.0, color.darker(108));
    painter.setBrush(shade);
    painter.drawPath(cloud);
    painter.restore();
}

void drawSnowflakes(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                    double largest)
{
    Rng rng(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.range(area.left(), area.right()),
                         rng.range(area.top(), area.bottom()));
        const double radius = rng.range(largest * 0.35, largest);
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(rng.range(170, 255))));
        painter.drawEllipse(at, radius, radius);
    }
    painter.restore();
}

void drawHill(QPainter& painter, const QList<QPointF>& ridge, double bottom, const QColor& top,
              const QColor& low)
{
    QPainterPath hill = smoothOpenPath(ridge);
    hill.lineTo(ridge.back().x(), bottom);
    hill.lineTo(ridge.front().x(), bottom);
    hill.closeSubpath();
    double highest = bottom;
    for (const QPointF& point : ridge) {
        highest = std::min(highest, point.y());
    }
    QLinearGradient shade(0, highest, 0, bottom);
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, low);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(hill);
    painter.restore();
}

void drawGrassTufts(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                    const QColor& color)
{
    Rng rng(seed);
    painter.save();
    for (int i = 0; i < count; ++i) {
        const QPointF base(rng.range(area.left(), area.right()),
                           rng.range(area.top(), area.bottom()));
        const double height = rng.range(2.5, 5.0) *
                              (0.6 + 0.4 * (base.y() - area.top()) / std::max(1.0, area.height()));
        const QColor blade = rng.chance(0.5) ? color.lighter(118) : color.darker(112);
        painter.setPen(QPen(blade, 0.7, Qt::SolidLine, Qt::RoundCap));
        for (int b = -1; b <= 1; ++b) {
            painter.drawLine(
                base + QPointF(b * 0.6, 0),
                base + QPointF(b * 1.3 + rng.range(-0.4, 0.4), -height * (1 - std::abs(b) * 0.25)));
        }
    }
    painter.restore();
}

void drawFlower(QPainter& painter, QPointF center, double radius, const QColor& petals)
{
    painter.save();
    painter.setPen(QPen(petals.darker(140), radius * 0.12));
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const double angle = i * 2 * std::numbers::pi / 5 - std::numbers::pi / 2;
        const QPointF petal = center + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        painter.drawEllipse(petal, radius * 0.45, radius * 0.45);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 60));
    painter.drawEllipse(center, radius * 0.33, radius * 0.33);
    painter.restore();
}

void drawMeadowFlowers(QPainter& painter, const QRectF& area, int count, std::uint32_t seed,
                       double radius)
{
    static const QColor colors[] = {QColor(255, 255, 255), QColor(255, 90, 110),
                                    QColor(255, 215, 40), QColor(170, 120, 255),
                                    QColor(255, 150, 40)};
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.range(area.left(), area.right()),
                         rng.range(area.top(), area.bottom()));
        const double depth = 0.6 + 0.4 * (at.y() - area.top()) / std::max(1.0, area.height());
        drawFlower(painter, at, radius * depth * rng.range(0.8, 1.15), colors[rng.below(5)]);
    }
}

void drawPineTree(QPainter& painter, QPointF base, double height, const QColor& needles,
                  double snow)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 75, 45));
    painter.drawRect(
        QRectF(base.x() - height * 0.05, base.y() - height * 0.15, height * 0.1, height * 0.15));
    const int tiers = 3;
    for (int tier = 0; tier < tiers; ++tier) {
        const double bottom = base.y() - height * (0.1 + 0.27 * tier);
        const double top = bottom - height * 0.45;
        const double half = height * (0.34 - 0.08 * tier);
        QPainterPath layer;
        layer.moveTo(base.x(), top);
        layer.quadTo(base.x() + half * 0.5, bottom - height * 0.12, base.x() + half, bottom);
        layer.quadTo(base.x(), bottom + height * 0.05, base.x() - half, bottom);
        layer.quadTo(base.x() - half * 0.5, bottom - height * 0.12, base.x(), top);
        QLinearGradient shade(base.x() - half, 0, base.x() + half, 0);
        shade.setColorAt(0.0, needles.lighter(120));
        shade.setColorAt(1.0, needles.darker(125));
        painter.setBrush(shade);
        painter.drawPath(layer);
        if (snow > 0) {
            QPainterPath cap;
            const double reach = half * snow;
            cap.moveTo(base.x(), top);
            cap.quadTo(base.x() + reach * 0.5, bottom - height * 0.12 - 0.5, base.x() + reach,
                       top + (bottom - top) * snow * 0.95);
            cap.quadTo(base.x(), top + (bottom - top) * snow * 0.7, base.x() - reach,
                       top + (bottom - top) * snow * 0.95);
            cap.quadTo(base.x() - reach * 0.5, bottom - height * 0.12 - 0.5, base.x(), top);
            painter.setBrush(QColor(250, 252, 255));
            painter.drawPath(cap);
        }
    }
    painter.restore();
}

void drawGull(QPainter& painter, QPointF center, double span, const QColor& color)
{
    QPainterPath gull;
    gull.moveTo(center + QPointF(-span / 2, -span * 0.05));
    gull.quadTo(center + QPointF(-span / 4, -span * 0.3), center);
    gull.quadTo(center + QPointF(span / 4, -span * 0.3), center + QPointF(span / 2, -span * 0.05));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, span * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(gull);
    painter.restore();
}

void drawButterfly(QPainter& painter, QPointF center, double size, const QColor& wings)
{
    painter.save();
    painter.translate(center);
    painter.setPen(QPen(wings.darker(170), size * 0.06));
    for (int side = -1; side <= 1; side += 2) {
        painter.setBrush(
            ballGradient(QPointF(side * size * 0.35, -size * 0.2), size * 0.45, wings));
        painter.drawEllipse(QPointF(side * size * 0.33, -size * 0.2), size * 0.36, size * 0.3);
        painter.setBrush(wings.lighter(115));
        painter.drawEllipse(QPointF(side * size * 0.25, size * 0.2), size * 0.24, size * 0.2);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 30));
    painter.drawEllipse(QPointF(0, 0), size * 0.08, size * 0.35);
    painter.restore();
}

void drawRoundTree(QPainter& painter, QPointF base, double height, const QColor& leaves)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(130, 95, 65));
    painter.drawRect(
        QRectF(base.x() - height * 0.06, base.y() - height * 0.45, height * 0.12, height * 0.45));
    const QPointF crown = base - QPointF(0, height * 0.62);
    painter.setBrush(ballGradient(crown, height * 0.42, leaves));
    painter.drawEllipse(crown, height * 0.36, height * 0.36);
    painter.restore();
}

} // namespace scenes
