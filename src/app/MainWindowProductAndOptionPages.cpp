#include "MainWindow.h"

#include "platform/Label.h"
#include "platform/ListView.h"

namespace tav::app {

using namespace tav::platform;

void MainWindow::connectProductAndOptionPages()
{
    connect(&products, &ProductsPage::deleteRequested, this, [this] { deletion.deleteProductOrService(); });
    connect(&options, &OptionsPage::expertModeChanged, this, [this](bool expert) {
        c.printing.lblRightClickForNote->setVisible(!expert);
        companyInfo.showHints(!expert);
        // For an expert the label is the billing list's plain title; otherwise it is a hint,
        // centred over the width of the products list.
        Label* billing = c.billPeriods.lblDoubleClickToAdd;
        const ListView* list = products.controls().lvwProducts[0];
        if (expert) {
            billing->setBackColor(SystemColor::ButtonFace);
            billing->setCaption(QStringLiteral("List of Products and Services:"));
            billing->setLeft(list->left());
        } else {
            billing->setBackColor(SystemColor::InfoBackground);
            billing->setCaption(QStringLiteral("  Double-click to Bill *Marked Customers:  "));
            billing->setLeft(list->left() + (list->width() - billing->width()) / 2);
        }
    });
}

} // namespace tav::app
