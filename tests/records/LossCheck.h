#pragma once

#include "records/ReadReport.h"

#include <QByteArrayView>
#include <QString>

namespace tav::records::test {

// Whether a load and a save lost only what the load's report told: every record start line and
// every element of one line in `file` is in a line the report names, or stands in `saved` (the
// tables as saved after the load) with its number or value. Describes the first that is neither;
// empty when there is none. Values are compared as the tables hold them (balances in one form,
// Current as Yes or No). Kept free of the test framework: the fuzz target checks the same.
QString firstUnreportedLoss(QByteArrayView file, const ReadReport& report, QByteArrayView saved);

} // namespace tav::records::test
