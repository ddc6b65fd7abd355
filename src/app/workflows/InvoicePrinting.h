#pragma once

#include "printing/InvoiceFilling.h"

namespace tav::app {

class Books;
struct LocaleFormats;
class PrintOptionsPage;
struct PrintingControls;

// "Print Selected as Invoices": one invoice on the chosen layout for every checked customer of the
// Printing page's tree (as many pages as its lines take), twice with duplicates, all in one print
// job. The Print Options page's choices are read as the run starts.
class InvoicePrinting {
public:
    // options are the Print Options page's choices, read as a run starts.
    InvoicePrinting(Books& books, PrintingControls& controls, const PrintOptionsPage& options,
                    const LocaleFormats& formats);

    // True when the user wants to enter the company information before printing.
    bool askToFillCompanyInfo() const;
    void print();

private:
    // What every invoice of the run shares: the print options, the company and the bill period.
    printing::InvoiceContent runContent() const;
    QString billDue() const;

    Books& books_;
    PrintingControls& c_;
    const PrintOptionsPage& options_;
    const LocaleFormats& formats_;
};

} // namespace tav::app
