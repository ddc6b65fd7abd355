#include "MainWindowFixture.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

#include <QTest>

#include <cstring>
#include <functional>
#include <ostream>
#include <set>
#include <vector>

using namespace tav;
using platform::Control;

namespace {

// Where the user stands when pressing a letter: a page, in a state its own buttons lead to.
struct Situation {
    const char* name;
    int page;
    std::function<void(app::MainWindow&)> lead = [](app::MainWindow&) {};
};

// A letter that several shown controls carry, and those controls (a name and an index, -1 for
// none).
struct SharedLetter {
    Situation situation;
    char letter;
    std::vector<std::pair<const char*, int>> carriers;
};

void PrintTo(const SharedLetter& shared, std::ostream* out)
{
    *out << shared.situation.name << ", Alt+" << shared.letter;
}

void newCustomer(app::MainWindow& w) { w.customersPage().controls().cmdAddNew->click(); }
void newProduct(app::MainWindow& w) { w.productsPage().controls().cmdAddNewItem->click(); }
void newPeriod(app::MainWindow& w) { w.billPeriodsPage().controls().cmdAddNewBP->click(); }
void customerOfJanuary(app::MainWindow& w)
{
    w.billPeriodsPage().controls().cmbBillPeriod[1]->setListIndex(0);
    w.billPeriodsPage().controls().tvwInvoiceRecords[0]->select("1k");
    w.billPeriodsPage().treeMouseUp(platform::TreeView::LeftButton, 0);
}

// Every letter that a page's controls share with the page accelerators "&C", "&P", "&B", "&N",
// "&T", "&O" and "&I".
const SharedLetter kSharedLetters[] = {
    {{"Customers", 0}, 'N', {{"cmdAcceleratorKey", 3}, {"cmdAddNew", -1}}},
    {{"a new customer", 0, newCustomer}, 'C', {{"cmdAcceleratorKey", 0}, {"cmdUndo", -1}}},
    {{"Products", 1}, 'N', {{"cmdAcceleratorKey", 3}, {"cmdAddNewItem", -1}}},
    {{"a new product", 1, newProduct}, 'C', {{"cmdAcceleratorKey", 0}, {"cmdCancelNewItem", -1}}},
    {{"Bill Periods", 2}, 'N', {{"cmdAcceleratorKey", 3}, {"cmdAddNewBP", -1}}},
    {{"a customer of a period", 2, customerOfJanuary}, 'P', {{"cmdAcceleratorKey", 1}, {"cmdAdjustBalance", -1}}},
    {{"a new period", 2, newPeriod}, 'C', {{"cmdAcceleratorKey", 0}, {"cmdCancelNewBP", -1}}},
    {{"Printing", 3}, 'P', {{"cmdAcceleratorKey", 1}, {"cmdPrintSelectedInvoices", -1}}},
    {{"Print Options", 4}, 'T', {{"cmdAcceleratorKey", 4}, {"chkKeepTwelveLines", -1}}},
    {{"Options", 5}, 'N', {{"cmdAcceleratorKey", 3}, {"cmdChangePath", 0}}},
    {{"Options", 5}, 'O', {{"cmdAcceleratorKey", 5}, {"cmdChangePath", 1}}},
    {{"Options", 5}, 'C', {{"cmdAcceleratorKey", 0}, {"cmdCloseBooks", 4}}},
};

// What the user could see change: the page, every button's caption and visibility, every box's
// value and text, whether there is something to save, and what reached the desktop.
QString everythingShown(app::MainWindow& window)
{
    QString shown = QString::number(window.state().currentTab) + (window.hasUnsavedChanges() ? "*" : "");
    for (const Control* control : window.widget()->findChildren<Control*>()) {
        shown += '|' + control->name() + QString::number(control->index()) + (control->visible() ? "+" : "-");
        if (const auto* button = qobject_cast<const platform::CommandButton*>(control))
            shown += button->caption();
        else if (const auto* box = qobject_cast<const platform::CheckBox*>(control))
            shown += QString::number(box->value());
        else if (const auto* option = qobject_cast<const platform::OptionButton*>(control))
            shown += option->value() ? "o" : "";
        else if (const auto* text = qobject_cast<const platform::TextBox*>(control))
            shown += text->text();
    }
    const auto& host = test::scriptedHost();
    return shown + QString("|prompts %1 print runs %2 files %3")
                       .arg(host.prompts().size())
                       .arg(host.printRuns().size())
                       .arg(test::dialogBackend().fileRequests().size());
}

// Alt with the key, pressed where the user's keys go: the control that has the window's focus.
void pressAlt(app::MainWindow& window, int key, Qt::KeyboardModifiers more = Qt::NoModifier)
{
    QWidget* focused = window.widget()->focusWidget();
    QTest::keyClick(focused ? focused : window.widget(), Qt::Key(key), Qt::AltModifier | more);
}

class AccessKeysTest : public test::MainWindowTest {
protected:
    void standIn(const Situation& situation)
    {
        test::writeDatabaseFile(test::sampleDatabase());
        start();
        window->pageLayout().cmdTab_Click(situation.page);
        situation.lead(*window);
    }
};

class SharedAccessKeysTest : public AccessKeysTest, public ::testing::WithParamInterface<SharedLetter> {};

} // namespace

TEST_P(SharedAccessKeysTest, aLetterThatSeveralShownControlsCarryOnlyMovesTheFocusAmongThem)
{
    const SharedLetter& shared = GetParam();
    standIn(shared.situation);
    std::set<const QWidget*> carriers;
    for (const auto& [name, index] : shared.carriers) {
        const Control* control = window->controlSet().find(name, index);
        ASSERT_TRUE(control && control->visible()) << name;
        carriers.insert(control->widget());
    }
    const QString before = everythingShown(*window);

    // Each press goes on to the next of them, and from the last back to the first.
    std::set<const QWidget*> visited;
    const QWidget* first = nullptr;
    for (size_t press = 0; press <= carriers.size(); ++press) {
        pressAlt(*window, shared.letter);
        const QWidget* focused = window->widget()->focusWidget();
        EXPECT_TRUE(carriers.count(focused)) << "press " << press << " left the focus on "
                                             << (focused ? focused->objectName().toStdString() : "nothing");
        if (press == 0)
            first = focused;
        if (press < carriers.size())
            visited.insert(focused);
        else
            EXPECT_EQ(focused, first) << "after the last of them comes the first";
    }
    EXPECT_EQ(visited.size(), carriers.size());
    EXPECT_EQ(everythingShown(*window), before) << "no command ran";
}

INSTANTIATE_TEST_SUITE_P(EveryPage, SharedAccessKeysTest, ::testing::ValuesIn(kSharedLetters),
                         [](const ::testing::TestParamInfo<SharedLetter>& info) {
                             QString name = QString("%1_Alt%2").arg(info.param.situation.name).arg(info.param.letter);
                             name.replace(' ', '_');
                             return name.toStdString();
                         });

TEST_F(AccessKeysTest, aPageLetterThatNoControlOfThePageCarriesShowsItsPage)
{
    standIn({"Customers", 0});
    const char letters[] = "CPBNTOI";
    // The letters of kSharedLetters that the pages share as they open.
    const char* const sharedOn[7] = {"N", "N", "N", "P", "T", "NOC", ""};
    for (int from = 0; from < 7; ++from) {
        for (int page = 0; page < 7; ++page) {
            if (std::strchr(sharedOn[from], letters[page]))
                continue;
            window->pageLayout().cmdTab_Click(from);
            pressAlt(*window, letters[page]);
            EXPECT_EQ(window->state().currentTab, page) << "Alt+" << letters[page] << " on page " << from;
        }
    }
    EXPECT_TRUE(test::scriptedHost().prompts().empty());
}

TEST_F(AccessKeysTest, aLetterThatOneShownControlCarriesActsOnIt)
{
    standIn({"Print Options", 4});
    auto& printOptions = window->printOptionsPage().controls();
    const int before = printOptions.chkAddInvoiceDateToInvoice->value();
    pressAlt(*window, 'D');
    EXPECT_NE(printOptions.chkAddInvoiceDateToInvoice->value(), before);
    EXPECT_EQ(window->widget()->focusWidget(), printOptions.chkAddInvoiceDateToInvoice->widget());

    // A hidden control carries nothing: with no customer chosen, Alt+P shows Products.
    window->pageLayout().cmdTab_Click(2);
    ASSERT_FALSE(window->billPeriodsPage().controls().cmdAdjustBalance->visible());
    pressAlt(*window, 'P');
    EXPECT_EQ(window->state().currentTab, 1);

    window->pageLayout().cmdTab_Click(0);
    test::scriptedHost().answerMessageBox(platform::MessageAnswer::Cancel);
    pressAlt(*window, 'D');
    EXPECT_EQ(test::scriptedHost().lastPrompt().title, "Delete Existing Customer???");
}

TEST_F(AccessKeysTest, noAltCombinationTypesIntoABox)
{
    standIn({"Company Info", 6});
    auto& products = window->productsPage().controls();
    auto& company = window->companyInfoPage().controls();
    const QString name = company.txtCompanyDetails[0]->text();
    company.txtCompanyDetails[0]->setFocus();
    for (const int key : {Qt::Key_Comma, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Slash, Qt::Key_Semicolon,
                          Qt::Key_Space, Qt::Key_Z, Qt::Key_5})
        pressAlt(*window, key);
    pressAlt(*window, Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(company.txtCompanyDetails[0]->text(), name);
    EXPECT_FALSE(window->hasUnsavedChanges());

    // Nor does the letter of a hidden button: "&Add New" shows once price and name are typed.
    window->pageLayout().cmdTab_Click(1);
    newProduct(*window);
    ASSERT_FALSE(products.cmdAddNewItem->visible());
    products.txtPrice->setFocus();
    QTest::keyClicks(products.txtPrice->widget(), "12");
    for (const int key : {Qt::Key_A, Qt::Key_Q, Qt::Key_Comma})
        pressAlt(*window, key);
    EXPECT_EQ(products.txtPrice->text(), "12");
}
