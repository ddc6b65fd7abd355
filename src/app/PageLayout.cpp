#include "PageLayout.h"

#include "MainWindow.h"
#include "pages/BottomButtons.h"

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

PageLayout::PageLayout(MainWindow& window)
    : w_(window)
{
}

void PageLayout::cmdTab_Click(int index)
{
    auto& c = w_.c;
    c.frame.fraMain[w_.state.currentTab]->setVisible(false);
    w_.state.currentTab = index;
    layoutTab(w_.state.currentTab);
    c.frame.fraMain[w_.state.currentTab]->setVisible(true);
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
    platform::Frame* frame = c.frame.fraMain[w_.state.currentTab];
    frame->setWidth(w_.width() - 1665);
    frame->setHeight(w_.height() - 510);
    c.frame.lblTop[w_.state.currentTab]->setWidth(frame->width());
    const int w = static_cast<int>(frame->width());
    const int h = static_cast<int>(frame->height());
    const int half = records::roundHalfEvenToInt(w / 2.0);
    switch (page) {
    case 0: layoutCustomers(w, h, half); break;
    case 1: w_.products.layout(w, h); break;
    case 2: layoutBillPeriods(w, h, half); break;
    case 3: layoutPrinting(w, h); break;
    case 4: w_.printOptions.layout(w, h); break;
    case 5: w_.options.layout(w, h); break;
    case 6: w_.companyInfo.layout(w, h); break;
    default: break;
    }
}

void PageLayout::layoutCustomers(int w, int h, int half)
{
    auto& c = w_.c;
    c.customers.cmdPrint->setLeft(half - 600);
    c.customers.txtSearch->setWidth(half - 2025);
    c.customers.cmdSearch->setLeft(half - 1080);
    c.customers.lvwCustomersVis->setWidth(half - 360);
    c.customers.lvwCustomersVis->setHeight(h - 1080);
    c.customers.lblFirstName->setLeft(half - 240);
    for (platform::Label* label : {c.customers.lblLastName, c.customers.lblAddress, c.customers.lblEmail, c.customers.lblPhone, c.customers.lblNotes})
        label->setLeft(c.customers.lblFirstName->left());
    for (int i = 0; i <= 6; ++i) {
        c.customers.txtField[i]->setLeft(half + 1200);
        c.customers.txtField[i]->setWidth(w - c.customers.txtField[i]->left() - 120);
    }
    c.customers.txtField[7]->setLeft(half + 840);
    c.customers.txtField[7]->setWidth(w - c.customers.txtField[7]->left() - 120);
    c.customers.txtField[7]->setHeight(h - 4305);
    placeBottomButtons(c.customers.cmdUndo, c.customers.cmdAddNew, w, h);
}

void PageLayout::layoutBillPeriods(int w, int h, int half)
{
    auto& c = w_.c;
    platform::TreeView* tree = c.billPeriods.tvwInvoiceRecords[0];
    platform::ListView* products = c.billPeriods.lvwProducts[1];
    tree->setWidth(products->visible() ? half - 240 : w - 240);
    tree->setHeight(h - 2400);
    products->setHeight(tree->height());
    c.billPeriods.lblDoubleClickToAdd->setLeft(tree->width() + 360);
    products->setLeft(c.billPeriods.lblDoubleClickToAdd->left());
    products->setWidth(tree->width());
    products->setColumnWidth(products->width() - 180);
    c.billPeriods.cmdResetCustomerAccounts->setTop(h - 720);
    c.billPeriods.cmdAdjustBalance->setTop(c.billPeriods.cmdResetCustomerAccounts->top());
    placeBottomButtons(c.billPeriods.cmdCancelNewBP, c.billPeriods.cmdAddNewBP, w, h);
}

void PageLayout::layoutPrinting(int w, int h)
{
    auto& c = w_.c;
    c.printing.lblPrinting->setLeft(w - 3000);
    c.printing.staPrinting->setLeft(w - 3000);
    c.printing.tvwInvoiceRecords[1]->setWidth(w - 225);
    c.printing.tvwInvoiceRecords[1]->setHeight(h - 2145);
    placeBottomButtons(c.printing.cmdPrintSelectedInvoices, c.printing.cmdPrintSelectedEnvelopes, w, h);
    c.printing.lblRightClickForNote->setTop(c.printing.cmdPrintSelectedInvoices->top() + 120);
}

} // namespace tav::app
