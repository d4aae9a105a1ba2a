#include "pictures.h"

#include "errors/runtimeerror.h"
#include "platform/resources.h"

#include <QHash>

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
    static QHash<QString, QPixmap> cache;
    if (const auto found = cache.constFind(fileName); found != cache.cend())
        return *found;
    const QPixmap picture = fromImage(resources::picture(fileName));
    cache.insert(fileName, picture);
    return picture;
}

QPixmap letterCell(int cell)
{
    if (cell < 0 || cell >= kCells)
        throw RunTimeError(RunTimeError::InvalidProcedureCall);
    const QPixmap sheet = named(QStringLiteral("letters.png"));
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
