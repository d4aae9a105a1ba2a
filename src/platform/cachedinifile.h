#pragma once

#include "inifile.h"

#include <QString>

#include <sys/types.h>

// A read-only initialisation file that is parsed once and parsed again only when
// the file on disk has changed (another size, time stamp or inode).
class CachedIniFile
{
public:
    explicit CachedIniFile(QString path = {});

    void setPath(const QString& path);
    const QString& path() const { return path_; }

    const IniDocument& document();

private:
    struct Signature
    {
        bool exists = false;
        off_t size = 0;
        ino_t inode = 0;
        long long modifiedSeconds = 0;
        long long modifiedNanoseconds = 0;
        bool operator==(const Signature&) const = default;
    };

    Signature currentSignature() const;

    QString path_;
    QByteArray encodedPath_;
    Signature signature_;
    bool loaded_ = false;
    IniDocument document_;
};
