// Motif 1: Frostel, the snow figure, melts away while winter turns into summer, until only the
// scarecrow behind it is left in the meadow.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace scenes {
namespace {

struct Melt
{
    double bodyRadius;
    double headRadius; // 0 once the head has sunk into the body
    double sink;       // how far the head has settled into the body
    double sag;        // 0 round, larger is a flatter, wider heap
    double puddle;     // half width of the melt water
    double capTilt;    // degrees
    int armsDown;      // 0 both raised, 1 one drooping, 2 one fallen, 3 both fallen
    double noseDroop;  // 0 straight, 1 hanging
    double mood;       // 1 beaming, -1 miserable
    int drips;
};

// Steps 6 and later have no figure left standing; their rows describe the heap that remains.
constexpr std::array<Melt, 10> melting = {{
    {24, 17, 0, 0.00, 0, 0, 0, 0.0, 1.0, 0},
    {23.5, 16.5, 0, 0.04, 15, 4, 0, 0.0, 0.7, 2},
    {22.5, 15.5, 1.5, 0.10, 21, 9, 1, 0.15, 0.3, 4},
    {21, 14.5, 3.5, 0.17, 26, 15, 2, 0.35, -0.1, 5},
    {19, 13, 6.5, 0.25, 30, 22, 3, 0.55, -0.5, 6},
    {16.5, 11, 9.5, 0.33, 34, 32, 3, 0.8, -0.9, 6},
    {14, 0, 0, 0.45, 37, 40, 3, 1.0, -1.0, 4},
    {8, 0, 0, 0.6, 38, 0, 3, 1.0, -1.0, 0},
    {0, 0, 0, 0, 26, 0, 3, 1.0, -1.0, 0},
    {0, 0, 0, 0, 0, 0, 3, 1.0, -1.0, 0},
}};

constexpr std::array<double, 10> groundSnow = {1, 1, 0.95, 0.75, 0.5, 0.28, 0.1, 0, 0, 0};
constexpr double groundLine = 142;
constexpr double frostelX = 58;
const QColor snowWhite(250, 252, 255);
const QColor snowShade(170, 196, 228);

double summerness(int step)
{
    return step / 9.0;
}

void drawSky(QPainter& painter, int step)
{
    const double t = summerness(step);
    fillLinearVertical(painter, QRectF(0, 0, 160, 110),
                       mix(QColor(150, 176, 206), QColor(56, 146, 236), t),
                       mix(QColor(228, 234, 242), QColor(196, 236, 255), t));
    if (step >= 1) {
        const QPointF sunAt(28 + step * 3, 34 - step * 2.2);
        drawSun(painter, sunAt, 6 + step * 0.9,
                mix(QColor(255, 236, 180), QColor(255, 206, 30), t));
    }
    const QColor cloud = mix(QColor(236, 240, 246, 240), QColor(255, 255, 255, 235), t);
    if (step <= 2) {
        drawCloud(painter, QPointF(70, 16), 60 - step * 8, cloud);
        drawCloud(painter, QPointF(140, 24), 44 - step * 6, cloud);
    } else {
        drawCloud(painter, QPointF(96 + step * 2, 18), 26 - step, cloud);
    }
}

void drawLandscape(QPainter& painter, int step)
{
    const double t = summerness(step);
    const double snow = groundSnow[step];
    const QColor farHill = mix(mix(QColor(120, 180, 90), QColor(236, 242, 250), snow),
                               QColor(110, 190, 80), t * (1 - snow));
    drawHill(painter, {{0, 100}, {36, 90}, {86, 98}, {126, 88}, {160, 94}}, 160, farHill,
             farHill.darker(110));
    for (int i = 0; i < 6; ++i) {
        drawPineTree(painter, QPointF(4 + i * 17 + (i % 2) * 6, 99 - (i % 3) * 2), 20 - (i % 2) * 4,
                     QColor(46, 110, 70), snow * 0.8);
    }
    const QColor grass = mix(QColor(120, 170, 80), QColor(96, 196, 62), t);
    drawHill(painter, {{0, 106}, {60, 102}, {120, 108}, {160, 104}}, 160, grass, grass.darker(120));
    if (snow > 0.9) {
        drawHill(painter, {{0, 105}, {60, 101}, {120, 107}, {160, 103}}, 160, snowWhite,
                 QColor(214, 226, 242));
    } else if (snow > 0) {
        Rng rng(88);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            const QPointF at(rng.range(-10, 170), rng.range(104, 160));
            const double size = rng.range(8, 20) * snow * (0.7 + (at.y() - 104) / 90);
            painter.setBrush(QColor(250, 252, 255, 240));
            painter.drawEllipse(at, size, size * 0.3);
        }
    }
    if (step >= 3) {
        drawGrassTufts(painter, QRectF(2, 108, 156, 50), 20 + step * 8, 12, grass.darker(110));
    }
    if (step >= 4) {
        drawMeadowFlowers(painter, QRectF(4, 112, 152, 44), (step - 3) * 6, 14, 2.1);
    }
}

void drawScarecrow(QPainter& painter, int step)
{
    const double snow = groundSnow[step];
    const QPointF base(122, 118);
    drawSoftShadow(painter, base + QPointF(2, 1), 14, 3, 0.3);
    painter.setPen(Qt::NoPen);
    QLinearGradient wood(base.x() - 2, 0, base.x() + 2, 0);
    wood.setColorAt(0, QColor(160, 118, 72));
    wood.setColorAt(1, QColor(110, 76, 44));
    painter.setBrush(wood);
    painter.drawRect(QRectF(base.x() - 1.8, 50, 3.6, base.y() - 50));
    painter.drawRect(QRectF(98, 64, 48, 3.2));

    // straw sticking out of the sleeves and below the shirt
    painter.setPen(QPen(QColor(232, 196, 80), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        painter.drawLine(QPointF(101, 66), QPointF(95, 66 + i * 1.6));
        painter.drawLine(QPointF(143, 66), QPointF(149, 66 + i * 1.6));
        painter.drawLine(QPointF(122 + i * 3, 94), QPointF(122 + i * 4.2, 100));
    }

    QPainterPath shirt;
    shirt.moveTo(101, 63);
    shirt.lineTo(143, 63);
    shirt.lineTo(143, 70);
    shirt.lineTo(133, 71);
    shirt.lineTo(134, 95);
    shirt.lineTo(110, 95);
    shirt.lineTo(111, 71);
    shirt.lineTo(101, 70);
    shirt.closeSubpath();
    painter.setPen(QPen(QColor(60, 50, 90), 0.6));
    painter.setBrush(QColor(70, 110, 200));
    painter.drawPath(shirt);
    painter.save();
    painter.setClipPath(shirt);
    painter.setPen(QPen(QColor(230, 70, 60, 170), 1.4));
    for (int x = 100; x <= 144; x += 6) {
        painter.drawLine(QPointF(x, 60), QPointF(x, 98));
    }
    for (int y = 64; y <= 96; y += 6) {
        painter.drawLine(QPointF(98, y), QPointF(146, y));
    }
    painter.restore();
    // a patch and the buttons
    painter.setPen(QPen(QColor(120, 80, 40), 0.5, Qt::DashLine));
    painter.setBrush(QColor(236, 190, 90));
    painter.drawRect(QRectF(124, 80, 7, 7));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 230, 120));
    for (int i = 0; i < 3; ++i) {
        painter.drawEllipse(QPointF(121.5, 75 + i * 6), 1.0, 1.0);
    }

    // sack head with a stitched smile
    painter.setPen(QPen(QColor(140, 100, 50), 0.6));
    painter.setBrush(ballGradient(QPointF(122, 54), 10, QColor(214, 176, 118)));
    painter.drawEllipse(QPointF(122, 54), 8.5, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 40, 30));
    painter.drawEllipse(QPointF(118.8, 52.5), 1.4, 1.4);
    painter.drawEllipse(QPointF(125.2, 52.5), 1.4, 1.4);
    painter.setPen(QPen(QColor(90, 60, 30), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(117.5, 53, 9, 6), 200 * 16, 140 * 16);
    for (int i = 0; i < 4; ++i) {
        const double x = 118.8 + i * 2.1;
        painter.drawLine(QPointF(x, 57.2 + (i == 0 || i == 3 ? -0.6 : 0.2)),
                         QPointF(x, 59 + (i == 0 || i == 3 ? -0.6 : 0.2)));
    }

    // straw hat
    painter.setPen(QPen(QColor(170, 120, 40), 0.6));
    painter.setBrush(QColor(236, 200, 100));
    painter.drawEllipse(QPointF(122, 46), 15, 3.4);
    QPainterPath crown;
    crown.moveTo(114, 46);
    crown.quadTo(114, 34, 122, 34);
    crown.quadTo(130, 34, 130, 46);
    crown.closeSubpath();
    painter.setBrush(ballGradient(QPointF(122, 40), 10, QColor(240, 204, 100)));
    painter.drawPath(crown);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 60, 50));
    painter.drawRect(QRectF(114.3, 42, 15.4, 2.6));

    if (snow > 0.4) {
        painter.setBrush(snowWhite);
        painter.drawEllipse(QPointF(122, 35), 7 * snow, 2.4 * snow);
        painter.drawEllipse(QPointF(108, 44.5), 5 * snow, 1.6 * snow);
        painter.drawEllipse(QPointF(136, 44.5), 5 * snow, 1.6 * snow);
        painter.drawEllipse(QPointF(106, 63), 6 * snow, 1.8 * snow);
        painter.drawEllipse(QPointF(138, 63), 6 * snow, 1.8 * snow);
    }
}

void drawPuddle(QPainter& painter, double halfWidth)
{
    if (halfWidth <= 0) {
        return;
    }
    const QPointF center(frostelX + 4, groundLine + 2);
    QRadialGradient water(QPointF(0, 0), halfWidth);
    water.setColorAt(0.0, QColor(150, 200, 240, 230));
    water.setColorAt(0.8, QColor(110, 170, 226, 220));
    water.setColorAt(1.0, QColor(90, 150, 210, 0));
    painter.save();
    painter.translate(center);
    painter.scale(1.0, 0.22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(water);
    painter.drawEllipse(QPointF(0, 0), halfWidth, halfWidth);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-halfWidth * 0.6, -halfWidth * 0.5, halfWidth * 0.9, halfWidth * 0.7),
                    100 * 16, 60 * 16);
    painter.restore();
}

void drawSnowHeap(QPainter& painter, QPointF center, double radiusX, double radiusY)
{
    QRadialGradient snow(center + QPointF(-radiusX * 0.35, -radiusY * 0.4), radiusX * 1.3);
    snow.setColorAt(0.0, QColor(255, 255, 255));
    snow.setColorAt(0.55, snowWhite);
    snow.setColorAt(1.0, snowShade);
    painter.setPen(QPen(QColor(150, 176, 210), 0.6));
    painter.setBrush(snow);
    painter.drawEllipse(center, radiusX, radiusY);
}

void drawTwigArm(QPainter& painter, QPointF shoulder, double angleDegrees, double length)
{
    painter.save();
    painter.translate(shoulder);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(QColor(100, 66, 36), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(length, 0));
    painter.setPen(QPen(QColor(100, 66, 36), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(length * 0.75, 0), QPointF(length * 0.95, -4));
    painter.drawLine(QPointF(length * 0.8, 0), QPointF(length * 1.1, 2.5));
    painter.drawLine(QPointF(length * 0.5, 0), QPointF(length * 0.62, -3));
    painter.restore();
}

void drawKnitCap(QPainter& painter, QPointF crownBase, double width, double tilt)
{
    painter.save();
    painter.translate(crownBase);
    painter.rotate(tilt);
    const double half = width / 2;
    QPainterPath dome;
    dome.moveTo(-half, 0);
    dome.cubicTo(-half, -width * 0.75, half, -width * 0.75, half, 0);
    dome.closeSubpath();
    painter.setPen(QPen(QColor(130, 24, 32), 0.6));
    painter.setBrush(ballGradient(QPointF(0, -width * 0.3), width * 0.6, QColor(222, 50, 58)));
    painter.drawPath(dome);
    painter.setPen(QPen(QColor(255, 255, 255, 200), width * 0.07));
    painter.drawLine(QPointF(-half * 0.8, -width * 0.28), QPointF(half * 0.8, -width * 0.28));
    QRectF brim(-half - 1, -width * 0.12, width + 2, width * 0.24);
    painter.setPen(QPen(QColor(130, 24, 32), 0.6));
    painter.setBrush(QColor(240, 242, 248));
    painter.drawRoundedRect(brim, width * 0.1, width * 0.1);
    painter.setPen(QPen(QColor(170, 180, 210), 0.5));
    for (double x = -half + 1; x < half; x += 2.2) {
        painter.drawLine(QPointF(x, brim.top() + 0.8), QPointF(x, brim.bottom() - 0.8));
    }
    painter.setPen(Qt::NoPen);
    const QPointF pompom(0, -width * 0.6);
    painter.setBrush(ballGradient(pompom, width * 0.2, QColor(236, 238, 246)));
    painter.drawEllipse(pompom, width * 0.17, width * 0.17);
    painter.restore();
}

void drawCarrot(QPainter& painter, QPointF root, double length, double droop)
{
    painter.save();
    painter.translate(root);
    painter.rotate(-8 + droop * 70);
    QPainterPath carrot;
    carrot.moveTo(0, -length * 0.2);
    carrot.quadTo(length * 0.6, -length * 0.1, length, 0.4);
    carrot.quadTo(length * 0.6, length * 0.2, 0, length * 0.2);
    carrot.closeSubpath();
    painter.setPen(QPen(QColor(190, 90, 20), 0.5));
    QLinearGradient orange(0, -length * 0.2, 0, length * 0.2);
    orange.setColorAt(0, QColor(255, 170, 60));
    orange.setColorAt(1, QColor(230, 100, 20));
    painter.setBrush(orange);
    painter.drawPath(carrot);
    painter.setPen(QPen(QColor(190, 90, 20), 0.4));
    painter.drawLine(QPointF(length * 0.3, -length * 0.12), QPointF(length * 0.35, 0));
    painter.drawLine(QPointF(length * 0.55, 0), QPointF(length * 0.6, length * 0.1));
    painter.restore();
}

void drawFace(QPainter& painter, QPointF center, double radius, const Melt& melt)
{
    const double eyeY = center.y() - radius * 0.18;
    const double eyeX = radius * 0.36;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 120, 140, 110));
    painter.drawEllipse(center + QPointF(-radius * 0.55, radius * 0.2), radius * 0.2,
                        radius * 0.14);
    painter.drawEllipse(center + QPointF(radius * 0.55, radius * 0.2), radius * 0.2, radius * 0.14);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF eye(center.x() + side * eyeX, eyeY);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 30, 38));
        painter.drawEllipse(eye, radius * 0.13, radius * 0.15);
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye + QPointF(-radius * 0.04, -radius * 0.06), radius * 0.05,
                            radius * 0.05);
        if (melt.mood < 0.5) {
            // worried brows rise towards the middle
            const double lift = (0.5 - melt.mood) * radius * 0.12;
            painter.setPen(QPen(QColor(60, 60, 70), radius * 0.07, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(eye + QPointF(-side * radius * 0.16, -radius * 0.24 - lift),
                             eye + QPointF(side * radius * 0.14, -radius * 0.24));
        }
    }
    // mouth of coal pieces along a smile or a frown
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 46));
    for (int i = -2; i <= 2; ++i) {
        const double x = i * radius * 0.16;
        const double curve = (1 - (i * i) / 4.0) * radius * 0.16 * melt.mood;
        painter.drawEllipse(QPointF(center.x() + x, center.y() + radius * 0.42 + curve),
                            radius * 0.06, radius * 0.06);
    }
    drawCarrot(painter, QPointF(center.x() + radius * 0.05, center.y() + radius * 0.08),
               radius * 0.75, melt.noseDroop);
}

void drawScarf(QPainter& painter, QPointF neck, double width, double droop)
{
    painter.setPen(QPen(QColor(150, 30, 40), 0.5));
    painter.setBrush(QColor(220, 50, 60));
    painter.drawRoundedRect(QRectF(neck.x() - width / 2, neck.y() - 2.6, width, 5.2), 2.4, 2.4);
    QPainterPath tail;
    tail.moveTo(neck.x() + width * 0.15, neck.y() + 1);
    tail.lineTo(neck.x() + width * 0.42 + droop * 4, neck.y() + 14 - droop * 2);
    tail.lineTo(neck.x() + width * 0.2 + droop * 4, neck.y() + 15 - droop * 2);
    tail.lineTo(neck.x() + width * 0.02, neck.y() + 2);
    tail.closeSubpath();
    painter.drawPath(tail);
    painter.setPen(QPen(QColor(255, 240, 240), 0.9));
    painter.drawLine(QPointF(neck.x() + width * 0.3 + droop * 2.5, neck.y() + 7),
                     QPointF(neck.x() + width * 0.12 + droop * 2.5, neck.y() + 8));
}

void drawDrips(QPainter& painter, QPointF center, double radiusX, double radiusY, int count)
{
    Rng rng(33);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double angle = rng.range(0.25, 0.9) * (i % 2 == 0 ? 1 : -1) + std::numbers::pi / 2;
        const QPointF at = center + QPointF(std::cos(angle) * radiusX * 1.02,
                                            -std::sin(angle) * radiusY * 0.3 + rng.range(0, 6));
        QPainterPath drop;
        drop.moveTo(at + QPointF(0, -2.4));
        drop.quadTo(at + QPointF(1.3, 0.4), at + QPointF(0, 1.2));
        drop.quadTo(at + QPointF(-1.3, 0.4), at + QPointF(0, -2.4));
        painter.setBrush(QColor(140, 196, 246, 230));
        painter.drawPath(drop);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawEllipse(at + QPointF(-0.3, -0.2), 0.35, 0.35);
    }
}

void drawButtons(QPainter& painter, QPointF bodyCenter, double radiusY)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 34, 40));
    for (int i = 0; i < 3; ++i) {
        painter.drawEllipse(
            QPointF(bodyCenter.x() + 0.5, bodyCenter.y() - radiusY * 0.45 + i * radiusY * 0.38),
            1.5, 1.5);
    }
}

void drawStandingFrostel(QPainter& painter, const Melt& melt)
{
    const double bodyRx = melt.bodyRadius * (1 + melt.sag * 0.6);
    const double bodyRy = melt.bodyRadius * (1 - melt.sag * 0.5);
    const QPointF body(frostelX, groundLine - bodyRy + 1);
    drawSoftShadow(painter, QPointF(frostelX + 3, groundLine + 1), bodyRx * 1.1, 4, 0.3);

    // angles run clockwise from pointing right: 200 is raised to the left, -20 raised to the right
    const QPointF leftShoulder = body + QPointF(-bodyRx * 0.85, -bodyRy * 0.45);
    const QPointF rightShoulder = body + QPointF(bodyRx * 0.85, -bodyRy * 0.45);
    if (melt.armsDown < 2) {
        drawTwigArm(painter, leftShoulder, 200, 18);
    }
    if (melt.armsDown < 3) {
        drawTwigArm(painter, rightShoulder, melt.armsDown == 0 ? -20 : 18, 18);
    }
    drawSnowHeap(painter, body, bodyRx, bodyRy);
    drawButtons(painter, body, bodyRy);

    const double headRy = melt.headRadius * (1 - melt.sag * 0.2);
    const QPointF head(frostelX + melt.sag * 6, body.y() - bodyRy - headRy * 0.78 + melt.sink);
    drawScarf(painter, QPointF(frostelX + melt.sag * 3, body.y() - bodyRy + 1),
              melt.headRadius * 1.7, melt.sag);
    drawSnowHeap(painter, head, melt.headRadius, headRy);
    drawFace(painter, head, melt.headRadius, melt);
    drawKnitCap(painter, head + QPointF(0, -headRy * 0.7), melt.headRadius * 1.7, melt.capTilt);
    drawDrips(painter, body, bodyRx, bodyRy, melt.drips);
}

void drawFallenArms(QPainter& painter, int armsDown)
{
    if (armsDown >= 2) {
        drawTwigArm(painter, QPointF(20, 148), -8, 17);
    }
    if (armsDown >= 3) {
        drawTwigArm(painter, QPointF(84, 152), 6, 17);
    }
}

// the scarf slipped off and lies in a loose wave on the ground
void drawLyingScarf(QPainter& painter, QPointF start)
{
    QPainterPath scarf;
    scarf.moveTo(start);
    scarf.cubicTo(start + QPointF(6, -4), start + QPointF(10, 5), start + QPointF(18, 2));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 30, 40), 5.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(scarf);
    painter.setPen(QPen(QColor(220, 50, 60), 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(scarf);
    painter.setPen(QPen(QColor(255, 240, 240), 1.0));
    painter.drawLine(start + QPointF(15, 0.4), start + QPointF(15.5, 4.2));
    painter.drawLine(start + QPointF(12.8, -0.2), start + QPointF(13.2, 3.8));
}

void drawSlumpedFrostel(QPainter& painter, const Melt& melt)
{
    const double rx = melt.bodyRadius * 1.4;
    const double ry = melt.bodyRadius * 0.85;
    const QPointF heap(frostelX, groundLine - ry + 2);
    drawSnowHeap(painter, heap, rx, ry);
    const QPointF face = heap + QPointF(0, -ry * 0.15);
    drawFace(painter, face, melt.bodyRadius * 0.95, melt);
    drawKnitCap(painter, heap + QPointF(-2, -ry * 0.8), melt.bodyRadius * 1.5, melt.capTilt);
    drawLyingScarf(painter, QPointF(frostelX + rx * 0.7, groundLine + 1));
    drawDrips(painter, heap, rx, ry, melt.drips);
}

void drawLastLump(QPainter& painter, const Melt& melt)
{
    const QPointF lump(frostelX, groundLine - melt.bodyRadius * 0.5 + 1);
    drawSnowHeap(painter, lump, melt.bodyRadius * 1.3, melt.bodyRadius * 0.6);
    drawKnitCap(painter, lump + QPointF(-4, -2), 14, -24);
    drawCarrot(painter, lump + QPointF(5, -1), 9, 0.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 34, 40));
    painter.drawEllipse(QPointF(frostelX - 18, groundLine + 2), 1.6, 1.2);
    painter.drawEllipse(QPointF(frostelX + 20, groundLine + 4), 1.6, 1.2);
    painter.drawEllipse(QPointF(frostelX + 12, groundLine + 6), 1.5, 1.1);
}

void drawLeftovers(QPainter& painter)
{
    drawKnitCap(painter, QPointF(frostelX - 16, groundLine + 1), 17, -12);
    drawCarrot(painter, QPointF(frostelX + 4, groundLine + 4), 11, 0.1);
    drawLyingScarf(painter, QPointF(frostelX + 14, groundLine + 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 34, 40));
    painter.drawEllipse(QPointF(frostelX - 2, groundLine + 9), 1.6, 1.2);
    painter.drawEllipse(QPointF(frostelX + 30, groundLine + 4), 1.6, 1.2);
}

// Frostel is a frost creature: a few ice sparkles glitter around it while it is cold.
void drawSparkles(QPainter& painter, int step)
{
    static const QPointF places[] = {{28, 70}, {92, 84}, {34, 112}, {88, 122}};
    const int count = step == 0 ? 4 : (step == 1 ? 2 : 0);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF at = places[i];
        const double arm = i % 2 == 0 ? 3.2 : 2.4;
        painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
        painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
        painter.drawLine(at - QPointF(arm, arm) * 0.5, at + QPointF(arm, arm) * 0.5);
        painter.drawLine(at - QPointF(arm, -arm) * 0.5, at + QPointF(arm, -arm) * 0.5);
    }
}

void drawFrostel(QPainter& painter, int step)
{
    const Melt& melt = melting[step];
    drawPuddle(painter, melt.puddle);
    drawFallenArms(painter, step <= 7 ? melt.armsDown : 0);
    if (step <= 5) {
        drawStandingFrostel(painter, melt);
    } else if (step == 6) {
        drawSlumpedFrostel(painter, melt);
    } else if (step == 7) {
        drawLastLump(painter, melt);
    } else if (step == 8) {
        drawLeftovers(painter);
    }
    drawSparkles(painter, step);
}

void drawScene(QPainter& painter, int step)
{
    drawSky(painter, step);
    drawLandscape(painter, step);
    drawScarecrow(painter, step);
    drawFrostel(painter, step);
    if (step == 0) {
        drawSnowflakes(painter, QRectF(0, 0, 160, 150), 46, 1, 1.4);
    } else if (step == 1) {
        drawSnowflakes(painter, QRectF(0, 0, 160, 150), 12, 2, 1.1);
    }
    if (step >= 7) {
        drawButterfly(painter, QPointF(96 - step * 2, 70 + step), 6, QColor(255, 200, 40));
    }
    if (step >= 8) {
        drawButterfly(painter, QPointF(30 + step, 96), 5, QColor(120, 180, 255));
    }
    drawPictureFrame(painter, QRectF(0, 0, 160, 160));
}

} // namespace

QImage paintFrostel(int step, int scale)
{
    return renderSupersampled(QSize(pictureSide, pictureSide), scale,
                              [step](QPainter& painter) { drawScene(painter, step); });
}

} // namespace scenes
