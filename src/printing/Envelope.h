#pragma once

#include "platform/PageModel.h"
#include "records/RecordFormats.h"

#include <QString>

#include <array>

namespace tav::printing {

// A margin setting ("X-Margin", "Y-Margin") as whole centimetres: the leading number of the text,
// halves to the even neighbour; 0 for a text without one.
int marginCentimetres(const QString& setting);

// One envelope, landscape: the return address (company name and three address lines, 10 points)
// from (left, top) in centimetres, one line below the other; 7 cm further right and 2 cm below
// its last line the recipient's name (12 points) and three address lines (10 points). Empty lines
// keep their place.
platform::Page envelopePage(const std::array<QString, 4>& returnAddress, const records::CustomerRecord& recipient,
                            int leftCentimetres, int topCentimetres);

} // namespace tav::printing
