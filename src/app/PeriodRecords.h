#pragma once

#include <QString>

#include <vector>

namespace tav::records {
class RecordTable;
}

namespace tav::app {

// The positions of the invoice records of one period in the table, in its order, wherever they
// stand in it. This is the program's one walk of the whole invoice table for a period; a query of
// the records layer that finds them without the walk can take its place.
std::vector<qsizetype> invoiceRecordsOfPeriod(const records::RecordTable& invoices, const QString& period);

} // namespace tav::app
