#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t chunk = ::write(descriptor, bytes.constData() + written,
                                      static_cast<size_t>(bytes.size() - written));
        if (chunk <= 0)
            return false;
        written += chunk;
    }
    return true;
}

} // namespace

namespace atomicfile {

bool write(const QString& path, const QByteArray& bytes, Links links)
{
    QString target = path;
    if (links == Links::Follow && QFileInfo(path).isSymLink())
        target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return false;

    const QByteArray encodedTarget = QFile::encodeName(target);
    QByteArray temporary = encodedTarget + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return false;

    struct stat old
    {};
    if (::stat(encodedTarget.constData(), &old) == 0)
        ::fchmod(descriptor, old.st_mode & 07777);
    else
        ::fchmod(descriptor, 0644);

    const bool written = writeAll(descriptor, bytes);
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed || ::rename(temporary.constData(), encodedTarget.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

} // namespace atomicfile
