#include "atomicfile.h"

#include <QFile>
#include <QLatin1String>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace atomicfile {

namespace {

using regularfile::failureOf;

const QLatin1String kTemporaryMark(".frostel-");
constexpr qsizetype kRandomPart = 6; // the XXXXXX of mkstemp
constexpr mode_t kNewFileMode = 0644;

bool sameFile(const struct ::stat& a, const struct ::stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Beside the target, hidden, and named so that it cannot be taken for anything
// but ours: "folder/.name.frostel-XXXXXX".
QByteArray temporaryTemplate(const QByteArray& target)
{
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + kTemporaryMark.latin1() +
           QByteArray(kRandomPart, 'X');
}

Failure writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t chunk = ::write(descriptor, bytes.constData() + written,
                                      static_cast<size_t>(bytes.size() - written));
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk < 0)
            return failureOf(errno, QString());
        if (chunk == 0)
            return Failure::Failed;
        written += chunk;
    }
    return Failure::None;
}

Failure writeAllAndSync(int descriptor, const QByteArray& bytes, const QString& path)
{
    if (const Failure failure = writeAll(descriptor, bytes); failure != Failure::None)
        return failure;
    return ::fsync(descriptor) == 0 ? Failure::None : failureOf(errno, path);
}

// Takes back a part of an append; should even that fail, nothing more can be done.
void cutBackTo(int descriptor, off_t size)
{
    while (::ftruncate(descriptor, size) != 0 && errno == EINTR) {
    }
}

// A temporary file that is removed again unless it took the target's name. It
// stays locked while it exists, which tells removeLeftovers() that it is in use.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QByteArray& target) : name_(temporaryTemplate(target))
    {
        descriptor_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (descriptor_ >= 0)
            ::flock(descriptor_, LOCK_EX);
    }
    ~TemporaryFile()
    {
        if (descriptor_ < 0)
            return;
        if (!renamed_)
            ::unlink(name_.constData());
        ::close(descriptor_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int descriptor() const { return descriptor_; }

    bool renameTo(const QByteArray& target)
    {
        renamed_ = ::rename(name_.constData(), target.constData()) == 0;
        return renamed_;
    }

private:
    QByteArray name_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

// Only a regular file or a link may be replaced; a regular file keeps its mode.
Failure modeForReplacing(const QByteArray& target, const QString& path, mode_t& mode)
{
    mode = kNewFileMode;
    struct ::stat old
    {};
    if (::lstat(target.constData(), &old) != 0)
        return errno == ENOENT ? Failure::None : failureOf(errno, path);
    if (S_ISLNK(old.st_mode))
        return Failure::None;
    if (!S_ISREG(old.st_mode))
        return Failure::NotRegular;
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return failureOf(errno, path);
    mode = old.st_mode & 07777;
    return Failure::None;
}

void removeIfUnused(int folder, const char* name)
{
    const int descriptor =
        ::openat(folder, name, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct ::stat opened
    {};
    struct ::stat current
    {};
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_uid == ::geteuid() && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(folder, name, &current, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, current))
        ::unlinkat(folder, name, 0);
    ::close(descriptor);
}

// Named as write() names its temporary files.
bool isTemporaryName(const QString& fileName)
{
    const qsizetype tail = kTemporaryMark.size() + kRandomPart;
    if (fileName.size() < 2 + tail || !fileName.startsWith(u'.'))
        return false;
    const QStringView end = QStringView(fileName).last(tail);
    return end.startsWith(kTemporaryMark) &&
           std::all_of(end.begin() + kTemporaryMark.size(), end.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                      (c >= u'0' && c <= u'9');
           });
}

} // namespace

Failure write(const QString& path, const QByteArray& bytes, regularfile::Signature* written)
{
    const QByteArray target = QFile::encodeName(path);
    mode_t mode = kNewFileMode;
    if (const Failure refused = modeForReplacing(target, path, mode); refused != Failure::None)
        return refused;

    TemporaryFile temporary(target);
    const int descriptor = temporary.descriptor();
    if (descriptor < 0)
        return failureOf(errno, path);
    if (::fchmod(descriptor, mode) != 0)
        return failureOf(errno, path);
    if (const Failure failure = writeAllAndSync(descriptor, bytes, path); failure != Failure::None)
        return failure;
    if (!temporary.renameTo(target))
        return errno == EISDIR ? Failure::NotRegular : failureOf(errno, path);
    struct ::stat info
    {};
    if (written)
        *written = ::fstat(descriptor, &info) == 0 ? regularfile::signatureOf(info)
                                                   : regularfile::Signature{};
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

    const int flags = O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                      (existed ? 0 : O_CREAT | O_EXCL);
    const int descriptor = ::open(name.constData(), flags, kNewFileMode);
    if (descriptor < 0)
        return failureOf(errno, path);
    struct ::stat opened
    {};
    Failure failure = Failure::None;
    if (::fstat(descriptor, &opened) != 0)
        failure = failureOf(errno, path);
    else if (!S_ISREG(opened.st_mode) || (existed && !sameFile(before, opened)))
        failure = Failure::NotRegular;
    else
        failure = writeAllAndSync(descriptor, bytes, path);

    if (failure != Failure::None && S_ISREG(opened.st_mode)) {
        if (existed)
            cutBackTo(descriptor, opened.st_size);
        else
            ::unlink(name.constData());
    }
    ::close(descriptor);
    return failure;
}

void removeLeftovers(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    DIR* listing = ::fdopendir(descriptor);
    if (!listing) {
        ::close(descriptor);
        return;
    }
    std::vector<QByteArray> names;
    while (const dirent* entry = ::readdir(listing)) {
        if (isTemporaryName(QFile::decodeName(entry->d_name)))
            names.emplace_back(entry->d_name);
    }
    for (const QByteArray& name : names)
        removeIfUnused(descriptor, name.constData());
    ::closedir(listing);
}

} // namespace atomicfile
