#include "MainWindowFixture.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

using namespace tav;
using platform::CheckBox;
using platform::settings;
using test::MainWindowTest;

TEST_F(MainWindowTest, anEmptyStoreGivesTheDefaultOptions)
{
    test::writeDatabaseFile({});
    start();
    auto& c = window->c;
    EXPECT_EQ(c.options.txtChangePath->text(), test::databaseFile());
    EXPECT_TRUE(c.options.txtChangePath->locked());
    EXPECT_EQ(c.options.chkCheckToConfirmEdits->value(), CheckBox::Checked);
    EXPECT_EQ(c.options.chkExpertMode->value(), CheckBox::Unchecked);
    EXPECT_TRUE(c.printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(c.printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(c.printOptions.chkKeepTwelveLines->value(), CheckBox::Checked);
    EXPECT_EQ(c.printOptions.chkMoveAccordingly->value(), CheckBox::Unchecked);
    EXPECT_FALSE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(c.printOptions.picPrintPreviewTop[0]->visible());
    EXPECT_TRUE(c.printOptions.picPrintPreviewBottom[0]->visible());
    EXPECT_FALSE(c.printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewForward->enabled());
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleOption"), "0");
    EXPECT_TRUE(settings().contains("Settings", "InvoiceTitleText"));
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleSize"), "2");
    EXPECT_FALSE(settings().contains("Settings", "CheckToConfirmEdits")) << "loading writes nothing it need not";
    EXPECT_FALSE(settings().contains("FileHandling", "DatabasePath"));
}

TEST_F(MainWindowTest, storedOptionsAreReadWithoutRegardToCaseAndBadOnesGiveDefaults)
{
    test::writeDatabaseFile({});
    settings().setValue("Settings", "CheckToConfirmEdits", "FALSE");
    settings().setValue("Settings", "ExpertMode", "TRUE");
    settings().setValue("Settings", "InvoiceTitleOption", "7");
    settings().setValue("Settings", "InvoiceTitleText", "Statement");
    settings().setValue("Settings", "InvoiceTitleSize", "small");
    settings().setValue("Printing", "KeepTwelveLines", "FALSE");
    settings().setValue("Printing", "MoveBottomTextAccordingly", "True");
    settings().setValue("Printing", "PrintPreviewSelected", "2.5");
    start();
    auto& c = window->c;
    EXPECT_EQ(c.options.chkCheckToConfirmEdits->value(), CheckBox::Unchecked);
    EXPECT_EQ(c.options.chkExpertMode->value(), CheckBox::Checked);
    EXPECT_TRUE(c.printOptions.optInvoiceTitle[0]->value());
    EXPECT_EQ(c.printOptions.txtInvoiceTitle->text(), "Statement") << "the title keeps its letter case";
    EXPECT_TRUE(c.printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_TRUE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(c.printOptions.picPrintPreviewBottom[2]->visible());
    EXPECT_EQ(window->state.printPreviewSelected, 0);
    EXPECT_TRUE(c.printOptions.picPrintPreviewTop[0]->visible());
}

TEST_F(MainWindowTest, expertModeHidesTheHintsAndChangesTheBillingLabel)
{
    test::writeDatabaseFile({});
    start();
    auto& c = window->c;
    c.options.chkExpertMode->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Settings", "ExpertMode"), "True");
    for (auto* hint : {window->printingPage.controls().lblRightClickForNote, c.options.lblExpertMode2, c.company.lblLeaveOptionalEntriesBlank, c.company.lblSaveDatabaseToUpdate})
        EXPECT_FALSE(hint->visible());
    EXPECT_EQ(c.options.lblExpertMode1->top(), 3555);
    EXPECT_EQ(window->billPeriodsPage.controls().lblDoubleClickToAdd->caption(), "List of Products and Services:");
    EXPECT_EQ(window->billPeriodsPage.controls().lblDoubleClickToAdd->backColor(), platform::SystemColor::ButtonFace);
    EXPECT_EQ(window->billPeriodsPage.controls().lblDoubleClickToAdd->left(), c.products.lvwProducts[0]->left());

    window->books.setUnsaved(true);
    c.options.chkExpertMode->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Settings", "ExpertMode"), "False");
    EXPECT_TRUE(window->printingPage.controls().lblRightClickForNote->visible());
    EXPECT_EQ(c.options.lblExpertMode1->top(), 3450);
    EXPECT_TRUE(c.options.lblQuickestWay->visible());
    EXPECT_EQ(window->billPeriodsPage.controls().lblDoubleClickToAdd->caption(), "  Double-click to Bill *Marked Customers:  ");
    EXPECT_EQ(window->billPeriodsPage.controls().lblDoubleClickToAdd->backColor(), platform::SystemColor::InfoBackground);

    c.options.chkCheckToConfirmEdits->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Settings", "CheckToConfirmEdits"), "False");
}

TEST_F(MainWindowTest, companyEditsMarkChangesButLoadingDoesNot)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    EXPECT_EQ(c.company.txtCompanyDetails[1]->text(), "1 Main Street");
    EXPECT_FALSE(window->hasUnsavedChanges());
    c.company.txtCompanyDetails[7]->setText("Green & Sons Ltd");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(window->books.data().company.texts[7], "Green & Sons Ltd");
}

TEST_F(MainWindowTest, thePrintOptionsAreStoredTheMomentTheyChange)
{
    test::writeDatabaseFile({});
    start();
    auto& c = window->c;
    c.printOptions.cmdPrintPreviewForward->click();
    c.printOptions.cmdPrintPreviewForward->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "2");
    EXPECT_FALSE(c.printOptions.cmdPrintPreviewForward->enabled());
    EXPECT_TRUE(c.printOptions.picPrintPreviewTop[2]->visible());
    c.printOptions.cmdPrintPreviewBack->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "1");
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(c.printOptions.cmdPrintPreviewForward->enabled());

    c.printOptions.optInvoiceTitle[2]->setValue(true);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleOption"), "2");
    c.printOptions.txtInvoiceTitle->setText("Bill");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "Bill");
    c.printOptions.txtInvoiceTitle->setText("");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "");
    c.printOptions.optInvoiceTitleSize[0]->setValue(true);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleSize"), "0");
    c.printOptions.chkAddInvoiceDateToInvoice->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Printing", "AddInvoiceDateToInvoice"), "True");
    c.printOptions.chkPrintDuplicateInvoices->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Printing", "PrintDuplicateInvoices"), "True");

    c.printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    EXPECT_TRUE(c.printOptions.picPrintPreviewBottom[0]->visible()) << "twelve lines win over moving the text";
    c.printOptions.chkKeepTwelveLines->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Printing", "KeepTwelveLines"), "False");
    EXPECT_TRUE(c.printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(c.printOptions.picPrintPreviewBottom[2]->visible());
    c.printOptions.chkMoveAccordingly->setValue(CheckBox::Unchecked);
    EXPECT_TRUE(c.printOptions.picPrintPreviewBottom[1]->visible());
}
