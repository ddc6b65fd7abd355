#include "DatabaseFile.h"

#include "DatabaseReader.h"
#include "DatabaseWriter.h"
#include "FileReplacement.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav::records {

namespace {

class FileByteSource final : public ByteSource {
public:
    ~FileByteSource() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    // The error number when the file could not be opened, else 0.
    int open(const QString& path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            return errno;
        ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
        return 0;
    }

    // The file's state as it is opened, before a byte is read: a change while it is read is a
    // change since then.
    FileIdentity identity() const
    {
        struct stat status {};
        ::fstat(fd_, &status);
        return identityOf(status);
    }

    qint64 read(char* data, qint64 size) override
    {
        for (;;) {
            const ssize_t count = ::read(fd_, data, static_cast<size_t>(size));
            if (count >= 0)
                return count;
            if (errno != EINTR) {
                error_ = errno;
                return -1;
            }
        }
    }

    QString errorText() const override { return qt_error_string(error_); }

    qint64 size() const override
    {
        struct stat status;
        return ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : -1;
    }

private:
    int fd_ = -1;
    int error_ = 0;
};

LoadResult::Status statusOfOpening(int error)
{
    return error == ENOENT ? LoadResult::Status::Missing : LoadResult::Status::Unreadable;
}

LoadResult resultOf(ReadOutcome&& outcome, const QString& path, const FileIdentity& identity)
{
    LoadResult result;
    result.identity = identity;
    if (outcome.readFailed) {
        result.status = LoadResult::Status::Unreadable;
        result.problem = FileProblem{path, outcome.readError};
        return result;
    }
    result.status = LoadResult::Status::Loaded;
    result.database = std::move(outcome.database);
    result.report = std::move(outcome.report);
    return result;
}

} // namespace

LoadResult loadDatabase(const QString& path, const QLocale& locale)
{
    FileByteSource source;
    if (const int error = source.open(path)) {
        LoadResult result;
        result.status = statusOfOpening(error);
        result.problem = FileProblem{path, qt_error_string(error)};
        return result;
    }
    const FileIdentity identity = source.identity();
    return resultOf(readDatabase(source, locale), path, identity);
}

std::optional<FileProblem> createEmptyDatabaseFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileProblem{path, qt_error_string(errno)};
    ::close(fd);
    return std::nullopt;
}

std::optional<FileProblem> saveDatabase(const QString& path, const Database& database, FileIdentity* written)
{
    FileReplacement replacement(path);
    if (std::optional<FileProblem> failed = replacement.begin())
        return failed;
    writeDatabase(database, replacement.content());
    std::optional<FileProblem> failed = replacement.commit();
    if (!failed && written)
        *written = replacement.written();
    return failed;
}

} // namespace tav::records
