#include "clothesline.h"

#include "painting.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace uiart {
namespace {

constexpr QSizeF kCard{25, 30};
constexpr double kPostWidth = 8;
constexpr double kPegHeight = 13;
constexpr double kPegShareAboveRope = 0.4;
constexpr double kRopeWidth = 2.4;

// Free rope between two fixed points hangs lower the longer the stretch is.
constexpr double kSagPerPixel = 0.075;
constexpr double kShortestSaggingGap = 10;

std::vector<double> monotoneSlopes(const std::vector<QPointF>& knots)
{
    const std::size_t n = knots.size();
    std::vector<double> secants(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        secants[k] = (knots[k + 1].y() - knots[k].y()) / (knots[k + 1].x() - knots[k].x());
    }
    std::vector<double> slopes(n);
    slopes.front() = secants.front();
    slopes.back() = secants.back();
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const bool sameDirection = secants[k - 1] * secants[k] > 0;
        slopes[k] = sameDirection ? (secants[k - 1] + secants[k]) / 2 : 0.0;
    }
    // Limit the tangents so that the curve never swings past its neighbouring knots.
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (secants[k] == 0) {
            slopes[k] = slopes[k + 1] = 0;
            continue;
        }
        const double a = slopes[k] / secants[k];
        const double b = slopes[k + 1] / secants[k];
        const double length = std::hypot(a, b);
        if (length > 3) {
            slopes[k] = 3 / length * a * secants[k];
            slopes[k + 1] = 3 / length * b * secants[k];
        }
    }
    return slopes;
}

QRectF cardRect(int letter)
{
    return QRectF(pegTable()[static_cast<std::size_t>(letter)], kCard);
}

std::vector<QRectF> cardsOfRow(int first, int last)
{
    std::vector<QRectF> cards;
    for (int letter = first; letter <= last; ++letter) {
        cards.push_back(cardRect(letter));
    }
    return cards;
}

// Posts stand far enough in that the snow heaped at their feet stays inside the picture.
const QRectF kLeftPost(4.5, 0, kPostWidth, 118);
const QRectF kRightPost(kClotheslineSize.width() - 4.5 - kPostWidth, 0, kPostWidth, 118);

QPointF tieOnLeftPost(double y)
{
    return {kLeftPost.right() + 0.5, y};
}

QPointF tieOnRightPost(double y)
{
    return {kRightPost.left() - 0.5, y};
}

void paintRopeTwist(QPainter& painter, const QPainterPath& rope, double width)
{
    // Short slanted marks along the rope read as twisted strands.
    const double spacing = width * 1.3;
    const double length = rope.length();
    painter.setPen(roundPen(QColor(0x9a, 0x7d, 0x4f), width * 0.28));
    for (double at = spacing / 2; at < length; at += spacing) {
        const double percent = rope.percentAtLength(at);
        const QPointF point = rope.pointAtPercent(percent);
        const double angle = rope.angleAtPercent(percent) * M_PI / 180.0;
        const QPointF along(std::cos(angle), -std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const QPointF half = (across * 0.42 + along * 0.3) * width;
        painter.drawLine(point - half, point + half);
    }
}

void paintTie(QPainter& painter, QPointF tie, bool onLeftPost)
{
    // A metal eye screwed into the post, the rope knotted through it.
    const double side = onLeftPost ? -1 : 1;
    const QPointF eye = tie + QPointF(side * 1.2, 0);
    painter.setPen(QPen(QColor(0x55, 0x5b, 0x63), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(eye, 1.7, 1.7);
    painter.setPen(QPen(QColor(0x6d, 0x55, 0x32), 0.6));
    painter.setBrush(QColor(0xc9, 0xad, 0x7a));
    painter.drawEllipse(tie - QPointF(side * 0.6, 0), 1.6, 1.5);
}

} // namespace

const std::array<QPoint, kLineLetters>& pegTable()
{
    static const std::array<QPoint, kLineLetters> table = {{
        {16, 8},   {44, 13},  {73, 15},  {101, 17}, {131, 13}, {170, 12}, {201, 16}, {234, 18},
        {274, 20}, {317, 13}, {385, 17}, {418, 23}, {456, 26}, {492, 29}, {532, 26}, {39, 60},
        {67, 66},  {95, 73},  {125, 76}, {157, 79}, {188, 72}, {216, 68}, {262, 67}, {299, 72},
        {333, 75}, {368, 79}, {405, 76}, {440, 74}, {481, 69},
    }};
    return table;
}

RopeCurve::RopeCurve(std::vector<QPointF> knots) : knots_(std::move(knots))
{
    std::sort(knots_.begin(), knots_.end(),
              [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    slopes_ = monotoneSlopes(knots_);
}

double RopeCurve::yAt(double x) const
{
    if (x <= knots_.front().x()) {
        return knots_.front().y();
    }
    if (x >= knots_.back().x()) {
        return knots_.back().y();
    }
    const auto upper =
        std::upper_bound(knots_.begin(), knots_.end(), x,
                         [](double value, const QPointF& k) { return value < k.x(); });
    const std::size_t k = static_cast<std::size_t>(upper - knots_.begin()) - 1;
    const double h = knots_[k + 1].x() - knots_[k].x();
    const double t = (x - knots_[k].x()) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * knots_[k].y() + (t3 - 2 * t2 + t) * h * slopes_[k] +
           (-2 * t3 + 3 * t2) * knots_[k + 1].y() + (t3 - t2) * h * slopes_[k + 1];
}

QPainterPath RopeCurve::path() const
{
    QPainterPath rope(QPointF(left(), yAt(left())));
    constexpr double step = 0.5;
    for (double x = left() + step; x < right(); x += step) {
        rope.lineTo(x, yAt(x));
    }
    rope.lineTo(right(), yAt(right()));
    return rope;
}

RopeCurve ropeForCards(const std::vector<QRectF>& cards, QPointF leftTie, QPointF rightTie)
{
    // Knots: the ties, one at each peg, and a lowered one in the middle of every longer free span.
    std::vector<QPointF> knots{leftTie};
    auto addSag = [&knots](double fromX, double toX, QPointF next) {
        const double gap = toX - fromX;
        if (gap < kShortestSaggingGap) {
            return;
        }
        const QPointF previous = knots.back();
        const double middle = (fromX + toX) / 2;
        const double share = (middle - previous.x()) / (next.x() - previous.x());
        const double straight = previous.y() + (next.y() - previous.y()) * share;
        knots.emplace_back(middle, straight + kSagPerPixel * gap);
    };
    double freeFrom = leftTie.x();
    for (const QRectF& card : cards) {
        const QPointF peg(card.center().x(), card.top() - kRopeLift);
        addSag(freeFrom, card.left(), peg);
        knots.push_back(peg);
        freeFrom = card.right();
    }
    addSag(freeFrom, rightTie.x(), rightTie);
    knots.push_back(rightTie);
    return RopeCurve(std::move(knots));
}

RopeCurve upperRope()
{
    return ropeForCards(cardsOfRow(0, kUpperRowLetters - 1), tieOnLeftPost(5), tieOnRightPost(9));
}

RopeCurve lowerRope()
{
    return ropeForCards(cardsOfRow(kUpperRowLetters, kLineLetters - 1), tieOnLeftPost(52),
                        tieOnRightPost(56));
}

void paintRope(QPainter& painter, const QPainterPath& rope, double width)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(QColor(0x5e, 0x45, 0x26), width + 0.9));
    painter.drawPath(rope);
    painter.setPen(roundPen(QColor(0xdd, 0xc6, 0x94), width));
    painter.drawPath(rope);
    paintRopeTwist(painter, rope, width);
    painter.restore();
}

void paintPeg(QPainter& painter, QPointF clamp, double height)
{
    painter.save();
    const double width = height * 0.42;
    const QRectF body(clamp.x() - width / 2, clamp.y() - height * kPegShareAboveRope, width,
                      height);
    const QColor outline(0x7a, 0x52, 0x2a);
    QLinearGradient wood(body.left(), 0, body.right(), 0);
    wood.setColorAt(0, QColor(0xf3, 0xd3, 0x9b));
    wood.setColorAt(0.45, QColor(0xe7, 0xbf, 0x80));
    wood.setColorAt(1, QColor(0xc8, 0x98, 0x58));
    painter.setPen(QPen(outline, height / 16));
    painter.setBrush(wood);
    const double radius = width * 0.4;
    painter.drawRoundedRect(body, radius, radius);

    // The split between the two halves of the peg.
    painter.setPen(QPen(outline, height / 22));
    painter.drawLine(QPointF(clamp.x(), body.top() + height * 0.1),
                     QPointF(clamp.x(), body.bottom() - height * 0.05));

    // The steel spring across the middle.
    const QRectF spring(body.left() - width * 0.08, clamp.y() - height * 0.27, width * 1.16,
                        height * 0.16);
    painter.setPen(QPen(QColor(0x4a, 0x50, 0x58), height / 26));
    painter.setBrush(verticalGradient(spring.top(), spring.bottom(), QColor(0xee, 0xf1, 0xf5),
                                      QColor(0x8b, 0x93, 0x9e)));
    painter.drawRoundedRect(spring, spring.height() * 0.4, spring.height() * 0.4);
    painter.restore();
}

void paintPost(QPainter& painter, const QRectF& post)
{
    painter.save();
    QLinearGradient wood(post.left(), 0, post.right(), 0);
    wood.setColorAt(0, QColor(0xa8, 0x74, 0x44));
    wood.setColorAt(0.35, QColor(0xc8, 0x92, 0x5a));
    wood.setColorAt(1, QColor(0x7c, 0x4f, 0x2a));
    painter.setPen(QPen(QColor(0x5a, 0x38, 0x1c), post.width() / 8));
    painter.setBrush(wood);
    const double radius = post.width() * 0.45;
    painter.drawRoundedRect(post.adjusted(0, post.width() * 0.25, 0, 0), radius, radius * 0.6);

    // Grain lines.
    painter.setPen(QPen(QColor(0x6e, 0x45, 0x22, 110), post.width() / 14));
    for (double share : {0.3, 0.62}) {
        const double x = post.left() + post.width() * share;
        painter.drawLine(QPointF(x, post.top() + post.width() * 1.2),
                         QPointF(x, post.bottom() - post.width() * 1.5));
    }

    // Snow on the top and heaped at the foot.
    const QColor snowEdge(0x8f, 0xaa, 0xc8);
    painter.setPen(QPen(snowEdge, post.width() / 10));
    painter.setBrush(verticalGradient(post.top(), post.top() + post.width() * 0.6, Qt::white,
                                      QColor(0xdc, 0xe9, 0xf7)));
    painter.drawEllipse(QRectF(post.left() - post.width() * 0.12, post.top() + 0.3,
                               post.width() * 1.24, post.width() * 0.62));
    const QRectF heap(post.center().x() - post.width() * 0.9, post.bottom() - post.width() * 0.9,
                      post.width() * 1.8, post.width() * 1.1);
    painter.setBrush(
        verticalGradient(heap.top(), heap.bottom(), Qt::white, QColor(0xc9, 0xdb, 0xef)));
    QPainterPath mound;
    mound.moveTo(heap.left(), heap.bottom() - heap.height() * 0.15);
    mound.cubicTo(heap.left() + heap.width() * 0.15, heap.top(), heap.right() - heap.width() * 0.15,
                  heap.top(), heap.right(), heap.bottom() - heap.height() * 0.15);
    mound.closeSubpath();
    painter.drawPath(mound);
    painter.restore();
}

QImage clothesline(int scale)
{
    return renderSupersampled(kClotheslineSize, scale, [](QPainter& painter) {
        paintPost(painter, kLeftPost);
        paintPost(painter, kRightPost);

        const RopeCurve upper = upperRope();
        const RopeCurve lower = lowerRope();
        for (const RopeCurve* rope : {&upper, &lower}) {
            paintRope(painter, rope->path(), kRopeWidth);
            paintTie(painter, QPointF(rope->left(), rope->yAt(rope->left())), true);
            paintTie(painter, QPointF(rope->right(), rope->yAt(rope->right())), false);
        }
        for (int letter = 0; letter < kLineLetters; ++letter) {
            const QRectF card = cardRect(letter);
            const RopeCurve& rope = letter < kUpperRowLetters ? upper : lower;
            const double x = card.center().x();
            const QPointF clamp(x, rope.yAt(x));
            // The highest pegs are a touch shorter, so that none is cut by the picture's edge.
            paintPeg(painter, clamp, std::min(kPegHeight, (clamp.y() - 1.4) / kPegShareAboveRope));
        }
    });
}

} // namespace uiart
