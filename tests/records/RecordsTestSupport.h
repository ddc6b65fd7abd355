#pragma once

#include "records/Database.h"
#include "records/DatabaseReader.h"

#include <QByteArray>
#include <QStringList>

#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tav::records::test {

// Reads database file bytes as a load does, without the file.
ReadOutcome readBytes(QByteArrayView bytes);

// Reads, then names and sorts the invoice records, as start-up does.
ReadOutcome loadOutcome(QByteArrayView bytes);
Database loadBytes(QByteArrayView bytes);

// Lines joined by CR LF, each ended by one, as the writer writes them.
QByteArray crlfLines(const QStringList& lines);

// Every entry as "key = text", separators shown as | (field) and ^ (item), for readable failures.
QStringList entries(const RecordTable& table);
QStringList entries(const InvoiceRecordTable& table);

// Expects the same tables (keys, texts, order) and company texts.
void expectSameDatabase(const Database& actual, const Database& expected);

// A database with every kind of text the file holds; bytes of its file in sampleDatabaseFile().
Database sampleDatabase();
QByteArray sampleDatabaseFile();

} // namespace tav::records::test
