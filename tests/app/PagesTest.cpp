#include "MainWindowFixture.h"

#include "app/pages/EntryColors.h"
#include "app/pages/CustomerFields.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/ProgressBar.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <map>

using namespace tav;
using test::MainWindowTest;

namespace {

// A control as the user sees it on its page: its box, and its distance to the page's right and
// bottom edges.
struct Placement {
    double left, top, width, height, rightGap, bottomGap;
};
using ShownPage = std::map<const platform::Control*, Placement>;

// Shows a page and tells where each control it shows stands.
ShownPage showPage(app::MainWindow& window, int page)
{
    window.pageLayout().cmdTab_Click(page);
    const platform::Frame& frame = *window.frameControls().fraMain[page];
    ShownPage shown;
    for (const QWidget* child : frame.widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* control = child->findChild<platform::Control*>(QString(), Qt::FindDirectChildrenOnly);
        if (control && control->visible())
            shown[control] = {control->left(), control->top(), control->width(), control->height(),
                              frame.width() - control->left() - control->width(),
                              frame.height() - control->top() - control->height()};
    }
    return shown;
}

std::string nameOf(const platform::Control* control)
{
    return (control->name() + (control->index() < 0 ? QString() : QString::number(control->index()))).toStdString();
}

void expectNothingCutOff(const ShownPage& page)
{
    for (const auto& [control, at] : page)
        EXPECT_GE(std::min({at.left, at.top, at.rightGap, at.bottomGap}), 0) << nameOf(control) << " is cut off";
}

} // namespace

TEST_F(MainWindowTest, everyPageFollowsTheWindowsSizeAboveItsMinimum)
{
    start();
    const auto& customers = window->customersPage().controls();
    std::array<ShownPage, 7> before;
    for (int page = 0; page < 7; ++page)
        before[page] = showPage(*window, page);
    const double wider = 2895;
    const double taller = 2235;
    window->setWidth(window->width() + wider);
    window->setHeight(window->height() + taller);
    std::array<ShownPage, 7> after;
    for (int page = 0; page < 7; ++page) {
        after[page] = showPage(*window, page);
        expectNothingCutOff(before[page]);
        expectNothingCutOff(after[page]);
    }

    // Lists and fields take the room the window gains: all of it, or half of it where a page is
    // split down the middle, and the right half moves over by as much.
    const auto grows = [&](int page, const platform::Control* control, double width, double height) {
        const Placement& was = before[page].at(control);
        const Placement& is = after[page].at(control);
        EXPECT_NEAR(is.width - was.width, width, 1) << nameOf(control);
        EXPECT_NEAR(is.height - was.height, height, 1) << nameOf(control);
    };
    grows(0, customers.lvwCustomersVis, wider / 2, taller);
    grows(0, customers.txtField[0], wider / 2, 0);
    grows(0, customers.txtField[7], wider / 2, taller);
    grows(1, window->productsPage().controls().lvwProducts[0], wider, taller);
    grows(2, window->billPeriodsPage().controls().tvwInvoiceRecords[0], wider, taller);
    grows(3, window->printingPage().controls().tvwInvoiceRecords[1], wider, taller);
    grows(6, window->companyInfoPage().controls().txtCompanyDetails[0], wider / 2, 0);
    grows(6, window->companyInfoPage().controls().txtCompanyDetails[8], wider / 2, 0);
    const auto movesRight = [&](int page, const platform::Control* control, double by) {
        EXPECT_NEAR(after[page].at(control).left - before[page].at(control).left, by, 1) << nameOf(control);
    };
    movesRight(0, customers.cmdPrint, wider / 2);
    movesRight(0, customers.lblFirstName, wider / 2);
    movesRight(4, window->printOptionsPage().controls().fraPrintPreview, wider / 2);
    movesRight(6, window->companyInfoPage().controls().txtCompanyDetails[8], wider / 2);
    // What stands in the bottom right corner keeps its distance to it.
    for (const auto& [page, control] : std::vector<std::pair<int, const platform::Control*>>{
             {0, customers.cmdAddNew}, {1, window->productsPage().controls().cmdAddNewItem}, {2, window->billPeriodsPage().controls().cmdAddNewBP}, {3, window->printingPage().controls().cmdPrintSelectedInvoices},
             {3, window->printingPage().controls().cmdPrintSelectedEnvelopes}, {5, window->optionsPage().controls().fraDocumentation}}) {
        EXPECT_EQ(after[page].at(control).rightGap, before[page].at(control).rightGap) << nameOf(control);
        EXPECT_EQ(after[page].at(control).bottomGap, before[page].at(control).bottomGap) << nameOf(control);
    }

    window->setWidth(9000);
    window->setHeight(3000);
    EXPECT_EQ(window->width(), app::PageLayout::kMinimumWidth);
    EXPECT_EQ(window->height(), app::PageLayout::kMinimumHeight);
    for (int page = 0; page < 7; ++page)
        expectNothingCutOff(showPage(*window, page));
}

TEST_F(MainWindowTest, theTabsSwitchPages)
{
    start();
    const auto& frame = window->frameControls();
    emit frame.cmdTab[2]->clicked();
    EXPECT_EQ(window->state().currentTab, 2);
    EXPECT_TRUE(frame.fraMain[2]->visible());
    EXPECT_FALSE(frame.fraMain[0]->visible());
    emit frame.cmdTab[2]->clicked();
    EXPECT_TRUE(frame.fraMain[2]->visible()) << "the page already shown stays shown";
}

TEST_F(MainWindowTest, theListsShowCurrentEntriesOnlyInTableOrder)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& customers = window->customersPage().controls();
    ASSERT_EQ(customers.lvwCustomersVis->count(), 2);
    EXPECT_EQ(customers.lvwCustomersVis->textAt(1), "Adams, Bob");
    EXPECT_EQ(customers.lvwCustomersVis->keyAt(2), "2k");
    EXPECT_EQ(customers.lvwCustomersVis->currentPosition(), 1);
    EXPECT_EQ(customers.txtField[0]->text(), "Bob");
    EXPECT_EQ(customers.txtField[2]->tag(), "2 Oak Road");

    ASSERT_EQ(window->productsPage().controls().lvwProducts[0]->count(), 2);
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->textAt(1), "$5.00 - Hedge trimming") << "by price, the cheapest first";
    EXPECT_EQ(window->billPeriodsPage().controls().lvwProducts[1]->textAt(2), "$12.50 - Lawn mowing");
    EXPECT_TRUE(window->productsPage().controls().lvwProducts[0]->isSelected(1));
    EXPECT_EQ(window->productsPage().controls().cmdCancelNewItem->caption(), "&Delete Existing");

    ASSERT_EQ(window->billPeriodsPage().controls().cmbBillPeriod[1]->listCount(), 2);
    EXPECT_EQ(window->printingPage().controls().cmbBillPeriod[2]->itemText(0), "January");
    EXPECT_EQ(window->billPeriodsPage().controls().cmbBillPeriod[1]->text(), "February") << "the period that starts last is chosen";
    EXPECT_EQ(window->companyInfoPage().controls().txtCompanyDetails[0]->text(), "Green & Sons");
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(MainWindowTest, theCustomerViewedLastIsSelectedAgain)
{
    test::writeDatabaseFile(test::sampleDatabase());
    for (const auto& [stored, expected] : std::vector<std::pair<QString, int>>{{"2", 2}, {"9", 1}, {"0", 1}, {"x", 1}}) {
        platform::settings().setValue("BrowseRecall", "LastViewedCustomer", stored);
        start();
        EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->currentPosition(), expected) << stored.toStdString();
        window->customersPage().controls().lvwCustomersVis->select(2);
        window->unload();
        EXPECT_EQ(platform::settings().value("BrowseRecall", "LastViewedCustomer"), "2");
    }
}

TEST_F(MainWindowTest, entryFieldModes)
{
    start();
    const auto& customers = window->customersPage().controls();
    for (auto* field : customers.txtField) {
        field->setTag("stored");
        field->setText("typed");
        field->setBackColor(app::kEntryColor);
    }
    window->billPeriodsPage().controls().txtPField[2]->setText("2026/01/31");

    app::emptyCustomerFields(customers);
    EXPECT_TRUE(customers.txtField[7]->text().isEmpty());
    EXPECT_TRUE(customers.txtField[7]->tag().isEmpty());
    EXPECT_EQ(customers.txtField[7]->backColor(), app::kEntryColor) << "colours are left as they are";

    window->billPeriodsPage().prepareNewPeriodFields();
    EXPECT_TRUE(window->billPeriodsPage().controls().txtPField[2]->text().isEmpty());
    EXPECT_FALSE(window->billPeriodsPage().controls().txtPField[2]->locked());
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[1]->backColor(), app::kNormalColor);
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->backColor(), app::kEntryColor);
    EXPECT_EQ(window->billPeriodsPage().controls().tvwInvoiceRecords[0]->nodeCount(), 0);

    window->billPeriodsPage().controls().txtPField[3]->setText("2026/02/15");
    window->billPeriodsPage().showFinalPeriodFields();
    EXPECT_TRUE(window->billPeriodsPage().controls().txtPField[3]->locked());
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->text(), "2026/02/15");
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->backColor(), app::kNormalColor);

    app::setFieldHighlight(customers, false);
    EXPECT_EQ(customers.txtField[0]->backColor(), app::kNormalColor);
    app::setFieldHighlight(customers, true);
    EXPECT_EQ(customers.txtField[5]->backColor(), app::kEntryColor);

    // Every field shows it where the user types, the multi-line notes box too.
    window->widget()->show();
    for (auto* field : customers.txtField) {
        const QImage face = field->widget()->grab().toImage();
        EXPECT_EQ(face.pixelColor(face.width() / 3, face.height() * 3 / 4), platform::toQColor(app::kEntryColor))
            << field->index();
    }
}

TEST_F(MainWindowTest, theOptionsPageShowsItsSaveCommandAndHintOnlyWithUnsavedChanges)
{
    test::writeDatabaseFile({});
    start();
    auto& options = window->optionsPage().controls();
    window->pageLayout().cmdTab_Click(5);
    EXPECT_FALSE(options.cmdChangePath[2]->visible());
    EXPECT_FALSE(options.lblQuickestWay->visible());
    window->books().setUnsaved(true);
    EXPECT_FALSE(options.cmdChangePath[2]->visible()) << "brought up to date only by the page's layout";
    window->pageLayout().cmdTab_Click(5);
    EXPECT_TRUE(options.cmdChangePath[2]->visible());
    EXPECT_TRUE(options.lblQuickestWay->visible());
    options.chkExpertMode->setValue(platform::CheckBox::Checked);
    window->pageLayout().cmdTab_Click(5);
    EXPECT_TRUE(options.cmdChangePath[2]->visible());
    EXPECT_FALSE(options.lblQuickestWay->visible());
}
