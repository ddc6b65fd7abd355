#pragma once

#include "InvoiceTree.h"

#include "app/design/PageControls.h"
#include "app/workflows/NewBillPeriod.h"
#include "app/workflows/Payments.h"

#include <QObject>
#include <QPointF>

#include <functional>

namespace tav::platform {
class ControlSet;
}

namespace tav::app {

class Books;
struct LocaleFormats;

// The Bill Periods page, in two modes: viewing a stored period, chosen in the period combo, with
// its payments and notes; or composing a new one (NewBillPeriod), whose name and dates are checked
// as they are typed. It shows the period chosen on either page that shows periods: a period chosen
// here is told with periodChosen, one chosen there comes in through choosePeriod.
class BillPeriodsPage : public QObject {
    Q_OBJECT

public:
    // customersListed tells whether the Customers page lists any customer, which a new period
    // needs; windowPosition is where the window stands, for the input boxes.
    BillPeriodsPage(const platform::ControlSet& set, Books& books, const LocaleFormats& formats,
                    std::function<bool()> customersListed, std::function<QPointF()> windowPosition);

    // For the frame's layout and the tests.
    BillPeriodControls& controls() { return c_; }
    // Places the movable controls in a page of this width and height.
    void layout(int w, int h);

    // Shows the period at this index of the combo, as chosen on the other page.
    void choosePeriod(int listIndex);
    void setBillPeriodEntryMode(bool entering);
    // Whether a new period is being composed rather than a stored one viewed.
    bool isComposing() const { return mode_ == Mode::Composing; }
    NewBillPeriod& newPeriod() { return newPeriod_; }
    // Whether the tree shows nothing, neither a stored period nor a composition.
    bool treeIsEmpty() const;
    // Names the customer as the customer table does now, in a stored period or a composition.
    void showCustomerName(const QString& customerKey);
    // In expert mode the billing hint above the product list reads as the list's title; the
    // products list of the Products page is where it stands.
    void showExpertMode(bool expert, double productListLeft, double productListWidth);

    // The tree's events, and refilling it with the period chosen.
    void treeMouseUp(int button, int shift);
    void treeDoubleClick();
    void buildInvoiceTree();
    // The name and date fields for a new period (empty, open, the due date to be filled) and for
    // a stored one (locked).
    void prepareNewPeriodFields();
    void showFinalPeriodFields();

signals:
    void periodChosen(int listIndex);
    // A new period is started: the Products page's entry boxes empty.
    void periodEntryStarted();
    // The page's controls moved in or out of view: the page is laid out anew.
    void layoutWanted();

private:
    enum class Mode { Viewing, Composing };

    void connectControls();
    void connectBooks();
    void cmdAddNewBP_Click();
    void cmdResetCustomerAccounts_Click();
    void txtBillPeriod_Change();
    void txtPField_Change(int index);
    void selectBillPeriod();
    // Sets the mode with the add button's caption and the name label, which name it.
    void showMode(Mode mode);
    bool billDueReadsAsDate() const;
    void createBillPeriod();
    // Rebuilds the period combo and chooses the period that starts last.
    void fillPeriodCombo();
    // Rebuilds the list of current products to bill.
    void fillProductList();

    BillPeriodControls c_;
    Books& books_;
    const LocaleFormats& formats_;
    std::function<bool()> customersListed_;
    // Viewing, as the page's design captions say.
    Mode mode_ = Mode::Viewing;
    InvoiceTree tree_;
    NewBillPeriod newPeriod_;
    Payments payments_;
};

} // namespace tav::app
