#pragma once

#include <QString>

#include <vector>

namespace tav::records {
class RecordTable;
}

namespace tav::app {

// The texts of the invoice records of one period, in the order of the table, wherever they stand
// in it. This is the program's one walk of the whole invoice table for a period; a query of the
// records layer that finds them without the walk can take its place. The texts are valid until the
// table changes.
std::vector<const QString*> invoiceRecordsOfPeriod(const records::RecordTable& invoices, const QString& period);

} // namespace tav::app
