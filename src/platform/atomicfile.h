#pragma once

#include <QByteArray>
#include <QString>

namespace atomicfile {

enum class Links
{
    Follow,
    Replace
};

// Replaces the file at `path` as a whole: the bytes go to a fresh file beside it,
// which is then renamed over the old one, so a crash or a full disk leaves either
// the old file or the new one, never half of one. An existing file keeps its
// permissions. With Links::Replace a link at `path` is itself replaced, never
// written through.
bool write(const QString& path, const QByteArray& bytes, Links links = Links::Follow);

} // namespace atomicfile
