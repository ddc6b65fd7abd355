#pragma once

#include "ByteSource.h"
#include "Database.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tav::records {

struct ReadOutcome {
    Database database;
    // Entries that could not be read: records without a usable number, records cut off by the end
    // of the file, and entries outside every section (behind a damaged section line).
    qsizetype skippedEntries = 0;
    // Records left out because their number, period name or period-and-customer pair came
    // before: the first of each is kept. The user is told about both kinds once.
    qsizetype duplicateEntries = 0;
    // The products whose price text could not be read as an amount under the locale (see
    // LocalAmounts::stored), as the product list shows them; they are loaded with a price of 0,
    // and the user is told.
    QStringList unreadablePrices;
    // Set when the bytes could not be read, or when they hold neither the root line nor a section
    // (a file of no bytes is an empty database); the database is then empty.
    bool readFailed = false;
    QString readError;
};

// Reads a database file's bytes into fresh tables and company texts. Each line is read as UTF-8
// when it is valid UTF-8 and as Windows-1252 otherwise. Sections may stand in any order; lines
// outside them are passed over, and the entries among them counted as unreadable. Invoice records
// come out in file order, named where their customer was read before them;
// addCustomerNamesToRecords names the rest and sorts them. Prices are read under the given locale,
// the user's.
ReadOutcome readDatabase(ByteSource& source, const QLocale& locale = QLocale());

// Why readDatabase refuses bytes that hold no database.
inline const QString NotADatabaseFile = QStringLiteral("Not a TAV database file");

} // namespace tav::records
