#include "MainWindowFixture.h"

#include "app/pages/EntryColors.h"

#include "app/windows/CheckingWindow.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "records/Separators.h"

using namespace tav;
using platform::MessageAnswer;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

void enterProduct(app::MainWindow& w, const QString& price, const QString& name)
{
    if (w.productsPage().controls().cmdAddNewItem->caption() == "&New Product or Service")
        w.productsPage().controls().cmdAddNewItem->click();
    w.productsPage().controls().txtPrice->setText(price);
    w.productsPage().controls().txtProductOrServiceName->setText(name);
}

} // namespace

TEST_F(MainWindowTest, aProductIsAddedWithItsPriceAndListedByPrice)
{
    test::writeDatabaseFile({});
    start();
    auto& products = window->productsPage().controls();
    EXPECT_FALSE(products.cmdCancelNewItem->visible()) << "nothing to delete in an empty list";
    products.cmdAddNewItem->click();
    EXPECT_TRUE(products.txtPrice->visible());
    EXPECT_EQ(products.cmdCancelNewItem->caption(), "&Cancel New");
    EXPECT_FALSE(products.cmdAddNewItem->visible());
    EXPECT_EQ(products.txtPrice->backColor(), app::kEntryColor);

    enterProduct(*window, "12.5", "Lawn mowing");
    EXPECT_TRUE(products.cmdAddNewItem->visible());
    products.cmdAddNewItem->click();
    ASSERT_EQ(window->books().data().products.count(), 1);
    EXPECT_EQ(window->books().data().products.keyAt(1), "1k");
    EXPECT_EQ(window->books().data().products.textAt(1), "000000012.50$12.50 - Lawn mowing");
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->textAt(1), "$12.50 - Lawn mowing");
    EXPECT_EQ(window->billPeriodsPage().controls().lvwProducts[1]->textAt(1), "$12.50 - Lawn mowing");
    EXPECT_FALSE(window->productsPage().controls().txtPrice->visible());
    EXPECT_EQ(window->productsPage().controls().cmdAddNewItem->caption(), "&New Product or Service");
    EXPECT_TRUE(window->hasUnsavedChanges());

    enterProduct(*window, " $1,250 ", "Fence - cedar");
    products.cmdAddNewItem->click();
    enterProduct(*window, "0.5", "Bag");
    products.cmdAddNewItem->click();
    EXPECT_EQ(products.lvwProducts[0]->textAt(1), "$0.50 - Bag");
    EXPECT_EQ(products.lvwProducts[0]->textAt(3), "$1,250.00 - Fence - cedar");
    EXPECT_EQ(products.lvwProducts[0]->currentKey(), "3k") << "the new entry is chosen";
    EXPECT_TRUE(window->books().data().products.find("2k")->startsWith("000001250.00"));
}

TEST_F(MainWindowTest, onlyPricesAndNamesTheProgramCanHoldAreAccepted)
{
    test::writeDatabaseFile({});
    start();
    auto& products = window->productsPage().controls();
    for (const char* price : {"abc", "-5", "1,000,000,000", "12,5", "", "1.2.3", "$"}) {
        enterProduct(*window, price, "Widget");
        EXPECT_FALSE(products.cmdAddNewItem->visible()) << price;
        EXPECT_EQ(products.txtPrice->backColor(), app::kEntryColor) << price;
    }
    enterProduct(*window, "999,999,999.99", "Widget");
    EXPECT_TRUE(products.cmdAddNewItem->visible());
    for (const char* name : {"Pack (x2)", "Box (x12)", ""}) {
        enterProduct(*window, "5", name);
        EXPECT_FALSE(products.cmdAddNewItem->visible()) << name;
        EXPECT_EQ(products.txtProductOrServiceName->backColor(), app::kEntryColor) << name;
    }
    enterProduct(*window, "5", "Shirt (xl)");
    EXPECT_TRUE(products.cmdAddNewItem->visible());
}

TEST_F(MainWindowTest, pricesAreReadAsTheUsersLocaleShowsThemAndLoadUnchanged)
{
    using namespace Qt::StringLiterals;
    test::writeDatabaseFile({});
    start();
    // Decimals are read as typed and rounded half away from zero, never through a binary number.
    enterProduct(*window, "0.125", "Seed");
    window->productsPage().controls().cmdAddNewItem->click();
    ASSERT_EQ(window->books().data().products.count(), 1);
    EXPECT_EQ(window->books().data().products.textAt(1), "000000000.13$0.13 - Seed");
    window->books().saveDatabase();
    window->unload();

    {
        const test::UserLocale german(QLocale(QLocale::German, QLocale::Germany));
        start();
        auto& products = window->productsPage().controls();
        for (const char* refused : {"3.5", "12.34", "1,2,3"}) {
            enterProduct(*window, refused, "Rake");
            EXPECT_FALSE(products.cmdAddNewItem->visible()) << refused;
        }
        enterProduct(*window, "12,5", "Rake");
        products.cmdAddNewItem->click();
        enterProduct(*window, "1.234,5", "Fence");
        products.cmdAddNewItem->click();
        ASSERT_EQ(window->books().data().products.count(), 3);
        EXPECT_EQ(window->books().data().products.textAt(2), u"000000012.5012,50\u00A0€ - Rake"_s);
        EXPECT_EQ(window->books().data().products.textAt(3), u"000001234.501.234,50\u00A0€ - Fence"_s);
        window->books().saveDatabase();
        const QByteArray saved = test::readDatabaseFile();
        window->unload();
        start();
        EXPECT_EQ(window->books().data().products.textAt(3), u"000001234.501.234,50\u00A0€ - Fence"_s);
        window->books().saveDatabase();
        EXPECT_EQ(test::readDatabaseFile(), saved) << "loaded and saved again under the same locale, unchanged";
        window->unload();
    }
    // Moved to an American computer, every price keeps its amount and its text.
    start();
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->textAt(3), u"1.234,50\u00A0€ - Fence"_s);
    EXPECT_EQ(window->books().data().products.textAt(3).left(12), "000001234.50");
    EXPECT_EQ(window->productsPage().controls().lvwProducts[0]->textAt(1), "$0.13 - Seed");

    const test::UserLocale french(QLocale(QLocale::French, QLocale::France));
    enterProduct(*window, "1 234,567", "Gate");
    window->productsPage().controls().cmdAddNewItem->click();
    ASSERT_EQ(window->books().data().products.count(), 4);
    EXPECT_EQ(window->books().data().products.textAt(4), u"000001234.571\u202F234,57\u00A0€ - Gate"_s);
}

TEST_F(MainWindowTest, aProductWithTheSamePriceAndNameIsRefused)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& products = window->productsPage().controls();
    enterProduct(*window, "12.50", "Lawn mowing");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    products.cmdAddNewItem->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Product or Service Found");
    EXPECT_EQ(scriptedHost().lastPrompt().text,
              "A product or service was found with the exact same price and name.\r\n\r\n"
              "(Products and Services can share the same name as long as they have unique prices.)");
    EXPECT_EQ(products.cmdAddNewItem->caption(), "&Add New");
    EXPECT_EQ(products.txtProductOrServiceName->text(), "Lawn mowing");

    // Another price, another letter case, or an archived product's price and name are new.
    products.txtProductOrServiceName->setText("lawn mowing");
    products.cmdAddNewItem->click();
    enterProduct(*window, "40", "Snow removal");
    products.cmdAddNewItem->click();
    EXPECT_EQ(window->books().data().products.count(), 5);
    EXPECT_TRUE(window->books().data().products.contains("5k"));
}

TEST_F(MainWindowTest, deletingAProductArchivesItWhileInvoiceRecordsUseIt)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& products = window->productsPage().controls();
    // Items 12x3 and 21x2 name products 12 and 21, never product 1 or 2.
    const QString text = *window->books().data().invoiceRecords.find(QString("January") + records::FieldSeparator + "1" + records::FieldSeparator);
    QStringList fields = text.split(records::FieldSeparator);
    fields[4] = QString("12x3") + records::ItemSeparator + "21x2";
    window->books().data().invoiceRecords.setText(QString("January") + records::FieldSeparator + "1" + records::FieldSeparator,
                                      fields.join(records::FieldSeparator));
    EXPECT_FALSE(window->deletion().productHasInvoiceRecords("1k"));
    EXPECT_FALSE(window->deletion().productHasInvoiceRecords("2k"));
    EXPECT_TRUE(window->deletion().productHasInvoiceRecords("12k"));
    EXPECT_TRUE(window->deletion().productHasInvoiceRecords("021k")) << "numbers are compared as numbers";
    EXPECT_TRUE(window->deletion().customerHasInvoiceRecords("01k"));
    EXPECT_FALSE(window->deletion().customerHasInvoiceRecords("2k"));

    // Product 2 ($5.00) is used by no record: removed; the option "FALSE" still asks for products.
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "FALSE");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    products.cmdCancelNewItem->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Delete Existing Product or Service???");
    EXPECT_FALSE(window->books().data().products.contains("2k"));
    EXPECT_EQ(window->deletion().checkingWindow()->lblStatus->caption(), "Entry deleted.");

    fields[4] = "1";
    window->books().data().invoiceRecords.setText(QString("January") + records::FieldSeparator + "1" + records::FieldSeparator,
                                      fields.join(records::FieldSeparator));
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "False");
    products.cmdCancelNewItem->click();
    EXPECT_EQ(*window->books().data().products.find("1k"), "000000012.50" + records::ArchivePrefix + "$12.50 - Lawn mowing");
    EXPECT_EQ(window->deletion().checkingWindow()->lblStatus->caption(), "Entry archived.");
    EXPECT_TRUE(products.lvwProducts[0]->isEmpty());
    EXPECT_FALSE(products.cmdCancelNewItem->visible());
}
