#pragma once

namespace tav::app {

class MainWindow;

// The Print Options page: every change is stored the moment it is made; the arrows choose the
// invoice layout and the previews show it.
class PrintOptionsPage {
public:
    explicit PrintOptionsPage(MainWindow& window);

    void optInvoiceTitle_Click(int index);
    void txtInvoiceTitle_Change();
    void optInvoiceTitleSize_Click(int index);
    void chkAddInvoiceDateToInvoice_Click();
    void chkPrintDuplicateInvoices_Click();
    void chkKeepTwelveLines_Click();
    void chkMoveAccordingly_Click();
    void cmdPrintPreviewBack_Click();
    void cmdPrintPreviewForward_Click();

    // Shows the chosen layout's top picture and sets the arrows.
    void showPrintPreviewTop();
    // Shows the bottom picture that matches the two line options.
    void showPrintPreviewBottom();

private:
    void choosePreview(int layout);

    MainWindow& w_;
};

} // namespace tav::app
