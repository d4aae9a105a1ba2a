// Motif 4: a shiny red car that takes one more knock with every wrong guess and ends as a
// flattened wreck on the road.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace scenes {
namespace {

const QPointF carGround(80, 143);
constexpr double wheelBase = 36;
constexpr double wheelRadius = 11;
const QColor carRed(222, 30, 38);

void drawSky(QPainter& painter, int step)
{
    fillLinearVertical(painter, QRectF(0, 0, 160, 116), QColor(80, 160, 236),
                       mix(QColor(200, 232, 252), QColor(214, 222, 230), step / 9.0));
    drawSun(painter, QPointF(24, 20), 9, QColor(255, 214, 40));
    drawCloud(painter, QPointF(112, 18), 34, QColor(255, 255, 255, 235));
}

void drawHouse(QPainter& painter, const QRectF& walls, const QColor& paint, const QColor& roof)
{
    painter.setPen(QPen(paint.darker(140), 0.5));
    painter.setBrush(
        ballGradient(walls.center() - QPointF(walls.width() * 0.3, 0), walls.width(), paint));
    painter.drawRect(walls);
    QPainterPath top;
    top.moveTo(walls.left() - 2, walls.top());
    top.lineTo(walls.center().x(), walls.top() - walls.width() * 0.45);
    top.lineTo(walls.right() + 2, walls.top());
    top.closeSubpath();
    painter.setPen(QPen(roof.darker(140), 0.5));
    painter.setBrush(roof);
    painter.drawPath(top);
    painter.setPen(QPen(QColor(255, 255, 255), 0.7));
    painter.setBrush(QColor(160, 210, 240));
    const int columns = walls.width() > 24 ? 3 : 2;
    const double gap = walls.width() / columns;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < columns; ++column) {
            painter.drawRect(QRectF(walls.left() + gap * column + gap * 0.25,
                                    walls.top() + 5 + row * 12, gap * 0.5, 6));
        }
    }
}

void drawTown(QPainter& painter)
{
    drawHouse(painter, QRectF(-4, 70, 30, 42), QColor(250, 214, 150), QColor(200, 80, 60));
    drawHouse(painter, QRectF(28, 80, 22, 32), QColor(170, 210, 240), QColor(90, 100, 140));
    drawRoundTree(painter, QPointF(60, 112), 34, QColor(90, 170, 80));
    drawHouse(painter, QRectF(72, 66, 30, 46), QColor(250, 180, 180), QColor(170, 70, 70));
    drawHouse(painter, QRectF(106, 78, 24, 34), QColor(200, 236, 180), QColor(120, 90, 70));
    drawHouse(painter, QRectF(134, 70, 30, 42), QColor(255, 240, 170), QColor(200, 110, 60));
}

void drawStreet(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 112, 160, 8), QColor(214, 210, 204),
                       QColor(190, 186, 180));
    painter.fillRect(QRectF(0, 119, 160, 2), QColor(150, 146, 140));
    fillLinearVertical(painter, QRectF(0, 121, 160, 39), QColor(110, 112, 120), QColor(80, 82, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 240));
    for (int x = -6; x < 160; x += 28) {
        painter.drawRect(QRectF(x, 152, 16, 2.2));
    }
}

// Which knocks the car has taken by a given step; each step adds one.
struct Damage
{
    bool scratches;
    bool bumperHanging;
    bool frontFlat;
    bool doorDent;
    bool bonnetUp;
    bool rearFlat;
    bool doorLoose;
    bool roofCrushed;
    bool flattened;
    int smoke; // 0 none, 1 light, 2 dark, 3 black
};

Damage damageAt(int step)
{
    static constexpr std::array<int, 10> smoke = {0, 0, 0, 0, 0, 1, 1, 2, 3, 1};
    return {step >= 1, step >= 2, step >= 3, step >= 4, step >= 5,
            step >= 6, step >= 7, step >= 8, step >= 9, smoke[step]};
}

QPainterPath bodyOutline(double roofDrop)
{
    QPainterPath body;
    body.moveTo(-56, -10);
    body.cubicTo(-59, -18, -59, -28, -54, -34);
    body.lineTo(-44, -36);
    body.cubicTo(-38, -50, -34, -58 + roofDrop, -26, -59 + roofDrop);
    body.quadTo(-10, -62 + roofDrop * 1.6, 8, -59 + roofDrop);
    body.cubicTo(16, -57 + roofDrop, 24, -46, 30, -37);
    body.cubicTo(40, -35, 50, -34, 55, -30);
    body.cubicTo(59, -26, 60, -16, 57, -10);
    body.closeSubpath();
    for (double x : {-wheelBase, wheelBase}) {
        QPainterPath arch;
        arch.addEllipse(QPointF(x, -11), wheelRadius + 2.5, wheelRadius + 2.5);
        body = body.subtracted(arch);
    }
    return body;
}

// Crumpled metal: the smooth outline redrawn through jittered points.
QPainterPath crumple(const QPainterPath& smooth, double amount, std::uint32_t seed)
{
    Rng rng(seed);
    QPolygonF points;
    const int samples = 140;
    for (int i = 0; i < samples; ++i) {
        const QPointF at = smooth.pointAtPercent(static_cast<double>(i) / samples);
        points << at + QPointF(rng.range(-amount, amount), rng.range(-amount, amount));
    }
    QPainterPath result;
    result.addPolygon(points);
    result.closeSubpath();
    return result;
}

void drawWheel(QPainter& painter, QPointF center, double flatness)
{
    const double squash = wheelRadius * flatness * 0.35;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 34));
    QPainterPath tyre;
    tyre.addEllipse(QPointF(center.x(), center.y() + squash * 0.5), wheelRadius + squash * 0.6,
                    wheelRadius - squash * 0.5);
    painter.drawPath(tyre);
    if (flatness > 0) {
        painter.drawRoundedRect(QRectF(center.x() - wheelRadius - squash,
                                       center.y() + wheelRadius - 3, 2 * (wheelRadius + squash), 3),
                                1.5, 1.5);
    }
    const QPointF hub(center.x(), center.y() + squash * 0.5);
    painter.setBrush(ballGradient(hub, 7, QColor(200, 204, 212)));
    painter.drawEllipse(hub, 6.3, 6.3 - squash * 0.4);
    painter.setBrush(QColor(120, 124, 132));
    for (int i = 0; i < 5; ++i) {
        const double angle = i * 2 * std::numbers::pi / 5;
        painter.drawEllipse(hub + QPointF(std::cos(angle), std::sin(angle)) * 3.4, 0.8, 0.8);
    }
    painter.setBrush(QColor(240, 240, 245));
    painter.drawEllipse(hub, 1.6, 1.6);
}

QPainterPath windowShape(double roofDrop, bool front)
{
    QPainterPath glass;
    if (front) {
        glass.moveTo(-2, -37);
        glass.lineTo(-2, -55 + roofDrop);
        glass.lineTo(7, -55.5 + roofDrop);
        glass.cubicTo(14, -54 + roofDrop, 20, -46, 25, -37.5);
    } else {
        glass.moveTo(-6, -37);
        glass.lineTo(-6, -55 + roofDrop);
        glass.lineTo(-25, -55.5 + roofDrop);
        glass.cubicTo(-32, -53 + roofDrop, -36, -45, -40, -37.5);
    }
    glass.closeSubpath();
    return glass;
}

void drawWindows(QPainter& painter, const Damage& damage, double roofDrop)
{
    for (bool front : {false, true}) {
        const QPainterPath glass = windowShape(roofDrop, front);
        if (damage.roofCrushed) {
            // the glass is gone: dark inside, a few shards left in the frame
            painter.setPen(QPen(QColor(40, 30, 30), 0.6));
            painter.setBrush(QColor(50, 44, 48));
            painter.drawPath(glass);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(180, 220, 240, 200));
            const QPointF corner = glass.elementAt(0);
            QPainterPath shard;
            shard.moveTo(corner);
            shard.lineTo(corner + QPointF(front ? 6 : -6, 0));
            shard.lineTo(corner + QPointF(front ? 2 : -2, -6));
            shard.closeSubpath();
            painter.drawPath(shard);
            continue;
        }
        QLinearGradient sky(0, -56, 0, -37);
        sky.setColorAt(0, QColor(200, 236, 255));
        sky.setColorAt(1, QColor(110, 170, 220));
        painter.setPen(QPen(QColor(60, 60, 70), 0.8));
        painter.setBrush(sky);
        painter.drawPath(glass);
        painter.save();
        painter.setClipPath(glass);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 120));
        QPainterPath streak;
        const double x = front ? 6 : -22;
        streak.moveTo(x, -37);
        streak.lineTo(x + 6, -57);
        streak.lineTo(x + 10, -57);
        streak.lineTo(x + 4, -37);
        streak.closeSubpath();
        painter.drawPath(streak);
        if (damage.doorDent) {
            // shattered safety glass: milky, with a star of cracks
            painter.fillRect(QRectF(-45, -60, 75, 25), QColor(235, 240, 245, 110));
            painter.setPen(QPen(QColor(255, 255, 255, 235), 0.6));
            const QPointF hit(front ? 11 : -18, -46);
            for (int i = 0; i < 8; ++i) {
                const double angle = i * 0.8 + 0.3;
                painter.drawLine(hit, hit + QPointF(std::cos(angle), std::sin(angle)) * 14);
            }
            painter.setPen(QPen(QColor(90, 100, 110, 200), 0.5));
            painter.drawEllipse(hit, 3, 3);
            painter.drawEllipse(hit, 6.5, 6);
        }
        painter.restore();
    }
}

void drawDent(QPainter& painter, QPointF center, double radiusX, double radiusY)
{
    QRadialGradient hollow(center, radiusX);
    hollow.setColorAt(0.0, QColor(60, 0, 0, 150));
    hollow.setColorAt(0.6, QColor(90, 0, 0, 70));
    hollow.setColorAt(1.0, QColor(90, 0, 0, 0));
    painter.save();
    painter.translate(center);
    painter.scale(1.0, radiusY / radiusX);
    painter.translate(-center);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hollow);
    painter.drawEllipse(center, radiusX, radiusX);
    painter.setPen(QPen(QColor(255, 200, 200, 160), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(center.x() - radiusX * 0.8, center.y() - radiusX * 0.8, radiusX * 1.6,
                           radiusX * 1.6),
                    200 * 16, 120 * 16);
    painter.restore();
}

void drawScratches(QPainter& painter)
{
    // a long scrape down to the grey primer along the rear door, and a dent in the rear wing
    QPainterPath scrape;
    scrape.moveTo(-52, -25);
    scrape.quadTo(-30, -23, -8, -19.5);
    scrape.lineTo(-10, -17.5);
    scrape.quadTo(-30, -20.5, -51, -21.5);
    scrape.closeSubpath();
    painter.setPen(QPen(QColor(110, 20, 20), 0.5));
    painter.setBrush(QColor(176, 170, 166));
    painter.drawPath(scrape);
    painter.setPen(QPen(QColor(240, 236, 232), 0.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-48, -23.2), QPointF(-14, -19.4));
    drawDent(painter, QPointF(-47, -14), 6.5, 4.5);
}

void drawRust(QPainter& painter)
{
    static const QPointF spots[] = {{-50, -16}, {-10, -14}, {44, -20}, {20, -30}, {-30, -30}};
    painter.setPen(Qt::NoPen);
    for (const QPointF& spot : spots) {
        painter.setBrush(QColor(150, 80, 30, 170));
        painter.drawEllipse(spot, 3.2, 2.2);
        painter.setBrush(QColor(110, 56, 20, 200));
        painter.drawEllipse(spot + QPointF(0.5, 0.3), 1.5, 1.0);
    }
}

void drawDoor(QPainter& painter, const Damage& damage)
{
    painter.setBrush(Qt::NoBrush);
    if (damage.doorLoose) {
        // the door has come off its upper hinge and leans out at the bottom
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 30, 34));
        painter.drawRect(QRectF(-4, -37, 28, 27));
        painter.save();
        painter.translate(-4, -37);
        painter.rotate(14);
        QLinearGradient paint(0, 0, 0, 27);
        paint.setColorAt(0, carRed.darker(115));
        paint.setColorAt(1, carRed.darker(170));
        painter.setPen(QPen(QColor(80, 10, 10), 0.7));
        painter.setBrush(paint);
        painter.drawRect(QRectF(0, 0, 28, 27));
        painter.setPen(QPen(QColor(60, 60, 70), 0.5));
        painter.setBrush(QColor(90, 90, 100));
        painter.drawRect(QRectF(3, 1.5, 22, 2));
        painter.restore();
        return;
    }
    painter.setPen(QPen(QColor(120, 10, 14), 0.7));
    painter.drawLine(QPointF(-4, -37), QPointF(-4, -10));
    painter.drawLine(QPointF(24, -37), QPointF(26, -14));
    painter.drawLine(QPointF(-4, -10), QPointF(22, -10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 230, 236));
    painter.drawRoundedRect(QRectF(0, -31, 6, 1.8), 0.9, 0.9);
    if (damage.doorDent) {
        drawDent(painter, QPointF(10, -22), 8, 5.5);
    }
}

void drawLights(QPainter& painter, const Damage& damage)
{
    painter.setPen(QPen(QColor(120, 100, 60), 0.5));
    if (damage.bumperHanging) {
        drawDent(painter, QPointF(46, -24), 7, 5);
        painter.setBrush(QColor(70, 70, 60));
        painter.drawEllipse(QPointF(54, -26), 3, 3.5);
        painter.setPen(QPen(QColor(230, 230, 220), 0.4));
        painter.drawLine(QPointF(52, -28), QPointF(56, -24));
        painter.drawLine(QPointF(55, -28.5), QPointF(53, -24));
    } else {
        painter.setBrush(ballGradient(QPointF(54, -26), 4, QColor(255, 240, 150)));
        painter.drawEllipse(QPointF(54, -26), 3, 3.5);
    }
    painter.setPen(QPen(QColor(120, 20, 20), 0.5));
    painter.setBrush(ballGradient(QPointF(-56, -26), 3, QColor(255, 90, 60)));
    painter.drawRoundedRect(QRectF(-58.5, -29, 3.5, 6), 1.2, 1.2);
}

void drawBumpers(QPainter& painter, const Damage& damage)
{
    QLinearGradient chrome(0, -16, 0, -10);
    chrome.setColorAt(0, QColor(246, 246, 250));
    chrome.setColorAt(1, QColor(140, 144, 152));
    painter.setPen(QPen(QColor(90, 90, 100), 0.5));
    painter.setBrush(chrome);
    painter.drawRoundedRect(QRectF(-61, -16, 10, 5), 2, 2);
    painter.save();
    painter.translate(50, -16);
    if (damage.bumperHanging) {
        painter.rotate(48);
    }
    painter.drawRoundedRect(QRectF(0, 0, 12, 5), 2, 2);
    painter.restore();
}

void drawBonnet(QPainter& painter)
{
    // the bonnet has buckled and stands open in a crooked fold
    QPainterPath lid;
    lid.moveTo(30, -37);
    lid.lineTo(38, -44);
    lid.lineTo(44, -40);
    lid.lineTo(52, -46);
    lid.lineTo(56, -31);
    lid.lineTo(30, -35);
    lid.closeSubpath();
    painter.setPen(QPen(QColor(90, 10, 10), 0.6));
    painter.setBrush(carRed.darker(115));
    painter.drawPath(lid);
    painter.setPen(QPen(QColor(255, 190, 190), 0.5));
    painter.drawLine(QPointF(38, -44), QPointF(40, -36));
    painter.drawLine(QPointF(44, -40), QPointF(46, -34));
}

void drawSmoke(QPainter& painter, QPointF source, int darkness, int step)
{
    if (darkness == 0) {
        return;
    }
    static const QColor shades[] = {QColor(), QColor(150, 150, 158), QColor(110, 110, 118),
                                    QColor(50, 50, 56)};
    const QColor shade = shades[darkness];
    Rng rng(40 + step);
    const int puffs = darkness == 1 ? 4 : 7;
    for (int i = 0; i < puffs; ++i) {
        const double rise = i * 8.5;
        const QPointF at = source + QPointF(-rise * 0.55 + rng.range(-2, 2), -rise);
        const double radius = 3.5 + i * 1.3;
        QRadialGradient puff(at, radius);
        puff.setColorAt(0.0, withAlpha(shade, 0.95 - i * 0.07));
        puff.setColorAt(0.6, withAlpha(shade, 0.6 - i * 0.05));
        puff.setColorAt(1.0, withAlpha(shade, 0.0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(puff);
        painter.drawEllipse(at, radius, radius);
    }
}

void drawPaintedBody(QPainter& painter, const QPainterPath& body, int step)
{
    const QColor paint = mix(carRed, QColor(150, 70, 60), ramp(step, 5, 9) * 0.7);
    QLinearGradient shade(0, -60, 0, -8);
    shade.setColorAt(0.0, paint.lighter(130));
    shade.setColorAt(0.45, paint);
    shade.setColorAt(1.0, paint.darker(150));
    painter.setPen(QPen(paint.darker(220), 0.8));
    painter.setBrush(shade);
    painter.drawPath(body);
    if (step <= 4) {
        QPainterPath shine;
        shine.moveTo(-48, -33);
        shine.quadTo(0, -36, 50, -31);
        shine.quadTo(0, -33.5, -48, -31.5);
        shine.closeSubpath();
        drawGloss(painter, shine, 0.75 - step * 0.12);
        drawGloss(painter, ellipsePath(QPointF(-14, -58.5), 9, 0.9), 0.6 - step * 0.1);
    }
}

void drawIntactCar(QPainter& painter, int step, const Damage& damage)
{
    const double roofDrop = damage.roofCrushed ? 10 : 0;
    QPainterPath body = bodyOutline(roofDrop);
    if (damage.roofCrushed) {
        body = crumple(body, 0.7, 5);
    }
    drawSoftShadow(painter, QPointF(0, 1), 62, 5, 0.5);
    painter.save();
    // flat tyres let the car sink towards the road
    const double frontSink = damage.frontFlat ? 3 : 0;
    const double rearSink = damage.rearFlat ? 3 : 0;
    painter.translate(0, (frontSink + rearSink) / 2);
    painter.rotate(std::atan2(frontSink - rearSink, 2 * wheelBase) * 180 / std::numbers::pi);
    drawPaintedBody(painter, body, step);
    drawWindows(painter, damage, roofDrop);
    drawDoor(painter, damage);
    drawLights(painter, damage);
    drawBumpers(painter, damage);
    if (damage.scratches) {
        drawScratches(painter);
    }
    if (damage.rearFlat) {
        drawRust(painter);
    }
    if (damage.bonnetUp) {
        drawBonnet(painter);
    }
    painter.restore();
    drawWheel(painter, QPointF(-wheelBase, -wheelRadius + rearSink * 0.2), damage.rearFlat ? 1 : 0);
    drawWheel(painter, QPointF(wheelBase, -wheelRadius + frontSink * 0.2),
              damage.frontFlat ? 1 : 0);
    drawSmoke(painter, QPointF(44, -42), damage.smoke, step);
}

void drawFlattenedWreck(QPainter& painter)
{
    drawSoftShadow(painter, QPointF(0, 1), 70, 5, 0.55);
    // oil puddle under the wreck
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 30, 200));
    painter.drawEllipse(QPointF(-8, 2), 40, 3.5);
    // wheels pressed flat and pushed out to the sides
    for (int side = -1; side <= 1; side += 2) {
        painter.save();
        painter.translate(side * 44, -4);
        painter.rotate(side * 12);
        painter.setBrush(QColor(30, 30, 34));
        painter.drawEllipse(QPointF(0, 0), 12, 4.5);
        painter.setBrush(QColor(170, 174, 182));
        painter.drawEllipse(QPointF(0, -0.5), 5, 2);
        painter.restore();
    }
    painter.save();
    painter.scale(1.12, 0.46);
    QPainterPath wreck = crumple(bodyOutline(8), 2.2, 17);
    drawPaintedBody(painter, wreck, 9);
    painter.setPen(QPen(QColor(60, 0, 0, 200), 1.2));
    painter.setBrush(QColor(40, 34, 40));
    painter.drawPath(crumple(windowShape(8, true), 1.4, 3));
    painter.drawPath(crumple(windowShape(8, false), 1.4, 4));
    painter.setPen(QPen(QColor(255, 190, 190, 170), 1.0));
    for (int i = 0; i < 6; ++i) {
        painter.drawLine(QPointF(-46 + i * 17, -30), QPointF(-40 + i * 17, -16));
    }
    painter.restore();
    // bits lying around
    painter.setPen(QPen(QColor(90, 90, 100), 0.5));
    painter.setBrush(QColor(200, 204, 212));
    painter.save();
    painter.translate(62, 0);
    painter.rotate(-20);
    painter.drawRoundedRect(QRectF(0, -3, 12, 4), 2, 2);
    painter.restore();
    painter.setBrush(QColor(180, 220, 240, 220));
    for (int i = 0; i < 6; ++i) {
        const QPointF shard(-66 + i * 5.5, 3 + (i % 2) * 2);
        painter.drawPolygon(QPolygonF({shard, shard + QPointF(2.5, -1), shard + QPointF(1, 1.5)}));
    }
}

void drawLostHubcap(QPainter& painter)
{
    painter.setPen(QPen(QColor(90, 90, 100), 0.5));
    painter.setBrush(ballGradient(QPointF(142, 148), 5, QColor(210, 214, 222)));
    painter.drawEllipse(QPointF(142, 150), 5, 2);
}

void drawScene(QPainter& painter, int step)
{
    drawSky(painter, step);
    drawTown(painter);
    drawStreet(painter);
    const Damage damage = damageAt(step);
    if (damage.rearFlat && !damage.flattened) {
        drawLostHubcap(painter);
    }
    painter.save();
    painter.translate(carGround);
    if (damage.flattened) {
        drawFlattenedWreck(painter);
    } else {
        drawIntactCar(painter, step, damage);
    }
    painter.restore();
    if (damage.flattened) {
        drawSmoke(painter, carGround + QPointF(10, -8), 1, step);
    }
    drawPictureFrame(painter, QRectF(0, 0, 160, 160));
}

} // namespace

QImage paintCar(int step, int scale)
{
    return renderSupersampled(QSize(pictureSide, pictureSide), scale,
                              [step](QPainter& painter) { drawScene(painter, step); });
}

} // namespace scenes
