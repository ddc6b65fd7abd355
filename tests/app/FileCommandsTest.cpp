#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

using namespace tav;
using platform::MessageAnswer;
using platform::settings;
using test::MainWindowTest;
using test::dialogBackend;
using test::scriptedHost;

namespace {

QString inFolder(const QString& name)
{
    return test::testFolder() + "/" + name;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileCommandsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        test::writeDatabaseFile(test::sampleDatabase());
        start();
    }
    void command(int index) { window->optionsPage().controls().cmdChangePath[index]->click(); }
};

} // namespace

TEST_F(FileCommandsTest, newCreatesAndOpensAnEmptyDatabase)
{
    dialogBackend().chooseFiles({inFolder("fresh")});
    command(app::FileCommands::New);
    EXPECT_EQ(dialogBackend().fileRequests().back().title, "Create a New Database");
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("fresh.xml"));
    EXPECT_EQ(window->optionsPage().controls().txtChangePath->text(), inFolder("fresh.xml"));
    EXPECT_TRUE(QFile::exists(inFolder("fresh.xml")));
    EXPECT_TRUE(window->customersPage().controls().lvwCustomersVis->isEmpty());
    EXPECT_FALSE(window->hasUnsavedChanges());

    // A name that exists is refused; nothing changes.
    dialogBackend().chooseFiles({test::databaseFile()});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::New);
    EXPECT_EQ(scriptedHost().lastPrompt().text, "If you want to create a new database,\r\nyou'll need to type in a new (unique) file name.");
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("fresh.xml"));

    // A file that cannot be created leaves the path as it was.
    dialogBackend().chooseFiles({inFolder("missing/folder/new.XML")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::New);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Not Created");
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("fresh.xml"));
}

TEST_F(FileCommandsTest, newAndOpenOfferToSaveUnsavedChangesFirst)
{
    window->companyInfoPage().controls().txtCompanyDetails[5]->setText("Slogan");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    command(app::FileCommands::New);
    EXPECT_TRUE(window->hasUnsavedChanges());

    scriptedHost().answerMessageBox(MessageAnswer::Yes);
    dialogBackend().dismiss(test::ScriptedDialogBackend::Dialog::File);
    command(app::FileCommands::Open);
    EXPECT_TRUE(fileBytes(test::databaseFile()).contains("<CompanySlogan>Slogan</CompanySlogan>"));
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(FileCommandsTest, openReadsTheChosenFileAndSwitchesOnlyWhenItCould)
{
    QFile other(inFolder("other.xml"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray(test::sampleDatabase()).replace("Adams", "Baker"));
    other.close();

    dialogBackend().chooseFiles({inFolder("nothing-here")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::Open);
    EXPECT_TRUE(scriptedHost().lastPrompt().text.endsWith(inFolder("nothing-here.xml")));
    EXPECT_FALSE(settings().contains("FileHandling", "DatabasePath"));

    dialogBackend().chooseFiles({inFolder("other")});
    command(app::FileCommands::Open);
    EXPECT_EQ(dialogBackend().fileRequests().back().title, "Open an Exisiting Database");
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("other.xml"));
    EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->textAt(1), "Baker, Bob");
}

TEST_F(FileCommandsTest, theBusyCursorShowsWhileAFileIsReadOrWrittenAndGoesWhenItFails)
{
    const auto writeFile = [](const QString& name, const QByteArray& bytes) {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const int spellsBefore = scriptedHost().busySpells();
    writeFile("damaged.xml", QByteArray(test::sampleDatabase()).replace("<Customer CID=\"2\">", "<Customer CID=\"x\">"));
    dialogBackend().chooseFiles({inFolder("damaged")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::Open);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Unreadable Entries Found");
    EXPECT_TRUE(scriptedHost().lastPrompt().whileBusy) << "told in the midst of the load";
    EXPECT_FALSE(scriptedHost().busy());

    writeFile("list.xml", "Shopping list\r\nmilk\r\n");
    dialogBackend().chooseFiles({inFolder("list")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::Open);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Not Read");
    EXPECT_TRUE(scriptedHost().lastPrompt().whileBusy);
    EXPECT_FALSE(scriptedHost().busy()) << "gone after an Open that failed";

    window->companyInfoPage().controls().txtCompanyDetails[4]->setText("555-0100");
    dialogBackend().chooseFiles({inFolder("no/folder/copy")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::SaveAs);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_TRUE(scriptedHost().lastPrompt().whileBusy);
    EXPECT_FALSE(scriptedHost().busy()) << "gone after a save that failed";

    // The question before abandoning the changes comes first, and then the busy reading of the
    // damaged file.
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit window->frameControls().cmdCancel->clicked();
    const auto& prompts = scriptedHost().prompts();
    ASSERT_GE(prompts.size(), 2u);
    EXPECT_EQ(prompts[prompts.size() - 2].title, "ABANDON ALL CHANGES???");
    EXPECT_FALSE(prompts[prompts.size() - 2].whileBusy);
    EXPECT_TRUE(prompts.back().whileBusy);
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_EQ(scriptedHost().busySpells() - spellsBefore, 4) << "once each: two Opens, the Save As, the Cancel";
}

TEST_F(FileCommandsTest, saveAsWritesTheNewFileFirst)
{
    window->companyInfoPage().controls().txtCompanyDetails[4]->setText("555-0100");
    const QByteArray old = fileBytes(test::databaseFile());

    dialogBackend().chooseFiles({inFolder("no/folder/copy")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    command(app::FileCommands::SaveAs);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_FALSE(settings().contains("FileHandling", "DatabasePath"));

    QFile existing(inFolder("taken.xml"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    dialogBackend().chooseFiles({inFolder("taken.xml")});
    scriptedHost().answerMessageBox(MessageAnswer::No);
    command(app::FileCommands::SaveAs);
    EXPECT_EQ(fileBytes(inFolder("taken.xml")), "keep me");

    // Written over a file that its owner may not read, the new file keeps that permission and
    // cannot be read back: the data shown and the path stay as they were.
    ASSERT_TRUE(QFile::setPermissions(inFolder("taken.xml"), QFile::WriteOwner));
    {
        const test::OrdinaryUser user;
        dialogBackend().chooseFiles({inFolder("taken.xml")});
        scriptedHost().answerMessageBox(MessageAnswer::Yes);
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        command(app::FileCommands::SaveAs);
    }
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Not Read");
    EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->count(), 2);
    EXPECT_EQ(window->companyInfoPage().controls().txtCompanyDetails[4]->text(), "555-0100");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_FALSE(settings().contains("FileHandling", "DatabasePath"));

    dialogBackend().chooseFiles({inFolder("copy")});
    command(app::FileCommands::SaveAs);
    EXPECT_TRUE(fileBytes(inFolder("copy.xml")).contains("<CompanyPhone>555-0100</CompanyPhone>"));
    EXPECT_EQ(fileBytes(test::databaseFile()), old) << "the old file stays as last saved";
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("copy.xml"));
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(FileCommandsTest, afterNewOpenOrClosingTheBooksNoViewShowsAPeriodTheTablesDoNotHold)
{
    const auto expectNoPeriodShown = [&](const char* after) {
        EXPECT_FALSE(window->billPeriodsPage().newPeriod().isComposing()) << after;
        EXPECT_EQ(window->billPeriodsPage().controls().tvwInvoiceRecords[0]->nodeCount(), 0) << after;
        EXPECT_EQ(window->printingPage().controls().tvwInvoiceRecords[1]->nodeCount(), 0) << after;
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(window->billPeriodsPage().controls().txtPField[i]->text(), "") << after;
        EXPECT_FALSE(window->billPeriodsPage().controls().cmdAdjustBalance->visible()) << after;
    };
    window->billPeriodsPage().controls().cmbBillPeriod[1]->setListIndex(0);
    window->billPeriodsPage().controls().tvwInvoiceRecords[0]->select("1k");
    window->billPeriodsPage().treeMouseUp(platform::TreeView::LeftButton, 0);
    ASSERT_TRUE(window->billPeriodsPage().controls().cmdAdjustBalance->visible());
    dialogBackend().chooseFiles({inFolder("fresh")});
    command(app::FileCommands::New);
    expectNoPeriodShown("New");

    dialogBackend().chooseFiles({test::databaseFile()});
    command(app::FileCommands::Open);
    EXPECT_EQ(window->printingPage().controls().tvwInvoiceRecords[1]->text("root_node"), "February");
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    window->billPeriodsPage().newPeriod().billSelectedProduct();
    settings().setValue("Messages", "DontShowExplanationOfClosingBooks", "True");
    dialogBackend().chooseFiles({inFolder("2027")});
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    expectNoPeriodShown("closing the books");
}

TEST_F(FileCommandsTest, closingTheBooksCarriesCustomersAndProductsOver)
{
    window->companyInfoPage().controls().txtCompanyDetails[6]->setText("Garden care");
    scriptedHost().answerModal([](platform::Form& form) {
        static_cast<components::MessageWindow&>(form).cmdYes->click();
    });
    dialogBackend().chooseFiles({inFolder("2027")});
    window->optionsPage().controls().cmdCloseBooks[4]->click();

    const QByteArray old = fileBytes(test::databaseFile());
    EXPECT_TRUE(old.contains("<GeneralInvoiceDescription>Garden care</GeneralInvoiceDescription>"))
        << "the unsaved change went to the old file first";
    EXPECT_TRUE(old.contains("<BPName>January</BPName>"));
    EXPECT_TRUE(old.contains("<InvoiceRecord>"));
    const QList<QByteArray> lines = fileBytes(inFolder("2027.xml")).split('\n');
    const QByteArray fresh = fileBytes(inFolder("2027.xml"));
    EXPECT_TRUE(fresh.contains("<GeneralInvoiceDescription>Garden care</GeneralInvoiceDescription>"));
    EXPECT_TRUE(fresh.contains("<Customer CID=\"3\">")) << "archived customers come along unchanged";
    EXPECT_TRUE(fresh.contains("<Item>Snow removal</Item>"));
    EXPECT_FALSE(fresh.contains("<BillPeriod>"));
    EXPECT_FALSE(fresh.contains("<InvoiceRecord>"));
    EXPECT_TRUE(lines.contains("\t<BillPeriods>\r"));
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), inFolder("2027.xml"));
    EXPECT_EQ(window->billPeriodsPage().controls().cmbBillPeriod[1]->listCount(), 0);
    EXPECT_EQ(window->printingPage().controls().cmbBillPeriod[2]->listCount(), 0);
    EXPECT_FALSE(window->hasUnsavedChanges());
}

TEST_F(FileCommandsTest, closingTheBooksStopsAtTheFirstFailure)
{
    settings().setValue("Messages", "DontShowExplanationOfClosingBooks", "True");
    dialogBackend().dismiss(test::ScriptedDialogBackend::Dialog::File);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    EXPECT_TRUE(scriptedHost().lastPrompt().text.startsWith("If you want to close the books"));

    // The old file cannot be written: nothing switches and the payment stays.
    window->companyInfoPage().controls().txtCompanyDetails[3]->setText("Unit 9");
    settings().setValue("FileHandling", "DatabasePath", inFolder("gone/TAV.xml"));
    dialogBackend().chooseFiles({inFolder("next")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_FALSE(QFile::exists(inFolder("next.xml")));
    EXPECT_EQ(window->books().data().periods.count(), 2);

    // The new file cannot be written: the old path and the periods stay.
    settings().setValue("FileHandling", "DatabasePath", test::databaseFile());
    dialogBackend().chooseFiles({inFolder("no/folder/next")});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    EXPECT_EQ(settings().value("FileHandling", "DatabasePath"), test::databaseFile());
    EXPECT_EQ(window->books().data().periods.count(), 2);
    EXPECT_FALSE(window->hasUnsavedChanges()) << "the old file was saved first";
}

TEST_F(FileCommandsTest, answeringNoToTheExplanationCancels)
{
    scriptedHost().answerModal([](platform::Form& form) {
        static_cast<components::MessageWindow&>(form).cmdNo->click();
    });
    window->optionsPage().controls().cmdCloseBooks[4]->click();
    EXPECT_TRUE(dialogBackend().fileRequests().empty());
}
