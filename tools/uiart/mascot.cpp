#include "mascot.h"

#include "painting.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace uiart {
namespace {

const QColor kSnowEdge(0x5f, 0x82, 0xab);
const QColor kCoal(0x26, 0x2a, 0x33);
const QColor kWool(0xd9, 0x2b, 0x3a);
const QColor kTwig(0x6b, 0x44, 0x23);

void paintSnowBall(QPainter& painter, QPointF centre, double radius)
{
    QRadialGradient snow(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.35);
    snow.setColorAt(0, Qt::white);
    snow.setColorAt(0.55, QColor(0xf2, 0xf7, 0xfd));
    snow.setColorAt(1, QColor(0xb9, 0xd0, 0xea));
    painter.setPen(QPen(kSnowEdge, 1.6));
    painter.setBrush(snow);
    painter.drawEllipse(centre, radius, radius);
}

void paintTwigArm(QPainter& painter, QPointF shoulder, QPointF hand, double fingerSpread)
{
    painter.setPen(roundPen(kTwig, 2.4));
    painter.drawLine(shoulder, hand);
    const QPointF along = hand - shoulder;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    painter.setPen(roundPen(kTwig, 1.7));
    painter.drawLine(hand, hand + unit * 5 + across * fingerSpread);
    painter.drawLine(hand, hand + unit * 5 - across * fingerSpread);
    // A side shoot half way along the arm.
    const QPointF joint = shoulder + along * 0.55;
    painter.drawLine(joint, joint + unit * 4 - across * 3.5);
}

void paintFace(QPainter& painter)
{
    // Rosy cheeks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x8a, 0x9a, 110));
    painter.drawEllipse(QPointF(38.5, 40), 3.6, 2.6);
    painter.drawEllipse(QPointF(58.5, 40), 3.6, 2.6);

    // Coal eyes with a glint.
    for (double x : {42.5, 54.0}) {
        painter.setBrush(kCoal);
        painter.drawEllipse(QPointF(x, 33.6), 2.4, 2.9);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(x + 0.8, 32.6), 0.9, 0.9);
    }

    // A smile of coal pebbles.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCoal);
    for (int pebble = 0; pebble < 5; ++pebble) {
        const double angle = (200 + pebble * 35) * M_PI / 180.0;
        const QPointF centre(48.5 - std::cos(angle) * 6.4, 40.6 - std::sin(angle) * 3.8);
        painter.drawEllipse(centre, 1.05, 1.05);
    }

    // The carrot nose, pointing a little sideways.
    QPainterPath carrot;
    carrot.moveTo(47.2, 35.2);
    carrot.quadTo(55, 36.6, 62.5, 39.2);
    carrot.quadTo(55, 39.6, 47.6, 39.4);
    carrot.quadTo(46.2, 37.3, 47.2, 35.2);
    painter.setPen(roundPen(QColor(0xa8, 0x4a, 0x00), 1.0));
    painter.setBrush(verticalGradient(35, 40, QColor(0xff, 0xa7, 0x26), QColor(0xf0, 0x6e, 0x00)));
    painter.drawPath(carrot);
    painter.setPen(roundPen(QColor(0xc8, 0x5a, 0x00), 0.7));
    painter.drawLine(QPointF(52, 36.4), QPointF(52.6, 38.1));
    painter.drawLine(QPointF(56.5, 37.3), QPointF(57.0, 38.7));
}

void paintHat(QPainter& painter)
{
    // A knitted bobble hat, pulled down over the top of the head.
    QPainterPath cap;
    cap.moveTo(33.5, 25.5);
    cap.cubicTo(33, 12, 44, 6.5, 50, 7.5);
    cap.cubicTo(58, 8.5, 64, 15, 62.8, 25.5);
    cap.closeSubpath();
    painter.setPen(roundPen(tint(kWool, -0.45), 1.4));
    painter.setBrush(verticalGradient(7, 26, tint(kWool, 0.2), kWool));
    painter.drawPath(cap);

    painter.setPen(roundPen(QColor(255, 255, 255, 170), 1.4));
    painter.drawLine(QPointF(39, 15), QPointF(57.5, 15));

    const QRectF brim(31.5, 22, 33, 7);
    painter.setPen(roundPen(tint(kWool, -0.45), 1.4));
    painter.setBrush(
        verticalGradient(brim.top(), brim.bottom(), Qt::white, QColor(0xd8, 0xe2, 0xee)));
    painter.drawRoundedRect(brim, 3.5, 3.5);
    painter.setPen(roundPen(QColor(0xb0, 0xc0, 0xd4), 0.8));
    for (double x = 35; x < 63; x += 3.2) {
        painter.drawLine(QPointF(x, brim.top() + 1.8), QPointF(x, brim.bottom() - 1.8));
    }

    QRadialGradient fluff(QPointF(50, 4.5), 5);
    fluff.setColorAt(0, Qt::white);
    fluff.setColorAt(1, QColor(0xdd, 0xe6, 0xf0));
    painter.setPen(QPen(kSnowEdge, 1.2));
    painter.setBrush(fluff);
    painter.drawEllipse(QPointF(50.5, 6.5), 4.4, 4.4);
}

void paintScarf(QPainter& painter)
{
    QPainterPath wrap;
    wrap.moveTo(34.5, 45.5);
    wrap.cubicTo(42, 50.5, 55, 50.5, 62, 45.5);
    wrap.lineTo(62.5, 51);
    wrap.cubicTo(55, 56, 42, 56, 34, 51);
    wrap.closeSubpath();
    QPainterPath tail;
    tail.moveTo(37, 51);
    tail.lineTo(44, 52.5);
    tail.lineTo(41.5, 66);
    tail.lineTo(34, 64.5);
    tail.closeSubpath();

    const QPen edge = roundPen(tint(kWool, -0.45), 1.3);
    for (const QPainterPath* piece : {&tail, &wrap}) {
        const QRectF box = piece->boundingRect();
        painter.setPen(edge);
        painter.setBrush(verticalGradient(box.top(), box.bottom(), tint(kWool, 0.15), kWool));
        painter.drawPath(*piece);
    }
    // White knitted stripes.
    painter.setPen(roundPen(QColor(255, 255, 255, 200), 1.5));
    painter.drawLine(QPointF(36.6, 58.3), QPointF(42.6, 59.5));
    painter.drawLine(QPointF(35.6, 62.0), QPointF(41.9, 63.2));
    painter.setPen(roundPen(tint(kWool, -0.3), 0.9));
    for (double x : {35.0, 37.7, 40.4}) {
        painter.drawLine(QPointF(x, 64.8), QPointF(x - 0.4, 68.2));
    }
}

} // namespace

void paintSnowflake(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                    double width)
{
    painter.save();
    painter.setPen(roundPen(colour, width));
    for (int arm = 0; arm < 6; ++arm) {
        const double angle = (90 + arm * 60) * M_PI / 180.0;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        const QPointF across(-direction.y(), direction.x());
        painter.drawLine(centre, centre + direction * radius);
        const QPointF fork = centre + direction * radius * 0.55;
        for (double side : {-1.0, 1.0}) {
            painter.drawLine(fork, fork + (direction * 0.28 + across * side * 0.28) * radius);
        }
    }
    painter.restore();
}

void paintMascot(QPainter& painter)
{
    painter.save();
    // The shadow on the snow he stands in.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5f, 0x82, 0xab, 70));
    painter.drawEllipse(QPointF(48, 90), 26, 4.5);

    paintTwigArm(painter, QPointF(29, 63), QPointF(12, 53), 2.6);
    paintTwigArm(painter, QPointF(67, 61), QPointF(83, 44), 3.0);

    paintSnowBall(painter, QPointF(48, 68), 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCoal);
    for (double y : {62.0, 70.5, 79.0}) {
        painter.drawEllipse(QPointF(48.5, y), 2.2, 2.2);
    }
    paintSnowBall(painter, QPointF(48, 36), 16);
    paintScarf(painter);
    paintFace(painter);
    paintHat(painter);

    paintSnowflake(painter, QPointF(12, 16), 5.5, QColor(0x6f, 0xa8, 0xe6), 1.1);
    paintSnowflake(painter, QPointF(84, 14), 4, QColor(0x8c, 0xbc, 0xee), 0.9);
    painter.restore();
}

QImage mascotPicture(int scale)
{
    return renderSupersampled(kMascotSize, scale, paintMascot);
}

} // namespace uiart
