#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace atomicfile {

namespace {

using regularfile::failureOf;
using regularfile::sameFile;

constexpr mode_t kNewFileMode = 0644;

long long modifiedAt(const struct ::stat& info)
{
    return info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
}

// QSaveFile writes through a link to where it points; a link at the name gives
// way to the file of our own instead. A folder, FIFO or device stays.
Failure clearForWriting(const QByteArray& name, const QString& path)
{
    struct ::stat standing
    {};
    if (::lstat(name.constData(), &standing) != 0)
        return errno == ENOENT ? Failure::None : failureOf(errno, path);
    if (S_ISLNK(standing.st_mode))
        return ::unlink(name.constData()) == 0 ? Failure::None : failureOf(errno, path);
    return S_ISREG(standing.st_mode) ? Failure::None : Failure::NotRegular;
}

// The file that `name` would replace if it is named as QSaveFile names its
// temporary file, "name.XXXXXX" with six letters; else empty.
QString savedFileOf(const QString& name)
{
    constexpr qsizetype kSuffix = 7; // the dot and six letters
    if (name.size() <= kSuffix || name.at(name.size() - kSuffix) != u'.')
        return {};
    for (qsizetype i = name.size() - kSuffix + 1; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z'))
            return {};
    }
    return name.left(name.size() - kSuffix);
}

// What QSaveFile leaves of a write that was killed: "name.XXXXXX", six letters,
// beside the file it was to replace. It is newer than that file; a file so
// named that is older, or that stands beside no such file, is someone's copy.
bool isLeftover(const QString& candidate, const QString& target)
{
    struct ::stat leftover
    {};
    struct ::stat replaced
    {};
    return ::lstat(QFile::encodeName(candidate).constData(), &leftover) == 0 &&
           S_ISREG(leftover.st_mode) && leftover.st_uid == ::geteuid() &&
           ::lstat(QFile::encodeName(target).constData(), &replaced) == 0 &&
           S_ISREG(replaced.st_mode) && modifiedAt(leftover) >= modifiedAt(replaced);
}

} // namespace

Failure write(const QString& path, const QByteArray& bytes, regularfile::Signature* written)
{
    const QByteArray name = QFile::encodeName(path);
    if (const Failure refused = clearForWriting(name, path); refused != Failure::None)
        return refused;
    QSaveFile file(path);
    // Unbuffered, so that a failing write leaves its reason in errno.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(errno, path);
    if (file.write(bytes) != bytes.size())
        return failureOf(errno, path); // the unfinished file goes with `file`
    if (!file.commit())
        return errno == EISDIR ? Failure::NotRegular : failureOf(errno, path);
    if (written)
        *written = regularfile::signatureAt(name);
    return Failure::None;
}

Failure append(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct ::stat before
    {};
    const bool existed = ::lstat(name.constData(), &before) == 0;
    if (!existed && errno != ENOENT)
        return failureOf(errno, path);
    if (existed && S_ISLNK(before.st_mode))
        return write(path, bytes); // the link gives way to a file of our own
    if (existed && !S_ISREG(before.st_mode))
        return Failure::NotRegular;

    // Without waiting on a FIFO or following a link put there meanwhile; what
    // was opened is checked once more.
    const int flags = O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                      (existed ? 0 : O_CREAT | O_EXCL);
    const int descriptor = ::open(name.constData(), flags, kNewFileMode);
    if (descriptor < 0)
        return failureOf(errno, path);
    QFile file;
    file.open(descriptor, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
              QFileDevice::AutoCloseHandle);
    struct ::stat opened
    {};
    Failure failure = Failure::None;
    if (::fstat(descriptor, &opened) != 0)
        failure = failureOf(errno, path);
    else if (!S_ISREG(opened.st_mode) || (existed && !sameFile(before, opened)))
        failure = Failure::NotRegular;
    else if (file.write(bytes) != bytes.size() || ::fsync(descriptor) != 0)
        failure = failureOf(errno, path);

    if (failure != Failure::None && S_ISREG(opened.st_mode)) {
        // Takes back what it added; should even that fail, nothing more can be done.
        const bool takenBack = existed ? ::ftruncate(descriptor, opened.st_size) == 0
                                       : ::unlink(name.constData()) == 0;
        Q_UNUSED(takenBack);
    }
    return failure;
}

void removeLeftovers(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QDir files(folder);
    for (const QString& name : files.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString saved = savedFileOf(name);
        if (!saved.isEmpty() && isLeftover(files.filePath(name), files.filePath(saved)))
            QFile::remove(files.filePath(name));
    }
}

} // namespace atomicfile
