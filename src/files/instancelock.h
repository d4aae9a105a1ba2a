#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The test for a previous instance: a lock file in the user's private temporary
// folder. A lock left behind by a crashed run is stale and does not block.
class InstanceLock
{
public:
    explicit InstanceLock(const QString& tempDir);

    // True when this process now holds the lock, false when another instance runs.
    // Without a usable temporary folder the test cannot be made and the game runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
