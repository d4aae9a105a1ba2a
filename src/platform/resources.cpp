#include "resources.h"

#include <QFile>

namespace resources {

QString pathOf(const QString& type, int id)
{
    return QStringLiteral(":/%1/%2").arg(type).arg(id);
}

std::optional<QByteArray> load(const QString& type, int id)
{
    QFile file(pathOf(type, id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QImage> bitmap(int id)
{
    QImage image(pathOf(QStringLiteral("BITMAP"), id));
    if (image.isNull())
        return std::nullopt;
    return image;
}

std::optional<QImage> picture(const QString& name)
{
    QImage image(QStringLiteral(":/pictures/") + name);
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace resources
