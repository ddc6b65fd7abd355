#pragma once

#include "ByteSource.h"
#include "Database.h"

#include <QString>

namespace tav::records {

struct ReadOutcome {
    Database database;
    // Entries that could not be read: records without a usable number, records cut off by the end
    // of the file, and entries outside every section (behind a damaged section line).
    qsizetype skippedEntries = 0;
    // Records left out because their number, period name or period-and-customer pair came
    // before: the first of each is kept. The user is told about both kinds once.
    qsizetype duplicateEntries = 0;
    // Set when the bytes could not be read, or when they hold neither the root line nor a section
    // (a file of no bytes is an empty database); the database is then empty.
    bool readFailed = false;
    QString readError;
};

// Reads a database file's bytes into fresh tables and company texts. Each line is read as UTF-8
// when it is valid UTF-8 and as Windows-1252 otherwise. Sections may stand in any order; lines
// outside them are passed over, and the entries among them counted as unreadable. Invoice records
// come out in file order, named where their customer was read before them;
// addCustomerNamesToRecords names the rest and sorts them.
ReadOutcome readDatabase(ByteSource& source);

} // namespace tav::records
