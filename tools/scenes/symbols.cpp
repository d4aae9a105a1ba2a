// The score symbols: one small emblem per motif on a transparent ground, drawn with a dark
// outline so that they stand out on every background.

#include "canvas.h"
#include "scenes.h"

#include <QLinearGradient>

#include <array>
#include <functional>

namespace scenes {
namespace {

const QColor outline(60, 30, 20);

QPen outlinePen(double width = 1.1)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawAppleSymbol(QPainter& painter)
{
    QPainterPath apple;
    apple.moveTo(16, 9.5);
    apple.cubicTo(22, 5, 30, 9, 29, 18);
    apple.cubicTo(28, 26, 22, 31, 16, 29);
    apple.cubicTo(10, 31, 4, 26, 3, 18);
    apple.cubicTo(2, 9, 10, 5, 16, 9.5);
    painter.setPen(outlinePen());
    painter.setBrush(ballGradient(QPointF(15, 19), 15, QColor(226, 30, 36)));
    painter.drawPath(apple);
    drawGloss(painter, ellipsePath(QPointF(9.5, 15), 2.2, 3.6), 0.8);
    painter.setPen(QPen(QColor(100, 60, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 10), QPointF(17.5, 3.5));
    QPainterPath leaf;
    leaf.moveTo(18, 6);
    leaf.quadTo(22, 1, 27, 3.5);
    leaf.quadTo(23, 8, 18, 6);
    painter.setPen(QPen(QColor(30, 90, 30), 0.8));
    painter.setBrush(QColor(90, 180, 60));
    painter.drawPath(leaf);
}

void drawSnowFigureSymbol(QPainter& painter)
{
    const QColor rim(70, 100, 150);
    auto snowBall = [&](QPointF center, double radius) {
        QRadialGradient snow(center - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
        snow.setColorAt(0.0, Qt::white);
        snow.setColorAt(0.6, QColor(240, 246, 255));
        snow.setColorAt(1.0, QColor(170, 196, 230));
        painter.setPen(QPen(rim, 1.0));
        painter.setBrush(snow);
        painter.drawEllipse(center, radius, radius);
    };
    snowBall(QPointF(16, 22.5), 8.5);
    snowBall(QPointF(16, 12), 6.2);
    painter.setPen(QPen(QColor(150, 30, 40), 0.6));
    painter.setBrush(QColor(224, 50, 60));
    painter.drawRoundedRect(QRectF(10.5, 16.2, 11, 2.8), 1.3, 1.3);
    QPainterPath cap;
    cap.moveTo(10, 9);
    cap.cubicTo(10, 1.5, 22, 1.5, 22, 9);
    cap.closeSubpath();
    painter.setPen(QPen(QColor(130, 24, 32), 0.8));
    painter.setBrush(ballGradient(QPointF(16, 6), 6, QColor(222, 50, 58)));
    painter.drawPath(cap);
    painter.setPen(QPen(QColor(120, 130, 160), 0.6));
    painter.setBrush(QColor(248, 248, 252));
    painter.drawEllipse(QPointF(16, 2.6), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 38));
    painter.drawEllipse(QPointF(14, 11.5), 0.9, 1.0);
    painter.drawEllipse(QPointF(18, 11.5), 0.9, 1.0);
    painter.drawEllipse(QPointF(16, 22), 0.9, 0.9);
    painter.drawEllipse(QPointF(16, 25.5), 0.9, 0.9);
    painter.setBrush(QColor(255, 140, 30));
    painter.drawPolygon(QPolygonF({QPointF(16, 12.8), QPointF(21.5, 14), QPointF(16, 14.6)}));
}

void drawShipSymbol(QPainter& painter)
{
    QPainterPath main;
    main.moveTo(15, 3);
    main.quadTo(10, 12, 6, 19);
    main.lineTo(15, 19);
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(17, 4);
    jib.quadTo(23, 12, 27, 19);
    jib.lineTo(17, 19);
    jib.closeSubpath();
    painter.setPen(outlinePen(0.9));
    painter.setBrush(QColor(252, 248, 236));
    painter.drawPath(main);
    painter.drawPath(jib);
    painter.setPen(QPen(QColor(110, 70, 40), 1.4));
    painter.drawLine(QPointF(16, 2), QPointF(16, 21));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 40));
    painter.drawPolygon(QPolygonF({QPointF(16.5, 1.5), QPointF(21.5, 2.6), QPointF(16.5, 3.8)}));
    QPainterPath hull;
    hull.moveTo(3, 20);
    hull.lineTo(30, 19);
    hull.cubicTo(28, 24, 26, 26, 23, 26.5);
    hull.lineTo(8, 26.5);
    hull.cubicTo(5.5, 25.5, 4, 23, 3, 20);
    hull.closeSubpath();
    QLinearGradient paint(0, 19, 0, 27);
    paint.setColorAt(0, QColor(240, 70, 70));
    paint.setColorAt(1, QColor(170, 24, 30));
    painter.setPen(outlinePen(0.9));
    painter.setBrush(paint);
    painter.drawPath(hull);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.drawLine(QPointF(5, 22), QPointF(28.5, 21.2));
    QPainterPath wave;
    wave.moveTo(1, 28.5);
    for (int i = 0; i < 5; ++i) {
        wave.quadTo(3.5 + i * 6, 26.5, 6.5 + i * 6, 28.5);
    }
    painter.setPen(QPen(QColor(40, 130, 220), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

void drawParrotSymbol(QPainter& painter)
{
    QPainterPath tail;
    tail.moveTo(17, 20);
    tail.lineTo(25, 31);
    tail.lineTo(21, 31);
    tail.lineTo(14, 22);
    tail.closeSubpath();
    painter.setPen(outlinePen(0.8));
    painter.setBrush(QColor(50, 110, 224));
    painter.drawPath(tail);
    QPainterPath body;
    body.moveTo(11, 9);
    body.cubicTo(6, 15, 8, 23, 15, 25);
    body.cubicTo(20, 26, 22, 20, 20, 14);
    body.cubicTo(18, 9, 15, 7, 11, 9);
    painter.setBrush(ballGradient(QPointF(13, 16), 10, QColor(228, 36, 40)));
    painter.drawPath(body);
    QPainterPath wing;
    wing.moveTo(13, 13);
    wing.cubicTo(19, 12, 22, 18, 22, 25);
    wing.cubicTo(17, 23, 13, 19, 13, 13);
    QLinearGradient bands(0, 13, 0, 25);
    bands.setColorAt(0.0, QColor(255, 210, 40));
    bands.setColorAt(0.45, QColor(255, 210, 40));
    bands.setColorAt(0.5, QColor(50, 176, 90));
    bands.setColorAt(0.7, QColor(50, 176, 90));
    bands.setColorAt(0.75, QColor(40, 110, 224));
    bands.setColorAt(1.0, QColor(40, 110, 224));
    painter.setBrush(bands);
    painter.drawPath(wing);
    painter.setBrush(ballGradient(QPointF(12, 7.5), 7, QColor(234, 44, 44)));
    painter.drawEllipse(QPointF(12.5, 8), 5.6, 5.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(10, 8), 2.6, 2.4);
    painter.setBrush(QColor(20, 20, 24));
    painter.drawEllipse(QPointF(10.2, 7.4), 1.0, 1.0);
    QPainterPath beak;
    beak.moveTo(7.5, 6);
    beak.cubicTo(4, 5, 2, 9, 4, 12.5);
    beak.cubicTo(4.8, 10.5, 6.5, 10, 8, 10.5);
    beak.closeSubpath();
    painter.setPen(outlinePen(0.7));
    painter.setBrush(QColor(246, 238, 220));
    painter.drawPath(beak);
    painter.setPen(QPen(QColor(110, 70, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 25.5), QPointF(26, 25.5));
}

void drawCarSymbol(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(1.5, 19.5);
    body.lineTo(1.5, 14);
    body.quadTo(2, 11.5, 5, 11);
    body.lineTo(7, 10.5);
    body.quadTo(9, 5, 12, 4.5);
    body.lineTo(17, 4.5);
    body.quadTo(19.5, 5, 21, 10.5);
    body.quadTo(24.5, 11.5, 24.5, 14.5);
    body.lineTo(24.5, 19.5);
    body.closeSubpath();
    QLinearGradient paint(0, 4, 0, 20);
    paint.setColorAt(0, QColor(250, 90, 90));
    paint.setColorAt(0.5, QColor(222, 30, 38));
    paint.setColorAt(1, QColor(150, 16, 20));
    painter.setPen(outlinePen(0.9));
    painter.setBrush(paint);
    painter.drawPath(body);
    painter.setPen(QPen(QColor(60, 60, 70), 0.5));
    painter.setBrush(QColor(180, 224, 250));
    QPainterPath windows;
    windows.moveTo(8.5, 10.5);
    windows.quadTo(10, 6.5, 12.5, 6.2);
    windows.lineTo(12.5, 10.5);
    windows.closeSubpath();
    windows.moveTo(14, 10.5);
    windows.lineTo(14, 6.2);
    windows.lineTo(16.8, 6.2);
    windows.quadTo(18.6, 7, 19.5, 10.5);
    windows.closeSubpath();
    painter.drawPath(windows);
    drawGloss(painter, ellipsePath(QPointF(11, 12.5), 6, 0.8), 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 236, 140));
    painter.drawEllipse(QPointF(23.3, 14), 1.0, 1.2);
    for (double x : {7.0, 19.5}) {
        painter.setPen(outlinePen(0.8));
        painter.setBrush(QColor(34, 34, 38));
        painter.drawEllipse(QPointF(x, 20.5), 3.8, 3.8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(210, 214, 222));
        painter.drawEllipse(QPointF(x, 20.5), 1.7, 1.7);
    }
}

} // namespace

QImage paintSymbol(int motif, int scale)
{
    static const std::array<std::function<void(QPainter&)>, motifCount> painters = {
        drawAppleSymbol, drawSnowFigureSymbol, drawShipSymbol, drawParrotSymbol, drawCarSymbol};
    const QSize size = motif == 4 ? QSize(26, 27) : QSize(32, 32);
    return renderSupersampled(size, scale, painters.at(motif), 8);
}

} // namespace scenes
