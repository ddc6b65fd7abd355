#include "MainWindowFixture.h"

#include "app/books/LoadNotice.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "records/ReadReport.h"
#include "records/Separators.h"

#include <sys/stat.h>

using namespace tav;
using platform::MessageAnswer;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

// The sample with an invoice record of customer 9, whom the file does not hold, in two periods.
QByteArray withMissingCustomer()
{
    QByteArray bytes = test::sampleDatabase();
    const QByteArray record = "\t\t<InvoiceRecord>\r\n\t\t\t<BP>January</BP>\r\n\t\t\t<CID>9</CID>\r\n"
                              "\t\t\t<AccountBalance>5</AccountBalance>\r\n\t\t\t<PSID Number=\"1\">2</PSID>\r\n"
                              "\t\t</InvoiceRecord>\r\n";
    QByteArray again = record;
    again.replace("January", "February");
    bytes.replace("\t</InvoiceRecords>", record + again + "\t</InvoiceRecords>");
    return bytes;
}

void pressOkay(platform::Form& form)
{
    static_cast<components::MessageWindow&>(form).cmdOkay->click();
}

// The sample with a customer whose number cannot be read: the load leaves it out.
QByteArray withUnreadableCustomer()
{
    return QByteArray(test::sampleDatabase()).replace("<Customer CID=\"2\">", "<Customer CID=\"x\">");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void saveWithCompanyName(app::MainWindow& window, const QString& name)
{
    window.companyInfoPage().controls().txtCompanyDetails[0]->setText(name);
    ASSERT_TRUE(window.books().saveDatabase());
}

} // namespace

TEST_F(MainWindowTest, aMissingCustomerGetsOnePlaceholderAndOneNotice)
{
    test::writeDatabaseFile(withMissingCustomer());
    scriptedHost().answerModal(pressOkay);
    start();
    EXPECT_EQ(scriptedHost().prompts().size(), 1u);
    EXPECT_EQ(window->books().data().customers.find("9k")->section(records::FieldSeparator, 0, 0), "Customer, Deleted");
    EXPECT_TRUE(window->hasUnsavedChanges()) << "the placeholder is saved with the next save";
    EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->textAt(2), "Customer, Deleted");
}

TEST_F(MainWindowTest, aSilencedNoticeStillRepairsAndMarksTheChange)
{
    test::writeDatabaseFile(withMissingCustomer());
    platform::settings().setValue("Messages", "DeletedCustomer", "true");
    start();
    EXPECT_TRUE(window->books().data().customers.contains("9k"));
    EXPECT_TRUE(window->hasUnsavedChanges());
}

TEST_F(MainWindowTest, aFreshAccountKeepsTheDatabaseInTheDataFolderWhenTheProgramFolderIsReadOnly)
{
    const QString program = test::testFolder() + "/program";
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                       | QFile::ReadOther | QFile::ExeOther);
    const test::OrdinaryUser user;
    ASSERT_FALSE(QFileInfo(program).isWritable());
    start(); // the scripted host fails the test on any message, such as "Database File Not Created"
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("New Co");
    EXPECT_TRUE(window->books().saveDatabase());

    const QString folder = test::testFolder() + "/data/TAV";
    QFile file(folder + "/TAV.xml");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<CompanyName>New Co</CompanyName>"));
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "the folder is the user's own";
    EXPECT_TRUE(QDir(program).isEmpty());
}

TEST_F(MainWindowTest, whatALoadLeavesOutIsToldOnceByItsLinesBeforeAnySave)
{
    QByteArray bytes = test::sampleDatabase();
    bytes.replace("<Customer CID=\"2\">", "<Customer CID=\"x\">");
    bytes.replace("<PS PSID=\"2\">", "<PS PSID=\"1\">");
    bytes.replace("<FName>Bob</FName>", "<FName>Bob</FNme>");
    test::writeDatabaseFile(bytes);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    EXPECT_EQ(scriptedHost().prompts().size(), 1u);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Unreadable Entries Found");
    EXPECT_EQ(scriptedHost().lastPrompt().text.toStdString(),
              "6 lines of the database file could not be read and are left out:\r\n"
              "  line 10: <FName>Bob</FNme>\r\n"
              "  lines 15 to 19: <Customer CID=\"x\">\r\n\r\n"
              "1 entry of the database file repeated the number or name of an earlier entry and is left out; the "
              "earlier one, named here, is kept:\r\n"
              "  lines 48 to 52: repeats product or service 1 ($12.50 - Lawn mowing)\r\n\r\n"
              "(Saving writes the database without what was left out. The file as it was is kept as TAV.xml.damaged "
              "when you next save.)");
    EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->count(), 1);
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->count(), 1);
    EXPECT_TRUE(window->books().data().products.find("1k")->endsWith("Lawn mowing"));
    EXPECT_FALSE(window->hasUnsavedChanges());

    // A file cut short is told so, and duplicates alone are told as such.
    test::writeDatabaseFile(test::sampleDatabase().left(test::sampleDatabase().indexOf("\t\t<InvoiceRecord>")));
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->books().loadAndShowDatabase();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Unreadable Entries Found");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.startsWith(
        "The database file does not end with its last line, </TAV-DB>: it may have been cut short"));
    bytes.replace("<Customer CID=\"x\">", "<Customer CID=\"1\">");
    bytes.replace("<PS PSID=\"3\">", "<PS PSID=\"1\">");
    bytes.replace("<FName>Bob</FNme>", "<FName>Bob</FName>");
    test::writeDatabaseFile(bytes);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->books().loadAndShowDatabase();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Entries Found");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.startsWith(
        "3 entries of the database file repeated the number or name of an earlier entry and are left out; the "
        "earlier one, named here, is kept:\r\n  lines 15 to 19: repeats customer 1 (Adams, Bob)\r\n"));
}

TEST_F(MainWindowTest, theFileAsADamagedLoadFoundItIsKeptThroughEverySaveUnderTheNameTold)
{
    const QByteArray damaged = withUnreadableCustomer();
    test::writeDatabaseFile(damaged);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    const QString kept = test::databaseFile() + ".damaged";
    EXPECT_TRUE(scriptedHost().lastPrompt().text.endsWith(" The file as it was is kept as TAV.xml.damaged when you "
                                                          "next save.)"));
    EXPECT_FALSE(QFile::exists(kept)) << "nothing is kept before a save";
    saveWithCompanyName(*window, "New Co");
    saveWithCompanyName(*window, "Newer Co");
    EXPECT_EQ(fileBytes(kept), damaged);
    EXPECT_TRUE(fileBytes(test::databaseFile() + ".bak").contains("<CompanyName>New Co</CompanyName>"));

    // Damaged again: the first copy stays and the next name is told. When that name is taken before
    // the save, the file goes to a free one, and the user is told which.
    test::writeDatabaseFile(damaged);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->books().loadAndShowDatabase();
    EXPECT_TRUE(scriptedHost().lastPrompt().text.endsWith("kept as TAV.xml.damaged2 when you next save.)"));
    writeFile(kept + "2", "someone else's");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    saveWithCompanyName(*window, "Newest Co");
    EXPECT_EQ(scriptedHost().lastPrompt().text, "The database file as it was when it was read is kept as TAV.xml.damaged3.");
    EXPECT_EQ(fileBytes(kept + "3"), damaged);
    EXPECT_EQ(fileBytes(kept + "2"), "someone else's");
    EXPECT_EQ(fileBytes(kept), damaged);
}

TEST_F(MainWindowTest, aDamagedDatabaseBehindALinkIsKeptBesideTheFileTheLinkNames)
{
    const QString real = test::testFolder() + "/books/2026.xml";
    QDir().mkpath(test::testFolder() + "/books");
    writeFile(real, withUnreadableCustomer());
    ASSERT_TRUE(QFile::link(real, test::databaseFile()));
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    EXPECT_TRUE(scriptedHost().lastPrompt().text.endsWith(" The file as it was is kept as " + real
                                                          + ".damaged when you next save.)"));
    saveWithCompanyName(*window, "New Co");
    EXPECT_EQ(fileBytes(real + ".damaged"), withUnreadableCustomer());
    EXPECT_TRUE(QFileInfo(test::databaseFile()).isSymLink());
    EXPECT_FALSE(QFile::exists(test::databaseFile() + ".damaged"));
}

TEST_F(MainWindowTest, pricesWrittenUnderAnotherLocaleKeepTheirAmountsOrAreToldWithHowToClearThem)
{
    QByteArray bytes = test::sampleDatabase();
    bytes.replace("<ItemPrice>$12.50</ItemPrice>", "<ItemPrice>CHF 1\u2019234.50</ItemPrice>");
    bytes.replace("<ItemPrice>$5.00</ItemPrice>", "<ItemPrice>$1,234</ItemPrice>");
    test::writeDatabaseFile(bytes);
    const test::UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    EXPECT_EQ(window->books().data().products.find("1k")->left(12), "000001234.50");
    // A comma and three digits may be a group or three decimals: the price is not guessed, and
    // the notice says how to clear it for a product that is deleted too.
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Amounts Not Read");
    EXPECT_EQ(scriptedHost().lastPrompt().text.toStdString(),
              "These amounts in the database file could not be read with this computer's number settings and are "
              "kept as they are written:\r\n"
              "  line 50: the price \"$1,234\" of Hedge trimming\r\n\r\n"
              "(A product or service whose price could not be read cannot be billed, and its lines on invoices print "
              "without an amount. To clear an amount for good, deleted products and services included, correct it on "
              "the line named in the database file with a text editor while TAV is closed.)");
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->textAt(2), "$1,234 - Hedge trimming") << "it sorts after every price";
    // Saved, the price is written as the file wrote it.
    window->companyInfoPage().controls().txtCompanyDetails[2]->setText("Springfield");
    EXPECT_TRUE(window->books().saveDatabase());
    EXPECT_TRUE(test::readDatabaseFile().contains("<ItemPrice>$1,234</ItemPrice>"));
}

TEST_F(MainWindowTest, aFileThatCannotBeReadIsNeverWrittenOver)
{
    // A folder where the database file should be: it exists, and it cannot be read as a file.
    QDir().mkpath(test::databaseFile());
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Not Read");
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("New Co");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    EXPECT_FALSE(window->books().saveDatabase());
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_EQ(scriptedHost().lastPrompt().text,
              "The database file could not be read when it was opened, so it is not written over:\r\n"
                  + test::databaseFile() + "\r\n\r\n(Save your work under a new name with SvAs on the Options page.)");
    EXPECT_TRUE(QFileInfo(test::databaseFile()).isDir());
}

TEST_F(MainWindowTest, aFileThatIsNoDatabaseIsToldAndNeverWrittenOver)
{
    const QByteArray text = "Shopping list\r\nmilk\r\n";
    test::writeDatabaseFile(text);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database File Not Read");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("Not a TAV database file"));
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("New Co");
    for (int save = 0; save < 2; ++save) {
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        EXPECT_FALSE(window->books().saveDatabase());
    }
    // Nor by SvAs onto that same file.
    test::dialogBackend().chooseFiles({test::databaseFile()});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->optionsPage().controls().cmdChangePath[app::FileCommands::SaveAs]->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Database Not Saved");
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(test::readDatabaseFile(), text);
    EXPECT_FALSE(QFileInfo::exists(test::databaseFile() + ".bak"));

    // Once the file holds a database again and Cancel has read it, it is saved as any other.
    test::writeDatabaseFile(test::sampleDatabase());
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit window->frameControls().cmdCancel->clicked();
    EXPECT_EQ(window->customersPage().controls().lvwCustomersVis->count(), 2);
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("New Co");
    EXPECT_TRUE(window->books().saveDatabase());
    EXPECT_TRUE(test::readDatabaseFile().contains("<CompanyName>New Co</CompanyName>"));
}

TEST(LoadNotice, eachKindIsToldWithTheFirstFewLinesAndHowItCounts)
{
    records::ReadReport report;
    report.mixedLineCount = 7;
    for (qsizetype line = 3; line < 8; ++line)
        report.firstMixedLines.append({{line, line}, QStringLiteral("<FName>M\u00fcller</FName>")});
    auto notice = app::loadNotice(report, "TAV.xml.damaged");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, "Mixed Text Encodings Found");
    EXPECT_TRUE(notice->statement.endsWith("  line 7: <FName>M\u00fcller</FName>\r\n  (and 2 more lines)"))
        << notice->statement.toStdString();
    EXPECT_EQ(notice->explanation, "Check the text of those lines and correct it where it is wrong.");

    report.unreadableAmounts = {0, 1, 1};
    report.firstUnreadableAmounts = {{12, records::ReadReport::AmountKind::Balance, "2E+15", "customer 3 in May"},
                                     {14, records::ReadReport::AmountKind::Item, "7x0", "customer 3 in May"}};
    notice = app::loadNotice(report, "TAV.xml.damaged");
    EXPECT_EQ(notice->title, "Amounts Not Read");
    EXPECT_TRUE(notice->statement.contains("  line 12: the balance \"2E+15\" of customer 3 in May\r\n"
                                           "  line 14: the billed item \"7x0\" of customer 3 in May"));
    EXPECT_TRUE(notice->explanation.startsWith(
        "A balance that could not be read counts as owed and shows as it is written; entering a new balance for the "
        "customer on the Bill Periods page replaces it. A billed item that could not be read prints without an "
        "amount."));
    EXPECT_FALSE(notice->explanation.contains("TAV.xml.damaged")) << "nothing was left out";

    EXPECT_FALSE(app::loadNotice(records::ReadReport(), "TAV.xml.damaged"));
}
