#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tav::platform {

// One running instance per user. The lock is a file in the per-user runtime folder that records
// the holder's process; a lock left behind by a crashed instance is taken over.
class InstanceLock {
public:
    explicit InstanceLock(QString lockFilePath = defaultLockFilePath());
    ~InstanceLock();

    static QString defaultLockFilePath();

    // Takes the lock when it is free; false when another running process holds it.
    bool acquire();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tav::platform
