#include "emblem.h"

#include "clothesline.h"
#include "letters.h"
#include "mascot.h"
#include "painting.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace uiart {
namespace {

// A card hanging from its peg, turned a little about the peg as if moved by the wind.
void paintHangingCard(QPainter& painter, const QRectF& card, QChar letter, const QColor& colour,
                      double degrees)
{
    painter.save();
    const QPointF peg(card.center().x(), card.top());
    painter.translate(peg);
    painter.rotate(degrees);
    painter.translate(-peg);
    paintLetterCard(painter, card, QString(letter), colour);
    painter.restore();
}

void paintTitleLine(QPainter& painter)
{
    const QString word = QStringLiteral("FROSTEL");
    const QSizeF cardSize(18.5, 23);
    const double gap = 1.8;
    const double rowWidth = word.size() * cardSize.width() + (word.size() - 1) * gap;
    const double firstLeft = (kTitleLineSize.width() - rowWidth) / 2;

    // The cards follow a gentle sag, lowest in the middle.
    std::vector<QRectF> cards;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const double left = firstLeft + i * (cardSize.width() + gap);
        const double fromMiddle = (left + cardSize.width() / 2 - 80) / 80;
        const double top = 15 + 5 * (1 - fromMiddle * fromMiddle);
        cards.emplace_back(QPointF(left, top), cardSize);
    }

    const QRectF leftPost(3.5, 7, 4, 50);
    const QRectF rightPost(kTitleLineSize.width() - 7.5, 7, 4, 50);
    paintPost(painter, leftPost);
    paintPost(painter, rightPost);
    const RopeCurve rope =
        ropeForCards(cards, QPointF(leftPost.right(), 12.5), QPointF(rightPost.left(), 12.5));
    paintRope(painter, rope.path(), 1.8);

    const std::array<double, 7> tilts = {-4, 3, -2, 4, -3, 2, -4};
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QRectF& card = cards[static_cast<std::size_t>(i)];
        // Colours by position, so that no two neighbouring cards of the name look alike.
        paintHangingCard(painter, card, word[i], letterColour(static_cast<int>(i)),
                         tilts[static_cast<std::size_t>(i)]);
        const double x = card.center().x();
        paintPeg(painter, QPointF(x, rope.yAt(x)), 9.5);
    }
}

const QRectF kIconTile(10, 10, 236, 236);

struct IconStyle
{
    bool detailed;    // the large icon carries finer snow
    double lineBoost; // strokes grow on the small icon so they survive the reduction
};

void paintIconBackdrop(QPainter& painter, const IconStyle& style)
{
    const QRectF tile = kIconTile;
    QPainterPath shape;
    shape.addRoundedRect(tile, 50, 50);
    painter.setPen(QPen(QColor(0x1d, 0x4f, 0x91), 4 * style.lineBoost));
    painter.setBrush(verticalGradient(tile.top(), tile.bottom(), QColor(0xa9, 0xdb, 0xff),
                                      QColor(0x2f, 0x78, 0xcf)));
    painter.drawPath(shape);

    painter.save();
    painter.setClipPath(shape);
    QPainterPath hill;
    hill.moveTo(tile.left(), 206);
    hill.cubicTo(70, 186, 180, 196, tile.right(), 200);
    hill.lineTo(tile.right(), tile.bottom());
    hill.lineTo(tile.left(), tile.bottom());
    hill.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(186, 246, Qt::white, QColor(0xc6, 0xdc, 0xf2)));
    painter.drawPath(hill);

    const QColor flake(255, 255, 255, 220);
    paintSnowflake(painter, QPointF(44, 150), 13, flake, 3.2 * style.lineBoost);
    paintSnowflake(painter, QPointF(212, 142), 10, flake, 2.8 * style.lineBoost);
    if (style.detailed) {
        paintSnowflake(painter, QPointF(40, 44), 8, flake, 2.2);
        paintSnowflake(painter, QPointF(220, 40), 7, flake, 2.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(flake);
        for (const QPointF& dot : {QPointF(28, 110), QPointF(70, 190), QPointF(226, 96),
                                   QPointF(200, 176), QPointF(60, 84)}) {
            painter.drawEllipse(dot, 3, 3);
        }
    }
    painter.restore();
}

void paintIconLine(QPainter& painter, const IconStyle& style)
{
    const QRectF card(70, 80, 116, 139);
    const RopeCurve rope(
        {QPointF(12, 62), QPointF(card.center().x(), card.top() - 6), QPointF(244, 58)});
    painter.save();
    QPainterPath tile;
    tile.addRoundedRect(kIconTile, 50, 50);
    painter.setClipPath(tile);
    paintRope(painter, rope.path(), 9 * style.lineBoost);
    painter.restore();

    painter.save();
    const QPointF peg(card.center().x(), card.top());
    painter.translate(peg);
    painter.rotate(-6);
    painter.translate(-peg);
    paintLetterCard(painter, card, QStringLiteral("F"), QColor(0x1e, 0x6f, 0xd9));
    if (style.detailed) {
        paintSnowflake(painter, card.bottomRight() - QPointF(24, 26), 11, QColor(0x7c, 0xb4, 0xf0),
                       2.6);
    }
    painter.restore();

    paintPeg(painter, QPointF(card.center().x(), rope.yAt(card.center().x())), 58);
}

// Whole pixels of the small icon: each part is a run of pixels, no edge falls
// between two of them.
struct SmallIconGrid
{
    explicit SmallIconGrid(int edge)
        : edge(edge), rope(std::lround(edge * 0.25)), ropeHeight(edge < 32 ? 2 : 3),
          card(QRect(0, 0, std::lround(edge * 0.5), std::lround(edge * 0.62)))
    {
        card.moveTo((edge - card.width()) / 2, rope + 1);
    }

    int edge;
    int rope;       // the rope's top row
    int ropeHeight; // rows
    QRect card;
};

void paintSmallBackdrop(QPainter& painter, const SmallIconGrid& grid)
{
    const QRectF tile(1, 1, grid.edge - 2, grid.edge - 2);
    const double radius = grid.edge * 0.2;
    QPainterPath shape;
    shape.addRoundedRect(tile, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(tile.top(), tile.bottom(), QColor(0xa9, 0xdb, 0xff),
                                      QColor(0x2f, 0x78, 0xcf)));
    painter.drawPath(shape);

    painter.save();
    painter.setClipPath(shape);
    const int snowTop = std::lround(grid.edge * 0.82);
    painter.fillRect(QRect(0, snowTop, grid.edge, grid.edge - snowTop), Qt::white);
    painter.fillRect(QRect(0, grid.rope, grid.edge, grid.ropeHeight), QColor(0x5e, 0x45, 0x26));
    painter.fillRect(QRect(0, grid.rope, grid.edge, grid.ropeHeight - 1), QColor(0xdd, 0xc6, 0x94));
    if (grid.edge >= 22) {
        for (const QPointF share : {QPointF(0.16, 0.5), QPointF(0.8, 0.42), QPointF(0.78, 0.7)}) {
            painter.fillRect(
                QRect(std::lround(grid.edge * share.x()), std::lround(grid.edge * share.y()), 1, 1),
                Qt::white);
        }
    }
    painter.restore();

    painter.setPen(QPen(QColor(0x1d, 0x4f, 0x91), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void paintSmallCard(QPainter& painter, const SmallIconGrid& grid)
{
    const QRect card = grid.card;
    painter.setPen(QPen(QColor(0x8d, 0xa0, 0xb6), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 1, 1);

    // A block capital F: the stem, the top bar and the shorter middle bar.
    const QColor ink(0x1e, 0x6f, 0xd9);
    const int margin = std::max(2, static_cast<int>(std::lround(card.height() * 0.2)));
    const int width = std::lround(card.width() * 0.62);
    const int stroke = std::max(2, static_cast<int>(std::lround(width * 0.36)));
    const QRect letter(card.left() + (card.width() - width + 1) / 2, card.top() + margin, width,
                       card.height() - 2 * margin);
    painter.fillRect(QRect(letter.topLeft(), QSize(stroke, letter.height())), ink);
    painter.fillRect(QRect(letter.topLeft(), QSize(width, stroke)), ink);
    const int middle = letter.top() + std::lround(letter.height() * 0.45);
    painter.fillRect(
        QRect(letter.left(), middle, std::lround(width * 0.8), std::max(1, stroke - 1)), ink);
}

void paintSmallPeg(QPainter& painter, const SmallIconGrid& grid)
{
    const int width = std::max(2, grid.edge / 8);
    const int height = std::lround(grid.edge * 0.25);
    const QRect peg((grid.edge - width) / 2, grid.rope - std::lround(height * 0.4), width, height);
    painter.fillRect(peg, QColor(0x7a, 0x52, 0x2a));
    if (width >= 3)
        painter.fillRect(peg.adjusted(1, 1, -1, -1), QColor(0xe7, 0xbf, 0x80));
}

QImage smallProgramIcon(int edge)
{
    const SmallIconGrid grid(edge);
    return renderSupersampled(QSize(edge, edge), 1, [&grid](QPainter& painter) {
        paintSmallBackdrop(painter, grid);
        paintSmallCard(painter, grid);
        paintSmallPeg(painter, grid);
    });
}

} // namespace

QImage titleLinePicture(int scale)
{
    return renderSupersampled(kTitleLineSize, scale, paintTitleLine);
}

QImage programIcon(int edge)
{
    if (edge < 48)
        return smallProgramIcon(edge);
    const bool small = edge < 128;
    const IconStyle style{!small, small ? 1.7 : 1.0};
    return renderSupersampled(QSize(edge, edge), 1, [edge, style](QPainter& painter) {
        painter.scale(edge / 256.0, edge / 256.0);
        paintIconBackdrop(painter, style);
        paintIconLine(painter, style);
    });
}

} // namespace uiart
