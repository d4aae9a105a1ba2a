#include "flags.h"

#include "painting.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace uiart {
namespace {

constexpr double kW = kFlagSize.width();
constexpr double kH = kFlagSize.height();

void horizontalStripes(QPainter& painter, const std::array<QColor, 3>& colours,
                       const std::array<double, 3>& shares)
{
    double top = 0;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const double height = shares[i] * kH;
        painter.fillRect(QRectF(0, top, kW, height), colours[i]);
        top += height;
    }
}

void verticalTricolour(QPainter& painter, const QColor& hoist, const QColor& middle,
                       const QColor& fly)
{
    painter.fillRect(QRectF(0, 0, kW / 3, kH), hoist);
    painter.fillRect(QRectF(kW / 3, 0, kW / 3, kH), middle);
    painter.fillRect(QRectF(2 * kW / 3, 0, kW / 3, kH), fly);
}

void paintGermany(QPainter& painter)
{
    horizontalStripes(
        painter, {QColor(0x10, 0x10, 0x10), QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)},
        {1.0 / 3, 1.0 / 3, 1.0 / 3});
}

// The red diagonals of the union flag sit off-centre on their white bands, each on the
// anticlockwise side, so the broad white is uppermost next to the hoist.
void paintUnionDiagonals(QPainter& painter)
{
    const QPointF centre(30, 15);
    const std::array<QPointF, 4> corners = {QPointF(0, 0), QPointF(60, 0), QPointF(60, 30),
                                            QPointF(0, 30)};
    painter.setPen(QPen(Qt::white, 6));
    painter.drawLine(corners[0], corners[2]);
    painter.drawLine(corners[1], corners[3]);
    for (const QPointF& corner : corners) {
        const QPointF out = corner - centre;
        const double length = std::hypot(out.x(), out.y());
        const QPointF normal(out.y() / length, -out.x() / length);
        painter.save();
        painter.setClipRect(
            QRectF(std::min(corner.x(), centre.x()), std::min(corner.y(), centre.y()), 30, 15));
        painter.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(centre + normal, corner + normal + out * 0.1);
        painter.restore();
    }
}

void paintUnitedKingdom(QPainter& painter)
{
    painter.save();
    painter.scale(kW / 60, kH / 30);
    painter.fillRect(QRectF(0, 0, 60, 30), QColor(0x01, 0x21, 0x69));
    paintUnionDiagonals(painter);
    painter.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    painter.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    const QColor red(0xc8, 0x10, 0x2e);
    painter.fillRect(QRectF(27, 0, 6, 30), red);
    painter.fillRect(QRectF(0, 12, 60, 6), red);
    painter.restore();
}

void paintSweden(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, kW, kH), QColor(0x00, 0x6a, 0xa7));
    const QColor yellow(0xfe, 0xcc, 0x02);
    painter.fillRect(QRectF(10, 0, 4, kH), yellow);
    painter.fillRect(QRectF(0, 8, kW, 4), yellow);
}

void paintItaly(QPainter& painter)
{
    verticalTricolour(painter, QColor(0x00, 0x92, 0x46), QColor(0xf4, 0xf5, 0xf0),
                      QColor(0xce, 0x2b, 0x37));
}

void paintBrazil(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, kW, kH), QColor(0x00, 0x9c, 0x3b));

    // The yellow lozenge keeps the same margin from every edge.
    const double margin = kH * 0.12;
    QPainterPath lozenge;
    lozenge.moveTo(margin, kH / 2);
    lozenge.lineTo(kW / 2, margin);
    lozenge.lineTo(kW - margin, kH / 2);
    lozenge.lineTo(kW / 2, kH - margin);
    lozenge.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xdf, 0x00));
    painter.drawPath(lozenge);

    // The blue globe crossed by its curved white band, and a few stars below it.
    const QPointF centre(kW / 2, kH / 2);
    const double radius = kH / 4;
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    painter.setBrush(QColor(0x00, 0x27, 0x76));
    painter.drawPath(globe);
    painter.save();
    painter.setClipPath(globe);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1.1, Qt::SolidLine, Qt::FlatCap));
    // The band is an arc of a wide circle centred below the globe, towards the hoist.
    const QPointF bandCentre = centre + QPointF(-0.6 * radius, 3.0 * radius);
    const double bandRadius = std::hypot(0.6 * radius, 3.15 * radius);
    painter.drawEllipse(bandCentre, bandRadius, bandRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF& star : {QPointF(-1.6, 2.2), QPointF(0.4, 3.0), QPointF(1.9, 1.6),
                                QPointF(-0.2, 1.5), QPointF(2.6, -0.6)})
        painter.drawEllipse(centre + star, 0.3, 0.3);
    painter.restore();
}

void paintSpanishArms(QPainter& painter, QPointF centre)
{
    const QColor red(0xaa, 0x15, 0x1b);
    const QColor gold(0xf1, 0xbf, 0x00);
    const QColor edge(0x5a, 0x3a, 0x00);

    // Pillars either side of the shield.
    for (double side : {-1.0, 1.0}) {
        const QRectF pillar(centre.x() + side * 3.7 - 0.55, centre.y() - 2.6, 1.1, 5.6);
        painter.setPen(QPen(edge, 0.25));
        painter.setBrush(QColor(0xe8, 0xe8, 0xe0));
        painter.drawRect(pillar);
        painter.setBrush(red);
        painter.drawRect(QRectF(pillar.left() - 0.4, centre.y() - 0.4, 1.9, 0.8));
    }

    // The shield: quartered red and white, red and gold stripes below.
    const QRectF shield(centre.x() - 2.4, centre.y() - 2.4, 4.8, 5.6);
    QPainterPath outline;
    outline.moveTo(shield.topLeft());
    outline.lineTo(shield.topRight());
    outline.lineTo(shield.right(), shield.top() + shield.height() * 0.6);
    outline.quadTo(shield.right(), shield.bottom(), shield.center().x(), shield.bottom());
    outline.quadTo(shield.left(), shield.bottom(), shield.left(),
                   shield.top() + shield.height() * 0.6);
    outline.closeSubpath();
    painter.save();
    painter.setClipPath(outline);
    const double midX = shield.center().x();
    const double midY = shield.top() + shield.height() * 0.45;
    painter.fillRect(QRectF(shield.left(), shield.top(), midX - shield.left(), midY - shield.top()),
                     red);
    painter.fillRect(QRectF(midX, shield.top(), shield.right() - midX, midY - shield.top()),
                     QColor(0xf0, 0xf0, 0xf0));
    painter.fillRect(QRectF(shield.left(), midY, midX - shield.left(), shield.bottom() - midY),
                     gold);
    for (double x = shield.left() + 0.35; x < midX; x += 0.9) {
        painter.fillRect(QRectF(x, midY, 0.45, shield.bottom() - midY), red);
    }
    painter.fillRect(QRectF(midX, midY, shield.right() - midX, shield.bottom() - midY), red);
    painter.restore();
    painter.setPen(QPen(edge, 0.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    // The crown on top.
    QPainterPath crown;
    const double base = shield.top() - 0.2;
    crown.moveTo(centre.x() - 2.2, base);
    crown.lineTo(centre.x() - 2.5, base - 1.6);
    crown.lineTo(centre.x() - 1.1, base - 1.0);
    crown.lineTo(centre.x(), base - 2.1);
    crown.lineTo(centre.x() + 1.1, base - 1.0);
    crown.lineTo(centre.x() + 2.5, base - 1.6);
    crown.lineTo(centre.x() + 2.2, base);
    crown.closeSubpath();
    painter.setPen(QPen(edge, 0.3));
    painter.setBrush(gold);
    painter.drawPath(crown);
}

void paintSpain(QPainter& painter)
{
    const QColor red(0xaa, 0x15, 0x1b);
    horizontalStripes(painter, {red, QColor(0xf1, 0xbf, 0x00), red}, {0.25, 0.5, 0.25});
    // The arms sit half the flag's height in from the hoist.
    paintSpanishArms(painter, QPointF(kH / 2, kH / 2));
}

void paintFrance(QPainter& painter)
{
    verticalTricolour(painter, QColor(0x00, 0x35, 0x9a), QColor(0xf4, 0xf5, 0xf0),
                      QColor(0xef, 0x41, 0x35));
}

// A faint sheen and a thin dark edge, so every flag looks like a small card of cloth and the
// white parts stay distinct on a light toolbar.
void paintFinish(QPainter& painter)
{
    QLinearGradient sheen(0, 0, 0, kH);
    sheen.setColorAt(0, QColor(255, 255, 255, 45));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 30));
    painter.fillRect(QRectF(0, 0, kW, kH), sheen);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
}

} // namespace

QImage flag(int language, int scale)
{
    using FlagPainter = void (*)(QPainter&);
    static constexpr std::array<FlagPainter, kFlagCount> painters = {
        paintGermany, paintUnitedKingdom, paintSweden, paintItaly,
        paintBrazil,  paintSpain,         paintFrance,
    };
    const FlagPainter paintFlag = painters.at(static_cast<std::size_t>(language));
    return renderSupersampled(kFlagSize, scale, [paintFlag](QPainter& painter) {
        paintFlag(painter);
        paintFinish(painter);
    });
}

} // namespace uiart
