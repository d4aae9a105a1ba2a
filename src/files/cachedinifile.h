#pragma once

#include "inifile.h"
#include "regularfile.h"

#include <QByteArray>
#include <QString>

// An initialisation file that is read and parsed once and read again only when
// the file on disk may have changed, so that looking up many keys of a large file
// costs one reading. A link at the name is not followed (the file reads as
// missing), and a file that is not a regular file of at most `limit` bytes reads
// as unreadable.
class CachedIniFile
{
public:
    explicit CachedIniFile(qint64 limit, const QString& path = {});

    void setPath(const QString& path);
    const QString& path() const { return path_; }

    // The document as the file holds it now; empty when the file is missing or
    // unreadable.
    const IniDocument& document();

    // False when something stands at the name that could not be read: a write
    // must then leave it as it is.
    bool readable();

    // Takes over what was just written to the file, so that it need not be read.
    void wrote(const IniDocument& document, const QByteArray& bytes,
               const regularfile::Signature& signature);

private:
    void refresh();
    bool isSettled() const;

    qint64 limit_;
    QString path_;
    QByteArray encodedPath_;
    bool loaded_ = false;
    bool readable_ = true;
    regularfile::Signature signature_;
    long long confirmedAt_ = 0; // nanoseconds of the real-time clock
    QByteArray bytes_;
    IniDocument document_;
};
