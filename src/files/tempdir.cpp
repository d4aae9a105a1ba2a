#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a real folder (not a link) of this user that no one else can open is
// safe for files at fixed names.
bool isPrivateFolder(const QString& path)
{
    struct ::stat info
    {};
    return QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

// A folder that only this user (or the system) can change, so that no one else
// can put anything in the place of what is made inside it.
bool isOwnedFolder(const QString& path)
{
    struct ::stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           (info.st_uid == ::geteuid() || info.st_uid == 0) && (info.st_mode & 0022) == 0;
}

// "frostel" in the user's cache folder ($XDG_CACHE_HOME or ~/.cache).
QString cacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(base) || !QDir().mkpath(base) || !isOwnedFolder(base))
        return {};
    const QString folder = base + QStringLiteral("/frostel");
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return folder;
}

} // namespace

namespace platform {

QString privateTempDir()
{
    for (const QString& folder :
         {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), cacheFolder()}) {
        if (isPrivateFolder(folder))
            return folder + u'/';
    }
    // A folder of this run, made once and removed at its end: the texts then
    // work, though another instance will not find this one's lock.
    static const QTemporaryDir ofThisRun(QDir::tempPath() + QStringLiteral("/frostel-XXXXXX"));
    return ofThisRun.isValid() ? ofThisRun.path() + u'/' : QString();
}

} // namespace platform
