// Motif 3: a bright parrot in its cage. With every wrong guess one more part of its plumage
// turns black and a coloured feather drops to the cage floor, until a black bird sits there.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <cmath>

namespace scenes {
namespace {

// The plumage parts in the order in which they turn black.
enum Part
{
    Tail,
    Primaries,
    Secondaries,
    Coverts,
    Belly,
    Chest,
    Head,
    FaceAndBeak,
    Count
};

const std::array<QColor, Count> parrotColours = {
    QColor(226, 40, 44), QColor(40, 110, 224), QColor(50, 176, 90), QColor(255, 206, 40),
    QColor(230, 40, 44), QColor(232, 44, 46),  QColor(236, 52, 48), QColor(252, 250, 246)};
const QColor blackFeather(36, 36, 44);
const QColor blackbirdBeak(250, 160, 30);
const QColor cageBrass(222, 182, 74);
const QPointF feet(74, 96);
constexpr double birdScale = 1.3;

// Part p is black from step p + 1 on; step 9 also gives the bird its new shape.
double blackness(Part part, int step)
{
    return step > static_cast<int>(part) ? 1.0 : 0.0;
}

QColor partColour(Part part, int step)
{
    return mix(parrotColours[part], blackFeather, blackness(part, step));
}

void drawRoom(QPainter& painter, int step)
{
    const double gloom = step / 9.0;
    fillLinearVertical(painter, QRectF(0, 0, 160, 146),
                       mix(QColor(255, 244, 206), QColor(222, 214, 196), gloom),
                       mix(QColor(250, 226, 180), QColor(206, 194, 176), gloom));
    // wallpaper: a quiet pattern of small leaves
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(mix(QColor(120, 190, 120), QColor(150, 150, 140), gloom), 0.35));
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QPointF at(6 + column * 19 + (row % 2) * 9.5, 8 + row * 19);
            painter.drawEllipse(at, 1.8, 3.2);
        }
    }
    // shelf top in front of the wall
    QLinearGradient wood(0, 146, 0, 160);
    wood.setColorAt(0, mix(QColor(196, 132, 78), QColor(140, 110, 90), gloom));
    wood.setColorAt(1, mix(QColor(150, 96, 52), QColor(100, 80, 66), gloom));
    painter.fillRect(QRectF(0, 146, 160, 14), wood);
    painter.setPen(QPen(QColor(120, 76, 40, 120), 0.6));
    painter.drawLine(QPointF(0, 146.3), QPointF(160, 146.3));
}

void drawPlant(QPainter& painter, int step)
{
    const double wilt = step / 9.0;
    const QColor leaf = mix(QColor(60, 168, 72), QColor(110, 130, 70), wilt);
    const double angles[] = {-60, -30, -8, 14, 40, 64};
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.translate(148, 130);
        painter.rotate(angles[i] + wilt * (i < 3 ? -14 : 14));
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.quadTo(6, -16, 0, -32 + (i % 2) * 6);
        blade.quadTo(-6, -16, 0, 0);
        painter.setPen(QPen(leaf.darker(140), 0.5));
        painter.setBrush(ballGradient(QPointF(0, -16), 14, leaf));
        painter.drawPath(blade);
        painter.restore();
    }
    QPainterPath pot;
    pot.moveTo(138, 128);
    pot.lineTo(158, 128);
    pot.lineTo(155, 146);
    pot.lineTo(141, 146);
    pot.closeSubpath();
    painter.setPen(QPen(QColor(150, 70, 40), 0.5));
    painter.setBrush(ballGradient(QPointF(146, 134), 14, QColor(214, 110, 64)));
    painter.drawPath(pot);
}

QPainterPath cageOutline()
{
    QPainterPath outline;
    outline.moveTo(28, 138);
    outline.lineTo(28, 50);
    outline.cubicTo(28, 18, 132, 18, 132, 50);
    outline.lineTo(132, 138);
    outline.closeSubpath();
    return outline;
}

void drawCageBack(QPainter& painter, int step)
{
    drawSoftShadow(painter, QPointF(82, 150), 60, 5, 0.35);
    // the hook from which the cage hangs
    painter.setPen(QPen(cageBrass.darker(130), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(80, 7), 3.5, 3.5);
    painter.drawLine(QPointF(80, 10.5), QPointF(80, 26));
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(QColor(255, 255, 255), 0.16 - step * 0.012));
    painter.drawPath(cageOutline());
    // the cage floor, where lost feathers gather
    painter.setBrush(QColor(236, 214, 160));
    painter.drawRect(QRectF(28, 131, 104, 6));
}

void drawCageFront(QPainter& painter, int step)
{
    const QColor brass = mix(cageBrass, QColor(150, 140, 120), step / 12.0);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 12; ++i) {
        const double x = 28 + i * (104.0 / 12);
        QPainterPath bar;
        bar.moveTo(x, 138);
        bar.lineTo(x, 50);
        // every bar bends up into the dome and meets the others at its top
        const double reach = (x - 80) / 52;
        bar.cubicTo(x, 50 - 30 * (1 - std::abs(reach) * 0.2), 80 + reach * 18, 25, 80, 25);
        painter.setPen(QPen(brass.darker(125), 1.1));
        painter.drawPath(bar);
        painter.setPen(QPen(brass.lighter(125), 0.4));
        painter.drawPath(bar.translated(-0.3, 0));
    }
    for (double y : {50.0, 106.0}) {
        painter.setPen(QPen(brass.darker(120), 1.6));
        painter.drawLine(QPointF(27, y), QPointF(133, y));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ballGradient(QPointF(80, 24), 4, brass));
    painter.drawEllipse(QPointF(80, 24), 4, 3.2);
    // base tray
    QLinearGradient tray(0, 136, 0, 149);
    tray.setColorAt(0.0, brass.lighter(130));
    tray.setColorAt(0.5, brass);
    tray.setColorAt(1.0, brass.darker(150));
    painter.setPen(QPen(brass.darker(170), 0.6));
    painter.setBrush(tray);
    painter.drawRoundedRect(QRectF(24, 136, 112, 12), 3, 3);
    painter.setPen(QPen(brass.darker(150), 0.5));
    painter.drawLine(QPointF(26, 141.5), QPointF(134, 141.5));
}

void drawPerchAndToys(QPainter& painter, int step)
{
    QLinearGradient wood(0, feet.y() - 1.8, 0, feet.y() + 1.8);
    wood.setColorAt(0, QColor(190, 140, 90));
    wood.setColorAt(1, QColor(130, 88, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(30, feet.y() - 1.8, 100, 3.8), 1.8, 1.8);
    // seed cup and a little bell
    painter.setBrush(ballGradient(QPointF(114, 122), 8, QColor(60, 140, 220)));
    painter.drawChord(QRectF(106, 114, 16, 14), 180 * 16, 180 * 16);
    painter.setBrush(QColor(220, 190, 120));
    painter.drawEllipse(QPointF(114, 121), 7.2, 1.6);
    painter.setPen(QPen(QColor(150, 150, 150), 0.5));
    painter.drawLine(QPointF(112, 29), QPointF(112, 58));
    painter.setPen(Qt::NoPen);
    const QColor bell = mix(QColor(250, 210, 70), QColor(170, 160, 130), step / 12.0);
    painter.setBrush(ballGradient(QPointF(112, 62), 6, bell));
    QPainterPath bellShape;
    bellShape.moveTo(107, 66);
    bellShape.quadTo(107, 57, 112, 57);
    bellShape.quadTo(117, 57, 117, 66);
    bellShape.closeSubpath();
    painter.drawPath(bellShape);
    painter.setBrush(bell.darker(160));
    painter.drawEllipse(QPointF(112, 66.5), 1.3, 1.3);
}

// The bird's shape: a parrot's long tail and hooked beak become a blackbird's at the end.
struct Shape
{
    double tail; // 1 for the parrot's long tail
    double hook; // 1 for the parrot's hooked beak, 0 for a blackbird's
};

Shape birdShape(int step)
{
    return {step == 9 ? 0.55 : 1.0, step == 9 ? 0.0 : 1.0};
}

void drawTail(QPainter& painter, int step, const Shape& shape)
{
    const QColor colour = partColour(Tail, step);
    const QColor tips = mix(QColor(50, 110, 224), blackFeather, blackness(Tail, step));
    const double length = 34 * shape.tail;
    for (int i = 0; i < 3; ++i) {
        const double spread = (i - 1) * 4.5;
        const QPointF root(6 + i * 1.5, -4);
        const QPointF tip = root + QPointF(12 + spread, length - std::abs(i - 1) * 6);
        QPainterPath feather;
        feather.moveTo(root + QPointF(-3, 0));
        feather.quadTo(tip + QPointF(-4, -length * 0.4), tip);
        feather.quadTo(tip + QPointF(3, -length * 0.4), root + QPointF(3.5, -1));
        feather.closeSubpath();
        QLinearGradient paint(root, tip);
        paint.setColorAt(0.0, colour);
        paint.setColorAt(0.6, colour);
        paint.setColorAt(0.75, tips);
        paint.setColorAt(1.0, tips.darker(120));
        painter.setPen(QPen(colour.darker(160), 0.5));
        painter.setBrush(paint);
        painter.drawPath(feather);
    }
}

void drawBody(QPainter& painter, int step)
{
    QPainterPath body;
    body.moveTo(-11, -33);
    body.cubicTo(-17, -22, -13, -6, -4, -1);
    body.cubicTo(2, 1, 9, 0, 11, -5);
    body.cubicTo(13, -16, 10, -30, 2, -38);
    body.closeSubpath();
    const QColor chest = partColour(Chest, step);
    const QColor belly = partColour(Belly, step);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ballGradient(QPointF(-4, -22), 20, chest));
    painter.drawRect(QRectF(-20, -40, 40, 22));
    painter.setBrush(ballGradient(QPointF(-4, -22), 20, belly));
    QPainterPath lower;
    lower.moveTo(-20, -16);
    lower.quadTo(-4, -20, 20, -17);
    lower.lineTo(20, 4);
    lower.lineTo(-20, 4);
    lower.closeSubpath();
    painter.drawPath(lower);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 0.5));
    painter.drawPath(body);
}

void drawWing(QPainter& painter, int step)
{
    QPainterPath wing;
    wing.moveTo(-3, -32);
    wing.cubicTo(8, -36, 14, -20, 16, 8);
    wing.cubicTo(10, 4, 0, -8, -3, -20);
    wing.closeSubpath();
    painter.save();
    painter.setClipPath(wing);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(-10, -40, 30, 20), partColour(Coverts, step));
    painter.fillRect(QRectF(-10, -20, 30, 12), partColour(Secondaries, step));
    painter.fillRect(QRectF(-10, -8, 30, 20), partColour(Primaries, step));
    // feather edges
    painter.setPen(QPen(QColor(0, 0, 0, 60), 0.5));
    for (int i = 0; i < 5; ++i) {
        painter.drawLine(QPointF(-2 + i * 3, -22 + i * 2), QPointF(6 + i * 2.4, 8));
    }
    QRadialGradient shade(QPointF(2, -26), 30);
    shade.setColorAt(0.0, QColor(255, 255, 255, 70));
    shade.setColorAt(1.0, QColor(0, 0, 0, 70));
    painter.fillRect(QRectF(-10, -40, 30, 50), shade);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0.5));
    painter.drawPath(wing);
}

// A blackbird's beak: slim, straight and orange.
void drawStraightBeak(QPainter& painter)
{
    QPainterPath top;
    top.moveTo(-14, -44);
    top.quadTo(-20, -42.5, -26, -39.5);
    top.lineTo(-14, -38.5);
    top.closeSubpath();
    QPainterPath bottom;
    bottom.moveTo(-14, -38.5);
    bottom.lineTo(-24, -39);
    bottom.quadTo(-19, -36.5, -13, -36);
    bottom.closeSubpath();
    painter.setPen(QPen(blackbirdBeak.darker(150), 0.5));
    painter.setBrush(blackbirdBeak.darker(112));
    painter.drawPath(bottom);
    painter.setBrush(ballGradient(QPointF(-18, -42), 6, blackbirdBeak));
    painter.drawPath(top);
}

// A parrot's hooked beak, turning orange before its shape changes.
void drawHookedBeak(QPainter& painter, int step)
{
    const double change = blackness(FaceAndBeak, step);
    const QColor upper = mix(QColor(242, 234, 214), blackbirdBeak, change);
    const QColor lower = mix(QColor(54, 54, 60), blackbirdBeak.darker(115), change);
    QPainterPath top;
    top.moveTo(-14, -45);
    top.cubicTo(-19, -47, -23, -38, -19, -31);
    top.cubicTo(-18, -34, -16, -36, -13.5, -37);
    top.closeSubpath();
    QPainterPath bottom;
    bottom.moveTo(-13.5, -37);
    bottom.quadTo(-18, -36, -17, -32.5);
    bottom.quadTo(-14, -32.5, -12, -34);
    bottom.closeSubpath();
    painter.setPen(QPen(lower.darker(140), 0.5));
    painter.setBrush(lower);
    painter.drawPath(bottom);
    painter.setPen(QPen(upper.darker(160), 0.5));
    painter.setBrush(ballGradient(QPointF(-17, -42), 6, upper));
    painter.drawPath(top);
}

void drawHead(QPainter& painter, int step, const Shape& shape)
{
    const QPointF head(-6, -40);
    const QColor colour = partColour(Head, step);
    painter.setPen(QPen(colour.darker(170), 0.5));
    painter.setBrush(ballGradient(head, 11, colour));
    painter.drawEllipse(head, 10, 9.5);
    const QColor face = partColour(FaceAndBeak, step);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawEllipse(QPointF(-10.5, -39.5), 4.8, 4.4);
    if (blackness(FaceAndBeak, step) < 1) {
        // the thin feather lines of a macaw's bare face
        painter.setPen(QPen(QColor(200, 60, 60, 150), 0.35));
        for (int i = 0; i < 3; ++i) {
            painter.drawLine(QPointF(-13.5, -38 + i * 1.3), QPointF(-9, -37.5 + i * 1.3));
        }
    }
    const QColor ring = blackness(FaceAndBeak, step) > 0 ? blackbirdBeak : QColor(250, 220, 60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(-10, -42), 2.2, 2.2);
    painter.setBrush(QColor(20, 20, 24));
    painter.drawEllipse(QPointF(-10, -42), 1.4, 1.4);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(-10.5, -42.6), 0.5, 0.5);
    if (shape.hook > 0) {
        drawHookedBeak(painter, step);
    } else {
        drawStraightBeak(painter);
    }
}

void drawToes(QPainter& painter, int step)
{
    const QColor toes = mix(QColor(150, 146, 150), QColor(70, 60, 54), step / 9.0);
    painter.setPen(QPen(toes.darker(130), 0.5));
    painter.setBrush(toes);
    for (double x : {-4.0, 3.0}) {
        painter.drawEllipse(QPointF(x - 1.2, 1.2), 1.6, 2.2);
        painter.drawEllipse(QPointF(x + 1.2, 1.2), 1.6, 2.2);
    }
}

void drawBird(QPainter& painter, int step)
{
    const Shape shape = birdShape(step);
    painter.save();
    painter.translate(feet);
    painter.scale(birdScale, birdScale);
    drawTail(painter, step, shape);
    drawBody(painter, step);
    drawWing(painter, step);
    drawHead(painter, step, shape);
    drawToes(painter, step);
    painter.restore();
}

void drawFeather(QPainter& painter, QPointF at, double angle, const QColor& colour)
{
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    QPainterPath vane;
    vane.moveTo(-7, 0);
    vane.quadTo(0, -3.8, 7, 0);
    vane.quadTo(0, 3.2, -7, 0);
    painter.setPen(QPen(colour.darker(160), 0.5));
    painter.setBrush(ballGradient(QPointF(0, 0), 7, colour));
    painter.drawPath(vane);
    painter.setPen(QPen(colour.lighter(160), 0.5));
    painter.drawLine(QPointF(-9.5, 0.4), QPointF(6, -0.2));
    painter.restore();
}

// One coloured feather for each part that has turned black: the newest one still falls.
void drawLostFeathers(QPainter& painter, int step)
{
    static const QPointF lying[] = {{42, 133},   {60, 134}, {100, 133}, {118, 134},
                                    {84, 134.5}, {50, 135}, {110, 135}, {70, 133}};
    static const double tilt[] = {-10, 14, -6, 20, -16, 4, 12, -20};
    const int lost = std::min(step, static_cast<int>(Count));
    for (int i = 0; i < lost; ++i) {
        const QColor colour = parrotColours[i];
        if (i == lost - 1 && step <= 8) {
            drawFeather(painter, QPointF(46 + (i % 3) * 10, 112 + (i % 2) * 6), 30 + i * 10,
                        colour);
        } else {
            drawFeather(painter, lying[i], tilt[i], colour);
        }
    }
}

void drawScene(QPainter& painter, int step)
{
    drawRoom(painter, step);
    drawPlant(painter, step);
    drawCageBack(painter, step);
    drawPerchAndToys(painter, step);
    drawBird(painter, step);
    drawLostFeathers(painter, step);
    drawCageFront(painter, step);
    painter.fillRect(QRectF(0, 0, 160, 160), QColor(20, 20, 50, step * 7));
    drawPictureFrame(painter, QRectF(0, 0, 160, 160));
}

} // namespace

QImage paintBird(int step, int scale)
{
    return renderSupersampled(QSize(pictureSide, pictureSide), scale,
                              [step](QPainter& painter) { drawScene(painter, step); });
}

} // namespace scenes
