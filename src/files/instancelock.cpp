#include "instancelock.h"

InstanceLock::InstanceLock(const QString& tempDir)
{
    if (!tempDir.isEmpty())
        lock_ = std::make_unique<QLockFile>(tempDir + QStringLiteral("frostel.lock"));
}

bool InstanceLock::acquire()
{
    if (!lock_)
        return true;
    if (lock_->tryLock(0))
        return true;
    return lock_->error() != QLockFile::LockFailedError;
}
