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

} // namespace resources
