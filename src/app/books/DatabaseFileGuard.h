#pragma once

#include "records/FileIdentity.h"

#include <QString>

#include <optional>

namespace tav::app {

// The database file as this session last read or wrote it, and the guards that every write over
// it passes, whichever command writes it (Save, SvAs, closing the books, the save at shutdown):
// - a file that could not be read is never written over;
// - a file that something else changed since (another program, or another account saving to a
//   shared folder) is written over only when the user says so;
// - a file that loaded with something left out is kept for good beside itself before it is first
//   written over, so that what the load could not take is never lost.
class DatabaseFileGuard {
public:
    DatabaseFileGuard() = default;
    // A file that this session is about to make: none is expected at path.
    explicit DatabaseFileGuard(QString path);

    // After a load: the file at path was read in this state, or there was none.
    void read(const QString& path, std::optional<records::FileIdentity> identity);
    // After a load of a file that exists but could not be read.
    void readUnreadable(const QString& path);
    // After a load that left something out: the file is kept before it is first written over.
    // The name it will be kept under, as the user is told it.
    QString keepBeforeWritingOver();

    // Whether path names this file (through a link, too).
    bool covers(const QString& path) const;
    // Before the file is written over through path: false when it must not be; the user has then
    // been told why, or has answered that it must not.
    bool allowWritingOver(const QString& path);
    // After a write: the file is in the state this session wrote.
    void written(const records::FileIdentity& identity);

private:
    bool confirmWritingOverChange(const QString& path) const;
    // Keeps the file as it is now under a name of its own; false when it could not (told).
    bool keepDamagedCopy();
    // A path as the user is told it: the name alone beside the database file, else in full.
    QString shown(const QString& path) const;

    QString path_;
    // Its state when it was read or written; nothing when there was no file.
    std::optional<records::FileIdentity> identity_;
    bool unreadable_ = false;
    // Where the file will be kept before it is first written over; empty when it need not be.
    QString damagedCopy_;
};

} // namespace tav::app
