#include "MainWindowFixture.h"

#include "platform/AccessKeyRouter.h"
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

using namespace tav;
using test::MainWindowTest;

namespace {

// What the layout gives every movable control for a frame of w x h twips.
void expectLayout(app::MainWindow& window, int w, int h)
{
    const auto& c = window.c;
    const int half = (w / 2) + ((w % 2 == 1 && (w / 2) % 2 == 1) ? 1 : 0);
    window.layout.cmdTab_Click(0);
    EXPECT_EQ(c.fraMain[0]->width(), w);
    EXPECT_EQ(c.fraMain[0]->height(), h);
    EXPECT_EQ(c.lblTop[0]->width(), w);
    EXPECT_EQ(c.cmdPrint->left(), half - 600);
    EXPECT_EQ(c.txtSearch->width(), half - 2025);
    EXPECT_EQ(c.lvwCustomersVis->width(), half - 360);
    EXPECT_EQ(c.lvwCustomersVis->height(), h - 1080);
    EXPECT_EQ(c.lblNotes->left(), half - 240);
    EXPECT_EQ(c.txtField[6]->left(), half + 1200);
    EXPECT_EQ(c.txtField[6]->width(), w - (half + 1200) - 120);
    EXPECT_EQ(c.txtField[7]->left(), half + 840);
    EXPECT_EQ(c.txtField[7]->height(), h - 4305);
    EXPECT_EQ(c.cmdUndo->left(), w - 4210);
    EXPECT_EQ(c.cmdAddNew->left(), w - 2050);
    EXPECT_EQ(c.cmdAddNew->top(), h - 720);

    window.layout.cmdTab_Click(1);
    EXPECT_EQ(c.lvwProducts[0]->width(), w - 225);
    EXPECT_EQ(c.lvwProducts[0]->columnWidth(), w - 300);

    window.layout.cmdTab_Click(2);
    EXPECT_EQ(c.tvwInvoiceRecords[0]->width(), w - 240) << "the tree takes the width while a period is viewed";
    EXPECT_EQ(c.tvwInvoiceRecords[0]->height(), h - 2400);
    EXPECT_EQ(c.lblDoubleClickToAdd->left(), w - 240 + 360);
    EXPECT_EQ(c.cmdAdjustBalance->top(), h - 720);

    window.layout.cmdTab_Click(3);
    EXPECT_EQ(c.staPrinting->left(), w - 3000);
    EXPECT_EQ(c.tvwInvoiceRecords[1]->height(), h - 2145);
    EXPECT_EQ(c.lblRightClickForNote->top(), h - 720 + 120);

    window.layout.cmdTab_Click(4);
    EXPECT_EQ(c.fraPrintPreview->left(), half + 240);

    window.layout.cmdTab_Click(5);
    EXPECT_EQ(c.lblVersionNumber->left(), w - 3495);
    EXPECT_EQ(c.fraDocumentation->top(), h - 1080);

    window.layout.cmdTab_Click(6);
    EXPECT_EQ(c.txtCompanyDetails[4]->width(), half - 240);
    EXPECT_EQ(c.txtCompanyDetails[4]->left(), 120);
    EXPECT_EQ(c.txtCompanyDetails[8]->left(), half + 120);
    EXPECT_EQ(c.lblSaveDatabaseToUpdate->top(), h - 300);
}

} // namespace

TEST_F(MainWindowTest, everyPageFollowsTheWindowsSizeAboveItsMinimum)
{
    start();
    // The start size: a frame of 8445 x 6255, whose half 4222.5 goes to the even 4222.
    expectLayout(*window, 8445, 6255);
    window->setWidth(13005);
    window->setHeight(9000);
    expectLayout(*window, 11340, 8490);

    window->setWidth(9000);
    window->setHeight(3000);
    EXPECT_EQ(window->width(), app::PageLayout::kMinimumWidth);
    EXPECT_EQ(window->height(), app::PageLayout::kMinimumHeight);
}

TEST_F(MainWindowTest, tabsAndAltLettersSwitchPagesAndThePageShownWinsALetter)
{
    start();
    auto& c = window->c;
    emit c.cmdTab[2]->clicked();
    EXPECT_EQ(window->state.currentTab, 2);
    EXPECT_TRUE(c.fraMain[2]->visible());
    EXPECT_FALSE(c.fraMain[0]->visible());
    emit c.cmdTab[2]->clicked();
    EXPECT_TRUE(c.fraMain[2]->visible()) << "the page already shown stays shown";

    const platform::AccessKeyRouter* keys = window->widget()->findChild<platform::AccessKeyRouter*>();
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->target('I'), c.cmdAcceleratorKey[6]);
    EXPECT_EQ(keys->target('P'), c.cmdAcceleratorKey[1]) << "the payment button is hidden until a customer is chosen";
    window->layout.cmdTab_Click(5);
    EXPECT_EQ(keys->target('C'), c.cmdCloseBooks[4]);
    EXPECT_EQ(keys->target('O'), c.cmdChangePath[1]);
    window->layout.cmdTab_Click(0);
    EXPECT_EQ(keys->target('C'), c.cmdAcceleratorKey[0]);
    EXPECT_EQ(keys->target('N'), c.cmdAddNew);

    // Alt+letter as the user presses it.
    QTest::keyClick(c.lvwCustomersVis->widget(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(window->state.currentTab, 4);
    QTest::keyClick(c.chkKeepTwelveLines->widget(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(window->state.currentTab, 4) << "Alt+T now belongs to the page's own check box";
    EXPECT_EQ(c.chkKeepTwelveLines->value(), platform::CheckBox::Unchecked);

    // A letter that no shown control carries types nothing, nor does one whose button is hidden.
    window->layout.cmdTab_Click(1);
    c.cmdAddNewItem->click();
    ASSERT_EQ(keys->target('A'), nullptr) << "\"&Add New\" shows once price and name are typed";
    QWidget* price = c.txtPrice->widget();
    QTest::keyClicks(price, "12");
    for (const Qt::Key letter : {Qt::Key_A, Qt::Key_Z, Qt::Key_Q, Qt::Key_5})
        QTest::keyClick(price, letter, Qt::AltModifier);
    EXPECT_EQ(c.txtPrice->text(), "12");
}

TEST_F(MainWindowTest, theListsShowCurrentEntriesOnlyInTableOrder)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    ASSERT_EQ(c.lvwCustomersVis->count(), 2);
    EXPECT_EQ(c.lvwCustomersVis->textAt(1), "Adams, Bob");
    EXPECT_EQ(c.lvwCustomersVis->keyAt(2), "2k");
    EXPECT_EQ(c.lvwCustomersVis->currentPosition(), 1);
    EXPECT_EQ(c.txtField[0]->text(), "Bob");
    EXPECT_EQ(c.txtField[2]->tag(), "2 Oak Road");

    ASSERT_EQ(c.lvwProducts[0]->count(), 2);
    EXPECT_EQ(c.lvwProducts[0]->textAt(1), "$5.00 - Hedge trimming") << "by price, the cheapest first";
    EXPECT_EQ(c.lvwProducts[1]->textAt(2), "$12.50 - Lawn mowing");
    EXPECT_TRUE(c.lvwProducts[0]->isSelected(1));
    EXPECT_EQ(c.cmdCancelNewItem->caption(), "&Delete Existing");

    ASSERT_EQ(c.cmbBillPeriod[1]->listCount(), 2);
    EXPECT_EQ(c.cmbBillPeriod[2]->itemText(0), "January");
    EXPECT_EQ(c.cmbBillPeriod[1]->text(), "February") << "the period that starts last is chosen";
    EXPECT_EQ(c.txtCompanyDetails[0]->text(), "Green & Sons");
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(MainWindowTest, theCustomerViewedLastIsSelectedAgain)
{
    test::writeDatabaseFile(test::sampleDatabase());
    for (const auto& [stored, expected] : std::vector<std::pair<QString, int>>{{"2", 2}, {"9", 1}, {"0", 1}, {"x", 1}}) {
        platform::settings().setValue("BrowseRecall", "LastViewedCustomer", stored);
        start();
        EXPECT_EQ(window->c.lvwCustomersVis->currentPosition(), expected) << stored.toStdString();
        window->c.lvwCustomersVis->select(2);
        window->unload();
        EXPECT_EQ(platform::settings().value("BrowseRecall", "LastViewedCustomer"), "2");
    }
}

TEST_F(MainWindowTest, entryFieldModes)
{
    start();
    auto& c = window->c;
    auto& fields = window->entryFields;
    for (auto* field : c.txtField) {
        field->setTag("stored");
        field->setText("typed");
        field->setBackColor(app::kEntryColor);
    }
    c.txtPField[2]->setText("2026/01/31");
    fields.resetEntryFields(3);
    fields.resetEntryFields(-1);
    EXPECT_EQ(c.txtField[3]->text(), "typed");

    fields.resetEntryFields(app::EntryFields::EmptyCustomerFields);
    EXPECT_TRUE(c.txtField[7]->text().isEmpty());
    EXPECT_TRUE(c.txtField[7]->tag().isEmpty());
    EXPECT_EQ(c.txtField[7]->backColor(), app::kEntryColor) << "colours are left as they are";

    fields.resetEntryFields(app::EntryFields::PrepareNewPeriod);
    EXPECT_TRUE(c.txtPField[2]->text().isEmpty());
    EXPECT_FALSE(c.txtPField[2]->locked());
    EXPECT_EQ(c.txtPField[1]->backColor(), app::kNormalColor);
    EXPECT_EQ(c.txtPField[3]->backColor(), app::kEntryColor);
    EXPECT_EQ(c.tvwInvoiceRecords[0]->nodeCount(), 0);

    c.txtPField[3]->setText("2026/02/15");
    fields.resetEntryFields(app::EntryFields::ShowFinalPeriod);
    EXPECT_TRUE(c.txtPField[3]->locked());
    EXPECT_EQ(c.txtPField[3]->text(), "2026/02/15");
    EXPECT_EQ(c.txtPField[3]->backColor(), app::kNormalColor);

    fields.setFieldHighlight(false);
    EXPECT_EQ(c.txtField[0]->backColor(), app::kNormalColor);
    fields.setFieldHighlight(true);
    EXPECT_EQ(c.txtField[5]->backColor(), app::kEntryColor);

    // Every field shows it where the user types, the multi-line notes box too.
    window->widget()->show();
    for (auto* field : c.txtField) {
        const QImage face = field->widget()->grab().toImage();
        EXPECT_EQ(face.pixelColor(face.width() / 3, face.height() * 3 / 4), platform::toQColor(app::kEntryColor))
            << field->index();
    }
}

TEST_F(MainWindowTest, theOptionsPageShowsItsSaveCommandAndHintOnlyWithUnsavedChanges)
{
    test::writeDatabaseFile({});
    start();
    auto& c = window->c;
    window->layout.cmdTab_Click(5);
    EXPECT_FALSE(c.cmdChangePath[2]->visible());
    EXPECT_FALSE(c.lblQuickestWay->visible());
    window->session.setSaveCancelVisible(true);
    EXPECT_FALSE(c.cmdChangePath[2]->visible()) << "brought up to date only by the page's layout";
    window->layout.cmdTab_Click(5);
    EXPECT_TRUE(c.cmdChangePath[2]->visible());
    EXPECT_TRUE(c.lblQuickestWay->visible());
    c.chkExpertMode->setValue(platform::CheckBox::Checked);
    window->layout.cmdTab_Click(5);
    EXPECT_TRUE(c.cmdChangePath[2]->visible());
    EXPECT_FALSE(c.lblQuickestWay->visible());
}
