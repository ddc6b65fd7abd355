#pragma once

#include "Database.h"
#include "XmlLineWriter.h"

#include <QByteArray>

namespace tav::records {

// Writes the whole database in the file's line form: the root, then the sections CompanyInfo,
// Customers, BillPeriods, ProductsAndServices and InvoiceRecords, each record in table order.
// Display names, price sort prefixes and the customer names of invoice records are not written;
// the reader makes them again. Returns false when the sink failed.
bool writeDatabase(const Database& database, ByteSink& sink);

// The bytes a save writes.
QByteArray databaseFileBytes(const Database& database);

} // namespace tav::records
