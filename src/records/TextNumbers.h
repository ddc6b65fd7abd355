#pragma once

#include <QStringView>
#include <QtGlobal>

namespace tav::records {

// The numeric value at the start of a text, read the way the forms have always read numbers:
// blanks are skipped, "." is the decimal mark, reading stops at the first character that cannot
// continue the number, and a text that begins with no number gives 0.
double leadingNumber(QStringView text);

// Rounds to the nearest whole number, an exact half going to the even neighbour; values beyond
// the range of the result are clamped to it.
qint64 roundHalfEven(double value);
int roundHalfEvenToInt(double value);

} // namespace tav::records
