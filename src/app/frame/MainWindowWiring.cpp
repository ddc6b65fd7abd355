#include "MainWindow.h"

#include "components/HoverCommand.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"

namespace tav::app {

using namespace tav::platform;

namespace {

constexpr int kCompanyInfoPage = 6;

} // namespace

void MainWindow::connectHandlers()
{
    for (int i = 0; i < 7; ++i) {
        connect(frame_.cmdTab[i], &components::HoverCommand::clicked, this, [this, i] { layout_.cmdTab_Click(i); });
        connect(frame_.cmdAcceleratorKey[i], &CommandButton::clicked, this, [this, i] { layout_.cmdTab_Click(i); });
    }
    connect(frame_.cmdSave, &components::HoverCommand::clicked, this, [this] { books_.saveDatabase(); });
    connect(frame_.cmdCancel, &components::HoverCommand::clicked, this, [this] { books_.abandonChanges(); });
}

void MainWindow::connectBooks()
{
    connect(&books_, &Books::unsavedChanged, this, &MainWindow::setSaveCancelVisible);
}

void MainWindow::setSaveCancelVisible(bool visible)
{
    frame_.cmdCancel->setVisible(visible);
    frame_.cmdSave->setVisible(visible);
}

void MainWindow::connectCustomerPage()
{
    connect(&customersPage_, &CustomersPage::customerRenamed, &books_, &Books::customerRenamed);
    connect(&customersPage_, &CustomersPage::customerDeleted, this,
            [this](const QString& key) { billPeriodsPage_.newPeriod().dropCustomer(key); });
}

void MainWindow::connectBillPeriodPages()
{
    connect(&billPeriodsPage_, &BillPeriodsPage::periodChosen, &printingPage_, &PrintingPage::choosePeriod);
    connect(&printingPage_, &PrintingPage::periodChosen, &billPeriodsPage_, &BillPeriodsPage::choosePeriod);
    connect(&billPeriodsPage_, &BillPeriodsPage::periodEntryStarted, this, [this] { productsPage_.clearEntryBoxes(); });
    connect(&billPeriodsPage_, &BillPeriodsPage::layoutWanted, this, [this] { layout_.layoutTab(2); });
    connect(&printingPage_, &PrintingPage::companyInfoWanted, this, [this] { layout_.cmdTab_Click(kCompanyInfoPage); });
}

void MainWindow::connectProductAndOptionPages()
{
    connect(&productsPage_, &ProductsPage::deleteRequested, this, [this] {
        deletion_.deleteProductOrService(*productsPage_.controls().lvwProducts[0], [this] { emit books_.productsChanged(); });
    });
    // The hints for beginners stand on several pages.
    connect(&optionsPage_, &OptionsPage::expertModeChanged, this, [this](bool expert) {
        printingPage_.showExpertMode(expert);
        companyInfoPage_.showHints(!expert);
        const ListView* list = productsPage_.controls().lvwProducts[0];
        billPeriodsPage_.showExpertMode(expert, list->left(), list->width());
    });
}

} // namespace tav::app
