#include "FileIdentity.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace tav::records {

FileIdentity identityOf(const struct stat& status)
{
    return FileIdentity{status.st_dev, status.st_ino, status.st_size,
                        qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

std::optional<FileIdentity> fileIdentity(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

QString followedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

bool sameFile(const QString& first, const QString& second)
{
    if (followedPath(first) == followedPath(second))
        return true;
    const std::optional<FileIdentity> one = fileIdentity(first);
    const std::optional<FileIdentity> other = fileIdentity(second);
    return one && other && one->device == other->device && one->inode == other->inode;
}

} // namespace tav::records
