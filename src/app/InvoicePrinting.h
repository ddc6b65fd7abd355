#pragma once

#include "printing/InvoiceFilling.h"

namespace tav::app {

class MainWindow;

// "Print Selected as Invoices": one invoice on the chosen layout for every checked customer of the
// Printing page's tree (as many pages as its lines take), twice with duplicates, all in one print
// job, after the offer to enter the company's name and address first.
class InvoicePrinting {
public:
    explicit InvoicePrinting(MainWindow& window);

    void cmdPrintSelectedInvoices_Click();
    // True when the user wants to enter the company information before printing.
    bool askToFillCompanyInfo() const;

private:
    // What every invoice of the run shares: the print options, the company and the bill period.
    printing::InvoiceContent runContent() const;
    QString billDue() const;

    MainWindow& w_;
};

} // namespace tav::app
