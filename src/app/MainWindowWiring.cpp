#include "MainWindow.h"

#include "components/HoverCommand.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace tav::app {

using namespace tav::platform;

void MainWindow::connectHandlers()
{
    for (int i = 0; i < 7; ++i) {
        connect(c.frame.cmdTab[i], &components::HoverCommand::clicked, this, [this, i] { layout.cmdTab_Click(i); });
        connect(c.frame.cmdAcceleratorKey[i], &CommandButton::clicked, this, [this, i] { layout.cmdTab_Click(i); });
    }
    connect(c.frame.cmdSave, &components::HoverCommand::clicked, this, [this] { books.saveDatabase(); });
    connect(c.frame.cmdCancel, &components::HoverCommand::clicked, this, [this] { books.abandonChanges(); });

    connect(c.customers.cmdAddNew, &CommandButton::clicked, this, [this] { customers.cmdAddNew_Click(); });
    connect(c.customers.cmdUndo, &CommandButton::clicked, this, [this] { customers.cmdUndo_Click(); });
    for (int i = 0; i < 8; ++i) {
        connect(c.customers.txtField[i], &TextBox::changed, this, [this, i] { customers.txtField_Change(i); });
        connect(c.customers.txtField[i], &TextBox::clicked, this, [this, i] { customers.txtField_Click(i); });
    }
    connect(c.customers.lvwCustomersVis, &ListView::clicked, this, [this] { customers.lvwCustomersVis_Click(); });
    connect(c.customers.lvwCustomersVis, &ListView::keyUp, this,
            [this](int keyCode, int shift) { customers.lvwCustomersVis_KeyUp(keyCode, shift); });
    connect(c.customers.cmdPrint, &CommandButton::clicked, this, [this] { customerListPrinting.cmdPrint_Click(); });
    connect(c.customers.cmdSearch, &CommandButton::clicked, this, [this] { search.cmdSearch_Click(); });
    connect(c.customers.txtSearch, &TextBox::changed, this, [this] { search.txtSearch_Change(); });

    connect(c.billPeriods.cmdAddNewBP, &CommandButton::clicked, this, [this] { billPeriods.cmdAddNewBP_Click(); });
    connect(c.billPeriods.cmdCancelNewBP, &CommandButton::clicked, this, [this] { billPeriods.cmdCancelNewBP_Click(); });
    connect(c.billPeriods.txtBillPeriod, &TextBox::changed, this, [this] { billPeriods.txtBillPeriod_Change(); });
    for (int i = 1; i <= 3; ++i)
        connect(c.billPeriods.txtPField[i], &TextBox::changed, this, [this, i] { billPeriods.txtPField_Change(i); });
    for (int i = 1; i <= 2; ++i)
        connect(c.cmbBillPeriod(i), &ComboBox::clicked, this, [this, i] { billPeriods.cmbBillPeriod_Click(i); });
    // Billing works from the Bill Periods page's list only.
    connect(c.billPeriods.lvwProducts[1], &ListView::doubleClicked, this, [this] { newPeriod.billSelectedProduct(); });
    for (int i = 0; i < 2; ++i) {
        connect(c.tvwInvoiceRecords(i), &TreeView::nodeCheck, this,
                [this, i](const QString& key) { trees.tvwInvoiceRecords_NodeCheck(i, key); });
        connect(c.tvwInvoiceRecords(i), &TreeView::mouseUp, this,
                [this, i](int button, int shift, double, double) { trees.tvwInvoiceRecords_MouseUp(i, button, shift); });
        connect(c.tvwInvoiceRecords(i), &TreeView::doubleClicked, this, [this, i] { trees.tvwInvoiceRecords_DblClick(i); });
    }
    connect(c.printing.cmdPrintSelectedInvoices, &CommandButton::clicked, this,
            [this] { invoicePrinting.cmdPrintSelectedInvoices_Click(); });
    connect(c.printing.cmdPrintSelectedEnvelopes, &CommandButton::clicked, this,
            [this] { envelopePrinting.cmdPrintSelectedEnvelopes_Click(); });
    connect(c.billPeriods.cmdResetCustomerAccounts, &CommandButton::clicked, this, [this] { payments.cmdResetCustomerAccounts_Click(); });
    connect(c.billPeriods.cmdAdjustBalance, &CommandButton::clicked, this, [this] { payments.cmdAdjustBalance_Click(); });
}

void MainWindow::connectBooks()
{
    connect(&books, &Books::unsavedChanged, this, [this](bool unsaved) {
        c.frame.cmdCancel->setVisible(unsaved);
        c.frame.cmdSave->setVisible(unsaved);
    });
    connect(&books, &Books::dropped, this, [this] { clearViews(); });
    connect(&books, &Books::fileLoaded, this, [this] {
        customers.cancelNewCustomer();
        if (c.frame.fraMain[0]->visible())
            c.customers.lvwCustomersVis->setFocus();
    });
    connect(&books, &Books::tablesReplaced, this, [this] { lists.refreshViews(); });
    connect(&books, &Books::productsChanged, this, [this] { lists.fillProductLists(); });
    connect(&books, &Books::tablesShown, this, [this] { customers.showSelectedCustomer(); });
    connect(&books, &Books::customersChanged, this, [this] {
        // The list shows the new customer at its place, and keeps the customer the page shows.
        ListView* list = c.customers.lvwCustomersVis;
        const QString shown = list->currentKey();
        lists.fillCustomerBrowseList();
        if (const qsizetype position = list->positionOf(shown); position > 0)
            list->select(position);
    });
    connect(&books, &Books::saved, this, [this] {
        if (c.frame.fraMain[0]->visible())
            c.customers.lvwCustomersVis->setFocus();
    });
}

void MainWindow::clearViews()
{
    c.customers.cmdAddNew->setVisible(true);
    c.customers.lvwCustomersVis->clear();
    c.billPeriods.lvwProducts[1]->clear();
    c.billPeriods.tvwInvoiceRecords[0]->clear();
    c.printing.tvwInvoiceRecords[1]->clear();
    entryFields.resetEntryFields(EntryFields::EmptyCustomerFields);
}

} // namespace tav::app
