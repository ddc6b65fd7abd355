#include "MainWindowFixture.h"

#include "app/windows/CheckingWindow.h"
#include "platform/CommandButton.h"
#include "platform/KeyCodes.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/TextBox.h"
#include "records/Separators.h"

#include <QTest>
#include <QTreeView>

#include <functional>

using namespace tav;
using platform::MessageAnswer;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

void type(app::MainWindow& w, int field, const QString& text)
{
    w.c.customers.txtField[field]->setText(text);
}

} // namespace

TEST_F(MainWindowTest, aNewCustomerIsEnteredAndStoredInItsSortedPlace)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    c.customers.cmdAddNew->click();
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&Add New");
    EXPECT_FALSE(c.customers.cmdAddNew->visible());
    EXPECT_EQ(c.customers.cmdUndo->caption(), "&Cancel New");
    EXPECT_FALSE(c.customers.cmdPrint->visible());
    EXPECT_EQ(c.customers.txtField[4]->backColor(), app::kEntryColor);
    EXPECT_EQ(c.customers.lvwCustomersVis->selectedPosition(), 0) << "the current entry loses its mark only";

    type(*window, 1, "Baker");
    EXPECT_FALSE(c.customers.cmdAddNew->visible()) << "the last name alone does not do";
    type(*window, 0, "C");
    EXPECT_TRUE(c.customers.cmdAddNew->visible());
    EXPECT_EQ(c.customers.txtField[0]->backColor(), app::kNormalColor);
    type(*window, 0, "");
    EXPECT_FALSE(c.customers.cmdAddNew->visible());
    type(*window, 0, "Cy\tril");
    type(*window, 7, "line one\r\nline two");
    c.customers.cmdAddNew->click();

    ASSERT_EQ(c.customers.lvwCustomersVis->count(), 3);
    EXPECT_EQ(c.customers.lvwCustomersVis->textAt(2), "Baker, Cyril") << "between Adams and Lee, as a refill puts it";
    EXPECT_EQ(c.customers.lvwCustomersVis->currentKey(), "4k") << "customer 3 is archived and keeps its number";
    const QString stored = *window->books.data().customers.find("4k");
    EXPECT_EQ(stored.split(records::FieldSeparator).at(1), "Cyril") << "control characters are not stored";
    EXPECT_EQ(stored.split(records::FieldSeparator).at(8), "line one\r\nline two");
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&New Customer");
    EXPECT_EQ(c.customers.cmdUndo->caption(), "&Delete Existing");
    EXPECT_TRUE(c.customers.cmdUndo->visible());
    EXPECT_TRUE(c.customers.cmdPrint->visible());
    EXPECT_EQ(c.customers.txtField[0]->tag(), "Cyril") << "edits are tracked against what is stored";
    EXPECT_TRUE(window->hasUnsavedChanges());

    type(*window, 2, "3 Elm");
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "Apply &Edit");
    type(*window, 2, "");
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&New Customer");
    EXPECT_FALSE(c.customers.cmdUndo->visible());
}

TEST_F(MainWindowTest, theDuplicateNameWarningLetsTheUserChoose)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    c.customers.cmdAddNew->click();
    type(*window, 0, "Ann");
    type(*window, 1, "Lee");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.customers.cmdAddNew->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Name Found");
    EXPECT_EQ(scriptedHost().lastPrompt().buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(c.customers.lvwCustomersVis->count(), 2);
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&Add New") << "still entering";

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    c.customers.cmdAddNew->click();
    EXPECT_EQ(c.customers.lvwCustomersVis->count(), 3);

    // Another letter case, or an archived customer of that name, is no duplicate.
    c.customers.cmdAddNew->click();
    type(*window, 0, "ann");
    type(*window, 1, "Lee");
    c.customers.cmdAddNew->click();
    c.customers.cmdAddNew->click();
    type(*window, 0, "Old");
    type(*window, 1, "Gone");
    c.customers.cmdAddNew->click();
    EXPECT_EQ(c.customers.lvwCustomersVis->count(), 5);
}

TEST_F(MainWindowTest, aNameThatBeginsWithTheArchiveMarkIsRefusedSoNoCustomerIsLostBySaving)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    const QString mark = QStringLiteral("zzzz\u00bb");
    const auto listed = [&] {
        QStringList names;
        for (qsizetype i = 1; i <= c.customers.lvwCustomersVis->count(); ++i)
            names << c.customers.lvwCustomersVis->textAt(i);
        return names;
    };
    const auto refused = [&] {
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        c.customers.cmdAddNew->click();
        const auto& warning = scriptedHost().lastPrompt();
        EXPECT_EQ(warning.title, "Archive Mark Found in Name");
        EXPECT_EQ(warning.text, QString("A customer's name cannot begin with \"%1\".\r\n\r\n(Those characters mark the "
                                        "customers that were deleted but are kept for past bill periods.)").arg(mark));
        EXPECT_EQ(warning.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(warning.icon, platform::MessageIcon::Exclamation);
    };

    // The last name begins the display name, or the first name alone.
    c.customers.cmdAddNew->click();
    type(*window, 0, "Cy");
    type(*window, 1, mark + "Baker");
    refused();
    type(*window, 1, "");
    type(*window, 0, mark + "Cy");
    refused();
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&Add New") << "still entering, the fields as typed";
    EXPECT_EQ(c.customers.txtField[0]->text(), mark + "Cy");
    // Behind a last name the mark is only characters of a name.
    type(*window, 1, "Baker");
    c.customers.cmdAddNew->click();

    // An edit is refused before it is confirmed, and the stored customer stays as it was.
    c.customers.lvwCustomersVis->select(c.customers.lvwCustomersVis->positionOf("2k"));
    window->customers.lvwCustomersVis_Click();
    const QString before = *window->books.data().customers.find("2k");
    type(*window, 1, mark + "Lee");
    refused();
    EXPECT_EQ(*window->books.data().customers.find("2k"), before);
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "Apply &Edit");

    // Every customer listed before a save is listed after loading it.
    const QStringList names = listed();
    EXPECT_EQ(names, QStringList({"Adams, Bob", "Baker, " + mark + "Cy", "Lee, Ann"}));
    ASSERT_TRUE(window->books.saveDatabase());
    window->books.loadAndShowDatabase();
    EXPECT_EQ(listed(), names);
}

TEST_F(MainWindowTest, editingAsksUnlessTheOptionIsExactlyFalse)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    for (const char* option : {"", "false", "False"}) {
        platform::settings().setValue("Settings", "CheckToConfirmEdits", option);
        c.customers.lvwCustomersVis->select(2);
        window->customers.lvwCustomersVis_Click();
        type(*window, 5, QString("ann@%1.example").arg(option));
        const bool asks = QString(option) != "False";
        if (asks)
            scriptedHost().answerMessageBox(MessageAnswer::Ok);
        const auto prompts = scriptedHost().prompts().size();
        c.customers.cmdAddNew->click();
        EXPECT_EQ(scriptedHost().prompts().size(), prompts + (asks ? 1 : 0)) << option;
        EXPECT_TRUE(window->books.data().customers.find("2k")->endsWith(records::FieldSeparator + QString("ann@%1.example").arg(option)
                                                                 + records::FieldSeparator + records::FieldSeparator));
    }
    // Cancelling the confirmation shows the stored values again.
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "True");
    type(*window, 6, "555");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.customers.cmdAddNew->click();
    EXPECT_TRUE(c.customers.txtField[6]->text().isEmpty());
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&New Customer");

    // Cancelling the duplicate warning during an edit leaves everything as it was.
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "False");
    type(*window, 0, "Bob");
    type(*window, 1, "Adams");
    const QString before = *window->books.data().customers.find("2k");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.customers.cmdAddNew->click();
    EXPECT_EQ(*window->books.data().customers.find("2k"), before);
    EXPECT_EQ(c.customers.lvwCustomersVis->textAt(2), "Lee, Ann");
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "Apply &Edit");

    c.customers.cmdUndo->click();
    EXPECT_EQ(c.customers.cmdUndo->caption(), "&Delete Existing");
    EXPECT_EQ(c.customers.txtField[0]->text(), "Ann");

    // OK to it stores the edit, asked once: no second answer can lose the customer.
    type(*window, 0, "Bob");
    type(*window, 1, "Adams");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    c.customers.cmdAddNew->click();
    ASSERT_EQ(c.customers.lvwCustomersVis->count(), 2);
    EXPECT_TRUE(window->books.data().customers.find("2k")->startsWith(QString("Adams, Bob") + records::FieldSeparator));
}

TEST_F(MainWindowTest, everyKeyThatMovesTheListShowsThatCustomer)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    window->show();
    QTreeView* tree = c.customers.lvwCustomersVis->treeView();
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_End);
    EXPECT_EQ(c.customers.txtField[0]->text(), "Ann");
    QTest::keyClick(tree, Qt::Key_Home);
    EXPECT_EQ(c.customers.txtField[0]->text(), "Bob");
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(c.customers.txtField[1]->text(), "Lee");
    QTest::keyClick(tree, Qt::Key_A);
    EXPECT_EQ(c.customers.txtField[1]->text(), "Adams") << "type-ahead moved the list";
}

TEST_F(MainWindowTest, applyEditWithoutACurrentCustomerStoresOrReturns)
{
    test::writeDatabaseFile({});
    start();
    auto& c = window->c;
    // Reached by the Tab key, typing into an empty list's fields edits nothing that exists.
    type(*window, 1, "Lee");
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "Apply &Edit");
    c.customers.cmdAddNew->click();
    EXPECT_TRUE(c.customers.lvwCustomersVis->isEmpty());
    EXPECT_EQ(c.customers.cmdAddNew->caption(), "&New Customer");
    type(*window, 0, "Ann");
    c.customers.cmdAddNew->click();
    ASSERT_EQ(c.customers.lvwCustomersVis->count(), 1);
    EXPECT_EQ(c.customers.lvwCustomersVis->textAt(1), "Ann") << "the last name was left behind by the return";
    EXPECT_EQ(window->books.data().customers.keyAt(1), "1k");
}

TEST_F(MainWindowTest, clickingAFieldOfAnEmptyListStartsANewCustomer)
{
    test::writeDatabaseFile({});
    start();
    window->customers.txtField_Click(3);
    EXPECT_EQ(window->c.customers.cmdUndo->caption(), "&Cancel New");
    window->c.customers.cmdUndo->click();
    EXPECT_FALSE(window->c.customers.cmdUndo->visible());
    EXPECT_EQ(window->c.customers.cmdAddNew->caption(), "&New Customer");
}

TEST_F(MainWindowTest, searchShowsTheFirstCustomerThatBeginsWithTheText)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    c.customers.cmdSearch->click();
    EXPECT_EQ(c.customers.lblCustomers->caption(), "Search:");
    EXPECT_TRUE(c.customers.txtSearch->visible());
    EXPECT_TRUE(c.customers.txtSearch->text().isEmpty());
    EXPECT_EQ(scriptedHost().sentKeys(), std::vector<int>{Qt::Key_Tab});
    c.customers.txtSearch->setText("L");
    EXPECT_EQ(c.customers.txtField[0]->text(), "Ann");
    c.customers.txtSearch->setText("le");
    EXPECT_EQ(c.customers.lvwCustomersVis->currentKey(), "2k");
    type(*window, 4, "edited");
    c.customers.txtSearch->setText("lex");
    EXPECT_EQ(c.customers.lvwCustomersVis->currentKey(), "2k") << "no match keeps the current customer";
    EXPECT_TRUE(c.customers.txtField[4]->text().isEmpty()) << "and shows its stored values again";
    c.customers.txtSearch->setText("");
    EXPECT_EQ(c.customers.lvwCustomersVis->currentKey(), "1k");
    c.customers.txtSearch->setText("ann");
    EXPECT_EQ(c.customers.lvwCustomersVis->currentKey(), "1k") << "\"Lee, Ann\" does not begin with it";
    c.customers.cmdSearch->click();
    EXPECT_EQ(c.customers.lblCustomers->caption(), "List of Customers:");
    EXPECT_FALSE(c.customers.txtSearch->visible());
}

TEST_F(MainWindowTest, aCustomerShownDuringNewCustomerEntryIsBrowsedInTheNormalColours)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"search", [&] { c.customers.cmdSearch->click(); c.customers.txtSearch->setText("L"); c.customers.cmdSearch->click(); }},
        {"click", [&] { c.customers.lvwCustomersVis->select(2); window->customers.lvwCustomersVis_Click(); }},
        {"arrow", [&] { c.customers.lvwCustomersVis->select(2); window->customers.lvwCustomersVis_KeyUp(platform::KeyCode::Down, 0); }},
    };
    for (const auto& [way, show] : ways) {
        c.customers.cmdAddNew->click();
        type(*window, 0, "Zed");
        show();
        EXPECT_EQ(c.customers.txtField[1]->text(), "Lee") << way;
        for (const platform::TextBox* field : c.customers.txtField)
            EXPECT_EQ(field->backColor(), app::kNormalColor) << way;
        EXPECT_EQ(c.customers.cmdAddNew->caption(), "&New Customer") << way;
        EXPECT_TRUE(c.customers.cmdAddNew->visible()) << way;
        EXPECT_EQ(c.customers.cmdUndo->caption(), "&Delete Existing") << way;
        EXPECT_TRUE(c.customers.cmdUndo->visible()) << way;
        EXPECT_TRUE(c.customers.cmdPrint->visible()) << way;
    }
}

TEST_F(MainWindowTest, deletingACustomerRemovesOrArchivesIt)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "FALSE");
    // Adams, Bob (1) has an invoice record: archived.
    c.customers.lvwCustomersVis->select(1);
    window->customers.lvwCustomersVis_Click();
    c.customers.cmdUndo->click();
    app::CheckingWindow* checking = window->deletion.checkingWindow();
    ASSERT_TRUE(checking);
    EXPECT_EQ(checking->lblStatus->caption(), "Entry archived.");
    EXPECT_EQ(checking->staChecking->value(), 100);
    EXPECT_TRUE(checking->cmdOK->enabled());
    EXPECT_TRUE(window->books.data().customers.find("1k")->startsWith(records::ArchivePrefix + "Adams, Bob"));
    ASSERT_EQ(c.customers.lvwCustomersVis->count(), 1);
    EXPECT_EQ(c.customers.txtField[0]->text(), "Ann");
    EXPECT_TRUE(window->hasUnsavedChanges());

    // Lee, Ann has none: removed, and the page is empty.
    c.customers.cmdUndo->click();
    EXPECT_EQ(checking->lblStatus->caption(), "Entry deleted.");
    EXPECT_FALSE(window->books.data().customers.contains("2k"));
    EXPECT_TRUE(c.customers.lvwCustomersVis->isEmpty());
    EXPECT_FALSE(c.customers.cmdUndo->visible());
    EXPECT_EQ(c.customers.cmdUndo->caption(), "&Cancel New");
    EXPECT_FALSE(c.customers.cmdPrint->visible());
    checking->cmdOK->click();
    EXPECT_FALSE(window->deletion.checkingWindow());

    // The deleted highest number is given again.
    c.customers.cmdAddNew->click();
    type(*window, 0, "Zed");
    c.customers.cmdAddNew->click();
    EXPECT_TRUE(window->books.data().customers.contains("4k"));
}

TEST_F(MainWindowTest, deletingAsksUnlessTheOptionIsOff)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    auto& c = window->c;
    type(*window, 3, "edited");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    window->deletion.deleteCustomer();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Delete Existing Customer???");
    EXPECT_TRUE(c.customers.txtField[3]->text().isEmpty()) << "cancel shows the stored values again";
    EXPECT_EQ(c.customers.lvwCustomersVis->count(), 2);
}
