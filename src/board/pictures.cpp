#include "pictures.h"

#include "errors/runtimeerror.h"
#include "platform/resources.h"

namespace pictures {

namespace {

constexpr QSize kCell(25, 30);
constexpr int kColumns = 10;
constexpr int kCells = 60;

QPixmap fromImage(const std::optional<QImage>& image)
{
    if (!image)
        throw RunTimeError(RunTimeError::ResourceNotFound);
    return QPixmap::fromImage(*image);
}

} // namespace

QPixmap named(const QString& fileName)
{
    return fromImage(resources::picture(fileName));
}

QPixmap letterCell(int cell)
{
    if (cell < 0 || cell >= kCells)
        throw RunTimeError(RunTimeError::InvalidProcedureCall);
    // Every letter the players uncover is cut from the sheet, so the sheet stays
    // in memory.
    static QPixmap sheet;
    if (sheet.isNull())
        sheet = named(QStringLiteral("letters.png"));
    const QPoint corner((cell % kColumns) * kCell.width(), (cell / kColumns) * kCell.height());
    return sheet.copy(QRect(corner, kCell));
}

int sequenceBitmapId(int motif, int step)
{
    return 101 + 10 * motif + step;
}

QPixmap sequencePicture(int motif, int step)
{
    return fromImage(resources::bitmap(sequenceBitmapId(motif, step)));
}

QPixmap background(int motif)
{
    return fromImage(resources::bitmap(200 + motif));
}

QPixmap scoreSymbol(int motif)
{
    return named(QStringLiteral("symbol%1.png").arg(motif));
}

} // namespace pictures
