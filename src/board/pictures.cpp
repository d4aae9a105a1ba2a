#include "pictures.h"

#include "errors/runtimeerror.h"
#include "files/resources.h"

namespace pictures {

namespace {

constexpr QSize kCell(25, 30);
constexpr int kColumns = 10;
constexpr int kCells = 60;

// The pictures drawn at twice the size serve every screen denser than the
// board's design: scaled down they stay sharper than small ones scaled up.
int scaleFor(qreal ratio)
{
    return ratio > 1 ? 2 : 1;
}

QPixmap fromImage(std::optional<QImage> image, qreal ratio)
{
    if (!image)
        throw RunTimeError(RunTimeError::ResourceNotFound);
    image->setDevicePixelRatio(ratio);
    return QPixmap::fromImage(*std::move(image));
}

// "@2x" before the extension, or at the end of a name without one.
QString atScale(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(u'/') ? path.left(dot) + suffix + path.mid(dot) : path + suffix;
}

std::optional<QImage> read(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QImage> bitmap(int id, int scale)
{
    return read(atScale(resources::pathOf(QStringLiteral("BITMAP"), id), scale));
}

std::optional<QImage> picture(const QString& name, int scale)
{
    return read(atScale(QStringLiteral(":/pictures/") + name, scale));
}

QPixmap named(const QString& fileName, qreal ratio)
{
    const int scale = scaleFor(ratio);
    return fromImage(picture(fileName, scale), scale);
}

QPixmap letterCell(int cell, qreal ratio)
{
    if (cell < 0 || cell >= kCells)
        throw RunTimeError(RunTimeError::InvalidProcedureCall);
    // Every letter the players uncover is cut from the sheet, so the sheet stays
    // in memory; one at a time, of the density asked for last.
    static QPixmap sheet;
    const int scale = scaleFor(ratio);
    if (sheet.isNull() || sheet.devicePixelRatio() != scale)
        sheet = named(QStringLiteral("letters.png"), ratio);
    const QPoint corner((cell % kColumns) * kCell.width(), (cell / kColumns) * kCell.height());
    QPixmap picture = sheet.copy(QRect(corner * scale, kCell * scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

int sequenceBitmapId(int motif, int step)
{
    return 101 + 10 * motif + step;
}

QPixmap sequencePicture(int motif, int step, qreal ratio)
{
    const int scale = scaleFor(ratio);
    return fromImage(bitmap(sequenceBitmapId(motif, step), scale), scale);
}

QPixmap background(int motif, qreal ratio)
{
    const int scale = scaleFor(ratio);
    return fromImage(bitmap(200 + motif, scale), scale);
}

QPixmap scoreSymbol(int motif, qreal ratio)
{
    return named(QStringLiteral("symbol%1.png").arg(motif), ratio);
}

QSize boardSize(const QPixmap& picture)
{
    return picture.deviceIndependentSize().toSize();
}

} // namespace pictures
