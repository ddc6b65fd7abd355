#include "MainWindowFixture.h"

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
    window.layout.cmdTab_Click(page);
    const platform::Frame& frame = *window.c.frame.fraMain[page];
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
    auto& c = window->c;
    auto& products = window->products.controls();
    auto& options = window->options.controls();
    auto& printOptions = window->printOptions.controls();
    auto& company = window->companyInfo.controls();
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
    grows(0, c.customers.lvwCustomersVis, wider / 2, taller);
    grows(0, c.customers.txtField[0], wider / 2, 0);
    grows(0, c.customers.txtField[7], wider / 2, taller);
    grows(1, products.lvwProducts[0], wider, taller);
    grows(2, c.billPeriods.tvwInvoiceRecords[0], wider, taller);
    grows(3, c.printing.tvwInvoiceRecords[1], wider, taller);
    grows(6, company.txtCompanyDetails[0], wider / 2, 0);
    grows(6, company.txtCompanyDetails[8], wider / 2, 0);
    const auto movesRight = [&](int page, const platform::Control* control, double by) {
        EXPECT_NEAR(after[page].at(control).left - before[page].at(control).left, by, 1) << nameOf(control);
    };
    movesRight(0, c.customers.cmdPrint, wider / 2);
    movesRight(0, c.customers.lblFirstName, wider / 2);
    movesRight(4, printOptions.fraPrintPreview, wider / 2);
    movesRight(6, company.txtCompanyDetails[8], wider / 2);
    // What stands in the bottom right corner keeps its distance to it.
    for (const auto& [page, control] : std::vector<std::pair<int, const platform::Control*>>{
             {0, c.customers.cmdAddNew}, {1, products.cmdAddNewItem}, {2, c.billPeriods.cmdAddNewBP}, {3, c.printing.cmdPrintSelectedInvoices},
             {3, c.printing.cmdPrintSelectedEnvelopes}, {5, options.fraDocumentation}}) {
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
    auto& c = window->c;
    emit c.frame.cmdTab[2]->clicked();
    EXPECT_EQ(window->state.currentTab, 2);
    EXPECT_TRUE(c.frame.fraMain[2]->visible());
    EXPECT_FALSE(c.frame.fraMain[0]->visible());
    emit c.frame.cmdTab[2]->clicked();
    EXPECT_TRUE(c.frame.fraMain[2]->visible()) << "the page already shown stays shown";
}

TEST_F(MainWindowTest, theListsShowCurrentEntriesOnlyInTableOrder)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    auto& products = window->products.controls();
    auto& company = window->companyInfo.controls();
    ASSERT_EQ(c.customers.lvwCustomersVis->count(), 2);
    EXPECT_EQ(c.customers.lvwCustomersVis->textAt(1), "Adams, Bob");
    EXPECT_EQ(c.customers.lvwCustomersVis->keyAt(2), "2k");
    EXPECT_EQ(c.customers.lvwCustomersVis->currentPosition(), 1);
    EXPECT_EQ(c.customers.txtField[0]->text(), "Bob");
    EXPECT_EQ(c.customers.txtField[2]->tag(), "2 Oak Road");

    ASSERT_EQ(products.lvwProducts[0]->count(), 2);
    EXPECT_EQ(products.lvwProducts[0]->textAt(1), "$5.00 - Hedge trimming") << "by price, the cheapest first";
    EXPECT_EQ(c.billPeriods.lvwProducts[1]->textAt(2), "$12.50 - Lawn mowing");
    EXPECT_TRUE(products.lvwProducts[0]->isSelected(1));
    EXPECT_EQ(products.cmdCancelNewItem->caption(), "&Delete Existing");

    ASSERT_EQ(c.billPeriods.cmbBillPeriod[1]->listCount(), 2);
    EXPECT_EQ(c.printing.cmbBillPeriod[2]->itemText(0), "January");
    EXPECT_EQ(c.billPeriods.cmbBillPeriod[1]->text(), "February") << "the period that starts last is chosen";
    EXPECT_EQ(company.txtCompanyDetails[0]->text(), "Green & Sons");
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(MainWindowTest, theCustomerViewedLastIsSelectedAgain)
{
    test::writeDatabaseFile(test::sampleDatabase());
    for (const auto& [stored, expected] : std::vector<std::pair<QString, int>>{{"2", 2}, {"9", 1}, {"0", 1}, {"x", 1}}) {
        platform::settings().setValue("BrowseRecall", "LastViewedCustomer", stored);
        start();
        EXPECT_EQ(window->c.customers.lvwCustomersVis->currentPosition(), expected) << stored.toStdString();
        window->c.customers.lvwCustomersVis->select(2);
        window->unload();
        EXPECT_EQ(platform::settings().value("BrowseRecall", "LastViewedCustomer"), "2");
    }
}

TEST_F(MainWindowTest, entryFieldModes)
{
    start();
    auto& c = window->c;
    auto& fields = window->entryFields;
    for (auto* field : c.customers.txtField) {
        field->setTag("stored");
        field->setText("typed");
        field->setBackColor(app::kEntryColor);
    }
    c.billPeriods.txtPField[2]->setText("2026/01/31");
    fields.resetEntryFields(3);
    fields.resetEntryFields(-1);
    EXPECT_EQ(c.customers.txtField[3]->text(), "typed");

    fields.resetEntryFields(app::EntryFields::EmptyCustomerFields);
    EXPECT_TRUE(c.customers.txtField[7]->text().isEmpty());
    EXPECT_TRUE(c.customers.txtField[7]->tag().isEmpty());
    EXPECT_EQ(c.customers.txtField[7]->backColor(), app::kEntryColor) << "colours are left as they are";

    fields.resetEntryFields(app::EntryFields::PrepareNewPeriod);
    EXPECT_TRUE(c.billPeriods.txtPField[2]->text().isEmpty());
    EXPECT_FALSE(c.billPeriods.txtPField[2]->locked());
    EXPECT_EQ(c.billPeriods.txtPField[1]->backColor(), app::kNormalColor);
    EXPECT_EQ(c.billPeriods.txtPField[3]->backColor(), app::kEntryColor);
    EXPECT_EQ(c.billPeriods.tvwInvoiceRecords[0]->nodeCount(), 0);

    c.billPeriods.txtPField[3]->setText("2026/02/15");
    fields.resetEntryFields(app::EntryFields::ShowFinalPeriod);
    EXPECT_TRUE(c.billPeriods.txtPField[3]->locked());
    EXPECT_EQ(c.billPeriods.txtPField[3]->text(), "2026/02/15");
    EXPECT_EQ(c.billPeriods.txtPField[3]->backColor(), app::kNormalColor);

    fields.setFieldHighlight(false);
    EXPECT_EQ(c.customers.txtField[0]->backColor(), app::kNormalColor);
    fields.setFieldHighlight(true);
    EXPECT_EQ(c.customers.txtField[5]->backColor(), app::kEntryColor);

    // Every field shows it where the user types, the multi-line notes box too.
    window->widget()->show();
    for (auto* field : c.customers.txtField) {
        const QImage face = field->widget()->grab().toImage();
        EXPECT_EQ(face.pixelColor(face.width() / 3, face.height() * 3 / 4), platform::toQColor(app::kEntryColor))
            << field->index();
    }
}

TEST_F(MainWindowTest, theOptionsPageShowsItsSaveCommandAndHintOnlyWithUnsavedChanges)
{
    test::writeDatabaseFile({});
    start();
    auto& options = window->options.controls();
    window->layout.cmdTab_Click(5);
    EXPECT_FALSE(options.cmdChangePath[2]->visible());
    EXPECT_FALSE(options.lblQuickestWay->visible());
    window->books.setUnsaved(true);
    EXPECT_FALSE(options.cmdChangePath[2]->visible()) << "brought up to date only by the page's layout";
    window->layout.cmdTab_Click(5);
    EXPECT_TRUE(options.cmdChangePath[2]->visible());
    EXPECT_TRUE(options.lblQuickestWay->visible());
    options.chkExpertMode->setValue(platform::CheckBox::Checked);
    window->layout.cmdTab_Click(5);
    EXPECT_TRUE(options.cmdChangePath[2]->visible());
    EXPECT_FALSE(options.lblQuickestWay->visible());
}
