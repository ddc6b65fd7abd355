#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"
#include "support/TreeState.h"

using namespace tav;
using platform::MessageAnswer;
using platform::SystemColor::GrayText;
using platform::SystemColor::WindowText;
using platform::TreeView;
using records::FieldSeparator;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

constexpr platform::ColorValue kOwesRed = platform::rgbValue(192, 0, 0);

QString invoiceKey(const QString& period, const QString& customer)
{
    return records::InvoiceRecord::key(period, customer);
}

// Period "May": customer 12 owes 45 for products 7 (once) and 9 (three times) with a stored note;
// customer 30 has paid for product 7; between them stands a record of period "April" and after
// them another record of May (customer 40, owes 5). Customer 40 and product 9 are gone from the
// tables.
class InvoiceTreesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        test::writeDatabaseFile({});
        start();
        auto& db = window->books().data();
        for (const auto& [key, first, last] : std::vector<std::tuple<QString, QString, QString>>{
                 {"12k", "Ann", "Lee"}, {"30k", "Kim", "Moss"}}) {
            records::CustomerRecord customer;
            customer.values[0] = first;
            customer.values[1] = last;
            customer.archived = key == "30k";
            db.customers.add(key, customer.text());
        }
        db.products.add("7k", records::ProductRecord{1500, "$15.00", "Mowing", false}.text());
        db.periods.add("May", records::BillPeriodRecord{"2026/05/01", "May", "2026/05/31", "2026/06/15"}.text());
        db.periods.add("April", records::BillPeriodRecord{"2026/04/01", "April", "2026/04/30", "2026/05/15"}.text());
        const QChar IS = records::ItemSeparator;
        db.invoiceRecords.add(invoiceKey("May", "12"), records::InvoiceRecord{"May", "Lee, Ann", "12", "45", "7" + QString(IS) + "9x3", "check 88"}.text());
        db.invoiceRecords.add(invoiceKey("April", "12"), records::InvoiceRecord{"April", "Lee, Ann", "12", "15", "7", ""}.text());
        db.invoiceRecords.add(invoiceKey("May", "30"), records::InvoiceRecord{"May", "Moss, Kim", "30", "0", "7", ""}.text());
        db.invoiceRecords.add(invoiceKey("May", "40"), records::InvoiceRecord{"May", "Gone, Jo", "40", "5", "7x2", ""}.text());
        emit window->books().tablesReplaced();
        window->billPeriodsPage().controls().cmbBillPeriod[1]->setListIndex(1);
    }

    TreeView& periods() { return *window->billPeriodsPage().controls().tvwInvoiceRecords[0]; }
    TreeView& printing() { return *window->printingPage().controls().tvwInvoiceRecords[1]; }
};

} // namespace

TEST_F(InvoiceTreesTest, bothTreesShowEveryRecordOfThePeriod)
{
    ASSERT_EQ(window->printingPage().controls().cmbBillPeriod[2]->text(), "May");
    EXPECT_EQ(periods().text("root_node"), "May");
    EXPECT_EQ(periods().childKeys("root_node"), QStringList({"12k", "30k", "40k"}));
    EXPECT_EQ(periods().text("12k"), "Lee, Ann - owes $45.00");
    EXPECT_EQ(periods().text("30k"), "Moss, Kim - paid") << "archived customers show under their plain name";
    EXPECT_EQ(periods().text("40k"), "Gone, Jo - owes $5.00") << "a customer who is gone shows the record's name";
    EXPECT_EQ(periods().foreColor("12k"), kOwesRed);
    EXPECT_EQ(periods().foreColor("30k"), WindowText);
    EXPECT_EQ(periods().childKeys("12k"), QStringList({"1bi", "2bi", "12knote"}));
    EXPECT_EQ(periods().text("1bi"), "$15.00 - Mowing");
    EXPECT_EQ(periods().text("2bi"), "(product 9 not found) (x3)");
    EXPECT_EQ(periods().text("12knote"), "NOTE: check 88");
    EXPECT_EQ(periods().childKeys("30k"), QStringList({"3bi"})) << "item keys run on across customers";

    EXPECT_FALSE(printing().contains("12knote")) << "payment notes show on the Bill Periods tree only";
    EXPECT_TRUE(printing().checked("root_node"));
    EXPECT_TRUE(printing().checked("12k"));
    EXPECT_EQ(printing().foreColor("12k"), WindowText);
    EXPECT_FALSE(printing().checked("30k"));
    EXPECT_EQ(printing().foreColor("30k"), GrayText);
    EXPECT_TRUE(printing().checked("3bi")) << "items are checked under a paid customer too";
    EXPECT_EQ(printing().foreColor("3bi"), GrayText);

    // Texts with a field more or less are no records to show.
    const auto text = [](const QString& number) { return records::InvoiceRecord{"May", "Lee, Ann", number, "5", "7", ""}.text(); };
    window->books().data().invoiceRecords.add(invoiceKey("May", "50"), text("50") + FieldSeparator + "more");
    window->books().data().invoiceRecords.add(invoiceKey("May", "60"), text("60").chopped(1));
    window->billPeriodsPage().buildInvoiceTree();
    EXPECT_EQ(periods().childKeys("root_node"), QStringList({"12k", "30k", "40k"}));
}

TEST_F(InvoiceTreesTest, thePrintingRootSetsEveryNodeAndGreyNodesOnlyThemselves)
{
    printing().setChecked("root_node", false);
    window->printingPage().treeNodeCheck("root_node");
    for (int i = 1; i <= printing().nodeCount(); ++i)
        EXPECT_FALSE(printing().checked(printing().keyAt(i)));
    printing().setChecked("30k", true);
    window->printingPage().treeNodeCheck("30k");
    EXPECT_FALSE(printing().checked("3bi"));
    printing().setChecked("root_node", true);
    window->printingPage().treeNodeCheck("root_node");
    EXPECT_TRUE(printing().checked("30k"));

    // A customer named like the period is no root.
    printing().setText("12k", "May");
    printing().setChecked("12k", false);
    window->printingPage().treeNodeCheck("12k");
    EXPECT_TRUE(printing().checked("1bi"));

    // Where everyone has paid, the root is grey and checking it changes its own box only.
    window->books().data().periods.add("June", records::BillPeriodRecord{"2026/06/01", "June", "2026/06/30", "2026/07/15"}.text());
    window->books().data().invoiceRecords.add(invoiceKey("June", "30"),
                                  records::InvoiceRecord{"June", "Moss, Kim", "30", "0", "7", ""}.text());
    emit window->books().tablesReplaced();
    window->billPeriodsPage().controls().cmbBillPeriod[1]->setListIndex(2);
    ASSERT_EQ(printing().text("root_node"), "June");
    EXPECT_EQ(printing().foreColor("root_node"), GrayText);
    EXPECT_FALSE(printing().checked("root_node"));
    printing().setChecked("root_node", true);
    window->printingPage().treeNodeCheck("root_node");
    EXPECT_TRUE(printing().checked("root_node"));
    EXPECT_FALSE(printing().checked("30k"));
}

TEST_F(InvoiceTreesTest, aRightClickAddsOneInvoiceNotePerCustomer)
{
    printing().select("12k");
    scriptedHost().answerInputBox("Thank you!");
    window->printingPage().treeMouseUp(TreeView::RightButton);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Add a Note to Customer Bill");
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Enter your note to be added\r\nwhen this customer's bill is printed:");
    EXPECT_EQ(printing().text("12kn"), "INVOICE NOTE: Thank you!");
    EXPECT_TRUE(printing().checked("12kn"));

    printing().setChecked("12kn", false);
    scriptedHost().answerInputBox("Another");
    window->printingPage().treeMouseUp(TreeView::RightButton);
    EXPECT_EQ(printing().text("12kn"), "INVOICE NOTE: Thank you!");
    EXPECT_TRUE(printing().checked("12kn"));

    scriptedHost().answerInputBox("");
    printing().select("30k");
    window->printingPage().treeMouseUp(TreeView::RightButton);
    EXPECT_FALSE(printing().contains("30kn"));
    printing().select("1bi");
    window->printingPage().treeMouseUp(TreeView::RightButton); // asks nothing
}

TEST_F(InvoiceTreesTest, paymentsRewriteTheRecordAndBothTrees)
{
    const auto& frame = window->frameControls();
    // A double-click on a customer already paid changes nothing and leaves nothing to save.
    const QString paid = *window->books().data().invoiceRecords.find(invoiceKey("May", "30"));
    periods().select("30k");
    window->billPeriodsPage().treeDoubleClick();
    EXPECT_EQ(*window->books().data().invoiceRecords.find(invoiceKey("May", "30")), paid);
    EXPECT_FALSE(frame.cmdSave->visible());
    EXPECT_FALSE(frame.cmdCancel->visible());

    periods().select("2bi");
    window->billPeriodsPage().treeMouseUp(TreeView::LeftButton, 0);
    EXPECT_FALSE(window->billPeriodsPage().controls().cmdAdjustBalance->visible());
    periods().select("12k");
    window->billPeriodsPage().treeMouseUp(TreeView::LeftButton, 0);
    EXPECT_TRUE(window->billPeriodsPage().controls().cmdAdjustBalance->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().cmdResetCustomerAccounts->caption(), "&Log Full Payment");

    printing().select("12k");
    scriptedHost().answerInputBox("Kept?");
    window->printingPage().treeMouseUp(TreeView::RightButton);

    scriptedHost().answerInputBox(" $1,260.00 ");
    scriptedHost().answerInputBox("check\t99");
    window->billPeriodsPage().controls().cmdAdjustBalance->click();
    EXPECT_EQ(scriptedHost().prompts().at(scriptedHost().prompts().size() - 2).text, "Enter the new balance for:\r\n\r\nLee, Ann");
    const records::InvoiceRecord expected{"May", "Lee, Ann", "12", "1260", "7" + QString(records::ItemSeparator) + "9x3",
                                          "check 99"};
    EXPECT_EQ(*window->books().data().invoiceRecords.find(invoiceKey("May", "12")), expected.text());
    EXPECT_EQ(periods().text("12k"), "Lee, Ann - owes $1,260.00");
    EXPECT_EQ(periods().text("12knote"), "NOTE: check 99");
    EXPECT_FALSE(printing().contains("12kn")) << "the Printing tree is rebuilt";
    EXPECT_FALSE(window->billPeriodsPage().controls().cmdAdjustBalance->visible());
    EXPECT_TRUE(window->hasUnsavedChanges());

    // A full payment by double-click empties the note.
    periods().select("12k");
    window->billPeriodsPage().treeDoubleClick();
    EXPECT_EQ(periods().text("12k"), "Lee, Ann - paid");
    EXPECT_EQ(periods().foreColor("12k"), WindowText);
    EXPECT_TRUE(window->books().data().invoiceRecords.find(invoiceKey("May", "12"))->endsWith(QString(FieldSeparator) + "0" + FieldSeparator + "7"
                                                                                      + records::ItemSeparator + "9x3" + FieldSeparator));
    EXPECT_FALSE(printing().checked("12k"));
    EXPECT_EQ(printing().foreColor("12k"), GrayText);
}

TEST_F(InvoiceTreesTest, balancesAreReadAsTheLocaleShowsThemAndUnusableOnesLogNothing)
{
    periods().select("12k");
    const QString before = *window->books().data().invoiceRecords.find(invoiceKey("May", "12"));
    for (const char* answer : {"abc", "0.000", "", "1e999", "99999999999999"}) {
        scriptedHost().answerInputBox(answer);
        scriptedHost().answerInputBox(QString(answer).isEmpty() ? "a note" : "");
        window->billPeriodsPage().controls().cmdAdjustBalance->setVisible(true);
        window->billPeriodsPage().controls().cmdAdjustBalance->click();
        EXPECT_EQ(*window->books().data().invoiceRecords.find(invoiceKey("May", "12")), before) << answer;
    }
    const auto pay = [&](const QString& answer) {
        periods().select("12k");
        scriptedHost().answerInputBox(answer);
        scriptedHost().answerInputBox("n");
        window->billPeriodsPage().controls().cmdAdjustBalance->click();
        return records::InvoiceRecord::fromText(*window->books().data().invoiceRecords.find(invoiceKey("May", "12")))->balance;
    };
    // A zero is a full payment with or without the currency sign; typed decimals are rounded half
    // away from zero, exactly as typed.
    for (const auto& [answer, expected] : std::vector<std::pair<QString, QString>>{
             {"12.50", "12.5"}, {"0.00", "0"}, {"-5", "-5"}, {"$0", "0"}, {"12.345", "12.35"}, {"$0.00", "0"},
             {"0.125", "0.13"}, {"123456.78", "123456.78"}})
        EXPECT_EQ(pay(answer), expected) << answer.toStdString();
    EXPECT_EQ(periods().text("12k"), "Lee, Ann - owes $123,456.78");

    // With an item selected by the keyboard, the payment buttons do nothing.
    periods().select("1bi");
    window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
    EXPECT_EQ(periods().text("12k"), "Lee, Ann - owes $123,456.78");

    // On a German computer the balance is read as German amounts are shown: "3.5" is no amount.
    const test::UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& [answer, expected] : std::vector<std::pair<QString, QString>>{
             {"1.234,5 €", "1234.5"}, {"3.5", "1234.5"}, {"0,00", "0"}, {"12,5", "12.5"}})
        EXPECT_EQ(pay(answer), expected) << answer.toStdString();
    EXPECT_EQ(periods().text("12k"), QString("Lee, Ann - owes 12,50\u00A0€"));
}

TEST_F(InvoiceTreesTest, aPaymentLeavesThePrintingTreeAsARebuildWould)
{
    // What the user did on the Printing page, and a customer renamed since the tree was built.
    printing().setChecked("3bi", false);
    printing().select("12k");
    scriptedHost().answerInputBox("Thank you!");
    window->printingPage().treeMouseUp(TreeView::RightButton);
    printing().setExpanded("30k", false);
    printing().select("40k");
    records::CustomerRecord renamed;
    renamed.values[0] = "Kimberly";
    renamed.values[1] = "Moss";
    renamed.archived = true;
    window->books().data().customers.remove("30k");
    window->books().data().customers.add("30k", renamed.text());

    periods().select("12k");
    window->billPeriodsPage().treeDoubleClick();
    const QStringList afterPayment = test::treeState(printing());
    EXPECT_EQ(printing().text("30k"), "Moss, Kimberly - paid");

    printing().clear();
    window->printingPage().buildInvoiceTree();
    EXPECT_EQ(afterPayment, test::treeState(printing()));
}

TEST_F(InvoiceTreesTest, anEditedCustomerIsNamedAsEditedInEveryTreeThatListsIt)
{
    printing().select("12k");
    scriptedHost().answerInputBox("Thank you!");
    window->printingPage().treeMouseUp(TreeView::RightButton);
    printing().setChecked("1bi", false);
    const auto& customers = window->customersPage().controls();
    const auto rename = [&](const QString& last) {
        customers.lvwCustomersVis->select(customers.lvwCustomersVis->positionOf("12k"));
        emit customers.lvwCustomersVis->clicked();
        customers.txtField[1]->setText(last);
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        customers.cmdAddNew->click();
    };
    rename("Leigh");
    EXPECT_EQ(periods().text("12k"), "Leigh, Ann - owes $45.00");
    EXPECT_EQ(printing().text("12k"), "Leigh, Ann - owes $45.00");
    EXPECT_EQ(printing().text("12kn"), "INVOICE NOTE: Thank you!") << "the Printing tree keeps what the user added";
    EXPECT_FALSE(printing().checked("1bi"));

    // While a new period is composed, the Bill Periods tree lists every customer, marked or not.
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    ASSERT_TRUE(window->billPeriodsPage().newPeriod().isMarked("12k"));
    rename("Lee");
    EXPECT_EQ(periods().text("12k"), "*Lee, Ann");
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("12k"));
}
