#pragma once

#include "printing/InvoiceFilling.h"

#include <QStringList>

namespace tav::platform {
class TreeView;
}

namespace tav::app {

struct PrintingControls;

// One print run of the Printing page. The checked customers of the tree are taken when the run
// starts, so nothing done meanwhile changes what it prints; while it lasts "Sending to printer ..."
// and the progress bar show and both print buttons are off.
class PrintingPageRun {
public:
    explicit PrintingPageRun(PrintingControls& controls);
    ~PrintingPageRun();
    PrintingPageRun(const PrintingPageRun&) = delete;
    PrintingPageRun& operator=(const PrintingPageRun&) = delete;

    // The keys of the checked customer nodes, in the order the nodes were added.
    const QStringList& customers() const { return customers_; }
    // A customer node's checked children, in their order, each item with the amount its node
    // carries.
    QList<printing::InvoiceLine> checkedLines(const QString& customerKey) const;
    // Moves the progress bar on as the given number of customers is done.
    void advance(qsizetype done);

private:
    PrintingControls& c_;
    const platform::TreeView& tree_;
    QStringList customers_;
};

} // namespace tav::app
