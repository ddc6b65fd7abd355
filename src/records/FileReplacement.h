#pragma once

#include "FileIdentity.h"
#include "FileProblem.h"
#include "XmlLineWriter.h"

#include <QString>

#include <memory>
#include <optional>

namespace tav::records {

// Where a copy of a file was kept, or why it could not be.
struct KeptCopy {
    QString path;
    std::optional<FileProblem> problem;
};

// Replaces the content of a file so that a failure or a crash at any moment leaves it either as it
// was or with the whole new content. The new content goes to a temporary file in the same folder,
// is flushed to the disk, and only then renamed over the file. The file it replaces stays beside
// it as NAME.bak (one generation). A symbolic link is followed: its target is replaced, and its
// backups lie beside the target.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    // Removes the temporary file unless the replacement was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Removes what earlier replacements of this file that were killed midway left behind, then
    // creates the temporary file; nothing on success.
    std::optional<FileProblem> begin();
    // Takes the new content, after begin succeeded.
    ByteSink& content();
    // Flushes the new content to the disk, keeps the old file as NAME.bak and puts the new one in
    // its place; nothing on success. Call once, after the content is complete.
    std::optional<FileProblem> commit();
    // The state of the file put in place, after commit succeeded.
    const FileIdentity& written() const { return written_; }

    static QString backupPath(const QString& path);
    // Where keepDamagedCopy would keep the file now: NAME.damaged beside it (beside a link's
    // target), or NAME.damaged2, NAME.damaged3 and so on when that name is taken.
    static QString damagedCopyPath(const QString& path);
    // Keeps the file as it is now under the first free name of damagedCopyPath. Unlike NAME.bak,
    // no later replacement touches it.
    static KeptCopy keepDamagedCopy(const QString& path);

private:
    class TemporaryFile;

    FileProblem problem(const QString& reason) const;
    std::optional<FileProblem> keepBackup();

    QString path_; // as the caller gave it, for messages
    QString target_; // the file that is replaced, links followed
    std::unique_ptr<TemporaryFile> temporary_;
    FileIdentity written_;
};

// By default a write past the process's file-size limit (ulimit -f) ends the program, with its
// unsaved changes; once this has run, such a write fails instead and the save says so. Every
// replacement makes sure of it; the program does it at start-up for every other file it writes.
void keepRunningPastFileSizeLimit();

} // namespace tav::records
