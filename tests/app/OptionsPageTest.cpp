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
    auto& options = window->optionsPage().controls();
    auto& printOptions = window->printOptionsPage().controls();
    EXPECT_EQ(options.txtChangePath->text(), test::databaseFile());
    EXPECT_TRUE(options.txtChangePath->locked());
    EXPECT_EQ(options.chkCheckToConfirmEdits->value(), CheckBox::Checked);
    EXPECT_EQ(options.chkExpertMode->value(), CheckBox::Unchecked);
    EXPECT_TRUE(printOptions.optInvoiceTitle[0]->value());
    EXPECT_TRUE(printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_EQ(printOptions.chkKeepTwelveLines->value(), CheckBox::Checked);
    EXPECT_EQ(printOptions.chkMoveAccordingly->value(), CheckBox::Unchecked);
    EXPECT_FALSE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(printOptions.picPrintPreviewTop[0]->visible());
    EXPECT_TRUE(printOptions.picPrintPreviewBottom[0]->visible());
    EXPECT_FALSE(printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(printOptions.cmdPrintPreviewForward->enabled());
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
    auto& options = window->optionsPage().controls();
    auto& printOptions = window->printOptionsPage().controls();
    EXPECT_EQ(options.chkCheckToConfirmEdits->value(), CheckBox::Unchecked);
    EXPECT_EQ(options.chkExpertMode->value(), CheckBox::Checked);
    EXPECT_TRUE(printOptions.optInvoiceTitle[0]->value());
    EXPECT_EQ(printOptions.txtInvoiceTitle->text(), "Statement") << "the title keeps its letter case";
    EXPECT_TRUE(printOptions.optInvoiceTitleSize[2]->value());
    EXPECT_TRUE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(printOptions.picPrintPreviewBottom[2]->visible());
    EXPECT_EQ(window->printOptionsPage().chosenLayout(), 0);
    EXPECT_TRUE(printOptions.picPrintPreviewTop[0]->visible());
}

TEST_F(MainWindowTest, expertModeHidesTheHintsAndChangesTheBillingLabel)
{
    test::writeDatabaseFile({});
    start();
    auto& options = window->optionsPage().controls();
    options.chkExpertMode->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Settings", "ExpertMode"), "True");
    for (auto* hint : {window->printingPage().controls().lblRightClickForNote, window->optionsPage().controls().lblExpertMode2, window->companyInfoPage().controls().lblLeaveOptionalEntriesBlank, window->companyInfoPage().controls().lblSaveDatabaseToUpdate})
        EXPECT_FALSE(hint->visible());
    EXPECT_EQ(window->optionsPage().controls().lblExpertMode1->top(), 3555);
    EXPECT_EQ(window->billPeriodsPage().controls().lblDoubleClickToAdd->caption(), "List of Products and Services:");
    EXPECT_EQ(window->billPeriodsPage().controls().lblDoubleClickToAdd->backColor(), platform::SystemColor::ButtonFace);
    EXPECT_EQ(window->billPeriodsPage().controls().lblDoubleClickToAdd->left(), window->productsPage().controls().lvwProducts[0]->left());

    window->books().setUnsaved(true);
    options.chkExpertMode->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Settings", "ExpertMode"), "False");
    EXPECT_TRUE(window->printingPage().controls().lblRightClickForNote->visible());
    EXPECT_EQ(window->optionsPage().controls().lblExpertMode1->top(), 3450);
    EXPECT_TRUE(window->optionsPage().controls().lblQuickestWay->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().lblDoubleClickToAdd->caption(), "  Double-click to Bill *Marked Customers:  ");
    EXPECT_EQ(window->billPeriodsPage().controls().lblDoubleClickToAdd->backColor(), platform::SystemColor::InfoBackground);

    options.chkCheckToConfirmEdits->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Settings", "CheckToConfirmEdits"), "False");
}

TEST_F(MainWindowTest, companyEditsMarkChangesButLoadingDoesNot)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& company = window->companyInfoPage().controls();
    EXPECT_EQ(company.txtCompanyDetails[1]->text(), "1 Main Street");
    EXPECT_FALSE(window->hasUnsavedChanges());
    company.txtCompanyDetails[7]->setText("Green & Sons Ltd");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(window->books().data().company.texts[7], "Green & Sons Ltd");
}

TEST_F(MainWindowTest, thePrintOptionsAreStoredTheMomentTheyChange)
{
    test::writeDatabaseFile({});
    start();
    auto& printOptions = window->printOptionsPage().controls();
    printOptions.cmdPrintPreviewForward->click();
    printOptions.cmdPrintPreviewForward->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "2");
    EXPECT_FALSE(printOptions.cmdPrintPreviewForward->enabled());
    EXPECT_TRUE(printOptions.picPrintPreviewTop[2]->visible());
    printOptions.cmdPrintPreviewBack->click();
    EXPECT_EQ(settings().value("Printing", "PrintPreviewSelected"), "1");
    EXPECT_TRUE(printOptions.cmdPrintPreviewBack->enabled());
    EXPECT_TRUE(printOptions.cmdPrintPreviewForward->enabled());

    printOptions.optInvoiceTitle[2]->setValue(true);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleOption"), "2");
    printOptions.txtInvoiceTitle->setText("Bill");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "Bill");
    printOptions.txtInvoiceTitle->setText("");
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleText"), "");
    printOptions.optInvoiceTitleSize[0]->setValue(true);
    EXPECT_EQ(settings().value("Settings", "InvoiceTitleSize"), "0");
    printOptions.chkAddInvoiceDateToInvoice->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Printing", "AddInvoiceDateToInvoice"), "True");
    printOptions.chkPrintDuplicateInvoices->setValue(CheckBox::Checked);
    EXPECT_EQ(settings().value("Printing", "PrintDuplicateInvoices"), "True");

    printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    EXPECT_TRUE(printOptions.picPrintPreviewBottom[0]->visible()) << "twelve lines win over moving the text";
    printOptions.chkKeepTwelveLines->setValue(CheckBox::Unchecked);
    EXPECT_EQ(settings().value("Printing", "KeepTwelveLines"), "False");
    EXPECT_TRUE(printOptions.chkMoveAccordingly->enabled());
    EXPECT_TRUE(printOptions.picPrintPreviewBottom[2]->visible());
    printOptions.chkMoveAccordingly->setValue(CheckBox::Unchecked);
    EXPECT_TRUE(printOptions.picPrintPreviewBottom[1]->visible());
}
