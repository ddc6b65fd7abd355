#pragma once

#include "platform/PageModel.h"
#include "records/Database.h"
#include "records/RecordFormats.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace tav::printing {

// A checked line of a customer on the Printing page: an item ("price - description", the
// description ending in its quantity suffix) with the amount read with the tables, or an invoice
// note. An item whose amount could not be read has none and prints without one.
struct InvoiceLine {
    QString text;
    std::optional<records::Cents> amount;
};

// Everything one invoice is filled from, gathered before the page is filled.
struct InvoiceContent {
    QString title;
    double titlePoints = 36;
    bool paid = false;
    records::CompanyInfo company;
    records::CustomerRecord customer;
    // The bill period's due date as shown.
    QString billDue;
    // Today's date as shown, when the invoice date is printed.
    std::optional<QString> invoiceDate;
    // The customer's checked item and invoice-note lines, in the tree's order.
    QList<InvoiceLine> lines;
    bool keepTwelveLines = true;
    bool moveBottomText = false;
    // Amounts are shown in this locale's currency form.
    QLocale locale;
};

inline const QString kInvoiceNotePrefix = QStringLiteral("INVOICE NOTE: ");

// Fills a fresh layout page. False when the customer has no line to print: that customer gets no
// page. Items beyond the twelfth row are left off; an invoice note counts wherever it stands, the
// last one printed as the note.
bool fillInvoice(platform::Page& page, int layout, const InvoiceContent& content);

// Shows the invoice date (or not) and puts the bill-due line where the layout has it then.
void placeInvoiceDate(platform::Page& page, int layout, const std::optional<QString>& date);

// Shrinks the item table to rows 0..lastRow: the later rules go, and everything from the total
// rule down to the box's bottom moves up; the bottom texts move with it only when asked to.
void fitInvoiceToLines(platform::Page& page, int lastRow, bool moveBottomText);

} // namespace tav::printing
