#include "MainWindow.h"

#include "platform/ListView.h"

namespace tav::app {

using namespace tav::platform;

void MainWindow::connectProductAndOptionPages()
{
    connect(&products, &ProductsPage::deleteRequested, this, [this] {
        deletion.deleteProductOrService(*products.controls().lvwProducts[0], [this] { emit books.productsChanged(); });
    });
    // The hints for beginners stand on several pages.
    connect(&options, &OptionsPage::expertModeChanged, this, [this](bool expert) {
        printingPage.showExpertMode(expert);
        companyInfo.showHints(!expert);
        const ListView* list = products.controls().lvwProducts[0];
        billPeriodsPage.showExpertMode(expert, list->left(), list->width());
    });
}

} // namespace tav::app
