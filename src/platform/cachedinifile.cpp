#include "cachedinifile.h"

#include <QFile>

#include <sys/stat.h>

CachedIniFile::CachedIniFile(QString path)
{
    setPath(path);
}

void CachedIniFile::setPath(const QString& path)
{
    path_ = path;
    encodedPath_ = QFile::encodeName(path);
    loaded_ = false;
}

CachedIniFile::Signature CachedIniFile::currentSignature() const
{
    struct stat info
    {};
    if (encodedPath_.isEmpty() || ::stat(encodedPath_.constData(), &info) != 0)
        return {};
    return {true, info.st_size, info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

const IniDocument& CachedIniFile::document()
{
    const Signature now = currentSignature();
    if (loaded_ && now == signature_)
        return document_;
    QFile file(path_);
    document_ = IniDocument::parse(now.exists && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                : QByteArray());
    signature_ = now;
    loaded_ = true;
    return document_;
}
