#include "tempdir.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a real folder (not a link) that belongs to this user and that no one
// else can write into is safe for files at fixed names.
bool isPrivateFolder(const QString& path)
{
    struct ::stat info
    {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0022) == 0;
}

// A folder that only this user (or the system) can change, so that no one else
// can put anything in the place of what is made inside it.
bool isOwnedFolder(const QString& path)
{
    struct ::stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && (info.st_uid == ::getuid() || info.st_uid == 0) &&
           (info.st_mode & 0022) == 0;
}

QString withSeparator(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
}

// $XDG_CACHE_HOME/frostel, or ~/.cache/frostel: below the user's home, where no
// one else can make the folder first.
QString cacheFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = homeFolder();
        if (!QDir::isAbsolutePath(home) || !isOwnedFolder(home))
            return {};
        base = home + QStringLiteral("/.cache");
    }
    ::mkdir(QFile::encodeName(base).constData(), 0700);
    if (!isOwnedFolder(base))
        return {};
    const QString folder = base + QStringLiteral("/frostel");
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivateFolder(folder) ? folder : QString();
}

// A fresh folder with a name no one can guess, made once and kept for the run:
// the texts then work, though another instance will not find this one's lock.
QString freshFolder()
{
    static QString made;
    if (!made.isEmpty() && isPrivateFolder(made))
        return made;
    QString base = QDir::tempPath();
    if (base.isEmpty())
        base = QStringLiteral("/tmp"); // TMPDIR names no folder
    QByteArray name = QFile::encodeName(base + QStringLiteral("/frostel-XXXXXX"));
    made = ::mkdtemp(name.data()) ? QFile::decodeName(name) : QString();
    return made;
}

} // namespace

namespace platform {

QString privateTempDir()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return withSeparator(runtime);
    if (const QString cache = cacheFolder(); !cache.isEmpty())
        return withSeparator(cache);
    const QString fresh = freshFolder();
    return fresh.isEmpty() ? QString() : withSeparator(fresh);
}

} // namespace platform
