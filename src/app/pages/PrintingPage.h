#pragma once

#include "InvoiceTree.h"

#include "app/design/PageControls.h"
#include "app/workflows/EnvelopePrinting.h"
#include "app/workflows/InvoicePrinting.h"

#include <QObject>

#include <functional>

namespace tav::platform {
class ControlSet;
}

namespace tav::app {

class Books;
class PrintOptionsPage;
struct LocaleFormats;

// The Printing page: a stored period's customers with check boxes, what the two print buttons
// print as invoices or envelopes, and a note per customer added by a right click. It shows the
// period chosen on either page that shows periods: a period chosen here is told with
// periodChosen, one chosen there comes in through choosePeriod.
class PrintingPage : public QObject {
    Q_OBJECT

public:
    // options are the Print Options page's choices an invoice run reads; periodsTreeEmpty tells
    // whether the Bill Periods page's tree shows nothing, which leaves no note to add.
    PrintingPage(const platform::ControlSet& set, Books& books, const LocaleFormats& formats,
                 const PrintOptionsPage& options, std::function<bool()> periodsTreeEmpty);

    // For the frame's layout and the tests.
    PrintingControls& controls() { return c_; }
    // Places the movable controls in a page of this width and height.
    void layout(int w, int h);

    // Shows the period at this index of the combo, as chosen on the other page.
    void choosePeriod(int listIndex);
    // In expert mode the hint about notes is not shown.
    void showExpertMode(bool expert);

    // The tree's events, and refilling it with the period chosen.
    void treeNodeCheck(const QString& key);
    void treeMouseUp(int button);
    void buildInvoiceTree();

signals:
    void periodChosen(int listIndex);
    // The user wants to enter the company's name and address before printing invoices.
    void companyInfoWanted();

private:
    void connectControls();
    void connectBooks();
    void selectBillPeriod();
    void printInvoices();
    // Rebuilds the period combo with every period, choosing none: the Bill Periods page chooses.
    void fillPeriodCombo();

    PrintingControls c_;
    Books& books_;
    std::function<bool()> periodsTreeEmpty_;
    InvoiceTree tree_;
    InvoicePrinting invoices_;
    EnvelopePrinting envelopes_;
};

} // namespace tav::app
