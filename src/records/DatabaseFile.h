#pragma once

#include "Database.h"
#include "FileIdentity.h"
#include "FileProblem.h"
#include "FileReplacement.h"
#include "ReadReport.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

namespace tav::records {

// The database file as the main window uses it. Nothing here shows anything: each function says
// what happened, and the caller decides what the user sees.
//
// Loading, as the main window does it:
//   1. result = loadDatabase(path);
//   2. Loaded: take result.database and remember result.identity; before saving over the file,
//      make sure it is still in that state. Unless result.report is empty, tell the user once,
//      before any save, what was left out and what was kept but could not be read. When the load
//      left something out, say that the file as it was is kept as
//      FileReplacement::damagedCopyPath(path), and keep it so (keepDamagedCopy) before it is first
//      saved over.
//      Missing: createEmptyDatabaseFile(path) and start with an empty database; a failure is told.
//      Unreadable: tell the user (result.problem) and never save over that file with this data.
//   3. addCustomerNamesToRecords(database); for each number it returns, tell the user about the
//      placeholder customer and count the data as changed.

struct LoadResult {
    enum class Status {
        Loaded,
        Missing, // no file at the path: the database is empty
        Unreadable, // the file exists but could not be read (problem says why): the database is empty
    };

    Status status = Status::Missing;
    Database database;
    // What the tables do not hold of the file, and what they hold but could not read.
    ReadReport report;
    FileProblem problem;
    // The file's state when it was read (status Loaded).
    FileIdentity identity;

    // Whether a save of this database would lose something the file holds.
    bool leftSomethingOut() const { return report.leftOutAnything(); }
};

// Reads the file at path into a fresh database, its prices under the given locale (the user's). A
// file of zero bytes is an empty database. A caller that holds a database and must keep it when the
// file cannot be read drops it only once this has loaded: the fresh tables take less memory than
// the file's bytes would, and the file is read as it streams in.
LoadResult loadDatabase(const QString& path, const QLocale& locale = QLocale());

// Creates a missing database file with no content. Never touches a file that exists, even one
// made in the meantime. Nothing on success.
[[nodiscard]] std::optional<FileProblem> createEmptyDatabaseFile(const QString& path);

// Writes the whole database to path, replacing the file safely (see FileReplacement): on failure
// the file is left byte for byte as it was. Nothing on success; then written, when given, holds
// the state of the file saved.
[[nodiscard]] std::optional<FileProblem> saveDatabase(const QString& path, const Database& database,
                                                      FileIdentity* written = nullptr);

} // namespace tav::records
