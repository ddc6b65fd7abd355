#include "FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
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

// Every temporary file of a replacement of base is named base, ".tmp" and a random number in base
// 36 (earlier versions staged the backup under base, ".bak.tmp" and the number).
QString temporaryName(const QString& base)
{
    return base + QStringLiteral(".tmp") + QString::number(QRandomGenerator::global()->generate(), 36);
}

// Creates a new file beside base, under a name nobody uses yet; never opens an existing file.
int createUnique(const QString& base, QString& createdPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        createdPath = temporaryName(base);
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

// A save killed midway leaves its temporary file behind, as large as the database. Those of this
// user are removed: only one instance of the program runs for a user, so none of them belongs to
// a save still running. Another user's are left alone.
void removeLeftOverTemporaries(const QString& base)
{
    const QFileInfo info(base);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("(\\.bak)?\\.tmp[0-9a-z]{1,7}")));
    const QDir folder = info.dir();
    const QStringList candidates = folder.entryList({info.fileName() + QStringLiteral(".*tmp*")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        const QByteArray path = nativePath(folder.filePath(name));
        struct stat status;
        if (ours.match(name).hasMatch() && ::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode)
            && status.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

// Gives the file at target a second name beside it: a hard link, or where the file system has
// none, a copy flushed to the disk. The new name, or nothing, errno saying why.
std::optional<QString> stageSecondName(const QString& target)
{
    QString staged;
    for (int attempt = 0; attempt < 100; ++attempt) {
        staged = temporaryName(target);
        if (::link(nativePath(target).constData(), nativePath(staged).constData()) == 0)
            return staged;
        if (errno != EEXIST)
            break;
    }
    const int fd = createUnique(target, staged);
    if (fd < 0)
        return std::nullopt;
    const bool copied = copyFile(target, fd);
    const int error = errno;
    ::close(fd);
    if (copied)
        return staged;
    ::unlink(nativePath(staged).constData());
    errno = error;
    return std::nullopt;
}

// Gives a file the name to, unless a file has that name: true when it has; errno says why not.
bool renameWithoutReplacing(const QString& from, const QString& to)
{
    if (::renameat2(AT_FDCWD, nativePath(from).constData(), AT_FDCWD, nativePath(to).constData(), RENAME_NOREPLACE)
        == 0)
        return true;
    if (errno != EINVAL)
        return false;
    // A file system that cannot rename so: a second name, made only where none is, then the first
    // name removed.
    if (::link(nativePath(from).constData(), nativePath(to).constData()) != 0)
        return false;
    ::unlink(nativePath(from).constData());
    return true;
}

QString damagedCopyName(const QString& target, int number)
{
    const QString name = target + QStringLiteral(".damaged");
    return number == 1 ? name : name + QString::number(number);
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
        written += size;
        // Start writing to the disk while the rest is still being made, so that the sync at the
        // end waits for little more than the last piece.
        if (written - startedUpTo >= kWriteBackPiece) {
            ::sync_file_range(fd, startedUpTo, written - startedUpTo, SYNC_FILE_RANGE_WRITE);
            startedUpTo = written;
        }
        return error == 0;
    }

    static constexpr qint64 kWriteBackPiece = 8 << 20;
    int fd = -1;
    QString path; // empty once it has taken the file's place
    int error = 0;
    qint64 written = 0;
    qint64 startedUpTo = 0;
};

FileReplacement::FileReplacement(const QString& path)
    : path_(path)
    , target_(followedPath(path))
{
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

QString FileReplacement::damagedCopyPath(const QString& path)
{
    const QString target = followedPath(path);
    for (int number = 1;; ++number) {
        const QString name = damagedCopyName(target, number);
        struct stat existing;
        if (::lstat(nativePath(name).constData(), &existing) != 0)
            return name;
    }
}

KeptCopy FileReplacement::keepDamagedCopy(const QString& path)
{
    const QString target = followedPath(path);
    if (const std::optional<QString> staged = stageSecondName(target)) {
        for (int number = 1; number <= 1000; ++number) {
            const QString name = damagedCopyName(target, number);
            if (renameWithoutReplacing(*staged, name))
                return KeptCopy{name, std::nullopt};
            if (errno != EEXIST)
                break;
        }
        const int error = errno;
        ::unlink(nativePath(*staged).constData());
        errno = error;
    }
    const QString reason = qt_error_string(errno);
    return KeptCopy{QString(), FileProblem{path, QStringLiteral("%1 (while keeping the file as it was as %2)")
                                                     .arg(reason, damagedCopyPath(path))}};
}

std::optional<FileProblem> FileReplacement::begin()
{
    keepRunningPastFileSizeLimit();
    removeLeftOverTemporaries(target_);
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
    struct stat status;
    if (::fstat(file.fd, &status) != 0)
        return problem(qt_error_string(errno));
    written_ = identityOf(status);
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
    const std::optional<QString> staged = stageSecondName(target_);
    if (staged && ::rename(nativePath(*staged).constData(), nativePath(backup).constData()) == 0) {
        // Where the backup already is a name of the same file (a save killed between keeping its
        // backup and taking the file's place leaves it so), the rename does nothing and leaves
        // the staged name behind.
        ::unlink(nativePath(*staged).constData());
        return std::nullopt;
    }
    const QString reason = qt_error_string(errno);
    if (staged)
        ::unlink(nativePath(*staged).constData());
    return problem(QStringLiteral("%1 (while keeping the previous file as %2)").arg(reason, backup));
}

void keepRunningPastFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tav::records
