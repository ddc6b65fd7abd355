#pragma once

#include "app/design/PageControls.h"

#include <QObject>
#include <QString>

namespace tav::app {

class Books;

// The Print Options page: every change is stored the moment it is made; the arrows choose the
// invoice layout and the previews show it. The invoice print run reads its choices here.
class PrintOptionsPage : public QObject {
    Q_OBJECT

public:
    PrintOptionsPage(Books& books, const platform::ControlSet& set);

    // The page's controls, for the frame and the tests.
    PrintOptionsControls& controls() { return c_; }
    void layout(int w, int h);

    // Fills the page's controls from the settings (when a database file is opened).
    void loadSettings();

    // The chosen invoice layout, 0 to 2.
    int chosenLayout() const { return chosenLayout_; }
    // The title printed on invoices and its size in points.
    QString invoiceTitle() const;
    int invoiceTitlePoints() const;
    // Whether the text below the lines moves up with them when fewer than twelve are kept.
    bool moveBottomText() const;
    bool printsDuplicates() const;

private:
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
    void choosePreview(int layout);

    PrintOptionsControls c_;
    // True while the two line-option boxes are loaded, so that loading them stores nothing.
    bool loadingSettings_ = false;
    int chosenLayout_ = 0;
};

} // namespace tav::app
