// Motif 0: an apple tree that loses its apples and leaves through autumn and stands bare in
// the snow, a crow on its branch, when the word is lost.

#include "nature.h"
#include "scenes.h"

#include <QLinearGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace scenes {
namespace {

struct Branch
{
    QPointF from;
    QPointF to;
    double widthFrom;
    double widthTo;
};

struct LeafBlob
{
    QPointF center;
    double radius;
    double keep;      // the blob stays while the season's loss is below this
    double turnDelay; // late blobs change colour after the others
    QColor summer;
    QColor autumn;
    bool back;
};

constexpr std::array<double, 10> leafLoss = {0, 0.05, 0.14, 0.28, 0.44, 0.6, 0.84, 1, 1, 1};
constexpr std::array<double, 10> autumnColour = {0, 0, 0.18, 0.4, 0.6, 0.8, 1, 1, 1, 1};
constexpr std::array<int, 10> applesOnTree = {10, 8, 6, 4, 3, 2, 1, 0, 0, 0};
constexpr std::array<double, 10> snowCover = {0, 0, 0, 0, 0, 0, 0, 0.45, 0.85, 1};

const QPointF trunkBase(80, 140);
const QPointF crownFork(80, 98);

// Interpolates a colour through four key seasons: summer (step 0), autumn (3), late autumn (6)
// and winter (9).
QColor seasonal(int step, const QColor& summer, const QColor& autumn, const QColor& late,
                const QColor& winter)
{
    if (step <= 3) {
        return mix(summer, autumn, step / 3.0);
    }
    if (step <= 6) {
        return mix(autumn, late, (step - 3) / 3.0);
    }
    return mix(late, winter, (step - 6) / 3.0);
}

void growBranch(QList<Branch>& branches, Rng& rng, QPointF start, double angleDegrees,
                double length, double width, int depth)
{
    const double angle = angleDegrees * std::numbers::pi / 180.0;
    const QPointF end = start + QPointF(std::sin(angle), -std::cos(angle)) * length;
    const double endWidth = std::max(0.7, width * 0.68);
    branches.append({start, end, width, endWidth});
    if (depth == 0) {
        return;
    }
    const int children = rng.chance(0.35) ? 3 : 2;
    for (int child = 0; child < children; ++child) {
        const double spread = (child - (children - 1) / 2.0) * rng.range(26, 40);
        growBranch(branches, rng, end, angleDegrees * 0.8 + spread + rng.range(-8, 8),
                   length * rng.range(0.62, 0.78), endWidth, depth - 1);
    }
}

QList<Branch> treeBranches()
{
    Rng rng(20240101);
    QList<Branch> branches;
    branches.append({trunkBase, crownFork, 13, 9.5});
    const std::array<double, 4> limbAngles = {-55, -20, 16, 52};
    const std::array<double, 4> limbLengths = {28, 30, 30, 28};
    for (std::size_t i = 0; i < limbAngles.size(); ++i) {
        growBranch(branches, rng, crownFork, limbAngles[i], limbLengths[i], 7.5, 3);
    }
    return branches;
}

QList<LeafBlob> crownBlobs()
{
    static const QColor greens[] = {QColor(72, 160, 48), QColor(96, 182, 58), QColor(58, 138, 44),
                                    QColor(110, 190, 70)};
    static const QColor autumns[] = {QColor(240, 196, 40), QColor(236, 128, 30),
                                     QColor(206, 70, 34), QColor(168, 104, 44),
                                     QColor(226, 160, 36)};
    Rng rng(77);
    QList<LeafBlob> blobs;
    for (int i = 0; i < 190; ++i) {
        const double angle = rng.range(0, 2 * std::numbers::pi);
        const double distance = std::sqrt(rng.unit()) * 0.9;
        const QPointF center(80 + std::cos(angle) * distance * 60,
                             57 + std::sin(angle) * distance * 42);
        blobs.append({center, rng.range(5.5, 9.5), rng.unit(), rng.unit(), greens[rng.below(4)],
                      autumns[rng.below(5)], i < 70});
    }
    return blobs;
}

void drawSky(QPainter& painter, int step)
{
    const QColor top = seasonal(step, QColor(64, 146, 228), QColor(110, 160, 212),
                                QColor(140, 152, 172), QColor(104, 116, 140));
    const QColor bottom = seasonal(step, QColor(196, 232, 252), QColor(232, 226, 206),
                                   QColor(214, 206, 196), QColor(200, 206, 216));
    fillLinearVertical(painter, QRectF(0, 0, 160, 130), top, bottom);
    if (step <= 5) {
        const QPointF sunAt(136, 22 + step * 4);
        drawSun(painter, sunAt, 11 - step * 0.6,
                mix(QColor(255, 214, 40), QColor(250, 200, 120), step / 5.0));
    }
    const QColor cloud = seasonal(step, QColor(255, 255, 255, 235), QColor(248, 244, 236, 230),
                                  QColor(200, 200, 208, 235), QColor(170, 176, 190, 245));
    drawCloud(painter, QPointF(26, 20 + step * 0.8), 30 + step * 1.5, cloud);
    if (step >= 3) {
        drawCloud(painter, QPointF(104, 12), 26 + step * 2.0, cloud);
    }
    if (step >= 6) {
        drawCloud(painter, QPointF(150, 36), 34, cloud.darker(105));
        drawCloud(painter, QPointF(60, 8), 40, cloud.darker(103));
    }
}

// the orchard's far trees in winter: a trunk and a few bare twigs
void drawBareSapling(QPainter& painter, QPointF base, double height)
{
    const QPointF fork = base - QPointF(0, height * 0.45);
    painter.setPen(QPen(QColor(120, 96, 80), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, fork);
    painter.setPen(QPen(QColor(120, 96, 80), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        painter.drawLine(fork,
                         fork + QPointF(i * height * 0.16, -height * (0.5 - 0.06 * std::abs(i))));
    }
}

void drawCountryside(QPainter& painter, int step)
{
    const QColor farHill = seasonal(step, QColor(150, 206, 120), QColor(196, 200, 120),
                                    QColor(176, 160, 120), QColor(236, 240, 246));
    drawHill(painter, {{0, 112}, {40, 100}, {90, 108}, {130, 98}, {160, 104}}, 160, farHill,
             farHill.darker(108));
    const QColor orchard = seasonal(step, QColor(70, 150, 60), QColor(190, 150, 50),
                                    QColor(150, 110, 70), QColor(130, 110, 100));
    for (int i = 0; i < 5; ++i) {
        const QPointF base(8 + i * 36 + (i % 2) * 8, 112 - (i % 2) * 5);
        if (step <= 6) {
            drawRoundTree(painter, base, 16, orchard);
        } else {
            drawBareSapling(painter, base, 16);
        }
    }
    const QColor grass = seasonal(step, QColor(104, 190, 64), QColor(170, 176, 70),
                                  QColor(150, 130, 76), QColor(150, 140, 110));
    drawHill(painter, {{0, 124}, {50, 119}, {110, 123}, {160, 117}}, 160, grass, grass.darker(125));
    if (step <= 6) {
        drawGrassTufts(painter, QRectF(2, 126, 156, 32), 60, 31, grass.darker(110));
    }
    if (step <= 2) {
        drawMeadowFlowers(painter, QRectF(4, 128, 152, 28), 14 - step * 4, 45, 2.2);
    }
}

void drawBranch(QPainter& painter, const Branch& branch, const QColor& bark)
{
    const QPointF along = branch.to - branch.from;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0) {
        return;
    }
    const QPointF normal(-along.y() / length, along.x() / length);
    QPainterPath limb;
    limb.moveTo(branch.from + normal * branch.widthFrom / 2);
    limb.lineTo(branch.to + normal * branch.widthTo / 2);
    limb.lineTo(branch.to - normal * branch.widthTo / 2);
    limb.lineTo(branch.from - normal * branch.widthFrom / 2);
    limb.closeSubpath();
    limb.addEllipse(branch.to, branch.widthTo / 2, branch.widthTo / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bark);
    painter.drawPath(limb);
    if (branch.widthFrom > 5) {
        painter.setPen(QPen(bark.lighter(135), branch.widthTo * 0.25, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(branch.from - normal * branch.widthFrom * 0.22,
                         branch.to - normal * branch.widthTo * 0.22);
    }
}

void drawTrunkFlare(QPainter& painter, const QColor& bark)
{
    QPainterPath roots;
    roots.moveTo(trunkBase + QPointF(-15, 1));
    roots.quadTo(trunkBase + QPointF(-7, -2), trunkBase + QPointF(-6, -12));
    roots.lineTo(trunkBase + QPointF(6, -12));
    roots.quadTo(trunkBase + QPointF(7, -2), trunkBase + QPointF(16, 1));
    roots.quadTo(trunkBase + QPointF(0, 3), trunkBase + QPointF(-15, 1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bark);
    painter.drawPath(roots);
}

void drawBark(QPainter& painter, const QList<Branch>& branches)
{
    const QColor bark(118, 78, 46);
    drawTrunkFlare(painter, bark);
    for (const Branch& branch : branches) {
        drawBranch(painter, branch, bark);
    }
    // a few dark grooves give the trunk its bark
    painter.setPen(QPen(bark.darker(150), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(77, 136), QPointF(78, 112));
    painter.drawLine(QPointF(83, 132), QPointF(82, 104));
    painter.drawArc(QRectF(74, 118, 6, 5), 0, 180 * 16);
}

void drawSnowOnBranches(QPainter& painter, const QList<Branch>& branches, double amount)
{
    painter.setBrush(Qt::NoBrush);
    for (const Branch& branch : branches) {
        const QPointF along = branch.to - branch.from;
        if (std::abs(along.x()) < std::abs(along.y()) * 0.45) {
            continue; // snow does not stay on steep limbs
        }
        const double lift = branch.widthFrom * 0.45;
        painter.setPen(QPen(QColor(252, 253, 255), std::max(0.8, branch.widthTo * amount * 0.9),
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(branch.from - QPointF(0, lift),
                         branch.to - QPointF(0, branch.widthTo * 0.45));
    }
}

QColor blobColour(const LeafBlob& blob, int step)
{
    const double turn = clamp01((autumnColour[step] - blob.turnDelay * 0.45) / 0.55);
    QColor colour = mix(blob.summer, blob.autumn, turn);
    return blob.back ? colour.darker(118) : colour;
}

void drawLeaf(QPainter& painter, QPointF center, double size, double angle, const QColor& colour)
{
    painter.save();
    painter.translate(center);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(-size, 0);
    leaf.quadTo(0, -size * 0.7, size, 0);
    leaf.quadTo(0, size * 0.7, -size, 0);
    painter.setPen(QPen(colour.darker(140), 0.4));
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.restore();
}

void drawLeafCluster(QPainter& painter, const LeafBlob& blob, const QColor& colour)
{
    for (int i = 0; i < 3; ++i) {
        const double angle = blob.turnDelay * 360 + i * 120;
        const double radians = angle * std::numbers::pi / 180.0;
        const QPointF at = blob.center + QPointF(std::cos(radians), std::sin(radians)) * 2.2;
        drawLeaf(painter, at, 2.6, angle, i == 1 ? colour.lighter(112) : colour);
    }
}

void drawFoliage(QPainter& painter, const QList<LeafBlob>& blobs, int step)
{
    painter.setPen(Qt::NoPen);
    for (const LeafBlob& blob : blobs) {
        if (blob.keep < leafLoss[step]) {
            continue;
        }
        const QColor colour = blobColour(blob, step);
        // sparse leaves at the end of autumn are drawn as loose leaves, not as dense tufts
        if (leafLoss[step] > 0.5) {
            drawLeafCluster(painter, blob, colour);
            continue;
        }
        const double radius = blob.radius * (1.0 - 0.3 * ramp(leafLoss[step], 0.1, 0.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.darker(150));
        painter.drawEllipse(blob.center + QPointF(0.8, 1.2), radius, radius);
        painter.setBrush(ballGradient(blob.center, radius, colour));
        painter.drawEllipse(blob.center, radius, radius);
    }
}

void drawApple(QPainter& painter, QPointF center, double radius, const QColor& skin)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ballGradient(center, radius * 1.1, skin));
    QPainterPath apple;
    apple.moveTo(center + QPointF(0, -radius * 0.7));
    apple.cubicTo(center + QPointF(radius * 0.9, -radius * 1.25),
                  center + QPointF(radius * 1.35, radius * 0.4),
                  center + QPointF(0.15 * radius, radius));
    apple.cubicTo(center + QPointF(-radius * 1.35, radius * 0.4),
                  center + QPointF(-radius * 0.9, -radius * 1.25),
                  center + QPointF(0, -radius * 0.7));
    painter.drawPath(apple);
    drawGloss(
        painter,
        ellipsePath(center + QPointF(-radius * 0.38, -radius * 0.25), radius * 0.22, radius * 0.32),
        0.75);
    painter.setPen(QPen(QColor(90, 60, 30), radius * 0.18, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(center + QPointF(0, -radius * 0.6),
                     center + QPointF(radius * 0.15, -radius * 1.15));
}

void drawApplesOnTree(QPainter& painter, int step)
{
    // listed in the order they fall
    static const QPointF places[] = {{44, 78}, {118, 80}, {66, 44}, {98, 84}, {104, 40},
                                     {34, 58}, {126, 56}, {58, 68}, {88, 58}, {80, 30}};
    for (int i = 10 - applesOnTree[step]; i < 10; ++i) {
        drawApple(painter, places[i], 5.2, QColor(222, 32, 36));
    }
}

void drawFallenApples(QPainter& painter, int step)
{
    static const QPointF places[] = {{60, 144}, {101, 141}, {116, 149}, {47, 137}, {73, 151}};
    const int fallen = std::min(5, 10 - applesOnTree[step]);
    const QColor skin = mix(QColor(218, 40, 36), QColor(150, 80, 40), step / 9.0);
    for (int i = 0; i < fallen && step <= 6; ++i) {
        drawSoftShadow(painter, places[i] + QPointF(1, 4.5), 6, 2, 0.35);
        drawApple(painter, places[i], 4.6, skin);
    }
}

void drawLooseLeaves(QPainter& painter, int step)
{
    static const QColor colours[] = {QColor(236, 170, 40), QColor(214, 96, 34),
                                     QColor(180, 110, 50), QColor(200, 60, 30)};
    static constexpr std::array<int, 10> falling = {0, 0, 3, 5, 7, 7, 6, 2, 0, 0};
    static constexpr std::array<int, 10> lying = {0, 0, 2, 8, 14, 22, 30, 10, 0, 0};
    Rng rng(500 + step);
    for (int i = 0; i < falling[step]; ++i) {
        drawLeaf(painter, QPointF(rng.range(20, 150), rng.range(78, 124)), 2.6, rng.range(0, 180),
                 colours[rng.below(4)]);
    }
    Rng litter(900);
    for (int i = 0; i < lying[step]; ++i) {
        const QPointF at(litter.range(22, 140), litter.range(132, 156));
        drawLeaf(painter, at, 2.4, litter.range(-30, 30), colours[litter.below(4)].darker(110));
    }
}

void drawSnowGround(QPainter& painter, int step)
{
    const double amount = snowCover[step];
    if (amount <= 0) {
        return;
    }
    if (amount < 0.6) {
        Rng rng(61);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const QPointF at(rng.range(0, 160), rng.range(122, 160));
            painter.setBrush(QColor(246, 248, 252, 235));
            painter.drawEllipse(at, rng.range(6, 14), rng.range(2, 4));
        }
        return;
    }
    const double lift = 4 * amount;
    drawHill(painter,
             {{0, 122 - lift},
              {50, 118 - lift},
              {80, 132 - lift * 2},
              {110, 122 - lift},
              {160, 116 - lift}},
             160, QColor(255, 255, 255), QColor(206, 218, 236));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(80, 139), 20 + 4 * amount, 4 + 2 * amount);
    if (step == 8) {
        drawGrassTufts(painter, QRectF(4, 134, 150, 22), 14, 33, QColor(120, 110, 80));
    }
}

void drawCrow(QPainter& painter, QPointF feet)
{
    painter.save();
    painter.translate(feet);
    const QColor feathers(34, 34, 46);
    painter.setPen(QPen(QColor(70, 64, 60), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-2.5, -4), QPointF(-3, 0.5));
    painter.drawLine(QPointF(2, -4), QPointF(2, 0.5));

    QPainterPath tail;
    tail.moveTo(5, -9);
    tail.lineTo(19, -2);
    tail.lineTo(17, 1);
    tail.lineTo(4, -5);
    tail.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(feathers);
    painter.drawPath(tail);

    QPainterPath body;
    body.moveTo(-10, -14);
    body.cubicTo(-12, -6, -6, -2, 2, -3);
    body.cubicTo(8, -4, 10, -9, 8, -11);
    body.cubicTo(4, -15, -4, -18, -10, -14);
    QLinearGradient sheen(QPointF(-8, -18), QPointF(6, -2));
    sheen.setColorAt(0.0, QColor(84, 86, 120));
    sheen.setColorAt(0.5, feathers);
    sheen.setColorAt(1.0, QColor(18, 18, 24));
    painter.setBrush(sheen);
    painter.drawPath(body);

    QPainterPath wing;
    wing.moveTo(-5, -12);
    wing.cubicTo(0, -14, 8, -11, 12, -5);
    wing.cubicTo(6, -6, -1, -6, -5, -12);
    painter.setBrush(QColor(22, 22, 30));
    painter.drawPath(wing);

    painter.setBrush(ballGradient(QPointF(-10, -18), 6.5, QColor(44, 44, 60)));
    painter.drawEllipse(QPointF(-10, -17.5), 5.8, 5.4);
    QPainterPath beak;
    beak.moveTo(-14.5, -19.5);
    beak.quadTo(-19, -19.5, -22, -16.5);
    beak.lineTo(-14.5, -15.5);
    beak.closeSubpath();
    painter.setBrush(QColor(58, 56, 60));
    painter.drawPath(beak);
    painter.setBrush(QColor(240, 240, 230));
    painter.drawEllipse(QPointF(-11.5, -19), 1.7, 1.7);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(-12, -19), 1.0, 1.0);
    painter.restore();
}

QPointF crowPerch(const QList<Branch>& branches)
{
    const QPointF wanted(114, 72);
    QPointF best = branches.front().to;
    double bestDistance = 1e9;
    for (const Branch& branch : branches) {
        const QPointF along = branch.to - branch.from;
        if (branch.widthTo < 2.2 || std::abs(along.x()) < std::abs(along.y())) {
            continue;
        }
        const QPointF middle = branch.from + along * 0.55;
        const double distance = std::hypot(middle.x() - wanted.x(), middle.y() - wanted.y());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = middle;
        }
    }
    return best;
}

void drawScene(QPainter& painter, int step)
{
    static const QList<Branch> branches = treeBranches();
    static const QList<LeafBlob> blobs = crownBlobs();

    drawSky(painter, step);
    drawCountryside(painter, step);
    drawSnowGround(painter, step);
    drawSoftShadow(painter, QPointF(84, 142), 34 - step * 2.0, 6, 0.35);
    drawBark(painter, branches);
    if (snowCover[step] > 0.6) {
        drawSnowOnBranches(painter, branches, snowCover[step]);
    }
    drawFoliage(painter, blobs, step);
    drawApplesOnTree(painter, step);
    drawFallenApples(painter, step);
    drawLooseLeaves(painter, step);
    if (step >= 7) {
        drawSnowflakes(painter, QRectF(0, 0, 160, 160), step == 7 ? 18 : 42, 700 + step,
                       step == 7 ? 1.1 : 1.5);
    }
    if (step == 9) {
        painter.save();
        const QPointF perch = crowPerch(branches);
        painter.translate(perch);
        painter.scale(1.25, 1.25);
        drawCrow(painter, QPointF(0, 0));
        painter.restore();
    }
    drawPictureFrame(painter, QRectF(0, 0, 160, 160));
}

} // namespace

QImage paintAppleTree(int step, int scale)
{
    return renderSupersampled(QSize(pictureSide, pictureSide), scale,
                              [step](QPainter& painter) { drawScene(painter, step); });
}

} // namespace scenes
