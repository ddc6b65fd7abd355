#include "MainWindow.h"

#include "HelpFile.h"

#include "components/HoverCommand.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

namespace tav::app {

using namespace tav::platform;

namespace {

constexpr int kCompanyInfoPage = 6;

} // namespace

void MainWindow::connectHandlers()
{
    for (int i = 0; i < 7; ++i) {
        connect(c.frame.cmdTab[i], &components::HoverCommand::clicked, this, [this, i] { layout.cmdTab_Click(i); });
        connect(c.frame.cmdAcceleratorKey[i], &CommandButton::clicked, this, [this, i] { layout.cmdTab_Click(i); });
    }
    connect(c.frame.cmdSave, &components::HoverCommand::clicked, this, [this] { books.saveDatabase(); });
    connect(c.frame.cmdCancel, &components::HoverCommand::clicked, this, [this] { books.abandonChanges(); });

    connect(c.products.cmdAddNewItem, &CommandButton::clicked, this, [this] { products.cmdAddNewItem_Click(); });
    connect(c.products.cmdCancelNewItem, &CommandButton::clicked, this, [this] { products.cmdCancelNewItem_Click(); });
    connect(c.products.txtPrice, &TextBox::changed, this, [this] { products.txtPrice_Change(); });
    connect(c.products.txtProductOrServiceName, &TextBox::changed, this, [this] { products.txtProductOrServiceName_Change(); });

    for (int i = 0; i < 4; ++i)
        connect(c.options.cmdChangePath[i], &CommandButton::clicked, this, [this, i] { files.cmdChangePath_Click(i); });
    connect(c.options.cmdCloseBooks[4], &CommandButton::clicked, this, [this] { files.cmdCloseBooks_Click(); });
    connect(c.options.chkCheckToConfirmEdits, &CheckBox::clicked, this, [this] { options.chkCheckToConfirmEdits_Click(); });
    connect(c.options.chkExpertMode, &CheckBox::clicked, this, [this] { options.chkExpertMode_Click(); });
    for (int i = 0; i < 9; ++i)
        connect(c.company.txtCompanyDetails[i], &TextBox::changed, this, [this, i] { options.txtCompanyDetails_Change(i); });

    for (int i = 0; i < 3; ++i) {
        connect(c.printOptions.optInvoiceTitle[i], &OptionButton::clicked, this, [this, i] { printOptions.optInvoiceTitle_Click(i); });
        connect(c.printOptions.optInvoiceTitleSize[i], &OptionButton::clicked, this,
                [this, i] { printOptions.optInvoiceTitleSize_Click(i); });
    }
    connect(c.printOptions.txtInvoiceTitle, &TextBox::changed, this, [this] { printOptions.txtInvoiceTitle_Change(); });
    connect(c.printOptions.chkAddInvoiceDateToInvoice, &CheckBox::clicked, this,
            [this] { printOptions.chkAddInvoiceDateToInvoice_Click(); });
    connect(c.printOptions.chkPrintDuplicateInvoices, &CheckBox::clicked, this,
            [this] { printOptions.chkPrintDuplicateInvoices_Click(); });
    connect(c.printOptions.chkKeepTwelveLines, &CheckBox::clicked, this, [this] { printOptions.chkKeepTwelveLines_Click(); });
    connect(c.printOptions.chkMoveAccordingly, &CheckBox::clicked, this, [this] { printOptions.chkMoveAccordingly_Click(); });
    connect(c.printOptions.cmdPrintPreviewBack, &CommandButton::clicked, this, [this] { printOptions.cmdPrintPreviewBack_Click(); });
    connect(c.printOptions.cmdPrintPreviewForward, &CommandButton::clicked, this,
            [this] { printOptions.cmdPrintPreviewForward_Click(); });

    connect(c.options.lblCheckForNewVersion, &Label::clicked, this, [this] { versionCheck.lblCheckForNewVersion_Click(); });
    connect(c.options.cmdOpenHelp, &components::HoverCommand::clicked, this, [] { openHelpFile(); });
    connect(c.frame.picLogo, &PictureBox::clicked, this, [this] { developerAccess.picLogo_Click(); });
}

void MainWindow::connectBooks()
{
    connect(&books, &Books::unsavedChanged, this, [this](bool unsaved) {
        c.frame.cmdCancel->setVisible(unsaved);
        c.frame.cmdSave->setVisible(unsaved);
    });
    connect(&books, &Books::dropped, this, [this] { clearViews(); });
    connect(&books, &Books::companyTextsLoaded, this, [this] { showCompanyTexts(); });
    connect(&books, &Books::tablesReplaced, this, [this] { lists.refreshViews(); });
    connect(&books, &Books::opened, this, [this] {
        options.loadOptionSettings();
        options.applyExpertMode();
    });
}

void MainWindow::connectCustomerPage()
{
    connect(&customersPage_, &CustomersPage::customerRenamed, &books, &Books::customerRenamed);
    connect(&customersPage_, &CustomersPage::customerDeleted, this,
            [this](const QString& key) { billPeriodsPage.newPeriod().dropCustomer(key); });
}

void MainWindow::connectBillPeriodPages()
{
    connect(&billPeriodsPage, &BillPeriodsPage::periodChosen, &printingPage, &PrintingPage::choosePeriod);
    connect(&printingPage, &PrintingPage::periodChosen, &billPeriodsPage, &BillPeriodsPage::choosePeriod);
    connect(&billPeriodsPage, &BillPeriodsPage::periodEntryStarted, this, [this] {
        c.products.txtPrice->setText(QString());
        c.products.txtProductOrServiceName->setText(QString());
    });
    connect(&billPeriodsPage, &BillPeriodsPage::layoutWanted, this, [this] { layout.layoutTab(2); });
    connect(&printingPage, &PrintingPage::companyInfoWanted, this, [this] { layout.cmdTab_Click(kCompanyInfoPage); });
}

void MainWindow::clearViews()
{
    c.products.lvwProducts[0]->clear();
    // Emptying a box that held text counts as an edit; reading the file hides the mark again.
    for (TextBox* box : c.company.txtCompanyDetails)
        box->setText(QString());
}

void MainWindow::showCompanyTexts()
{
    state.loadingCompanyInfo = true;
    for (size_t i = 0; i < books.data().company.texts.size(); ++i)
        c.company.txtCompanyDetails[i]->setText(books.data().company.texts[i]);
    state.loadingCompanyInfo = false;
}

} // namespace tav::app
