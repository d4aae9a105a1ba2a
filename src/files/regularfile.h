#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

// Reading the game's own files. Only regular files are opened: a FIFO or a
// device at the name is never opened for reading (that could block for ever or
// never end), and what is opened is checked again before a byte is read.
namespace regularfile {

enum class Failure
{
    None,
    NoFolder,   // the folder is missing or is not a folder
    NoFile,     // nothing stands at the name
    IsLink,     // a link stands at the name and links are not followed
    NotRegular, // a folder, FIFO, device or socket stands at the name
    TooLarge,   // larger than the reader takes
    Denied,     // the system refused access
    DiskFull,   // no room left, or the file size limit reached
    Failed,     // any other failure of the system
};

enum class Links
{
    Follow,
    // For a file that the game may write again: what it reads must be what
    // stands at the name, never where a link planted there points.
    DoNotFollow
};

// What identifies one state of a file on disk: another inode, size, time stamp
// or status change time means another content.
struct Signature
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    long long changedSeconds = 0;
    long long changedNanoseconds = 0;
    bool operator==(const Signature&) const = default;
};

struct Contents
{
    QByteArray bytes;
    Failure failure = Failure::None;
    Signature signature; // of the file the bytes came from
};

// The whole file, if it is a regular file of at most `limit` bytes.
Contents read(const QString& path, qint64 limit, Links links);

// The state of whatever stands at the name (in the file system's encoding), not
// following a link.
Signature signatureAt(const QByteArray& encodedPath);

// True when anything stands at the name, a link that leads nowhere included.
bool existsAtName(const QString& path);

// The failure a system error number stands for; ENOENT tells a missing file
// from a missing folder by looking at the folder of `path`.
Failure failureOf(int error, const QString& path);

Signature signatureOf(const struct ::stat& info);

// Whether two states are of one file: the same inode on the same device.
bool sameFile(const struct ::stat& a, const struct ::stat& b);

} // namespace regularfile
