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

void paintPortugueseShield(QPainter& painter, QPointF centre)
{
    const QRectF outer(centre.x() - 2.6, centre.y() - 3.0, 5.2, 6.0);
    QPainterPath shield;
    shield.moveTo(outer.topLeft());
    shield.lineTo(outer.topRight());
    shield.lineTo(outer.right(), outer.top() + outer.height() * 0.55);
    shield.quadTo(outer.right(), outer.bottom(), centre.x(), outer.bottom());
    shield.quadTo(outer.left(), outer.bottom(), outer.left(), outer.top() + outer.height() * 0.55);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(0x7a, 0x10, 0x10), 0.3));
    painter.setBrush(QColor(0xda, 0x29, 0x1c));
    painter.drawPath(shield);

    QTransform inner;
    inner.translate(centre.x(), centre.y() - 0.2);
    inner.scale(0.62, 0.62);
    inner.translate(-centre.x(), -centre.y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(inner.map(shield));

    painter.setBrush(QColor(0x00, 0x33, 0x99));
    const QPointF mid = centre + QPointF(0, -0.1);
    for (const QPointF& offset :
         {QPointF(0, 0), QPointF(-1.05, 0), QPointF(1.05, 0), QPointF(0, -1.1), QPointF(0, 1.1)}) {
        painter.drawEllipse(mid + offset, 0.42, 0.48);
    }
}

void paintPortugal(QPainter& painter)
{
    const double split = kW * 2 / 5;
    painter.fillRect(QRectF(0, 0, split, kH), QColor(0x04, 0x6a, 0x38));
    painter.fillRect(QRectF(split, 0, kW - split, kH), QColor(0xda, 0x29, 0x1c));

    // The armillary sphere, reduced to its ring and two bands.
    const QPointF centre(split, kH / 2);
    const QColor gold(0xff, 0xd8, 0x1a);
    const QColor goldEdge(0x8a, 0x6a, 0x00);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [colour, width] : {std::pair{goldEdge, 1.5}, std::pair{gold, 0.9}}) {
        painter.setPen(QPen(colour, width));
        painter.drawEllipse(centre, 5.3, 5.3);
        painter.drawEllipse(centre, 5.3, 1.6);
        painter.save();
        painter.translate(centre);
        painter.rotate(-35);
        painter.drawEllipse(QPointF(0, 0), 5.3, 1.4);
        painter.restore();
    }
    paintPortugueseShield(painter, centre);
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

QImage flag(int language)
{
    using FlagPainter = void (*)(QPainter&);
    static constexpr std::array<FlagPainter, kFlagCount> painters = {
        paintGermany,  paintUnitedKingdom, paintSweden, paintItaly,
        paintPortugal, paintSpain,         paintFrance,
    };
    const FlagPainter paintFlag = painters.at(static_cast<std::size_t>(language));
    return renderSupersampled(kFlagSize, [paintFlag](QPainter& painter) {
        paintFlag(painter);
        paintFinish(painter);
    });
}

} // namespace uiart
