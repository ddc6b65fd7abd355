#include "MainWindow.h"

#include "HelpFile.h"

#include "components/HoverCommand.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace tav::app {

using namespace tav::platform;

void MainWindow::connectHandlers()
{
    for (int i = 0; i < 7; ++i) {
        connect(c.cmdTab[i], &components::HoverCommand::clicked, this, [this, i] { layout.cmdTab_Click(i); });
        connect(c.cmdAcceleratorKey[i], &CommandButton::clicked, this, [this, i] { layout.cmdTab_Click(i); });
    }
    connect(c.cmdSave, &components::HoverCommand::clicked, this, [this] { session.cmdSave_Click(); });
    connect(c.cmdCancel, &components::HoverCommand::clicked, this, [this] { session.cmdCancel_Click(); });

    connect(c.cmdAddNew, &CommandButton::clicked, this, [this] { customers.cmdAddNew_Click(); });
    connect(c.cmdUndo, &CommandButton::clicked, this, [this] { customers.cmdUndo_Click(); });
    for (int i = 0; i < 8; ++i) {
        connect(c.txtField[i], &TextBox::changed, this, [this, i] { customers.txtField_Change(i); });
        connect(c.txtField[i], &TextBox::clicked, this, [this, i] { customers.txtField_Click(i); });
    }
    connect(c.lvwCustomersVis, &ListView::clicked, this, [this] { customers.lvwCustomersVis_Click(); });
    connect(c.lvwCustomersVis, &ListView::keyUp, this,
            [this](int keyCode, int shift) { customers.lvwCustomersVis_KeyUp(keyCode, shift); });
    connect(c.cmdPrint, &CommandButton::clicked, this, [this] { customerListPrinting.cmdPrint_Click(); });
    connect(c.cmdSearch, &CommandButton::clicked, this, [this] { search.cmdSearch_Click(); });
    connect(c.txtSearch, &TextBox::changed, this, [this] { search.txtSearch_Change(); });

    connect(c.cmdAddNewItem, &CommandButton::clicked, this, [this] { products.cmdAddNewItem_Click(); });
    connect(c.cmdCancelNewItem, &CommandButton::clicked, this, [this] { products.cmdCancelNewItem_Click(); });
    connect(c.txtPrice, &TextBox::changed, this, [this] { products.txtPrice_Change(); });
    connect(c.txtProductOrServiceName, &TextBox::changed, this, [this] { products.txtProductOrServiceName_Change(); });

    connect(c.cmdAddNewBP, &CommandButton::clicked, this, [this] { billPeriods.cmdAddNewBP_Click(); });
    connect(c.cmdCancelNewBP, &CommandButton::clicked, this, [this] { billPeriods.cmdCancelNewBP_Click(); });
    connect(c.txtBillPeriod, &TextBox::changed, this, [this] { billPeriods.txtBillPeriod_Change(); });
    for (int i = 1; i <= 3; ++i)
        connect(c.txtPField[i], &TextBox::changed, this, [this, i] { billPeriods.txtPField_Change(i); });
    for (int i = 1; i <= 2; ++i)
        connect(c.cmbBillPeriod[i], &ComboBox::clicked, this, [this, i] { billPeriods.cmbBillPeriod_Click(i); });
    // Billing works from the Bill Periods page's list only.
    connect(c.lvwProducts[1], &ListView::doubleClicked, this, [this] { newPeriod.billSelectedProduct(); });
    for (int i = 0; i < 2; ++i) {
        connect(c.tvwInvoiceRecords[i], &TreeView::nodeCheck, this,
                [this, i](const QString& key) { trees.tvwInvoiceRecords_NodeCheck(i, key); });
        connect(c.tvwInvoiceRecords[i], &TreeView::mouseUp, this,
                [this, i](int button, int shift, double, double) { trees.tvwInvoiceRecords_MouseUp(i, button, shift); });
        connect(c.tvwInvoiceRecords[i], &TreeView::doubleClicked, this, [this, i] { trees.tvwInvoiceRecords_DblClick(i); });
    }
    connect(c.cmdPrintSelectedInvoices, &CommandButton::clicked, this,
            [this] { invoicePrinting.cmdPrintSelectedInvoices_Click(); });
    connect(c.cmdPrintSelectedEnvelopes, &CommandButton::clicked, this,
            [this] { envelopePrinting.cmdPrintSelectedEnvelopes_Click(); });
    connect(c.cmdResetCustomerAccounts, &CommandButton::clicked, this, [this] { payments.cmdResetCustomerAccounts_Click(); });
    connect(c.cmdAdjustBalance, &CommandButton::clicked, this, [this] { payments.cmdAdjustBalance_Click(); });

    for (int i = 0; i < 4; ++i)
        connect(c.cmdChangePath[i], &CommandButton::clicked, this, [this, i] { files.cmdChangePath_Click(i); });
    connect(c.cmdCloseBooks[4], &CommandButton::clicked, this, [this] { files.cmdCloseBooks_Click(); });
    connect(c.chkCheckToConfirmEdits, &CheckBox::clicked, this, [this] { options.chkCheckToConfirmEdits_Click(); });
    connect(c.chkExpertMode, &CheckBox::clicked, this, [this] { options.chkExpertMode_Click(); });
    for (int i = 0; i < 9; ++i)
        connect(c.txtCompanyDetails[i], &TextBox::changed, this, [this, i] { options.txtCompanyDetails_Change(i); });

    for (int i = 0; i < 3; ++i) {
        connect(c.optInvoiceTitle[i], &OptionButton::clicked, this, [this, i] { printOptions.optInvoiceTitle_Click(i); });
        connect(c.optInvoiceTitleSize[i], &OptionButton::clicked, this,
                [this, i] { printOptions.optInvoiceTitleSize_Click(i); });
    }
    connect(c.txtInvoiceTitle, &TextBox::changed, this, [this] { printOptions.txtInvoiceTitle_Change(); });
    connect(c.chkAddInvoiceDateToInvoice, &CheckBox::clicked, this,
            [this] { printOptions.chkAddInvoiceDateToInvoice_Click(); });
    connect(c.chkPrintDuplicateInvoices, &CheckBox::clicked, this,
            [this] { printOptions.chkPrintDuplicateInvoices_Click(); });
    connect(c.chkKeepTwelveLines, &CheckBox::clicked, this, [this] { printOptions.chkKeepTwelveLines_Click(); });
    connect(c.chkMoveAccordingly, &CheckBox::clicked, this, [this] { printOptions.chkMoveAccordingly_Click(); });
    connect(c.cmdPrintPreviewBack, &CommandButton::clicked, this, [this] { printOptions.cmdPrintPreviewBack_Click(); });
    connect(c.cmdPrintPreviewForward, &CommandButton::clicked, this,
            [this] { printOptions.cmdPrintPreviewForward_Click(); });

    connect(c.lblCheckForNewVersion, &Label::clicked, this, [this] { versionCheck.lblCheckForNewVersion_Click(); });
    connect(c.cmdOpenHelp, &components::HoverCommand::clicked, this, [] { openHelpFile(); });
    connect(c.picLogo, &PictureBox::clicked, this, [this] { developerAccess.picLogo_Click(); });
}

} // namespace tav::app
