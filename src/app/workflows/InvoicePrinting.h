#pragma once

#include "printing/InvoiceFilling.h"

#include <functional>

namespace tav::app {

class Books;
struct LocaleFormats;
struct PrintOptionsControls;
struct PrintingControls;

// "Print Selected as Invoices": one invoice on the chosen layout for every checked customer of the
// Printing page's tree (as many pages as its lines take), twice with duplicates, all in one print
// job. The Print Options page's choices are read as the run starts.
class InvoicePrinting {
public:
    // chosenLayout is the invoice layout the Print Options page shows, 0 to 2.
    InvoicePrinting(Books& books, PrintingControls& controls, const PrintOptionsControls& options,
                    std::function<int()> chosenLayout, const LocaleFormats& formats);

    // True when the user wants to enter the company information before printing.
    bool askToFillCompanyInfo() const;
    void print();

private:
    // What every invoice of the run shares: the print options, the company and the bill period.
    printing::InvoiceContent runContent() const;
    QString billDue() const;

    Books& books_;
    PrintingControls& c_;
    const PrintOptionsControls& options_;
    std::function<int()> chosenLayout_;
    const LocaleFormats& formats_;
};

} // namespace tav::app
