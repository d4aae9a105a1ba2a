#include "painting.h"

#include <QLinearGradient>
#include <QPen>

#include <algorithm>

namespace uiart {

QImage renderSupersampled(QSize size, int scale, const Painting& paint)
{
    QImage large(size * scale * kSupersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.scale(scale * kSupersample, scale * kSupersample);
        paint(painter);
    }
    return large.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QFont boldFont(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QPainterPath textPath(const QString& text, double pixelSize)
{
    // Glyph outlines are taken at a large size and scaled, so fractional sizes stay exact.
    constexpr int referenceSize = 200;
    QPainterPath path;
    path.addText(0, 0, boldFont(referenceSize), text);
    QTransform scale;
    scale.scale(pixelSize / referenceSize, pixelSize / referenceSize);
    return scale.map(path);
}

QColor tint(const QColor& colour, double amount)
{
    const QColor target = amount >= 0 ? QColor(Qt::white) : QColor(Qt::black);
    const double t = std::clamp(amount < 0 ? -amount : amount, 0.0, 1.0);
    auto mix = [t](int from, int to) { return static_cast<int>(from + (to - from) * t + 0.5); };
    return QColor(mix(colour.red(), target.red()), mix(colour.green(), target.green()),
                  mix(colour.blue(), target.blue()), colour.alpha());
}

QPen roundPen(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QLinearGradient verticalGradient(double top, double bottom, const QColor& upper,
                                 const QColor& lower)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

} // namespace uiart
