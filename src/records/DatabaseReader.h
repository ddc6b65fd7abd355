#pragma once

#include "ByteSource.h"
#include "Database.h"
#include "ReadReport.h"

#include <QLocale>
#include <QString>

namespace tav::records {

struct ReadOutcome {
    Database database;
    // What the tables do not hold of the file, and what they hold but could not read.
    ReadReport report;
    // Set when the bytes could not be read, or when they hold neither the root line nor a section
    // (a file of no bytes is an empty database); the database is then empty.
    bool readFailed = false;
    QString readError;
};

// Reads a database file's bytes into fresh tables and company texts, accounting for every line:
// each is taken into the tables or told in the report. Each line is read as UTF-8 when it is valid
// UTF-8 and as Windows-1252 otherwise. A record is known by its own start line wherever it stands,
// so that a section line lost, damaged or out of place costs no record; sections may stand in any
// order. Invoice records come out in file order, named where their customer was read before them;
// addCustomerNamesToRecords names the rest and sorts them. Prices are read under the given locale,
// the user's. Time and memory grow linearly with the size of the bytes, whatever they hold.
ReadOutcome readDatabase(ByteSource& source, const QLocale& locale = QLocale());

// Why readDatabase refuses bytes that hold no database.
inline const QString NotADatabaseFile = QStringLiteral("Not a TAV database file");

} // namespace tav::records
