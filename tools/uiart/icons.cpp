#include "icons.h"

#include "painting.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace uiart {
namespace {

// All toolbar icons share one outline width and a soft shadow below, so they read as a set.
constexpr double kOutline = 1.4;

void paintShadow(QPainter& painter, const QPainterPath& shape)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawPath(shape.translated(0.8, 1.2));
}

void paintBody(QPainter& painter, const QPainterPath& shape, const QColor& colour)
{
    const QRectF box = shape.boundingRect();
    paintShadow(painter, shape);
    painter.setPen(roundPen(tint(colour, -0.45), kOutline));
    painter.setBrush(verticalGradient(box.top(), box.bottom(), tint(colour, 0.35), colour));
    painter.drawPath(shape);
}

// A glossy highlight across the upper part of `shape`.
void paintGloss(QPainter& painter, const QPainterPath& shape, double share)
{
    const QRectF box = shape.boundingRect();
    QPainterPath upper;
    upper.addEllipse(QRectF(box.left() - box.width() * 0.1, box.top() - box.height() * 0.55,
                            box.width() * 1.2, box.height() * (0.55 + share)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(box.top(), box.top() + box.height() * share,
                                      QColor(255, 255, 255, 150), QColor(255, 255, 255, 20)));
    painter.drawPath(shape.intersected(upper));
}

QPainterPath roundedTriangle(QPointF a, QPointF b, QPointF c, double radius)
{
    // Corners are cut at `radius` along both edges and joined with a curve.
    const std::array<QPointF, 3> points = {a, b, c};
    QPainterPath path;
    for (std::size_t i = 0; i < 3; ++i) {
        const QPointF corner = points[i];
        const QPointF previous = points[(i + 2) % 3];
        const QPointF next = points[(i + 1) % 3];
        auto towards = [radius, corner](QPointF to) {
            const QPointF d = to - corner;
            return corner + d * (radius / std::hypot(d.x(), d.y()));
        };
        if (i == 0) {
            path.moveTo(towards(previous));
        } else {
            path.lineTo(towards(previous));
        }
        path.quadTo(corner, towards(next));
    }
    path.closeSubpath();
    return path;
}

void paintStart(QPainter& painter)
{
    const QPainterPath play =
        roundedTriangle(QPointF(6.5, 3.5), QPointF(29, 16), QPointF(6.5, 28.5), 3.4);
    paintBody(painter, play, QColor(0x2e, 0xa8, 0x3a));
    paintGloss(painter, play, 0.45);
}

void paintEnd(QPainter& painter)
{
    // A stop sign: red octagon with a white bar.
    QPainterPath octagon;
    const QPointF centre(16, 16);
    for (int corner = 0; corner < 8; ++corner) {
        const double angle = (22.5 + 45.0 * corner) * M_PI / 180.0;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * 13.2;
        corner == 0 ? octagon.moveTo(point) : octagon.lineTo(point);
    }
    octagon.closeSubpath();
    paintBody(painter, octagon, QColor(0xe0, 0x2b, 0x2b));
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1.0));
    painter.setBrush(Qt::NoBrush);
    QTransform inset;
    inset.translate(16, 16);
    inset.scale(0.84, 0.84);
    inset.translate(-16, -16);
    painter.drawPath(inset.map(octagon));
    painter.setPen(roundPen(tint(QColor(0xe0, 0x2b, 0x2b), -0.5), 0.8));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(8.5, 13.5, 15, 5), 1.5, 1.5);
    paintGloss(painter, octagon, 0.4);
}

void paintBulbRays(QPainter& painter, QPointF centre)
{
    painter.setPen(roundPen(QColor(0xff, 0xb3, 0x00), 1.5));
    for (double degrees : {-155.0, -125.0, -55.0, -25.0, 175.0, 5.0}) {
        const double angle = degrees * M_PI / 180.0;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 10.8, centre + direction * 13.2);
    }
}

void paintHint(QPainter& painter)
{
    const QPointF glassCentre(16, 12.5);
    QRadialGradient glow(glassCentre, 12);
    glow.setColorAt(0, QColor(255, 240, 120, 150));
    glow.setColorAt(1, QColor(255, 240, 120, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(glassCentre, 12, 12);
    paintBulbRays(painter, glassCentre);

    QPainterPath glass;
    glass.moveTo(12.2, 21.5);
    glass.cubicTo(12, 18.5, 7.2, 16.5, 7.2, 11.8);
    glass.cubicTo(7.2, 6.8, 11.2, 3.4, 16, 3.4);
    glass.cubicTo(20.8, 3.4, 24.8, 6.8, 24.8, 11.8);
    glass.cubicTo(24.8, 16.5, 20, 18.5, 19.8, 21.5);
    glass.closeSubpath();
    paintShadow(painter, glass);
    QRadialGradient lit(QPointF(14.5, 10), 11);
    lit.setColorAt(0, QColor(0xff, 0xfd, 0xe0));
    lit.setColorAt(0.5, QColor(0xff, 0xe6, 0x4d));
    lit.setColorAt(1, QColor(0xf5, 0xb7, 0x00));
    painter.setPen(roundPen(QColor(0x9a, 0x6b, 0x00), kOutline));
    painter.setBrush(lit);
    painter.drawPath(glass);

    // The glowing filament.
    painter.setPen(roundPen(QColor(0xe6, 0x7e, 0x00), 1.0));
    painter.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(13.8, 20);
    filament.lineTo(13.8, 14.5);
    filament.cubicTo(13.8, 12.5, 18.2, 12.5, 18.2, 14.5);
    filament.lineTo(18.2, 20);
    painter.drawPath(filament);

    // The screw base.
    const QRectF base(12, 21.5, 8, 6);
    painter.setPen(roundPen(QColor(0x3c, 0x42, 0x4a), 1.0));
    painter.setBrush(verticalGradient(base.top(), base.bottom(), QColor(0xd4, 0xd9, 0xdf),
                                      QColor(0x80, 0x88, 0x92)));
    painter.drawRoundedRect(base, 1.2, 1.2);
    painter.drawLine(QPointF(12.4, 23.5), QPointF(19.6, 23.5));
    painter.drawLine(QPointF(12.4, 25.5), QPointF(19.6, 25.5));
    painter.setBrush(QColor(0x50, 0x56, 0x5e));
    painter.drawRoundedRect(QRectF(14, 27.3, 4, 2), 1, 1);
}

QPainterPath gearOutline(QPointF centre, int teeth, double outer, double inner)
{
    QPainterPath gear;
    const double step = 2 * M_PI / teeth;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double start = tooth * step;
        // Tooth flanks are slightly tapered: wide at the root, narrower at the tip.
        const std::array<std::pair<double, double>, 4> outline = {{
            {start - step * 0.25, inner},
            {start - step * 0.15, outer},
            {start + step * 0.15, outer},
            {start + step * 0.25, inner},
        }};
        for (const auto& [angle, radius] : outline) {
            const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
            gear.elementCount() == 0 ? gear.moveTo(point) : gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    return gear;
}

void paintOptions(QPainter& painter)
{
    const QPointF centre(16, 16);
    QPainterPath gear = gearOutline(centre, 8, 14, 10.6);
    QPainterPath hole;
    hole.addEllipse(centre, 4.2, 4.2);
    gear = gear.subtracted(hole);
    paintBody(painter, gear, QColor(0x5b, 0x7d, 0xa6));

    // A raised ring around the hub.
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7.6, 7.6);
    painter.setPen(QPen(QColor(0x2a, 0x3f, 0x5a, 150), 0.8));
    painter.drawEllipse(centre, 8.6, 8.6);
    paintGloss(painter, gear, 0.35);
}

void paintHelp(QPainter& painter)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 13.6, 13.6);
    paintBody(painter, disc, QColor(0x1e, 0x78, 0xd6));

    const QPainterPath mark = textPath(QStringLiteral("?"), 24);
    const QRectF box = mark.boundingRect();
    const QPainterPath placed = mark.translated(QPointF(16, 16.2) - box.center());
    painter.setPen(roundPen(QColor(0x0d, 0x3f, 0x7a), 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(placed);
    paintGloss(painter, disc, 0.42);
}

} // namespace

QImage startIcon(int scale)
{
    return renderSupersampled(kToolIconSize, scale, paintStart);
}

QImage endIcon(int scale)
{
    return renderSupersampled(kToolIconSize, scale, paintEnd);
}

QImage hintIcon(int scale)
{
    return renderSupersampled(kToolIconSize, scale, paintHint);
}

QImage optionsIcon(int scale)
{
    return renderSupersampled(kToolIconSize, scale, paintOptions);
}

QImage helpIcon(int scale)
{
    return renderSupersampled(kToolIconSize, scale, paintHelp);
}

} // namespace uiart
