#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace regularfile {

namespace {

Failure kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Failure::None;
    return S_ISLNK(mode) ? Failure::IsLink : Failure::NotRegular;
}

} // namespace

bool sameFile(const struct ::stat& a, const struct ::stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Signature signatureOf(const struct ::stat& info)
{
    return {true,
            info.st_dev,
            info.st_ino,
            info.st_size,
            info.st_mtim.tv_sec,
            info.st_mtim.tv_nsec,
            info.st_ctim.tv_sec,
            info.st_ctim.tv_nsec};
}

Failure failureOf(int error, const QString& path)
{
    switch (error) {
    case ENOENT: {
        struct ::stat folder
        {};
        const QByteArray name = QFile::encodeName(QFileInfo(path).absolutePath());
        return ::stat(name.constData(), &folder) == 0 && S_ISDIR(folder.st_mode)
                   ? Failure::NoFile
                   : Failure::NoFolder;
    }
    case ENOTDIR:
        return Failure::NoFolder;
    case ELOOP:
        return Failure::IsLink;
    case EISDIR:
    case ENXIO: // a FIFO that no one reads, opened for writing without waiting
    case ENODEV:
        return Failure::NotRegular;
    case EACCES:
    case EPERM:
    case EROFS:
        return Failure::Denied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Failure::DiskFull;
    default:
        return Failure::Failed;
    }
}

Contents read(const QString& path, qint64 limit, Links links)
{
    Contents result;
    const QByteArray name = QFile::encodeName(path);
    struct ::stat before
    {};
    const int found = links == Links::Follow ? ::stat(name.constData(), &before)
                                             : ::lstat(name.constData(), &before);
    if (found != 0) {
        result.failure = failureOf(errno, path);
        return result;
    }
    result.failure = kindOf(before.st_mode);
    if (result.failure == Failure::None && before.st_size > limit)
        result.failure = Failure::TooLarge;
    if (result.failure != Failure::None)
        return result;

    // Without waiting: should a FIFO take the file's place after the check, the
    // open returns at once and the check below refuses it.
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (links == Links::DoNotFollow)
        flags |= O_NOFOLLOW;
    const int descriptor = ::open(name.constData(), flags);
    if (descriptor < 0) {
        result.failure = failureOf(errno, path);
        return result;
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct ::stat opened
    {};
    if (::fstat(descriptor, &opened) != 0) {
        result.failure = failureOf(errno, path);
        return result;
    }
    if (!S_ISREG(opened.st_mode) || !sameFile(before, opened))
        result.failure = Failure::NotRegular; // something else was put there meanwhile
    else if (opened.st_size > limit)
        result.failure = Failure::TooLarge;
    else
        result.bytes = file.readAll();
    // A file that grew beyond the limit after its size was checked is too large all the same.
    if (result.failure == Failure::None && result.bytes.size() > limit)
        result.failure = Failure::TooLarge;
    else if (result.failure == Failure::None && file.error() != QFileDevice::NoError)
        result.failure = Failure::Failed;
    if (result.failure == Failure::None)
        result.signature = signatureOf(opened);
    else
        result.bytes.clear();
    return result;
}

Signature signatureAt(const QByteArray& encodedPath)
{
    struct ::stat info
    {};
    if (::lstat(encodedPath.constData(), &info) != 0)
        return {};
    return signatureOf(info);
}

bool existsAtName(const QString& path)
{
    return signatureAt(QFile::encodeName(path)).exists;
}

} // namespace regularfile
