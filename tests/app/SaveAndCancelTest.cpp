#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

#include <cstdio>

using namespace tav;
using platform::MessageAnswer;
using test::MainWindowTest;
using test::scriptedHost;

TEST_F(MainWindowTest, saveWritesTheFileAndHidesSaveAndCancel)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& frame = window->frameControls();
    auto& company = window->companyInfoPage().controls();
    company.txtCompanyDetails[5]->setText("We cut it all");
    EXPECT_TRUE(frame.cmdSave->visible());
    EXPECT_TRUE(frame.cmdCancel->visible());
    emit frame.cmdSave->clicked();
    EXPECT_FALSE(frame.cmdSave->visible());
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_TRUE(test::readDatabaseFile().contains("\t\t<CompanySlogan>We cut it all</CompanySlogan>\r\n"));
    EXPECT_TRUE(QFile::exists(test::databaseFile() + ".bak"));
}

namespace {

// Another program saving the database file as this one does: a new file put in the old one's place.
void replaceOnDisk(const QByteArray& content)
{
    const QString fresh = test::testFolder() + "/theirs.xml";
    QFile file(fresh);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    ASSERT_EQ(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(test::databaseFile()).constData()), 0);
}

} // namespace

TEST_F(MainWindowTest, aFileChangedSinceItWasReadIsWrittenOverOnlyWhenTheUserSaysSo)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& frame = window->frameControls();
    auto& options = window->optionsPage().controls();
    auto& company = window->companyInfoPage().controls();
    company.txtCompanyDetails[0]->setText("Ours");
    const QByteArray theirs = QByteArray(test::sampleDatabase()).replace("Green &amp; Sons", "Theirs");
    replaceOnDisk(theirs);

    scriptedHost().answerMessageBox(MessageAnswer::No);
    EXPECT_FALSE(window->books().saveDatabase());
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Changed");
    EXPECT_EQ(scriptedHost().lastPrompt().buttons, platform::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains(test::databaseFile()));
    EXPECT_EQ(test::readDatabaseFile(), theirs);
    EXPECT_TRUE(frame.cmdSave->visible());

    // SvAs onto the same file and the save at shutdown ask the same; No keeps the program running.
    test::dialogBackend().chooseFiles({test::databaseFile()});
    scriptedHost().answerMessageBox(MessageAnswer::No);
    options.cmdChangePath[app::FileCommands::SaveAs]->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Changed");
    scriptedHost().answerMessageBox(MessageAnswer::Yes);
    scriptedHost().answerMessageBox(MessageAnswer::No);
    EXPECT_FALSE(window->unload());
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Changed");
    EXPECT_EQ(test::readDatabaseFile(), theirs);

    scriptedHost().answerMessageBox(MessageAnswer::Yes);
    EXPECT_TRUE(window->books().saveDatabase());
    EXPECT_TRUE(test::readDatabaseFile().contains("<CompanyName>Ours</CompanyName>"));
    // The file as this program saved it is no change: the next save asks nothing.
    company.txtCompanyDetails[0]->setText("Ours again");
    EXPECT_TRUE(window->books().saveDatabase());

    // Written in place (an editor), the file has changed as well.
    QFile file(test::databaseFile());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\r\n");
    file.close();
    company.txtCompanyDetails[0]->setText("Ours once more");
    scriptedHost().answerMessageBox(MessageAnswer::No);
    EXPECT_FALSE(window->books().saveDatabase());
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Changed");
    EXPECT_TRUE(test::readDatabaseFile().contains("<CompanyName>Ours again</CompanyName>"));
}

TEST_F(MainWindowTest, cancelReloadsTheFileAfterItsQuestion)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& frame = window->frameControls();
    const auto& customers = window->customersPage().controls();
    customers.txtField[0]->setText("Robert");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    customers.cmdAddNew->click();
    EXPECT_EQ(customers.lvwCustomersVis->textAt(1), "Adams, Robert");
    customers.lvwCustomersVis->select(2);

    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    emit frame.cmdCancel->clicked();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "ABANDON ALL CHANGES???");
    EXPECT_TRUE(window->hasUnsavedChanges());

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit frame.cmdCancel->clicked();
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_EQ(customers.lvwCustomersVis->textAt(1), "Adams, Bob");
    // The fields show the customer the list selects, never a selected entry with empty fields.
    ASSERT_GT(customers.lvwCustomersVis->currentPosition(), 0);
    EXPECT_EQ(customers.txtField[0]->text(),
              customers.lvwCustomersVis->currentPosition() == 1 ? QString("Bob") : QString("Ann"));
}

TEST_F(MainWindowTest, cancelLeavesNothingOfAnAbandonedPeriodToShowOrPrint)
{
    QByteArray bytes = test::sampleDatabase();
    bytes.remove(bytes.indexOf("\t\t<BillPeriod>"), bytes.indexOf("\t</BillPeriods>") - bytes.indexOf("\t\t<BillPeriod>"));
    bytes.remove(bytes.indexOf("\t\t<InvoiceRecord>"),
                 bytes.indexOf("\t</InvoiceRecords>") - bytes.indexOf("\t\t<InvoiceRecord>"));
    test::writeDatabaseFile(bytes);
    start();
    const auto& frame = window->frameControls();
    const auto& customers = window->customersPage().controls();
    const auto finalise = [&](const QString& name) {
        window->billPeriodsPage().controls().cmdAddNewBP->click();
        window->billPeriodsPage().newPeriod().billSelectedProduct();
        window->billPeriodsPage().controls().txtBillPeriod->setText(name);
        window->billPeriodsPage().controls().txtPField[3]->setText("2/15/2026");
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        window->billPeriodsPage().controls().cmdAddNewBP->click();
    };
    finalise("March");
    ASSERT_EQ(window->printingPage().controls().tvwInvoiceRecords[1]->childKeys("root_node").size(), 2);

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit frame.cmdCancel->clicked();
    EXPECT_EQ(window->printingPage().controls().cmbBillPeriod[2]->listCount(), 0);
    EXPECT_EQ(window->billPeriodsPage().controls().tvwInvoiceRecords[0]->nodeCount(), 0);
    EXPECT_EQ(window->printingPage().controls().tvwInvoiceRecords[1]->nodeCount(), 0) << "the Printing tree still shows the abandoned period";
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->text(), "");
    window->printingPage().controls().cmdPrintSelectedInvoices->click();
    window->printingPage().controls().cmdPrintSelectedEnvelopes->click();
    EXPECT_TRUE(scriptedHost().printRuns().empty());

    // A period being composed when the changes are abandoned is dropped with them.
    // So is a new customer being entered.
    finalise("April");
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    window->billPeriodsPage().newPeriod().billSelectedProduct();
    customers.cmdAddNew->click();
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit frame.cmdCancel->clicked();
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period:");
    EXPECT_FALSE(window->billPeriodsPage().controls().lvwProducts[1]->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().tvwInvoiceRecords[0]->nodeCount(), 0);
    EXPECT_EQ(customers.cmdAddNew->caption(), "&New Customer");
    EXPECT_EQ(customers.txtField[0]->text(), customers.lvwCustomersVis->currentPosition() == 1 ? QString("Bob") : QString("Ann"));
    EXPECT_TRUE(customers.cmdPrint->visible());
}

TEST_F(MainWindowTest, cancelKeepsEverythingWhenTheFileIsGoneOrHoldsNoDatabase)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& frame = window->frameControls();
    const auto& customers = window->customersPage().controls();
    window->companyInfoPage().controls().txtCompanyDetails[1]->setText("5 New Street");
    QFile::remove(test::databaseFile());

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit frame.cmdCancel->clicked();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Changes Not Abandoned");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(window->companyInfoPage().controls().txtCompanyDetails[1]->text(), "5 New Street");
    EXPECT_EQ(customers.lvwCustomersVis->count(), 2);
    EXPECT_FALSE(QFile::exists(test::databaseFile())) << "no empty file is made";

    test::writeDatabaseFile("Customers\r\nAnna Smith\r\n");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit frame.cmdCancel->clicked();
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("Not a TAV database file"));
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(window->companyInfoPage().controls().txtCompanyDetails[1]->text(), "5 New Street");
    EXPECT_EQ(customers.lvwCustomersVis->count(), 2);
}

TEST_F(MainWindowTest, aSaveThatFailsKeepsTheChangesAndTheFile)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    platform::settings().setValue("FileHandling", "DatabasePath", test::testFolder() + "/no/such/folder/TAV.xml");
    window->companyInfoPage().controls().txtCompanyDetails[2]->setText("Suite 4");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    EXPECT_FALSE(window->books().saveDatabase());
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("/no/such/folder/TAV.xml"));
    EXPECT_TRUE(window->frameControls().cmdSave->visible());

    // Closing with Yes to saving keeps the program running when the save fails.
    scriptedHost().answerMessageBox(MessageAnswer::Yes);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    EXPECT_FALSE(window->unload());
    EXPECT_TRUE(components::dialogsExist());
}

TEST_F(MainWindowTest, startingOnNoFileCreatesAnEmptyOne)
{
    start();
    EXPECT_TRUE(QFile::exists(test::databaseFile()));
    EXPECT_EQ(QFileInfo(test::databaseFile()).size(), 0);
    // Emptying the closing line's design text counts as an edit, and no file was read to undo it.
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_TRUE(window->companyInfoPage().controls().txtCompanyDetails[8]->text().isEmpty());
    EXPECT_TRUE(window->customersPage().controls().lvwCustomersVis->isEmpty());
    EXPECT_FALSE(window->customersPage().controls().cmdUndo->visible());
}
