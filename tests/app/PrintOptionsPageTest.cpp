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

    int shownTop() const { return shown(window->c.printOptions.picPrintPreviewTop); }
    int shownBottom() const { return shown(window->c.printOptions.picPrintPreviewBottom); }

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
    auto& c = window->c;
    EXPECT_TRUE(c.printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(c.printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(c.printOptions.chkAddInvoiceDateToInvoice->value(), CheckBox::Unchecked);
    EXPECT_EQ(c.printOptions.chkPrintDuplicateInvoices->value(), CheckBox::Unchecked);
    EXPECT_EQ(c.printOptions.chkKeepTwelveLines->value(), CheckBox::Checked);
    EXPECT_EQ(c.printOptions.chkMoveAccordingly->value(), CheckBox::Unchecked);
    EXPECT_FALSE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(window->state.printPreviewSelected, 0);
    EXPECT_FALSE(c.printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewForward->enabled());
    EXPECT_EQ(shownTop(), 0);
    EXPECT_EQ(shownBottom(), 0);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleOption"), "0");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleSize"), "2");
    EXPECT_TRUE(settings().contains("Settings", "InvoiceTitleText"));
}

TEST_F(PrintOptionsPageTest, theArrowsStepThroughTheThreeLayoutsAndStoreTheChoice)
{
    startEmpty();
    auto& c = window->c;
    c.printOptions.cmdPrintPreviewForward->click();
    c.printOptions.cmdPrintPreviewForward->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "2");
    EXPECT_EQ(shownTop(), 2);
    EXPECT_FALSE(c.printOptions.cmdPrintPreviewForward->enabled());
    c.printOptions.cmdPrintPreviewBack->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "1");
    EXPECT_EQ(shownTop(), 1);
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewForward->enabled());
}

TEST_F(PrintOptionsPageTest, theBottomPreviewFollowsTheTwoLineOptions)
{
    startEmpty();
    auto& c = window->c;
    c.printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    EXPECT_EQ(shownBottom(), 0) << "twelve lines kept, whatever move-text says";
    c.printOptions.chkKeepTwelveLines->setValue(CheckBox::Unchecked);
    EXPECT_TRUE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(shownBottom(), 2);
    EXPECT_EQ(settings().value("Printing", "KeepTwelveLines"), "False");
    EXPECT_EQ(settings().value("Printing", "MoveBottomTextAccordingly"), "True");
    c.printOptions.chkMoveAccordingly->setValue(CheckBox::Unchecked);
    EXPECT_EQ(shownBottom(), 1);
    c.printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    c.printOptions.chkKeepTwelveLines->setValue(CheckBox::Checked);
    EXPECT_EQ(shownBottom(), 0);
    EXPECT_FALSE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_EQ(c.printOptions.chkMoveAccordingly->value(), CheckBox::Checked) << "disabling keeps the check mark";
}

TEST_F(PrintOptionsPageTest, storedValuesReadByTheirRulesAndOutOfRangeOnesFallBack)
{
    settings().setValue("Printing", "PrintPreviewSelected", "7");
    settings().setValue("Settings", "InvoiceTitleOption", "9");
    settings().setValue("Settings", "InvoiceTitleSize", "-1");
    settings().setValue("Printing", "AddInvoiceDateToInvoice", "TRUE");
    settings().setValue("Printing", "KeepTwelveLines", "maybe");
    startEmpty();
    auto& c = window->c;
    EXPECT_EQ(window->state.printPreviewSelected, 0);
    EXPECT_EQ(shownTop(), 0);
    EXPECT_TRUE(c.printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(c.printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(c.printOptions.chkAddInvoiceDateToInvoice->value(), CheckBox::Checked);
    EXPECT_EQ(c.printOptions.chkKeepTwelveLines->value(), CheckBox::Checked) << "only \"false\" turns twelve lines off";
}

TEST_F(PrintOptionsPageTest, previewsAreSmallPicturesOfTheLayouts)
{
    startEmpty();
    auto& c = window->c;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.printOptions.picPrintPreviewTop[i]->picture().size(), QSize(192, 105));
        EXPECT_EQ(c.printOptions.picPrintPreviewBottom[i]->picture().size(), QSize(192, 144));
    }
    const auto image = [](platform::PictureBox* box) { return box->picture().toImage(); };
    EXPECT_NE(image(c.printOptions.picPrintPreviewTop[0]), image(c.printOptions.picPrintPreviewTop[1]));
    EXPECT_NE(image(c.printOptions.picPrintPreviewTop[1]), image(c.printOptions.picPrintPreviewTop[2]));
    EXPECT_NE(image(c.printOptions.picPrintPreviewBottom[0]), image(c.printOptions.picPrintPreviewBottom[1]));
    EXPECT_NE(image(c.printOptions.picPrintPreviewBottom[1]), image(c.printOptions.picPrintPreviewBottom[2]));
}

TEST_F(PrintOptionsPageTest, aTitleIsStoredAsItIsTyped)
{
    startEmpty();
    window->c.printOptions.txtInvoiceTitle->setText("Receipt");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "Receipt");
    window->c.printOptions.txtInvoiceTitle->setText("");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "");
}
