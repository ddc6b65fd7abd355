#include "PrintingPageRun.h"

#include "app/design/PageControls.h"

#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/TreeView.h"

namespace tav::app {

PrintingPageRun::PrintingPageRun(PrintingControls& controls)
    : c_(controls)
    , tree_(*controls.tvwInvoiceRecords[1])
{
    for (int i = 1; i <= tree_.nodeCount(); ++i) {
        const QString key = tree_.keyAt(i);
        if (key.endsWith(QLatin1Char('k')) && tree_.checked(key))
            customers_ << key;
    }
    c_.cmdPrintSelectedInvoices->setEnabled(false);
    c_.cmdPrintSelectedEnvelopes->setEnabled(false);
    c_.staPrinting->setValue(0);
    c_.lblPrinting->setVisible(true);
    c_.staPrinting->setVisible(true);
}

PrintingPageRun::~PrintingPageRun()
{
    c_.lblPrinting->setVisible(false);
    c_.staPrinting->setVisible(false);
    c_.cmdPrintSelectedInvoices->setEnabled(true);
    c_.cmdPrintSelectedEnvelopes->setEnabled(true);
}

QList<printing::InvoiceLine> PrintingPageRun::checkedLines(const QString& customerKey) const
{
    QList<printing::InvoiceLine> lines;
    for (const QString& child : tree_.childKeys(customerKey)) {
        if (!tree_.checked(child))
            continue;
        bool isAmount = false;
        const records::Cents amount = tree_.tag(child).toLongLong(&isAmount);
        lines.append({ tree_.text(child), isAmount ? std::optional<records::Cents>(amount) : std::nullopt });
    }
    return lines;
}

void PrintingPageRun::advance(qsizetype done)
{
    c_.staPrinting->setValue(static_cast<double>(done) / static_cast<double>(customers_.size() + 1) * 100);
}

} // namespace tav::app
