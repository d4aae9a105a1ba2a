#include "resources.h"

#include <QFile>

namespace resources {

namespace {

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

std::optional<QImage> bitmap(int id, int scale)
{
    return read(atScale(pathOf(QStringLiteral("BITMAP"), id), scale));
}

std::optional<QImage> picture(const QString& name, int scale)
{
    return read(atScale(QStringLiteral(":/pictures/") + name, scale));
}

} // namespace resources
