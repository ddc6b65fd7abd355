#pragma once

#include "platform/PageModel.h"

namespace tav::printing {

inline constexpr int kInvoiceLayoutCount = 3;
inline constexpr int kItemRows = 12;
// The page area of every invoice layout, in twips.
inline constexpr double kInvoicePageWidth = 11520;
inline constexpr double kInvoicePageHeight = 14535;
// The left and right edges of the item table, between which everything on the page stands.
inline constexpr double kInvoiceContentLeft = 600;
inline constexpr double kInvoiceContentRight = 10815;

// Where a layout puts the bill-due line, with and without the invoice date above it, and whether
// its company address closes up when the fourth address line is empty.
struct LayoutTraits {
    double billDueTopWithDate;
    double billDueTopWithoutDate;
    bool addressClosesUp;
};

const LayoutTraits& layoutTraits(int layout);

// A fresh invoice page of layout 0 (boxed), 1 (centred letterhead) or 2 (plain), every element at
// its design place with its design text: bracketed placeholders in the header, empty item rows,
// the invoice date, the paid mark and the line that says the invoice continues hidden.
platform::Page invoiceLayout(int layout);

} // namespace tav::printing
