#pragma once

#include "ByteSource.h"
#include "Database.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tav::records {

struct ReadOutcome {
    Database database;
    // Entries that could not be read: records without a usable number, records whose number,
    // period name or period-and-customer pair came before, and records cut off by the end of
    // the file. The user is told about them once.
    qsizetype skippedEntries = 0;
    // The products whose price text could not be read as an amount under the locale (see
    // LocalAmounts::stored), as the product list shows them; they are loaded with a price of 0,
    // and the user is told.
    QStringList unreadablePrices;
    // Set when the bytes could not be read; the database is then empty.
    bool readFailed = false;
    QString readError;
};

// Reads a database file's bytes into fresh tables and company texts. The bytes are read as UTF-8
// when they are valid UTF-8 and as Windows-1252 otherwise. Sections may stand in any order; lines
// outside them are passed over. Invoice records come out in file order, named where their customer
// was read before them; addCustomerNamesToRecords names the rest and sorts them. Prices are read
// under the given locale, the user's.
ReadOutcome readDatabase(ByteSource& source, const QLocale& locale = QLocale());

} // namespace tav::records
