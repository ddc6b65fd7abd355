#include "MainWindow.h"

#include "platform/ListView.h"

namespace tav::app {

using namespace tav::platform;

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
