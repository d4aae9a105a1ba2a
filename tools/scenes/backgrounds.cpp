// The board backgrounds, one per motif. They lie behind the letters, names and the picture, so
// they stay soft and light: each scene is drawn plainly and then washed with a pale veil.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <cmath>
#include <functional>

namespace scenes {
namespace {

constexpr double width = 640;
constexpr double height = 480;

void washOut(QPainter& painter, const QColor& veil, double strength)
{
    painter.fillRect(QRectF(0, 0, width, height), withAlpha(veil, strength));
}

void drawOrchard(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 0, width, 300), QColor(150, 200, 240),
                       QColor(236, 244, 226));
    drawSun(painter, QPointF(110, 70), 34, QColor(255, 226, 120));
    drawCloud(painter, QPointF(300, 80), 130, QColor(255, 255, 255, 220));
    drawCloud(painter, QPointF(520, 50), 100, QColor(255, 255, 255, 200));
    drawHill(painter, {{0, 230}, {150, 190}, {330, 226}, {500, 184}, {640, 214}}, height,
             QColor(170, 214, 140), QColor(150, 200, 120));
    Rng rng(3);
    for (int i = 0; i < 14; ++i) {
        const QPointF base(20 + i * 46 + rng.range(-8, 8), 236 + rng.range(-6, 10));
        drawRoundTree(painter, base, rng.range(46, 60), QColor(110, 176, 90));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(230, 90, 80));
        for (int apple = 0; apple < 4; ++apple) {
            painter.drawEllipse(base + QPointF(rng.range(-12, 12), -rng.range(28, 44)), 2.4, 2.4);
        }
    }
    drawHill(painter, {{0, 300}, {200, 276}, {420, 296}, {640, 270}}, height, QColor(150, 206, 110),
             QColor(120, 186, 90));
    drawGrassTufts(painter, QRectF(0, 300, width, 180), 260, 8, QColor(100, 170, 80));
    drawMeadowFlowers(painter, QRectF(0, 310, width, 170), 90, 9, 4.5);
    washOut(painter, QColor(255, 252, 240), 0.42);
}

void drawWinter(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 0, width, 300), QColor(170, 196, 228),
                       QColor(236, 242, 250));
    drawSun(painter, QPointF(520, 80), 30, QColor(255, 244, 210));
    drawHill(painter, {{0, 220}, {180, 180}, {360, 214}, {520, 176}, {640, 200}}, height,
             QColor(244, 248, 255), QColor(214, 226, 244));
    Rng rng(5);
    for (int i = 0; i < 22; ++i) {
        const QPointF base(rng.range(0, width), 204 + rng.range(0, 40));
        drawPineTree(painter, base, rng.range(40, 70), QColor(70, 120, 110), 0.7);
    }
    drawHill(painter, {{0, 300}, {160, 270}, {380, 300}, {640, 266}}, height, QColor(252, 253, 255),
             QColor(216, 228, 246));
    drawHill(painter, {{0, 400}, {240, 370}, {460, 392}, {640, 360}}, height, QColor(248, 250, 255),
             QColor(222, 232, 248));
    drawSnowflakes(painter, QRectF(0, 0, width, height), 160, 6, 3.2);
    washOut(painter, QColor(246, 250, 255), 0.38);
}

void drawShore(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 0, width, 220), QColor(140, 200, 240),
                       QColor(226, 244, 252));
    drawSun(painter, QPointF(480, 70), 32, QColor(255, 228, 120));
    drawCloud(painter, QPointF(180, 70), 120, QColor(255, 255, 255, 220));
    fillLinearVertical(painter, QRectF(0, 210, width, 110), QColor(120, 196, 222),
                       QColor(170, 222, 232));
    painter.setPen(QPen(QColor(255, 255, 255, 150), 2));
    Rng rng(7);
    for (int i = 0; i < 30; ++i) {
        const QPointF at(rng.range(0, width), rng.range(222, 306));
        painter.drawLine(at, at + QPointF(rng.range(14, 34), 0));
    }
    for (const QPointF& sail : {QPointF(140, 206), QPointF(560, 200)}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawPolygon(QPolygonF({sail, sail + QPointF(0, -26), sail + QPointF(16, 0)}));
        painter.setBrush(QColor(200, 90, 80, 200));
        painter.drawRect(QRectF(sail.x() - 10, sail.y(), 30, 5));
    }
    drawHill(painter, {{0, 330}, {180, 310}, {400, 326}, {640, 300}}, height, QColor(244, 226, 180),
             QColor(230, 206, 156));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath foam;
    foam.moveTo(0, 330);
    foam.quadTo(180, 304, 400, 322);
    foam.quadTo(520, 312, 640, 298);
    painter.drawPath(foam);
    Rng shells(11);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(shells.chance(0.5) ? QColor(250, 210, 200) : QColor(240, 240, 230));
        painter.drawEllipse(QPointF(shells.range(0, width), shells.range(340, 476)), 3.5, 2.5);
    }
    washOut(painter, QColor(255, 252, 240), 0.4);
}

void drawJungleLeaf(QPainter& painter, QPointF root, double angle, double length,
                    const QColor& colour)
{
    painter.save();
    painter.translate(root);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.3, length * 0.8, -length * 0.25, length, 0);
    leaf.cubicTo(length * 0.8, length * 0.25, length * 0.3, length * 0.3, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.setPen(QPen(colour.lighter(125), length * 0.02));
    painter.drawLine(QPointF(0, 0), QPointF(length * 0.95, 0));
    for (int i = 1; i < 6; ++i) {
        const double x = length * i / 6.5;
        painter.drawLine(QPointF(x, 0), QPointF(x + length * 0.08, -length * 0.14));
        painter.drawLine(QPointF(x, 0), QPointF(x + length * 0.08, length * 0.14));
    }
    painter.restore();
}

void drawJungleRoom(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 0, width, height), QColor(232, 244, 214),
                       QColor(214, 234, 196));
    // a big sunny window in the back wall
    painter.setPen(QPen(QColor(250, 250, 240), 10));
    painter.setBrush(QColor(200, 232, 246));
    painter.drawRect(QRectF(200, 60, 240, 200));
    painter.drawLine(QPointF(320, 60), QPointF(320, 260));
    painter.drawLine(QPointF(200, 160), QPointF(440, 160));
    fillLinearVertical(painter, QRectF(0, 380, width, 100), QColor(214, 176, 130),
                       QColor(190, 150, 106));
    Rng rng(13);
    const QColor greens[] = {QColor(70, 160, 90), QColor(90, 180, 100), QColor(60, 140, 100)};
    for (int i = 0; i < 11; ++i) {
        drawJungleLeaf(painter, QPointF(0, 480), -90 + i * 9 + rng.range(-4, 4),
                       rng.range(180, 300), greens[i % 3]);
        drawJungleLeaf(painter, QPointF(640, 480), -90 - i * 9 + rng.range(-4, 4),
                       rng.range(180, 300), greens[(i + 1) % 3]);
    }
    // vines hanging from the top
    for (int i = 0; i < 9; ++i) {
        const double x = 30 + i * 72 + rng.range(-10, 10);
        const double reach = rng.range(60, 150);
        painter.setPen(QPen(QColor(90, 150, 80), 3));
        painter.drawLine(QPointF(x, 0), QPointF(x + 6, reach));
        for (int leaf = 0; leaf < 5; ++leaf) {
            drawJungleLeaf(painter, QPointF(x + leaf * 1.2, reach * leaf / 5 + 10),
                           leaf % 2 == 0 ? 30 : 150, 26, greens[leaf % 3]);
        }
    }
    washOut(painter, QColor(250, 255, 244), 0.45);
}

void drawTownStreet(QPainter& painter)
{
    fillLinearVertical(painter, QRectF(0, 0, width, 300), QColor(150, 200, 240),
                       QColor(232, 242, 250));
    drawCloud(painter, QPointF(140, 70), 120, QColor(255, 255, 255, 220));
    drawCloud(painter, QPointF(470, 50), 150, QColor(255, 255, 255, 210));
    static const QColor walls[] = {QColor(250, 214, 160), QColor(180, 214, 240),
                                   QColor(250, 190, 186), QColor(206, 236, 186),
                                   QColor(255, 238, 176)};
    static const QColor roofs[] = {QColor(200, 100, 80), QColor(110, 120, 160), QColor(180, 90, 90),
                                   QColor(140, 110, 90)};
    Rng rng(17);
    double x = -20;
    int house = 0;
    while (x < width) {
        const double w = rng.range(70, 110);
        const double top = rng.range(150, 200);
        const QColor wall = walls[house % 5];
        painter.setPen(Qt::NoPen);
        painter.setBrush(wall);
        painter.drawRect(QRectF(x, top, w, 300 - top));
        painter.setBrush(roofs[house % 4]);
        painter.drawPolygon(QPolygonF(
            {QPointF(x - 6, top), QPointF(x + w / 2, top - w * 0.4), QPointF(x + w + 6, top)}));
        painter.setBrush(QColor(210, 234, 248));
        for (double wy = top + 16; wy < 280; wy += 34) {
            for (double wx = x + 12; wx < x + w - 20; wx += 28) {
                painter.drawRect(QRectF(wx, wy, 14, 18));
            }
        }
        x += w + rng.range(0, 12);
        ++house;
    }
    fillLinearVertical(painter, QRectF(0, 300, width, 30), QColor(226, 222, 216),
                       QColor(206, 202, 196));
    for (int i = 0; i < 6; ++i) {
        drawRoundTree(painter, QPointF(50 + i * 110, 312), 80, QColor(120, 180, 100));
    }
    fillLinearVertical(painter, QRectF(0, 330, width, 150), QColor(160, 164, 172),
                       QColor(140, 144, 152));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 240));
    for (double dash = 0; dash < width; dash += 90) {
        painter.drawRect(QRectF(dash, 404, 50, 6));
    }
    washOut(painter, QColor(255, 252, 246), 0.45);
}

} // namespace

QImage paintBackground(int motif, int scale)
{
    static const std::array<std::function<void(QPainter&)>, motifCount> painters = {
        drawOrchard, drawWinter, drawShore, drawJungleRoom, drawTownStreet};
    return renderSupersampled(QSize(640, 480), scale, painters.at(motif), 2);
}

} // namespace scenes
