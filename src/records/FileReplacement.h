#pragma once

#include "FileProblem.h"
#include "XmlLineWriter.h"

#include <QString>

#include <memory>
#include <optional>

namespace tav::records {

// Replaces the content of a file so that a failure or a crash at any moment leaves it either as it
// was or with the whole new content. The new content goes to a temporary file in the same folder,
// is flushed to the disk, and only then renamed over the file. The file it replaces stays beside
// it as NAME.bak (one generation). A symbolic link is followed: its target is replaced.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    // Removes the temporary file unless the replacement was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file; nothing on success.
    std::optional<FileProblem> begin();
    // Takes the new content, after begin succeeded.
    ByteSink& content();
    // Flushes the new content to the disk, keeps the old file as NAME.bak and puts the new one in
    // its place; nothing on success. Call once, after the content is complete.
    std::optional<FileProblem> commit();

    static QString backupPath(const QString& path);

private:
    class TemporaryFile;

    FileProblem problem(const QString& reason) const;
    std::optional<FileProblem> keepBackup();

    QString path_; // as the caller gave it, for messages
    QString target_; // the file that is replaced, links followed
    std::unique_ptr<TemporaryFile> temporary_;
};

} // namespace tav::records
