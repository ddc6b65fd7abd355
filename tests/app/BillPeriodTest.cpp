#include "MainWindowFixture.h"

#include "app/pages/EntryColors.h"

#include "platform/ComboBox.h"
#include "platform/SettingsStore.h"
#include "platform/CommandButton.h"
#include "platform/KeyCodes.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"

#include <QTest>
#include <QTreeView>

using namespace tav;
using platform::MessageAnswer;
using platform::TreeView;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

const QChar FS = records::FieldSeparator;

class BillPeriodTest : public MainWindowTest {
protected:
    // Customers 12 (Lee, Ann), 30 (Moss, Kim) and archived 5 (Able, Old); products 3 ($5.00 -
    // Shirt (xl)) and 9 ($1,250.00 - Fence).
    void startWithCustomersAndProducts()
    {
        test::writeDatabaseFile({});
        start();
        addCustomer("12k", "Ann", "Lee", false);
        addCustomer("30k", "Kim", "Moss", false);
        addCustomer("5k", "Old", "Able", true);
        window->books().data().products.add("3k", records::ProductRecord{500, "$5.00", "Shirt (xl)", false}.text());
        window->books().data().products.add("9k", records::ProductRecord{125000, "$1,250.00", "Fence", false}.text());
        emit window->books().tablesReplaced();
    }

    void addCustomer(const QString& key, const QString& first, const QString& last, bool archived)
    {
        records::CustomerRecord record;
        record.values[0] = first;
        record.values[1] = last;
        record.archived = archived;
        window->books().data().customers.add(key, record.text());
    }

    TreeView& tree() { return *window->billPeriodsPage().controls().tvwInvoiceRecords[0]; }
    TreeView& printingTree() { return *window->printingPage().controls().tvwInvoiceRecords[1]; }

    void click(const QString& key, int shift = 0)
    {
        tree().select(key);
        window->billPeriodsPage().treeMouseUp(TreeView::LeftButton, shift);
    }

    void bill(const QString& productKey)
    {
        auto* list = window->billPeriodsPage().controls().lvwProducts[1];
        list->select(list->positionOf(productKey));
        window->billPeriodsPage().newPeriod().billSelectedProduct();
    }

    // Enters the name and dates and finalises, answering the confirmation.
    void finalise(const QString& name, MessageAnswer answer = MessageAnswer::Ok)
    {
        window->billPeriodsPage().controls().txtBillPeriod->setText(name);
        window->billPeriodsPage().controls().txtPField[1]->setText("1/1/2026");
        window->billPeriodsPage().controls().txtPField[2]->setText("1/31/2026");
        window->billPeriodsPage().controls().txtPField[3]->setText("2/15/2026");
        scriptedHost().answerMessageBox(answer);
        window->billPeriodsPage().controls().cmdAddNewBP->click();
    }
};

} // namespace

TEST_F(BillPeriodTest, aNewPeriodListsEveryCurrentCustomerMarked)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period Name:");
    EXPECT_TRUE(window->billPeriodsPage().controls().lvwProducts[1]->visible());
    EXPECT_TRUE(window->billPeriodsPage().controls().lblExample->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().lblExample->caption(), "(Example: December 2026)");
    EXPECT_FALSE(window->billPeriodsPage().controls().cmdAddNewBP->visible());
    EXPECT_EQ(tree().width(), 4222 - 240) << "the tree shares the page with the product list";
    ASSERT_EQ(tree().nodeCount(), 3) << "the archived customer is left out";
    EXPECT_EQ(tree().text("root_node"), "New Bill Period");
    EXPECT_EQ(tree().text("12k"), "*Lee, Ann");
    EXPECT_EQ(tree().text("30k"), "*Moss, Kim");
}

TEST_F(BillPeriodTest, marksFollowClicksMenusAndTheRoot)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    click("30k");
    EXPECT_EQ(tree().text("12k"), "Lee, Ann");
    EXPECT_EQ(tree().text("30k"), "*Moss, Kim");
    EXPECT_TRUE(window->billPeriodsPage().controls().cmdResetCustomerAccounts->visible());
    click("12k", platform::ShiftState::Ctrl);
    EXPECT_EQ(tree().text("12k"), "*Lee, Ann");
    click("12k", platform::ShiftState::Ctrl);
    EXPECT_EQ(tree().text("12k"), "Lee, Ann");

    // A customer whose name starts with "*" is still unmarked by its mark, not by its text.
    window->books().data().customers.add("40k", records::CustomerRecord{{"Star", "*Bright"}, false}.text());
    window->billPeriodsPage().newPeriod().buildNewBillPeriodTree();
    EXPECT_EQ(tree().text("40k"), "**Bright, Star");
    click("12k");
    EXPECT_EQ(tree().text("40k"), "*Bright, Star");

    tree().select("30k");
    scriptedHost().answerPopupMenu(1);
    window->billPeriodsPage().treeMouseUp(TreeView::RightButton, 0);
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Select This Customer Only\nSelect All Customers");
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("40k"));
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("12k"));

    click("12k");
    tree().select("root_node");
    window->billPeriodsPage().treeDoubleClick();
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("30k"));
    tree().select("root_node");
    window->billPeriodsPage().treeMouseUp(TreeView::RightButton, 0); // nothing on the root
}

TEST_F(BillPeriodTest, billingAddsItemsAndRaisesQuantities)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("3k");
    EXPECT_EQ(tree().text("0000001200000003b"), "$5.00 - Shirt (xl)");
    EXPECT_EQ(tree().parentKey("0000003000000003b"), "30k");
    bill("3k");
    EXPECT_EQ(tree().text("0000001200000003b"), "$5.00 - Shirt (xl) (x2)");
    bill("3k");
    EXPECT_EQ(tree().text("0000003000000003b"), "$5.00 - Shirt (xl) (x3)");

    click("30k");
    for (int i = 0; i < 6; ++i)
        bill("3k");
    EXPECT_EQ(tree().text("0000003000000003b"), "$5.00 - Shirt (xl) (x9)");
    bill("3k");
    EXPECT_EQ(tree().text("0000003000000003b"), "$5.00 - Shirt (xl) (x10)");
    EXPECT_EQ(tree().text("0000001200000003b"), "$5.00 - Shirt (xl) (x3)") << "unmarked customers keep theirs";
    for (int i = 0; i < 89; ++i)
        bill("3k");
    EXPECT_EQ(tree().text("0000003000000003b"), "$5.00 - Shirt (xl) (x99)");
    bill("3k");
    EXPECT_EQ(tree().text("0000003000000003b"), "$5.00 - Shirt (xl) (x100)");
    EXPECT_EQ(window->billPeriodsPage().newPeriod().itemQuantity("0000003000000003b"), 100);

    tree().select("0000003000000003b");
    scriptedHost().answerPopupMenu(0);
    window->billPeriodsPage().treeMouseUp(TreeView::RightButton, 0);
    EXPECT_FALSE(tree().contains("0000003000000003b"));
    tree().select("0000001200000003b");
    window->billPeriodsPage().treeDoubleClick();
    EXPECT_FALSE(tree().contains("0000001200000003b"));

    // Products chosen on the products page bill nothing.
    window->productsPage().controls().lvwProducts[0]->select(1);
    emit window->productsPage().controls().lvwProducts[0]->doubleClicked();
    EXPECT_EQ(tree().nodeCount(), 3);
}

TEST_F(BillPeriodTest, theReleaseThatEndsADoubleClickIsNoClickOfItsOwn)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("3k");
    // Lee's only item, double-clicked with the mouse: it goes, the selection moves to her, and the
    // button's last release must not then mark her alone.
    QTreeView* view = tree().treeView();
    QWidget* viewport = view->viewport();
    const QModelIndex item = view->model()->index(0, 0, view->model()->index(0, 0, view->model()->index(0, 0)));
    const QPoint at = view->visualRect(item).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    EXPECT_FALSE(tree().contains("0000001200000003b"));
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("12k"));
    EXPECT_TRUE(window->billPeriodsPage().newPeriod().isMarked("30k"));
}

TEST_F(BillPeriodTest, finalisingStoresThePeriodAndOneRecordPerBilledCustomer)
{
    startWithCustomersAndProducts();
    // Prices that binary fractions cannot hold: the total is still exact to the cent.
    window->books().data().products.add("4k", records::ProductRecord{1999, "$19.99", "Socks", false}.text());
    window->books().data().products.add("6k", records::ProductRecord{10, "$0.10", "Button", false}.text());
    emit window->books().tablesReplaced();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    click("12k");
    for (int i = 0; i < 7; ++i)
        bill("4k");
    for (int i = 0; i < 3; ++i)
        bill("6k");
    finalise("January 2026");

    ASSERT_EQ(window->books().data().periods.count(), 1);
    EXPECT_EQ(window->books().data().periods.keyAt(1), "January 2026");
    EXPECT_EQ(window->books().data().periods.textAt(1),
              QString("2026/01/01") + FS + "January 2026" + FS + "2026/01/31" + FS + "2026/02/15");
    ASSERT_EQ(window->books().data().invoiceRecords.count(), 1) << "a customer without items gets no record";
    EXPECT_EQ(window->books().data().invoiceRecords.keyAt(1), "January 2026" + QString(FS) + "12" + FS);
    EXPECT_EQ(window->books().data().invoiceRecords.textAt(1), "January 2026" + QString(FS) + "Lee, Ann" + FS + "12" + FS + "140.23" + FS
                                                        + "4x7" + records::ItemSeparator + "6x3" + FS);
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period:");
    EXPECT_EQ(window->billPeriodsPage().controls().cmbBillPeriod[1]->text(), "January 2026");
    EXPECT_EQ(window->printingPage().controls().cmbBillPeriod[2]->text(), "January 2026");
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->text(), "02/15/2026");
    EXPECT_TRUE(window->billPeriodsPage().controls().txtPField[3]->locked());
    EXPECT_EQ(tree().text("12k"), "Lee, Ann - owes $140.23");
    EXPECT_EQ(printingTree().text("1bi"), "$19.99 - Socks (x7)");
}

TEST_F(BillPeriodTest, theRefusalsAddNothing)
{
    test::writeDatabaseFile({});
    start();
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Please add your Customers and your Products first.");
    EXPECT_EQ(scriptedHost().lastPrompt().icon, platform::MessageIcon::None);
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period:");
    window->unload();

    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    window->billPeriodsPage().controls().txtBillPeriod->setText("March");
    EXPECT_FALSE(window->billPeriodsPage().controls().cmdAddNewBP->visible()) << "the bill due date is still missing";
    window->billPeriodsPage().controls().txtPField[3]->setText("3/15/2026");
    EXPECT_TRUE(window->billPeriodsPage().controls().cmdAddNewBP->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->backColor(), app::kNormalColor);
    window->billPeriodsPage().controls().txtPField[3]->setText("2026-03-15");
    EXPECT_TRUE(window->billPeriodsPage().controls().cmdAddNewBP->visible());
    EXPECT_EQ(window->billPeriodsPage().controls().txtPField[3]->backColor(), app::kEntryColor) << "the colour asks for two local separators";

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "No Customers Billed for this Period");

    bill("3k");
    finalise("March", MessageAnswer::Cancel);
    EXPECT_EQ(window->books().data().periods.count(), 0);
    EXPECT_EQ(window->books().data().invoiceRecords.count(), 0);
    EXPECT_EQ(window->billPeriodsPage().controls().lblBillPeriodName->caption(), "Bill Period Name:");

    finalise("March");
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("9k");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->billPeriodsPage().controls().txtBillPeriod->setText("March");
    window->billPeriodsPage().controls().txtPField[3]->setText("4/15/2026");
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Name Found");
    tree().select("0000001200000009b");
    window->billPeriodsPage().treeDoubleClick();
    finalise("march");
    EXPECT_EQ(window->books().data().periods.count(), 2) << "names differing in case are different periods";
    EXPECT_EQ(window->billPeriodsPage().controls().cmbBillPeriod[1]->text(), "march");
    EXPECT_EQ(tree().childKeys("root_node"), QStringList{"30k"}) << "and never share records";

    // A record whose period is gone still holds its key: a period that would reuse it is refused whole.
    window->books().data().invoiceRecords.add(records::InvoiceRecord::key("April", "12"),
                                  records::InvoiceRecord{"April", "Lee, Ann", "12", "5", "3", ""}.text());
    const qsizetype records = window->books().data().invoiceRecords.count();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("9k");
    finalise("April");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Name Found");
    EXPECT_EQ(window->books().data().periods.count(), 2);
    EXPECT_EQ(window->books().data().invoiceRecords.count(), records);
}

TEST_F(BillPeriodTest, aPriceTheFileHeldButCouldNotBeReadIsNeverBilled)
{
    // A negative price, as the file may hold it: billing it as 0 would under-bill every customer.
    QByteArray bytes = test::sampleDatabase();
    bytes.replace("<ItemPrice>$5.00</ItemPrice>", "<ItemPrice>($5.00)</ItemPrice>");
    test::writeDatabaseFile(bytes);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    start();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    bill("2k");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Price Not Read");
    EXPECT_EQ(scriptedHost().lastPrompt().text, "The price of this product or service could not be read:\r\n"
                                                "($5.00) - Hedge trimming\r\n\r\n"
                                                "(It cannot be billed. Delete it and enter it again with its price.)");
    EXPECT_TRUE(tree().childKeys("1k").isEmpty());
    bill("1k");
    EXPECT_EQ(tree().childKeys("1k").size(), 1);
}

TEST_F(BillPeriodTest, aCustomerDeletedWhileAPeriodIsComposedLeavesItAtOnce)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "False");
    const auto& customers = window->customersPage().controls();
    customers.lvwCustomersVis->select(customers.lvwCustomersVis->positionOf("12k"));
    window->customersPage().deleteCustomer();
    EXPECT_FALSE(tree().contains("12k"));
    bill("3k");
    finalise("January 2026");
    ASSERT_EQ(window->books().data().invoiceRecords.count(), 1);
    EXPECT_EQ(window->books().data().invoiceRecords.keyAt(1), "January 2026" + QString(FS) + "30" + FS);
    EXPECT_FALSE(window->books().data().customers.contains("12k")) << "no placeholder is billed in her place";

    // Wherever a placeholder is still made, the user is told and the customer list shows it.
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("3k");
    window->books().data().customers.remove("30k");
    window->billPeriodsPage().controls().txtBillPeriod->setText("February 2026");
    window->billPeriodsPage().controls().txtPField[3]->setText("3/15/2026");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    scriptedHost().answerModal(
        [](platform::Form& form) { static_cast<components::MessageWindow&>(form).cmdOkay->click(); });
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(customers.lvwCustomersVis->textAt(1), "Customer, Deleted");
}

TEST_F(BillPeriodTest, leavingTheEntryWithoutAStoredPeriodEmptiesTheTree)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    bill("3k");
    window->billPeriodsPage().controls().cmdCancelNewBP->click();
    EXPECT_EQ(tree().nodeCount(), 0);
    EXPECT_FALSE(window->billPeriodsPage().controls().cmdResetCustomerAccounts->visible());
}

TEST_F(BillPeriodTest, startingAPeriodLeavesTheProductsPageBrowsing)
{
    startWithCustomersAndProducts();
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    EXPECT_EQ(window->productsPage().controls().cmdAddNewItem->caption(), "&New Product or Service");
    EXPECT_TRUE(window->productsPage().controls().cmdAddNewItem->visible()) << "emptying the product boxes must not hide it";
}

TEST_F(BillPeriodTest, theResetButtonStartsTheCompositionOverOrLogsAFullPaymentAsThePageShows)
{
    startWithCustomersAndProducts();
    const auto composedAfresh = [&] {
        return tree().nodeCount() == 3 && window->billPeriodsPage().newPeriod().isMarked("12k") && window->billPeriodsPage().newPeriod().isMarked("30k");
    };
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    click("12k");
    bill("3k");
    window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
    EXPECT_TRUE(composedAfresh()) << "the item billed is dropped, every customer marked again";

    bill("3k");
    finalise("January 2026");
    click("12k");
    window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
    EXPECT_EQ(tree().text("12k"), "Lee, Ann - paid");
    const auto paid = window->books().data().invoiceRecords.find(records::InvoiceRecord::key("January 2026", "12"));
    ASSERT_TRUE(paid);
    EXPECT_EQ(records::InvoiceRecord::fromText(*paid)->balance, "0");

    // Composing again, the same button starts over, with a customer selected as well.
    window->billPeriodsPage().controls().cmdAddNewBP->click();
    click("12k");
    bill("3k");
    window->billPeriodsPage().controls().cmdResetCustomerAccounts->click();
    EXPECT_TRUE(composedAfresh());
}
