#pragma once

#include "regularfile.h"

#include <QByteArray>
#include <QString>

// Every file the game writes goes through here. Nothing is ever written through
// a link: a link at the name is itself replaced by a regular file, and a folder,
// FIFO or device at the name is left alone.
namespace atomicfile {

using regularfile::Failure;

// Replaces the file at `path` as a whole through QSaveFile: the bytes reach the
// disk in a file of their own before they take the old file's name, so a crash
// or a full disk leaves either the old file or the new one, never half of one.
// An existing file keeps its permissions; one this user may not write is not
// replaced. `written`, when given, receives the state of the new file.
Failure write(const QString& path, const QByteArray& bytes,
              regularfile::Signature* written = nullptr);

// Adds the bytes at the end of the file, creating it if need be. A write that
// fails part-way takes back what it added, so the file stays as it was.
Failure append(const QString& path, const QByteArray& bytes);

// Removes the temporary files that writes killed half-way left in `folder`:
// files of this user named and dated as write() leaves them. Called while no
// other write runs.
void removeLeftovers(const QString& folder);

} // namespace atomicfile
