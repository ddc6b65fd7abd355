#include "StoredPeriods.h"

namespace tav::app {

using records::BillPeriodRecord;

QStringList listedPeriodNames(const records::RecordTable& periods)
{
    QStringList names;
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        if (const auto period = BillPeriodRecord::fromText(periods.textAt(i)))
            names << period->name;
    }
    return names;
}

qsizetype findBillPeriodByName(const records::RecordTable& periods, const QString& name)
{
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        const auto period = BillPeriodRecord::fromText(periods.textAt(i));
        if (period && period->name == name)
            return i;
    }
    return 0;
}

std::optional<BillPeriodRecord> periodAtComboIndex(const records::RecordTable& periods, int comboIndex)
{
    int shown = -1;
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        if (records::hasFieldCount(periods.textAt(i), BillPeriodRecord::FieldCount) && ++shown == comboIndex)
            return BillPeriodRecord::fromText(periods.textAt(i));
    }
    return std::nullopt;
}

} // namespace tav::app
