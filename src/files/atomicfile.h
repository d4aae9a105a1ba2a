#pragma once

#include "regularfile.h"

#include <QByteArray>
#include <QString>

// Every file the game writes goes through here. Nothing is ever written through
// a link: a link at the name is itself replaced by a regular file, and a folder,
// FIFO or device at the name is left alone.
namespace atomicfile {

using regularfile::Failure;

// Replaces the file at `path` as a whole: the bytes go to a temporary file in
// the same folder, reach the disk, and only then take the old file's name, so a
// crash or a full disk leaves either the old file or the new one, never half of
// one. An existing file keeps its permissions; one this user may not write is
// not replaced. `written`, when given, receives the state of the new file.
Failure write(const QString& path, const QByteArray& bytes,
              regularfile::Signature* written = nullptr);

// Adds the bytes at the end of the file, creating it if need be. A write that
// fails part-way takes back what it added, so the file stays as it was.
Failure append(const QString& path, const QByteArray& bytes);

// Removes the temporary files that killed writes left in `folder`: only files
// of this user named as write() names them and that no running write holds.
void removeLeftovers(const QString& folder);

} // namespace atomicfile
