#include "WindowCases.h"

#include "BenchWindow.h"
#include "PrintFloor.h"
#include "ProcessFigures.h"

#include "platform/CommandButton.h"
#include "platform/TreeView.h"
#include "printing/CustomerListOptionsWindow.h"

#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <optional>

namespace tav::bench {

namespace {

using platform::TreeView;

const QString& kRootKey = app::NewBillPeriod::kRootKey;

// The Printing page showing the newest period with every customer checked, as the user's click
// on the root's check box leaves it; the number of customers checked.
int checkEveryCustomer(BenchWindow& window)
{
    TreeView* tree = window->printingPage().controls().tvwInvoiceRecords[1];
    tree->setChecked(kRootKey, true);
    window->printingPage().treeNodeCheck(kRootKey);
    int customers = 0;
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        customers += key.endsWith(QLatin1Char('k')) && tree->checked(key);
    }
    return customers;
}

// The PDF file the cases print to, not there yet.
QString pdfFile(const BenchContext& context)
{
    const QString pdf = context.scratchPath + QLatin1String(".pdf");
    QFile::remove(pdf);
    return pdf;
}

// Times a print run of the window into its PDF file, to the last repaint; the file's size goes to
// bytes, and the file goes. Nothing (and why on stderr) when no file was written or the run showed
// a message.
std::optional<double> timePdfRun(
    const char* name, BenchWindow& window, const QString& pdf, const std::function<void()>& run, qint64& bytes)
{
    const int messagesBefore = window.host().messages();
    const double seconds = secondsFor([&] {
        run();
        BenchWindow::settle();
    });
    bytes = QFileInfo(pdf).size();
    QFile::remove(pdf);
    if (bytes > 0 && window.host().messages() == messagesBefore)
        return seconds;
    std::fprintf(stderr, "%s: no PDF file was written, or the run showed a message\n", name);
    return std::nullopt;
}

// "Print Selected as Invoices" for every customer of the newest period, into a PDF file: its
// time, and how much more memory the process takes while it prints and keeps afterwards. Then
// the floor it is held to: the same pages' texts painted at the same places by a bare PDF writer.
class PrintInvoicesCase final : public BenchCase {
public:
    const char* name() const override { return "print-invoices"; }

    bool run(BenchContext& context) override
    {
        const QString pdf = pdfFile(context);
        BenchWindow window(context.database, BenchWindow::PrintingPage, pdf);
        const int customers = checkEveryCustomer(window);
        const double before = residentMiB();
        resetPeakResident();
        qint64 bytes = 0;
        const std::optional<double> seconds = timePdfRun(
            name(), window, pdf, [&] { window->printingPage().controls().cmdPrintSelectedInvoices->click(); }, bytes);
        const double peak = peakResidentMiB();
        const double held = residentMiB() - before;
        if (!seconds)
            return false;

        std::vector<PaintedPage> pages;
        window.host().setPrintJobs([&](const platform::PrintJobSetup&) { return textRecordingJob(pages); });
        window->printingPage().controls().cmdPrintSelectedInvoices->click();
        const double floor = paintTextsBare(pages, pdf);
        QFile::remove(pdf);

        context.report("print-invoices", *seconds, "s");
        context.report("print-invoices-pages", customers, "");
        context.report("print-invoices-pdf", static_cast<double>(bytes) / 1048576.0, "MiB");
        context.report("print-memory-growth", peak - before, "MiB");
        context.report("print-memory-held", held, "MiB");
        context.report("print-invoices-bare", floor, "s");
        return true;
    }
};

// "Print Selected as Envelopes" for every customer of the newest period, into a PDF file.
class PrintEnvelopesCase final : public BenchCase {
public:
    const char* name() const override { return "print-envelopes"; }

    bool run(BenchContext& context) override
    {
        const QString pdf = pdfFile(context);
        BenchWindow window(context.database, BenchWindow::PrintingPage, pdf);
        const int customers = checkEveryCustomer(window);
        qint64 bytes = 0;
        const std::optional<double> seconds = timePdfRun(
            name(), window, pdf, [&] { window->printingPage().controls().cmdPrintSelectedEnvelopes->click(); }, bytes);
        if (!seconds)
            return false;
        context.report("print-envelopes", *seconds, "s");
        context.report("print-envelopes-pages", customers, "");
        return true;
    }
};

// The customer list of every current customer, from the Customers page's Print button through
// its options window's Print, into a PDF file.
class PrintCustomerListCase final : public BenchCase {
public:
    const char* name() const override { return "print-customer-list"; }

    bool run(BenchContext& context) override
    {
        const QString pdf = pdfFile(context);
        BenchWindow window(context.database, BenchWindow::CustomersPage, pdf);
        window.host().setModalStep([](platform::Form& form) {
            if (auto* options = qobject_cast<printing::CustomerListOptionsWindow*>(&form))
                options->cmdPrint->click();
        });
        qint64 bytes = 0;
        const std::optional<double> seconds
            = timePdfRun(name(), window, pdf, [&] { window->customersPage().controls().cmdPrint->click(); }, bytes);
        if (!seconds)
            return false;
        context.report("print-customer-list", *seconds, "s");
        context.report("print-customer-list-customers", static_cast<double>(window->books().data().customers.count()), "");
        return true;
    }
};

} // namespace

void addPrintCases(std::vector<std::unique_ptr<BenchCase>>& cases)
{
    cases.push_back(std::make_unique<PrintInvoicesCase>());
    cases.push_back(std::make_unique<PrintEnvelopesCase>());
    cases.push_back(std::make_unique<PrintCustomerListCase>());
}

} // namespace tav::bench
