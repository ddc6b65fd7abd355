#include "PageLayout.h"

#include "MainWindow.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/TextNumbers.h"

namespace tav::app {

using platform::Form;

namespace {

// The two bottom buttons at the right of pages 0 to 3 stand 2160 twips apart.
void placeBottomButtons(platform::Control* left, platform::Control* right, int w, int h)
{
    left->setLeft(w - 4210);
    left->setTop(h - 720);
    right->setLeft(w - 2050);
    right->setTop(left->top());
}

} // namespace

PageLayout::PageLayout(MainWindow& window)
    : w_(window)
{
}

void PageLayout::cmdTab_Click(int index)
{
    auto& c = w_.c;
    c.fraMain[w_.state.currentTab]->setVisible(false);
    w_.state.currentTab = index;
    layoutTab(w_.state.currentTab);
    c.fraMain[w_.state.currentTab]->setVisible(true);
}

void PageLayout::formResize()
{
    if (w_.windowState() == Form::WindowState::Minimized || w_.state.isLoading)
        return;
    if (w_.width() < kMinimumWidth)
        w_.setWidth(kMinimumWidth);
    if (w_.height() < kMinimumHeight)
        w_.setHeight(kMinimumHeight);
    layoutTab(w_.state.currentTab);
}

void PageLayout::layoutTab(int page)
{
    auto& c = w_.c;
    platform::Frame* frame = c.fraMain[w_.state.currentTab];
    frame->setWidth(w_.width() - 1665);
    frame->setHeight(w_.height() - 510);
    c.lblTop[w_.state.currentTab]->setWidth(frame->width());
    const int w = static_cast<int>(frame->width());
    const int h = static_cast<int>(frame->height());
    const int half = records::roundHalfEvenToInt(w / 2.0);
    switch (page) {
    case 0: layoutCustomers(w, h, half); break;
    case 1: layoutProducts(w, h); break;
    case 2: layoutBillPeriods(w, h, half); break;
    case 3: layoutPrinting(w, h); break;
    case 4: c.fraPrintPreview->setLeft(half + 240); break;
    case 5: layoutOptions(w, h); break;
    case 6: layoutCompanyInfo(w, h, half); break;
    default: break;
    }
}

void PageLayout::layoutCustomers(int w, int h, int half)
{
    auto& c = w_.c;
    c.cmdPrint->setLeft(half - 600);
    c.txtSearch->setWidth(half - 2025);
    c.cmdSearch->setLeft(half - 1080);
    c.lvwCustomersVis->setWidth(half - 360);
    c.lvwCustomersVis->setHeight(h - 1080);
    c.lblFirstName->setLeft(half - 240);
    for (platform::Label* label : {c.lblLastName, c.lblAddress, c.lblEmail, c.lblPhone, c.lblNotes})
        label->setLeft(c.lblFirstName->left());
    for (int i = 0; i <= 6; ++i) {
        c.txtField[i]->setLeft(half + 1200);
        c.txtField[i]->setWidth(w - c.txtField[i]->left() - 120);
    }
    c.txtField[7]->setLeft(half + 840);
    c.txtField[7]->setWidth(w - c.txtField[7]->left() - 120);
    c.txtField[7]->setHeight(h - 4305);
    placeBottomButtons(c.cmdUndo, c.cmdAddNew, w, h);
}

void PageLayout::layoutProducts(int w, int h)
{
    auto& c = w_.c;
    c.txtProductOrServiceName->setWidth(w - 2295);
    c.lvwProducts[0]->setWidth(w - 225);
    c.lvwProducts[0]->setHeight(h - 2385);
    c.lvwProducts[0]->setColumnWidth(w - 300);
    placeBottomButtons(c.cmdCancelNewItem, c.cmdAddNewItem, w, h);
}

void PageLayout::layoutBillPeriods(int w, int h, int half)
{
    auto& c = w_.c;
    platform::TreeView* tree = c.tvwInvoiceRecords[0];
    platform::ListView* products = c.lvwProducts[1];
    tree->setWidth(products->visible() ? half - 240 : w - 240);
    tree->setHeight(h - 2400);
    products->setHeight(tree->height());
    c.lblDoubleClickToAdd->setLeft(tree->width() + 360);
    products->setLeft(c.lblDoubleClickToAdd->left());
    products->setWidth(tree->width());
    products->setColumnWidth(products->width() - 180);
    c.cmdResetCustomerAccounts->setTop(h - 720);
    c.cmdAdjustBalance->setTop(c.cmdResetCustomerAccounts->top());
    placeBottomButtons(c.cmdCancelNewBP, c.cmdAddNewBP, w, h);
}

void PageLayout::layoutPrinting(int w, int h)
{
    auto& c = w_.c;
    c.lblPrinting->setLeft(w - 3000);
    c.staPrinting->setLeft(w - 3000);
    c.tvwInvoiceRecords[1]->setWidth(w - 225);
    c.tvwInvoiceRecords[1]->setHeight(h - 2145);
    placeBottomButtons(c.cmdPrintSelectedInvoices, c.cmdPrintSelectedEnvelopes, w, h);
    c.lblRightClickForNote->setTop(c.cmdPrintSelectedInvoices->top() + 120);
}

void PageLayout::layoutOptions(int w, int h)
{
    auto& c = w_.c;
    c.lblVersionNumber->setLeft(w - 3495);
    c.lblCheckForNewVersion->setLeft(c.lblVersionNumber->left());
    c.fraDocumentation->setLeft(c.lblVersionNumber->left());
    c.fraDocumentation->setTop(h - 1080);
    // The page's own Save command and its hint are brought up to date only here.
    const bool unsaved = w_.hasUnsavedChanges();
    c.cmdChangePath[2]->setVisible(unsaved);
    c.lblQuickestWay->setVisible(c.chkExpertMode->value() != platform::CheckBox::Checked && unsaved);
}

void PageLayout::layoutCompanyInfo(int w, int h, int half)
{
    auto& c = w_.c;
    for (int i = 0; i <= 8; ++i) {
        c.txtCompanyDetails[i]->setWidth(half - 240);
        if (i >= 5)
            c.txtCompanyDetails[i]->setLeft(half + 120);
    }
    c.lblCompanySlogan->setLeft(half + 120);
    for (platform::Label* label : {c.lblGeneralDescription, c.lblMakePayableTo, c.lblInvoiceClosing})
        label->setLeft(c.lblCompanySlogan->left());
    c.lblLeaveOptionalEntriesBlank->setTop(h - 480);
    c.lblLeaveOptionalEntriesBlank->setWidth(w);
    c.lblSaveDatabaseToUpdate->setTop(h - 300);
    c.lblSaveDatabaseToUpdate->setWidth(w);
}

} // namespace tav::app
