#pragma once

#include "records/RecordFormats.h"
#include "records/RecordTable.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tav::app {

// The bill periods as the period combos list them: the well-formed period records in table order.

// The names the combos list, in their order.
QStringList listedPeriodNames(const records::RecordTable& periods);

// The 1-based table position of the first period whose name is exactly this, 0 when none is.
qsizetype findBillPeriodByName(const records::RecordTable& periods, const QString& name);
// The period shown at this combo index; nothing when the index shows none or its record cannot be
// read.
std::optional<records::BillPeriodRecord> periodAtComboIndex(const records::RecordTable& periods, int comboIndex);

} // namespace tav::app
