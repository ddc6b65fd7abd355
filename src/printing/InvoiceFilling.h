#pragma once

#include "platform/PageModel.h"
#include "records/Database.h"
#include "records/RecordFormats.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

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

// An invoice layout filled with what every invoice of a print run shares: the title, fitted to
// its room once, the company, the dates and the bottom texts.
class InvoiceForm {
public:
    // From the run's content; its customer, lines and paid mark are not used.
    InvoiceForm(int layout, const InvoiceContent& run);

    // The pages of one customer's invoice (`invoice`: the run's content with the customer's own
    // record, lines and paid mark): its checked lines twelve rows to a page, the header and the
    // bottom texts on every page. Every page but the last says that the invoice continues; the
    // last carries the total, the sum of every line, and the paid mark. An invoice note takes a
    // row wherever it stands, the last one printed as the note. No page when the customer has no
    // line to print.
    std::vector<platform::Page> pages(const InvoiceContent& invoice) const;

private:
    platform::Page blank_;
};

// Shows the invoice date (or not) and puts the bill-due line where the layout has it then.
void placeInvoiceDate(platform::Page& page, int layout, const std::optional<QString>& date);

// Shrinks the item table to rows 0..lastRow: the later rules go, and everything from the total
// rule down to the box's bottom moves up; the bottom texts move with it only when asked to.
void fitInvoiceToLines(platform::Page& page, int lastRow, bool moveBottomText);

} // namespace tav::printing
