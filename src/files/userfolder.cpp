#include "userfolder.h"

#include "programdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString installedTreeOverride;

// The system's packages install below /usr, and nothing a program does at run
// time belongs there: not even root, whom every folder lets in, writes into it.
QString installedTree()
{
    return installedTreeOverride.isEmpty() ? QStringLiteral("/usr") : installedTreeOverride;
}

bool isInside(const QString& path, const QString& tree)
{
    const QString folder = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(tree).canonicalFilePath();
    if (folder.isEmpty() || root.isEmpty())
        return false;
    return folder == root || folder.startsWith(root + u'/');
}

bool isWritable(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// A relative XDG_DATA_HOME is no valid setting and counts as unset.
QString dataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

// Folders that are missing on the way are made readable by their owner only.
void makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return;
    const QString parent = QFileInfo(path).path();
    if (parent != path)
        makeFolder(parent);
    QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

namespace userfolder {

bool inProgramFolder()
{
    const QString folder = programdir::path();
    return !isInside(folder, installedTree()) && isWritable(folder);
}

QString path()
{
    if (inProgramFolder())
        return programdir::path();
    const QString folder = dataHome() + QStringLiteral("/frostel");
    makeFolder(folder);
    return folder;
}

void setInstalledTreeForTesting(const QString& folder)
{
    installedTreeOverride = folder;
}

} // namespace userfolder
