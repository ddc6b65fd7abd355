#include "PageLayout.h"

#include "MainWindow.h"
#include "pages/BottomButtons.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
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
    case 0: w_.customersPage().layout(w, h); break;
    case 1: layoutProducts(w, h); break;
    case 2: w_.billPeriodsPage.layout(w, h); break;
    case 3: w_.printingPage.layout(w, h); break;
    case 4: c.printOptions.fraPrintPreview->setLeft(half + 240); break;
    case 5: layoutOptions(w, h); break;
    case 6: layoutCompanyInfo(w, h, half); break;
    default: break;
    }
}

void PageLayout::layoutProducts(int w, int h)
{
    auto& c = w_.c;
    c.products.txtProductOrServiceName->setWidth(w - 2295);
    c.products.lvwProducts[0]->setWidth(w - 225);
    c.products.lvwProducts[0]->setHeight(h - 2385);
    c.products.lvwProducts[0]->setColumnWidth(w - 300);
    placeBottomButtons(c.products.cmdCancelNewItem, c.products.cmdAddNewItem, w, h);
}

void PageLayout::layoutOptions(int w, int h)
{
    auto& c = w_.c;
    c.options.lblVersionNumber->setLeft(w - 3495);
    c.options.lblCheckForNewVersion->setLeft(c.options.lblVersionNumber->left());
    c.options.fraDocumentation->setLeft(c.options.lblVersionNumber->left());
    c.options.fraDocumentation->setTop(h - 1080);
    // The page's own Save command and its hint are brought up to date only here.
    const bool unsaved = w_.books.hasUnsavedChanges();
    c.options.cmdChangePath[2]->setVisible(unsaved);
    c.options.lblQuickestWay->setVisible(c.options.chkExpertMode->value() != platform::CheckBox::Checked && unsaved);
}

void PageLayout::layoutCompanyInfo(int w, int h, int half)
{
    auto& c = w_.c;
    for (int i = 0; i <= 8; ++i) {
        c.company.txtCompanyDetails[i]->setWidth(half - 240);
        if (i >= 5)
            c.company.txtCompanyDetails[i]->setLeft(half + 120);
    }
    c.company.lblCompanySlogan->setLeft(half + 120);
    for (platform::Label* label : {c.company.lblGeneralDescription, c.company.lblMakePayableTo, c.company.lblInvoiceClosing})
        label->setLeft(c.company.lblCompanySlogan->left());
    c.company.lblLeaveOptionalEntriesBlank->setTop(h - 480);
    c.company.lblLeaveOptionalEntriesBlank->setWidth(w);
    c.company.lblSaveDatabaseToUpdate->setTop(h - 300);
    c.company.lblSaveDatabaseToUpdate->setWidth(w);
}

} // namespace tav::app
