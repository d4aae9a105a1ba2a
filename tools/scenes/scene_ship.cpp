// Motif 2: a sailing ship in a bay whose water drains away step by step, until the ship lies
// stranded, sails torn, on the dry sand.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace scenes {
namespace {

// Height of the water surface; steps 8 and 9 have no sea left, only a puddle or nothing.
constexpr std::array<double, 10> seaLevel = {76, 85, 94, 103, 112, 121, 130, 139, 145, 170};
constexpr std::array<double, 10> shipTilt = {-1.5, 1.5, -1.5, 1.5, -1.5, 1.5, -1, 3, 8, 13};
constexpr std::array<int, 10> gulls = {3, 3, 2, 2, 2, 1, 1, 0, 0, 0};
constexpr double shipX = 80;
constexpr double shipDraft = 9;

double t9(int step)
{
    return step / 9.0;
}

double floorY(double x)
{
    const double u = std::min(1.0, std::abs(x - 80) / 70);
    return 148 - 76 * std::pow(u, 2.6);
}

QPainterPath groundPath()
{
    QPainterPath ground;
    ground.moveTo(0, 170);
    for (int x = 0; x <= 160; x += 2) {
        ground.lineTo(x, floorY(x));
    }
    ground.lineTo(160, 170);
    ground.closeSubpath();
    return ground;
}

void drawSky(QPainter& painter, int step)
{
    const double t = t9(step);
    fillLinearVertical(painter, QRectF(0, 0, 160, 150),
                       mix(QColor(50, 140, 230), QColor(120, 170, 220), t),
                       mix(QColor(190, 230, 252), QColor(255, 226, 170), t));
    drawSun(painter, QPointF(118, 22), 9 + step * 0.8,
            mix(QColor(255, 220, 50), QColor(255, 140, 30), t));
    if (step <= 4) {
        drawCloud(painter, QPointF(34, 22), 34 - step * 4, QColor(255, 255, 255, 240));
    }
    static const QPointF gullPlaces[] = {{58, 34}, {76, 26}, {42, 46}};
    for (int i = 0; i < gulls[step]; ++i) {
        drawGull(painter, gullPlaces[i], 8 - i, QColor(70, 80, 100));
    }
}

void drawPalm(QPainter& painter, QPointF base)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 104, 60));
    QPainterPath trunk;
    trunk.moveTo(base + QPointF(-2, 0));
    trunk.quadTo(base + QPointF(-2, -14), base + QPointF(4, -30));
    trunk.lineTo(base + QPointF(6, -29));
    trunk.quadTo(base + QPointF(1, -14), base + QPointF(2, 0));
    trunk.closeSubpath();
    painter.drawPath(trunk);
    const QPointF crown = base + QPointF(5, -30);
    const double angles[] = {-170, -130, -60, -20, 20, 160};
    for (double angle : angles) {
        painter.save();
        painter.translate(crown);
        painter.rotate(angle);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(8, -5, 16, 3);
        leaf.quadTo(8, 0, 0, 0);
        painter.setBrush(QColor(60, 150, 60));
        painter.drawPath(leaf);
        painter.restore();
    }
    painter.setBrush(QColor(110, 70, 40));
    painter.drawEllipse(crown + QPointF(1, 2), 1.8, 1.8);
    painter.drawEllipse(crown + QPointF(-1.5, 1.5), 1.8, 1.8);
}

void drawLighthouse(QPainter& painter, QPointF base)
{
    QPainterPath tower;
    tower.moveTo(base + QPointF(-6, 0));
    tower.lineTo(base + QPointF(-4, -32));
    tower.lineTo(base + QPointF(4, -32));
    tower.lineTo(base + QPointF(6, 0));
    tower.closeSubpath();
    painter.setPen(QPen(QColor(120, 60, 60), 0.5));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(tower);
    painter.save();
    painter.setClipPath(tower);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 50, 50));
    for (int i = 0; i < 4; ++i) {
        painter.drawRect(QRectF(base.x() - 8, base.y() - 8 - i * 8, 16, 4));
    }
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 70));
    painter.drawRect(QRectF(base.x() - 5.5, base.y() - 34, 11, 2));
    painter.setBrush(QColor(255, 236, 130));
    painter.drawRect(QRectF(base.x() - 3.2, base.y() - 40, 6.4, 6));
    painter.setBrush(QColor(200, 40, 40));
    QPainterPath roof;
    roof.moveTo(base + QPointF(-4.5, -40));
    roof.lineTo(base + QPointF(0, -45));
    roof.lineTo(base + QPointF(4.5, -40));
    roof.closeSubpath();
    painter.drawPath(roof);
}

void drawGround(QPainter& painter)
{
    const QPainterPath ground = groundPath();
    QLinearGradient sand(0, 70, 0, 160);
    sand.setColorAt(0.0, QColor(244, 220, 160));
    sand.setColorAt(1.0, QColor(214, 178, 112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sand);
    painter.drawPath(ground);
    // grass on the dune and rock under the lighthouse
    painter.setBrush(QColor(120, 180, 80));
    painter.drawRect(QRectF(0, 70, 16, 3));
    painter.setBrush(QColor(150, 150, 160));
    QPainterPath rock;
    rock.moveTo(140, 74);
    rock.quadTo(146, 62, 160, 64);
    rock.lineTo(160, 80);
    rock.closeSubpath();
    painter.drawPath(rock);
}

// The sand that the water has just left is still dark and wet along the slope.
void drawWetSand(QPainter& painter, double level)
{
    if (level >= 150) {
        return;
    }
    QPainterPath surface;
    surface.moveTo(0, floorY(0));
    for (int x = 2; x <= 160; x += 2) {
        surface.lineTo(x, floorY(x));
    }
    QLinearGradient wet(0, level - 12, 0, level);
    wet.setColorAt(0.0, QColor(170, 126, 70, 0));
    wet.setColorAt(1.0, QColor(170, 126, 70, 170));
    painter.save();
    painter.setClipPath(groundPath());
    painter.setClipRect(QRectF(0, level - 12, 160, 12), Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(wet), 7));
    painter.drawPath(surface);
    painter.restore();
}

QPainterPath waterShape(double level)
{
    QPainterPath rect;
    rect.addRect(QRectF(-2, level, 164, 170 - level));
    return rect.subtracted(groundPath());
}

void drawWater(QPainter& painter, int step)
{
    const double level = seaLevel[step];
    if (level >= 150) {
        return;
    }
    QLinearGradient deep(0, level, 0, 150);
    deep.setColorAt(0.0, QColor(70, 170, 226, 235));
    deep.setColorAt(1.0, QColor(24, 86, 168, 245));
    painter.setPen(Qt::NoPen);
    painter.setBrush(deep);
    painter.drawPath(waterShape(level));
    painter.save();
    painter.setClipPath(waterShape(level - 1.5));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int x = 0; x < 160; x += 12) {
        const double shift = (step % 2) * 5;
        painter.drawArc(QRectF(x + shift, level - 0.5, 8, 3), 20 * 16, 140 * 16);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    for (int i = 0; i < 4; ++i) {
        painter.drawLine(QPointF(20 + i * 34, level + 8 + i * 3),
                         QPointF(30 + i * 34, level + 8 + i * 3));
    }
    painter.restore();
}

void drawFish(QPainter& painter, QPointF at, double size, const QColor& colour, bool facingLeft)
{
    painter.save();
    painter.translate(at);
    if (facingLeft) {
        painter.scale(-1, 1);
    }
    QPainterPath fish;
    fish.moveTo(size, 0);
    fish.quadTo(size * 0.2, -size * 0.6, -size * 0.6, 0);
    fish.lineTo(-size, -size * 0.45);
    fish.lineTo(-size, size * 0.45);
    fish.lineTo(-size * 0.6, 0);
    fish.quadTo(size * 0.2, size * 0.6, size, 0);
    painter.setPen(QPen(colour.darker(150), 0.4));
    painter.setBrush(ballGradient(QPointF(0, 0), size, colour));
    painter.drawPath(fish);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(size * 0.55, -size * 0.1), size * 0.1, size * 0.1);
    painter.restore();
}

void drawSeaweed(QPainter& painter, double x, bool underwater)
{
    const QPointF root(x, floorY(x) + 1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(underwater ? QColor(40, 150, 90) : QColor(100, 110, 60), 1.3, Qt::SolidLine,
                        Qt::RoundCap));
    for (int blade = -1; blade <= 1; ++blade) {
        QPainterPath weed;
        weed.moveTo(root + QPointF(blade, 0));
        if (underwater) {
            weed.cubicTo(root + QPointF(blade * 3 - 3, -5), root + QPointF(blade * 3 + 3, -9),
                         root + QPointF(blade * 3, -13 + std::abs(blade) * 3));
        } else {
            weed.quadTo(root + QPointF(blade * 4, -1.5), root + QPointF(blade * 7 + 2, 0.5));
        }
        painter.drawPath(weed);
    }
}

void drawStarfish(QPainter& painter, QPointF center, double radius)
{
    QList<QPointF> points;
    for (int i = 0; i < 10; ++i) {
        const double angle = i * std::numbers::pi / 5 - std::numbers::pi / 2;
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        points.append(center + QPointF(std::cos(angle), std::sin(angle)) * r);
    }
    painter.setPen(QPen(QColor(190, 80, 40), 0.4));
    painter.setBrush(ballGradient(center, radius, QColor(250, 130, 60)));
    painter.drawPolygon(QPolygonF(points));
}

void drawShell(QPainter& painter, QPointF center, double size)
{
    QPainterPath shell;
    shell.moveTo(center + QPointF(-size, 0));
    shell.quadTo(center + QPointF(0, -size * 1.6), center + QPointF(size, 0));
    shell.closeSubpath();
    painter.setPen(QPen(QColor(200, 140, 130), 0.4));
    painter.setBrush(QColor(255, 220, 210));
    painter.drawPath(shell);
    for (int i = -1; i <= 1; ++i) {
        painter.drawLine(center + QPointF(i * size * 0.2, 0),
                         center + QPointF(i * size * 0.5, -size * 0.6));
    }
}

void drawSeabed(QPainter& painter, int step)
{
    const double level = seaLevel[step];
    for (double x : {30.0, 50.0, 112.0, 128.0}) {
        drawSeaweed(painter, x, floorY(x) > level);
    }
    drawStarfish(painter, QPointF(40, floorY(40) - 1), 3.4);
    drawShell(painter, QPointF(62, floorY(62) + 0.5), 2.6);
    drawShell(painter, QPointF(120, floorY(120) + 0.5), 2.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 140, 150));
    painter.drawEllipse(QPointF(104, floorY(104) + 1), 4.5, 2.5);
    painter.drawEllipse(QPointF(100, floorY(100) + 1.5), 3, 1.8);
}

void drawSeaLife(QPainter& painter, int step)
{
    const double level = seaLevel[step];
    struct Swimmer
    {
        QPointF at;
        QColor colour;
        bool left;
    };
    const Swimmer swimmers[] = {{{36, 112}, QColor(255, 160, 30), false},
                                {{122, 124}, QColor(250, 220, 60), true},
                                {{60, 138}, QColor(230, 90, 160), false}};
    for (const Swimmer& fish : swimmers) {
        if (fish.at.y() > level + 5 && fish.at.y() < floorY(fish.at.x()) - 3) {
            drawFish(painter, fish.at, 4.5, fish.colour, fish.left);
        }
    }
    if (step == 8) {
        painter.save();
        painter.translate(118, floorY(118) - 3);
        painter.rotate(-30);
        drawFish(painter, QPointF(0, 0), 4.5, QColor(250, 220, 60), true);
        painter.restore();
    }
}

void drawCrab(QPainter& painter, QPointF at)
{
    painter.setPen(QPen(QColor(170, 40, 30), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int side = -1; side <= 1; side += 2) {
        for (int leg = 0; leg < 3; ++leg) {
            painter.drawLine(at + QPointF(side * 2, 0.5),
                             at + QPointF(side * (5 + leg), 2.5 + leg * 0.3));
        }
        painter.drawLine(at + QPointF(side * 3, -1), at + QPointF(side * 5, -4));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ballGradient(at, 4, QColor(230, 70, 50)));
    painter.drawEllipse(at, 4, 2.6);
    painter.drawEllipse(at + QPointF(-5.5, -4.5), 1.8, 1.4);
    painter.drawEllipse(at + QPointF(5.5, -4.5), 1.8, 1.4);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at + QPointF(-1.3, -2.6), 0.9, 0.9);
    painter.drawEllipse(at + QPointF(1.3, -2.6), 0.9, 0.9);
    painter.setBrush(Qt::black);
    painter.drawEllipse(at + QPointF(-1.3, -2.6), 0.45, 0.45);
    painter.drawEllipse(at + QPointF(1.3, -2.6), 0.45, 0.45);
}

void drawFishBones(QPainter& painter, QPointF at)
{
    painter.setPen(QPen(QColor(250, 250, 240), 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(at + QPointF(-6, 0), at + QPointF(4, 0));
    for (int i = 0; i < 4; ++i) {
        const double x = -4 + i * 2.2;
        painter.drawLine(at + QPointF(x, -2.2), at + QPointF(x, 2.2));
    }
    painter.drawLine(at + QPointF(-6, 0), at + QPointF(-8, -2));
    painter.drawLine(at + QPointF(-6, 0), at + QPointF(-8, 2));
    painter.setPen(QPen(QColor(250, 250, 240), 0.6));
    painter.drawEllipse(at + QPointF(6, 0), 2.3, 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 50, 40));
    painter.drawEllipse(at + QPointF(6.6, -0.4), 0.6, 0.6);
}

void drawCracks(QPainter& painter)
{
    Rng rng(9);
    painter.setPen(QPen(QColor(160, 120, 70), 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const double x = rng.range(22, 138);
        const QPointF start(x, floorY(x) + rng.range(1.5, 8));
        const QPointF bend = start + QPointF(rng.range(-4, 4), rng.range(1, 4));
        painter.drawLine(start, bend);
        painter.drawLine(bend, bend + QPointF(rng.range(-4, 4), rng.range(0.5, 3)));
    }
}

void drawHeatShimmer(QPainter& painter, int step)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90 + (step - 8) * 40), 0.7));
    for (int i = 0; i < 4; ++i) {
        QPainterPath wave;
        const QPointF start(18 + i * 38, 70 + (i % 2) * 8);
        wave.moveTo(start);
        wave.cubicTo(start + QPointF(2, -3), start + QPointF(-2, -6), start + QPointF(0, -9));
        painter.drawPath(wave);
    }
}

QPainterPath hullPath()
{
    QPainterPath hull;
    hull.moveTo(-33, -19);
    hull.lineTo(38, -23);
    hull.cubicTo(33, -10, 28, -2, 20, 0);
    hull.lineTo(-22, 0);
    hull.cubicTo(-29, -3, -32, -10, -33, -19);
    hull.closeSubpath();
    return hull;
}

void drawHull(QPainter& painter, int step)
{
    const QPainterPath hull = hullPath();
    QLinearGradient paint(0, -23, 0, 0);
    const QColor red = mix(QColor(214, 40, 44), QColor(160, 80, 60), ramp(step, 6, 9) * 0.6);
    paint.setColorAt(0.0, red.lighter(125));
    paint.setColorAt(0.6, red);
    paint.setColorAt(1.0, red.darker(140));
    painter.setPen(QPen(QColor(90, 20, 20), 0.7));
    painter.setBrush(paint);
    painter.drawPath(hull);
    painter.save();
    painter.setClipPath(hull);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 40, 70));
    painter.drawRect(QRectF(-40, -5, 80, 6));
    painter.setBrush(QColor(250, 246, 230));
    painter.drawRect(QRectF(-40, -16.5, 80, 2.4));
    painter.restore();
    painter.setPen(QPen(QColor(120, 80, 40), 1.2));
    painter.drawLine(QPointF(-33, -19), QPointF(38, -23));
    for (int i = 0; i < 3; ++i) {
        const QPointF porthole(-14 + i * 14, -10);
        painter.setPen(QPen(QColor(230, 190, 80), 1.0));
        painter.setBrush(QColor(150, 210, 240));
        painter.drawEllipse(porthole, 2.2, 2.2);
        drawGloss(painter, ellipsePath(porthole + QPointF(-0.7, -0.7), 0.7, 0.7), 0.8);
    }
    if (step == 9) {
        painter.setPen(QPen(QColor(70, 20, 20), 0.8));
        painter.drawLine(QPointF(16, -20), QPointF(19, -14));
        painter.drawLine(QPointF(19, -14), QPointF(16, -9));
        painter.drawLine(QPointF(-26, -18), QPointF(-23, -12));
    } else {
        drawGloss(painter, ellipsePath(QPointF(-8, -19), 16, 1.2), 0.35);
    }
}

void drawCabin(QPainter& painter)
{
    painter.setPen(QPen(QColor(120, 90, 60), 0.6));
    painter.setBrush(QColor(252, 244, 222));
    painter.drawRoundedRect(QRectF(-26, -27, 17, 9), 1.5, 1.5);
    painter.setBrush(QColor(150, 210, 240));
    painter.drawRect(QRectF(-23, -25, 4, 3.5));
    painter.drawRect(QRectF(-17, -25, 4, 3.5));
    painter.setPen(QPen(QColor(230, 40, 40), 1.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(-8.5, -22.5), 2.4, 2.4);
    painter.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(-10.9, -24.9, 4.8, 4.8), 45 * 16, 45 * 16);
    painter.drawArc(QRectF(-10.9, -24.9, 4.8, 4.8), 225 * 16, 45 * 16);
}

// Sails stand full of wind while the ship floats, hang slack once it runs aground and are
// torn at the end.
void drawSails(QPainter& painter, int step)
{
    const bool full = step <= 6;
    const bool torn = step == 9;
    const double belly = full ? 7 : (torn ? -2 : 1.5);
    const QColor cloth = mix(QColor(255, 252, 240), QColor(214, 200, 170), ramp(step, 6, 9));

    QPainterPath main;
    main.moveTo(2, -72);
    main.quadTo(-10 - belly, -46, -27, -26);
    if (torn) {
        main.lineTo(-22, -29);
        main.lineTo(-19, -25);
        main.lineTo(-14, -31);
        main.lineTo(-9, -26);
        main.lineTo(-5, -30);
    }
    main.lineTo(1, -26);
    main.closeSubpath();

    QPainterPath jib;
    jib.moveTo(4, -68);
    jib.quadTo(20 + belly, -48, 36, -25);
    if (torn) {
        jib.lineTo(30, -30);
        jib.lineTo(25, -26);
        jib.lineTo(20, -33);
        jib.lineTo(14, -28);
    }
    jib.lineTo(5, -27);
    jib.closeSubpath();

    for (const QPainterPath& sail : {main, jib}) {
        QLinearGradient shade(-20, -60, 20, -30);
        shade.setColorAt(0.0, cloth);
        shade.setColorAt(1.0, cloth.darker(118));
        painter.setPen(QPen(QColor(150, 140, 120), 0.6));
        painter.setBrush(shade);
        painter.drawPath(sail);
    }
    painter.setPen(QPen(QColor(190, 180, 160), 0.5));
    painter.drawLine(QPointF(-4, -56), QPointF(1, -56));
    painter.drawLine(QPointF(-11, -44), QPointF(1, -44));
    if (torn) {
        painter.setPen(QPen(QColor(150, 140, 120), 0.5));
        painter.setBrush(QColor(150, 110, 70));
        painter.drawEllipse(QPointF(-7, -48), 2.2, 3);
        painter.drawEllipse(QPointF(16, -42), 2.5, 2);
    }
}

void drawMastAndFlag(QPainter& painter, int step)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(130, 90, 50));
    painter.drawRect(QRectF(1, -76, 2.4, 56));
    painter.drawRect(QRectF(-27, -27, 29, 1.8));
    painter.setPen(QPen(QColor(90, 70, 50), 0.4));
    painter.drawLine(QPointF(2.4, -75), QPointF(38, -23));
    QPainterPath flag;
    flag.moveTo(3, -76);
    if (step <= 6) {
        flag.quadTo(10, -78, 16, -74.5);
        flag.quadTo(10, -73, 3, -72);
    } else {
        flag.quadTo(5.5, -73, 5, -67);
        flag.quadTo(4, -70, 3, -72);
    }
    flag.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 40));
    painter.drawPath(flag);
}

void drawShip(QPainter& painter, int step)
{
    const double level = seaLevel[step];
    const double keel = std::min(level + shipDraft, floorY(shipX) + (step >= 8 ? step - 7.0 : 0.0));
    painter.save();
    painter.translate(shipX, keel);
    painter.rotate(shipTilt[step]);
    drawMastAndFlag(painter, step);
    drawSails(painter, step);
    drawCabin(painter);
    drawHull(painter, step);
    painter.restore();
}

// sand blown against the stranded hull hides its keel
void drawSandDrift(QPainter& painter, int step)
{
    const double height = step == 8 ? 2.5 : 4.5;
    QPainterPath drift;
    drift.moveTo(40, floorY(40));
    drift.cubicTo(60, floorY(60) - height, 100, floorY(100) - height, 120, floorY(120));
    for (int x = 120; x >= 40; x -= 4) {
        drift.lineTo(x, floorY(x));
    }
    drift.closeSubpath();
    QLinearGradient sand(0, 70, 0, 160);
    sand.setColorAt(0.0, QColor(244, 220, 160));
    sand.setColorAt(1.0, QColor(214, 178, 112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sand);
    painter.drawPath(drift);
}

void drawScene(QPainter& painter, int step)
{
    drawSky(painter, step);
    drawPalm(painter, QPointF(8, 72));
    drawLighthouse(painter, QPointF(150, 66));
    drawGround(painter);
    drawWetSand(painter, seaLevel[step]);
    drawSeabed(painter, step);
    drawShip(painter, step);
    drawWater(painter, step);
    if (step >= 8) {
        // the stranded keel has sunk into the sand: draw the ground again in front of it
        drawGround(painter);
        drawWetSand(painter, seaLevel[step]);
        drawSeabed(painter, step);
        drawSandDrift(painter, step);
    }
    if (step == 9) {
        drawCracks(painter);
    }
    drawSeaLife(painter, step);
    if (step >= 8) {
        drawCrab(painter, QPointF(34, floorY(34) - 2));
        drawHeatShimmer(painter, step);
    }
    if (step == 9) {
        drawFishBones(painter, QPointF(122, floorY(122) - 1.5));
    }
    drawPictureFrame(painter, QRectF(0, 0, 160, 160));
}

} // namespace

QImage paintShip(int step, int scale)
{
    return renderSupersampled(QSize(pictureSide, pictureSide), scale,
                              [step](QPainter& painter) { drawScene(painter, step); });
}

} // namespace scenes
