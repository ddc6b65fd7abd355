#include "InstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace tav::platform {

InstanceLock::InstanceLock(QString lockFilePath)
    : path_(std::move(lockFilePath))
{
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::defaultLockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1String("/TAV.lock");
}

bool InstanceLock::acquire()
{
    if (lock_ && lock_->isLocked())
        return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    // Never treat a live holder's lock as stale by its age; a dead holder's lock is stale at once.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

} // namespace tav::platform
