#include "DatabaseFile.h"

#include "DatabaseReader.h"
#include "DatabaseWriter.h"
#include "FileReplacement.h"

#include <QFile>

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

} // namespace

LoadResult loadDatabase(const QString& path, const QLocale& locale)
{
    LoadResult result;
    FileByteSource source;
    if (const int error = source.open(path)) {
        result.status = error == ENOENT ? LoadResult::Status::Missing : LoadResult::Status::Unreadable;
        result.problem = FileProblem{path, qt_error_string(error)};
        return result;
    }
    ReadOutcome outcome = readDatabase(source, locale);
    if (outcome.readFailed) {
        result.status = LoadResult::Status::Unreadable;
        result.problem = FileProblem{path, outcome.readError};
        return result;
    }
    result.status = LoadResult::Status::Loaded;
    result.database = std::move(outcome.database);
    result.skippedEntries = outcome.skippedEntries;
    result.duplicateEntries = outcome.duplicateEntries;
    result.unreadablePrices = std::move(outcome.unreadablePrices);
    return result;
}

std::optional<FileProblem> createEmptyDatabaseFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileProblem{path, qt_error_string(errno)};
    ::close(fd);
    return std::nullopt;
}

std::optional<FileProblem> saveDatabase(const QString& path, const Database& database)
{
    FileReplacement replacement(path);
    if (std::optional<FileProblem> failed = replacement.begin())
        return failed;
    writeDatabase(database, replacement.content());
    return replacement.commit();
}

} // namespace tav::records
