#include "PeriodRecords.h"

#include "records/RecordTable.h"
#include "records/Separators.h"

namespace tav::app {

std::vector<qsizetype> invoiceRecordsOfPeriod(const records::RecordTable& invoices, const QString& period)
{
    std::vector<qsizetype> found;
    // No field holds the separator, so no record is of a period named with one.
    if (period.contains(records::FieldSeparator))
        return found;
    const qsizetype length = period.size();
    for (qsizetype i = 1; i <= invoices.count(); ++i) {
        const QString& text = invoices.textAt(i);
        // The period is the first field: compared where it ends, without a search for the end.
        if (text.size() > length && text.at(length) == records::FieldSeparator
            && QStringView(text).first(length) == period)
            found.push_back(i);
    }
    return found;
}

} // namespace tav::app
