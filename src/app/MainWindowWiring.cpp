#include "MainWindow.h"

#include "components/HoverCommand.h"
#include "platform/CommandButton.h"
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
}

void MainWindow::connectBooks()
{
    connect(&books, &Books::unsavedChanged, this, [this](bool unsaved) {
        c.frame.cmdCancel->setVisible(unsaved);
        c.frame.cmdSave->setVisible(unsaved);
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
    connect(&billPeriodsPage, &BillPeriodsPage::periodEntryStarted, this, [this] { products.clearEntryBoxes(); });
    connect(&billPeriodsPage, &BillPeriodsPage::layoutWanted, this, [this] { layout.layoutTab(2); });
    connect(&printingPage, &PrintingPage::companyInfoWanted, this, [this] { layout.cmdTab_Click(kCompanyInfoPage); });
}

} // namespace tav::app
