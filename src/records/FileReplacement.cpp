#include "FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav::records {

namespace {

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Creates a new file beside base, under a name nobody uses yet; never opens an existing file.
int createUnique(const QString& base, QString& createdPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        createdPath = base + QStringLiteral(".tmp") + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(nativePath(createdPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A copy of a file, for folders whose file system has no hard links.
bool copyFile(const QString& from, int toFd)
{
    const int fromFd = ::open(nativePath(from).constData(), O_RDONLY | O_CLOEXEC);
    if (fromFd < 0)
        return false;
    std::vector<char> buffer(1 << 20);
    bool ok = true;
    for (;;) {
        const ssize_t count = ::read(fromFd, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            ok = count == 0;
            break;
        }
        if (!writeAll(toFd, buffer.data(), count)) {
            ok = false;
            break;
        }
    }
    const int error = errno;
    ::close(fromFd);
    errno = error;
    return ok && ::fsync(toFd) == 0;
}

void syncFolder(const QString& file)
{
    const int fd = ::open(nativePath(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

class FileReplacement::TemporaryFile final : public ByteSink {
public:
    ~TemporaryFile() override
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.isEmpty())
            ::unlink(nativePath(path).constData());
    }

    bool write(const char* data, qsizetype size) override
    {
        if (error == 0 && !writeAll(fd, data, size))
            error = errno;
        return error == 0;
    }

    int fd = -1;
    QString path; // empty once it has taken the file's place
    int error = 0;
};

FileReplacement::FileReplacement(const QString& path)
    : path_(path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    target_ = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

FileReplacement::~FileReplacement() = default;

QString FileReplacement::backupPath(const QString& path)
{
    return path + QStringLiteral(".bak");
}

FileProblem FileReplacement::problem(const QString& reason) const
{
    return FileProblem{path_, reason};
}

std::optional<FileProblem> FileReplacement::begin()
{
    temporary_ = std::make_unique<TemporaryFile>();
    temporary_->fd = createUnique(target_, temporary_->path);
    if (temporary_->fd < 0) {
        const int error = errno;
        temporary_->path.clear();
        return problem(qt_error_string(error));
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat existing;
    if (::stat(nativePath(target_).constData(), &existing) == 0)
        ::fchmod(temporary_->fd, existing.st_mode & 07777);
    return std::nullopt;
}

ByteSink& FileReplacement::content()
{
    return *temporary_;
}

std::optional<FileProblem> FileReplacement::commit()
{
    TemporaryFile& file = *temporary_;
    if (file.error != 0)
        return problem(qt_error_string(file.error));
    if (::fsync(file.fd) != 0)
        return problem(qt_error_string(errno));
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0)
        return problem(qt_error_string(errno));
    if (std::optional<FileProblem> failed = keepBackup())
        return failed;
    if (::rename(nativePath(file.path).constData(), nativePath(target_).constData()) != 0)
        return problem(qt_error_string(errno));
    file.path.clear();
    syncFolder(target_);
    return std::nullopt;
}

std::optional<FileProblem> FileReplacement::keepBackup()
{
    struct stat existing;
    if (::stat(nativePath(target_).constData(), &existing) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(problem(qt_error_string(errno)));
    const QString backup = backupPath(target_);
    const auto failed = [&](const QString& stagedPath) {
        const QString reason = qt_error_string(errno);
        if (!stagedPath.isEmpty())
            ::unlink(nativePath(stagedPath).constData());
        return problem(QStringLiteral("%1 (while keeping the previous file as %2)").arg(reason, backup));
    };
    // A second name for the old file costs nothing; where the file system has none, a copy.
    QString staged;
    bool linked = false;
    for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
        staged = backup + QStringLiteral(".tmp") + QString::number(QRandomGenerator::global()->generate(), 36);
        linked = ::link(nativePath(target_).constData(), nativePath(staged).constData()) == 0;
        if (!linked && errno != EEXIST)
            break;
    }
    if (!linked) {
        const int fd = createUnique(backup, staged);
        if (fd < 0)
            return failed(QString());
        const bool copied = copyFile(target_, fd);
        const int error = errno;
        ::close(fd);
        errno = error;
        if (!copied)
            return failed(staged);
    }
    if (::rename(nativePath(staged).constData(), nativePath(backup).constData()) != 0)
        return failed(staged);
    return std::nullopt;
}

} // namespace tav::records
