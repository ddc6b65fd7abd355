#include "MainWindowFixture.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

using namespace tav;
using platform::CheckBox;
using platform::settings;
using test::MainWindowTest;

namespace {

class PrintOptionsPageTest : public MainWindowTest {
protected:
    void startEmpty()
    {
        test::writeDatabaseFile({});
        start();
    }

    int shownTop() const { return shown(window->printOptionsPage().controls().picPrintPreviewTop); }
    int shownBottom() const { return shown(window->printOptionsPage().controls().picPrintPreviewBottom); }

private:
    static int shown(const std::array<platform::PictureBox*, 3>& pictures)
    {
        int found = -1;
        for (int i = 0; i < 3; ++i) {
            if (pictures[i]->visible()) {
                EXPECT_EQ(found, -1) << "two pictures shown at once";
                found = i;
            }
        }
        return found;
    }
};

} // namespace

TEST_F(PrintOptionsPageTest, aFreshStoreShowsTheDefaultsAndStoresTheTitleSettings)
{
    startEmpty();
    auto& printOptions = window->printOptionsPage().controls();
    EXPECT_TRUE(printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(printOptions.chkAddInvoiceDateToInvoice->value(), CheckBox::Unchecked);
    EXPECT_EQ(printOptions.chkPrintDuplicateInvoices->value(), CheckBox::Unchecked);
    EXPECT_EQ(printOptions.chkKeepTwelveLines->value(), CheckBox::Checked);
    EXPECT_EQ(printOptions.chkMoveAccordingly->value(), CheckBox::Unchecked);
    EXPECT_FALSE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(window->printOptionsPage().chosenLayout(), 0);
    EXPECT_FALSE(printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(printOptions.cmdPrintPreviewForward->enabled());
    EXPECT_EQ(shownTop(), 0);
    EXPECT_EQ(shownBottom(), 0);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleOption"), "0");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleSize"), "2");
    EXPECT_TRUE(settings().contains("Settings", "InvoiceTitleText"));
}

TEST_F(PrintOptionsPageTest, theArrowsStepThroughTheThreeLayoutsAndStoreTheChoice)
{
    startEmpty();
    auto& printOptions = window->printOptionsPage().controls();
    printOptions.cmdPrintPreviewForward->click();
    printOptions.cmdPrintPreviewForward->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "2");
    EXPECT_EQ(shownTop(), 2);
    EXPECT_FALSE(printOptions.cmdPrintPreviewForward->enabled());
    printOptions.cmdPrintPreviewBack->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "1");
    EXPECT_EQ(shownTop(), 1);
    EXPECT_TRUE(printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(printOptions.cmdPrintPreviewForward->enabled());
}

TEST_F(PrintOptionsPageTest, theBottomPreviewFollowsTheTwoLineOptions)
{
    startEmpty();
    auto& printOptions = window->printOptionsPage().controls();
    printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    EXPECT_EQ(shownBottom(), 0) << "twelve lines kept, whatever move-text says";
    printOptions.chkKeepTwelveLines->setValue(CheckBox::Unchecked);
    EXPECT_TRUE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(shownBottom(), 2);
    EXPECT_EQ(settings().value("Printing", "KeepTwelveLines"), "False");
    EXPECT_EQ(settings().value("Printing", "MoveBottomTextAccordingly"), "True");
    printOptions.chkMoveAccordingly->setValue(CheckBox::Unchecked);
    EXPECT_EQ(shownBottom(), 1);
    printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    printOptions.chkKeepTwelveLines->setValue(CheckBox::Checked);
    EXPECT_EQ(shownBottom(), 0);
    EXPECT_FALSE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(printOptions.chkMoveAccordingly->value(), CheckBox::Checked) << "disabling keeps the check mark";
}

TEST_F(PrintOptionsPageTest, storedValuesReadByTheirRulesAndOutOfRangeOnesFallBack)
{
    settings().setValue("Printing", "PrintPreviewSelected", "7");
    settings().setValue("Settings", "InvoiceTitleOption", "9");
    settings().setValue("Settings", "InvoiceTitleSize", "-1");
    settings().setValue("Printing", "AddInvoiceDateToInvoice", "TRUE");
    settings().setValue("Printing", "KeepTwelveLines", "maybe");
    startEmpty();
    auto& printOptions = window->printOptionsPage().controls();
    EXPECT_EQ(window->printOptionsPage().chosenLayout(), 0);
    EXPECT_EQ(shownTop(), 0);
    EXPECT_TRUE(printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(printOptions.chkAddInvoiceDateToInvoice->value(), CheckBox::Checked);
    EXPECT_EQ(printOptions.chkKeepTwelveLines->value(), CheckBox::Checked) << "only \"false\" turns twelve lines off";
}

TEST_F(PrintOptionsPageTest, previewsAreSmallPicturesOfTheLayouts)
{
    startEmpty();
    auto& printOptions = window->printOptionsPage().controls();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(printOptions.picPrintPreviewTop[i]->picture().size(), QSize(192, 105));
        EXPECT_EQ(printOptions.picPrintPreviewBottom[i]->picture().size(), QSize(192, 144));
    }
    const auto image = [](platform::PictureBox* box) { return box->picture().toImage(); };
    EXPECT_NE(image(printOptions.picPrintPreviewTop[0]), image(printOptions.picPrintPreviewTop[1]));
    EXPECT_NE(image(printOptions.picPrintPreviewTop[1]), image(printOptions.picPrintPreviewTop[2]));
    EXPECT_NE(image(printOptions.picPrintPreviewBottom[0]), image(printOptions.picPrintPreviewBottom[1]));
    EXPECT_NE(image(printOptions.picPrintPreviewBottom[1]), image(printOptions.picPrintPreviewBottom[2]));
}

TEST_F(PrintOptionsPageTest, aTitleIsStoredAsItIsTyped)
{
    startEmpty();
    window->printOptionsPage().controls().txtInvoiceTitle->setText("Receipt");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "Receipt");
    window->printOptionsPage().controls().txtInvoiceTitle->setText("");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "");
}
