#include "programdir.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString overriddenFolder;
QString overriddenBaseName;

} // namespace

namespace programdir {

QString path()
{
    if (!overriddenFolder.isEmpty())
        return overriddenFolder;
    return QCoreApplication::applicationDirPath();
}

QString baseName()
{
    if (!overriddenBaseName.isEmpty())
        return overriddenBaseName;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void setForTesting(const QString& folder, const QString& name)
{
    overriddenFolder = folder;
    overriddenBaseName = name;
}

} // namespace programdir
