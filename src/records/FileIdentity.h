#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <sys/types.h>

struct stat;

namespace tav::records {

// One state of a file, told from any other without reading it: which file it is (its device and
// inode) and its size and modification time. A file that another program replaced (a new inode)
// or wrote in place (a new time or size) no longer matches the state it was read in.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const struct stat& status);

// The state of the file at path, a link followed to its target; nothing when there is none.
std::optional<FileIdentity> fileIdentity(const QString& path);

// The file a path names, links followed; the path made absolute when there is no file yet.
QString followedPath(const QString& path);

// Whether two paths name one file: the same path once links are followed, or two names (hard
// links) of one file.
bool sameFile(const QString& first, const QString& second);

} // namespace tav::records
