#include "tempdir.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a real folder (not a link) that belongs to this user and that no one
// else can write into is safe for files at fixed names.
bool isPrivateFolder(const QString& path)
{
    struct stat info
    {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0022) == 0;
}

QString withSeparator(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

namespace platform {

QString privateTempDir()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return withSeparator(runtime);

    QString base = QDir::tempPath();
    if (base.isEmpty())
        base = QStringLiteral("/tmp"); // TMPDIR names no folder
    const QString fallback =
        base + QStringLiteral("/frostel-%1").arg(static_cast<qulonglong>(::getuid()));
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    return isPrivateFolder(fallback) ? withSeparator(fallback) : QString();
}

} // namespace platform
