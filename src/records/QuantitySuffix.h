#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tav::records {

// A billed item's text ends in " (x", the quantity in decimal digits and ")" when more than one
// was billed ("$5.00 - Shirt (xl) (x2)"). Only a suffix at the very end with at least one digit
// counts. It is what the text shows: amounts are never read from it, but from the item lists.
struct QuantitySuffix {
    // Where " (x" begins.
    qsizetype position = 0;
    qint64 quantity = 0;
};

std::optional<QuantitySuffix> findQuantitySuffix(QStringView text);
// The text with its suffix (if any) replaced by the given quantity's; quantity 1 has none.
QString withQuantity(QStringView text, qint64 quantity);

} // namespace tav::records
