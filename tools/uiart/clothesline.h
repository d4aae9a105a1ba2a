#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>

#include <array>
#include <vector>

namespace uiart {

inline constexpr QSize kClotheslineSize{600, 120};
inline constexpr int kLineLetters = 29;
inline constexpr int kUpperRowLetters = 15;

// Top-left corner of each letter card on the clothesline picture (the board's peg table).
const std::array<QPoint, kLineLetters>& pegTable();

// A rope through given points, smooth and without overshoot between them.
class RopeCurve
{
public:
    explicit RopeCurve(std::vector<QPointF> knots);

    double yAt(double x) const;
    double left() const { return knots_.front().x(); }
    double right() const { return knots_.back().x(); }
    QPainterPath path() const;

private:
    std::vector<QPointF> knots_;
    std::vector<double> slopes_;
};

// How far the rope's centre runs above the top edge of the card it carries.
inline constexpr double kRopeLift = 1.6;

// The rope of one row of cards, tied to the posts at `leftTie` and `rightTie`.
RopeCurve ropeForCards(const std::vector<QRectF>& cards, QPointF leftTie, QPointF rightTie);

RopeCurve upperRope();
RopeCurve lowerRope();

void paintRope(QPainter& painter, const QPainterPath& rope, double width);
// A wooden peg clamped on the rope at `clamp`, `height` tall.
void paintPeg(QPainter& painter, QPointF clamp, double height);
// An upright wooden post filling `post`, standing in a little heap of snow.
void paintPost(QPainter& painter, const QRectF& post);

// The picture at its own size, or drawn `scale` times as large for dense screens.
QImage clothesline(int scale = 1);

} // namespace uiart
