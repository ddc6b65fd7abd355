#include "MainWindowFixture.h"

#include "app/pages/EntryColors.h"

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
    w.customersPage().controls().txtField[field]->setText(text);
}

} // namespace

TEST_F(MainWindowTest, aNewCustomerIsEnteredAndStoredInItsSortedPlace)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    c.cmdAddNew->click();
    EXPECT_EQ(c.cmdAddNew->caption(), "&Add New");
    EXPECT_FALSE(c.cmdAddNew->visible());
    EXPECT_EQ(c.cmdUndo->caption(), "&Cancel New");
    EXPECT_FALSE(c.cmdPrint->visible());
    EXPECT_EQ(c.txtField[4]->backColor(), app::kEntryColor);
    EXPECT_EQ(c.lvwCustomersVis->selectedPosition(), 0) << "the current entry loses its mark only";

    type(*window, 1, "Baker");
    EXPECT_FALSE(c.cmdAddNew->visible()) << "the last name alone does not do";
    type(*window, 0, "C");
    EXPECT_TRUE(c.cmdAddNew->visible());
    EXPECT_EQ(c.txtField[0]->backColor(), app::kNormalColor);
    type(*window, 0, "");
    EXPECT_FALSE(c.cmdAddNew->visible());
    type(*window, 0, "Cy\tril");
    type(*window, 7, "line one\r\nline two");
    c.cmdAddNew->click();

    ASSERT_EQ(c.lvwCustomersVis->count(), 3);
    EXPECT_EQ(c.lvwCustomersVis->textAt(2), "Baker, Cyril") << "between Adams and Lee, as a refill puts it";
    EXPECT_EQ(c.lvwCustomersVis->currentKey(), "4k") << "customer 3 is archived and keeps its number";
    const QString stored = *window->books().data().customers.find("4k");
    EXPECT_EQ(stored.split(records::FieldSeparator).at(1), "Cyril") << "control characters are not stored";
    EXPECT_EQ(stored.split(records::FieldSeparator).at(8), "line one\r\nline two");
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");
    EXPECT_EQ(c.cmdUndo->caption(), "&Delete Existing");
    EXPECT_TRUE(c.cmdUndo->visible());
    EXPECT_TRUE(c.cmdPrint->visible());
    EXPECT_EQ(c.txtField[0]->tag(), "Cyril") << "edits are tracked against what is stored";
    EXPECT_TRUE(window->hasUnsavedChanges());

    type(*window, 2, "3 Elm");
    EXPECT_EQ(c.cmdAddNew->caption(), "Apply &Edit");
    type(*window, 2, "");
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");
    EXPECT_FALSE(c.cmdUndo->visible());
}

TEST_F(MainWindowTest, theDuplicateNameWarningLetsTheUserChoose)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    c.cmdAddNew->click();
    type(*window, 0, "Ann");
    type(*window, 1, "Lee");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.cmdAddNew->click();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Duplicate Name Found");
    EXPECT_EQ(scriptedHost().lastPrompt().buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(c.lvwCustomersVis->count(), 2);
    EXPECT_EQ(c.cmdAddNew->caption(), "&Add New") << "still entering";

    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    c.cmdAddNew->click();
    EXPECT_EQ(c.lvwCustomersVis->count(), 3);

    // Another letter case, or an archived customer of that name, is no duplicate.
    c.cmdAddNew->click();
    type(*window, 0, "ann");
    type(*window, 1, "Lee");
    c.cmdAddNew->click();
    c.cmdAddNew->click();
    type(*window, 0, "Old");
    type(*window, 1, "Gone");
    c.cmdAddNew->click();
    EXPECT_EQ(c.lvwCustomersVis->count(), 5);
}

TEST_F(MainWindowTest, aNameThatBeginsWithTheArchiveMarkIsRefusedSoNoCustomerIsLostBySaving)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    const QString mark = QStringLiteral("zzzz\u00bb");
    const auto listed = [&] {
        QStringList names;
        for (qsizetype i = 1; i <= c.lvwCustomersVis->count(); ++i)
            names << c.lvwCustomersVis->textAt(i);
        return names;
    };
    const auto refused = [&] {
        scriptedHost().answerMessageBox(MessageAnswer::Ok);
        c.cmdAddNew->click();
        const auto& warning = scriptedHost().lastPrompt();
        EXPECT_EQ(warning.title, "Archive Mark Found in Name");
        EXPECT_EQ(warning.text, QString("A customer's name cannot begin with \"%1\".\r\n\r\n(Those characters mark the "
                                        "customers that were deleted but are kept for past bill periods.)").arg(mark));
        EXPECT_EQ(warning.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(warning.icon, platform::MessageIcon::Exclamation);
    };

    // The last name begins the display name, or the first name alone.
    c.cmdAddNew->click();
    type(*window, 0, "Cy");
    type(*window, 1, mark + "Baker");
    refused();
    type(*window, 1, "");
    type(*window, 0, mark + "Cy");
    refused();
    EXPECT_EQ(c.cmdAddNew->caption(), "&Add New") << "still entering, the fields as typed";
    EXPECT_EQ(c.txtField[0]->text(), mark + "Cy");
    // Behind a last name the mark is only characters of a name.
    type(*window, 1, "Baker");
    c.cmdAddNew->click();

    // An edit is refused before it is confirmed, and the stored customer stays as it was.
    c.lvwCustomersVis->select(c.lvwCustomersVis->positionOf("2k"));
    emit c.lvwCustomersVis->clicked();
    const QString before = *window->books().data().customers.find("2k");
    type(*window, 1, mark + "Lee");
    refused();
    EXPECT_EQ(*window->books().data().customers.find("2k"), before);
    EXPECT_EQ(c.cmdAddNew->caption(), "Apply &Edit");

    // Every customer listed before a save is listed after loading it.
    const QStringList names = listed();
    EXPECT_EQ(names, QStringList({"Adams, Bob", "Baker, " + mark + "Cy", "Lee, Ann"}));
    ASSERT_TRUE(window->books().saveDatabase());
    window->books().loadAndShowDatabase();
    EXPECT_EQ(listed(), names);
}

TEST_F(MainWindowTest, editingAsksUnlessTheOptionIsExactlyFalse)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    for (const char* option : {"", "false", "False"}) {
        platform::settings().setValue("Settings", "CheckToConfirmEdits", option);
        c.lvwCustomersVis->select(2);
        emit c.lvwCustomersVis->clicked();
        type(*window, 5, QString("ann@%1.example").arg(option));
        const bool asks = QString(option) != "False";
        if (asks)
            scriptedHost().answerMessageBox(MessageAnswer::Ok);
        const auto prompts = scriptedHost().prompts().size();
        c.cmdAddNew->click();
        EXPECT_EQ(scriptedHost().prompts().size(), prompts + (asks ? 1 : 0)) << option;
        EXPECT_TRUE(window->books().data().customers.find("2k")->endsWith(records::FieldSeparator + QString("ann@%1.example").arg(option)
                                                                 + records::FieldSeparator + records::FieldSeparator));
    }
    // Cancelling the confirmation shows the stored values again.
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "True");
    type(*window, 6, "555");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.cmdAddNew->click();
    EXPECT_TRUE(c.txtField[6]->text().isEmpty());
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");

    // Cancelling the duplicate warning during an edit leaves everything as it was.
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "False");
    type(*window, 0, "Bob");
    type(*window, 1, "Adams");
    const QString before = *window->books().data().customers.find("2k");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    c.cmdAddNew->click();
    EXPECT_EQ(*window->books().data().customers.find("2k"), before);
    EXPECT_EQ(c.lvwCustomersVis->textAt(2), "Lee, Ann");
    EXPECT_EQ(c.cmdAddNew->caption(), "Apply &Edit");

    c.cmdUndo->click();
    EXPECT_EQ(c.cmdUndo->caption(), "&Delete Existing");
    EXPECT_EQ(c.txtField[0]->text(), "Ann");

    // OK to it stores the edit, asked once: no second answer can lose the customer.
    type(*window, 0, "Bob");
    type(*window, 1, "Adams");
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    c.cmdAddNew->click();
    ASSERT_EQ(c.lvwCustomersVis->count(), 2);
    EXPECT_TRUE(window->books().data().customers.find("2k")->startsWith(QString("Adams, Bob") + records::FieldSeparator));
}

TEST_F(MainWindowTest, everyKeyThatMovesTheListShowsThatCustomer)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    window->show();
    QTreeView* tree = c.lvwCustomersVis->treeView();
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_End);
    EXPECT_EQ(c.txtField[0]->text(), "Ann");
    QTest::keyClick(tree, Qt::Key_Home);
    EXPECT_EQ(c.txtField[0]->text(), "Bob");
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(c.txtField[1]->text(), "Lee");
    QTest::keyClick(tree, Qt::Key_A);
    EXPECT_EQ(c.txtField[1]->text(), "Adams") << "type-ahead moved the list";
}

TEST_F(MainWindowTest, anEditWithoutACurrentCustomerIsStoredReturnedFromOrUndone)
{
    test::writeDatabaseFile({});
    start();
    const auto& c = window->customersPage().controls();
    // Reached by the Tab key, typing into an empty list's fields edits nothing that exists.
    type(*window, 1, "Lee");
    EXPECT_EQ(c.cmdAddNew->caption(), "Apply &Edit");
    // Undone, the fields are empty again: there is no stored customer to go back to.
    ASSERT_EQ(c.cmdUndo->caption(), "&Undo Edit");
    c.cmdUndo->click();
    EXPECT_TRUE(c.txtField[1]->text().isEmpty());
    EXPECT_FALSE(c.cmdUndo->visible());
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");
    type(*window, 1, "Lee");
    c.cmdAddNew->click();
    EXPECT_TRUE(c.lvwCustomersVis->isEmpty());
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");
    type(*window, 0, "Ann");
    c.cmdAddNew->click();
    ASSERT_EQ(c.lvwCustomersVis->count(), 1);
    EXPECT_EQ(c.lvwCustomersVis->textAt(1), "Ann") << "the last name was left behind by the return";
    EXPECT_EQ(window->books().data().customers.keyAt(1), "1k");
}

TEST_F(MainWindowTest, clickingAFieldOfAnEmptyListStartsANewCustomer)
{
    test::writeDatabaseFile({});
    start();
    const auto& c = window->customersPage().controls();
    emit c.txtField[3]->clicked();
    EXPECT_EQ(c.cmdUndo->caption(), "&Cancel New");
    c.cmdUndo->click();
    EXPECT_FALSE(c.cmdUndo->visible());
    EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer");
}

TEST_F(MainWindowTest, searchShowsTheFirstCustomerThatBeginsWithTheText)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    c.cmdSearch->click();
    EXPECT_EQ(c.lblCustomers->caption(), "Search:");
    EXPECT_TRUE(c.txtSearch->visible());
    EXPECT_TRUE(c.txtSearch->text().isEmpty());
    EXPECT_EQ(scriptedHost().sentKeys(), std::vector<int>{Qt::Key_Tab});
    c.txtSearch->setText("L");
    EXPECT_EQ(c.txtField[0]->text(), "Ann");
    c.txtSearch->setText("le");
    EXPECT_EQ(c.lvwCustomersVis->currentKey(), "2k");
    type(*window, 4, "edited");
    c.txtSearch->setText("lex");
    EXPECT_EQ(c.lvwCustomersVis->currentKey(), "2k") << "no match keeps the current customer";
    EXPECT_TRUE(c.txtField[4]->text().isEmpty()) << "and shows its stored values again";
    c.txtSearch->setText("");
    EXPECT_EQ(c.lvwCustomersVis->currentKey(), "1k");
    c.txtSearch->setText("ann");
    EXPECT_EQ(c.lvwCustomersVis->currentKey(), "1k") << "\"Lee, Ann\" does not begin with it";
    c.cmdSearch->click();
    EXPECT_EQ(c.lblCustomers->caption(), "List of Customers:");
    EXPECT_FALSE(c.txtSearch->visible());
}

TEST_F(MainWindowTest, aCustomerShownDuringNewCustomerEntryIsBrowsedInTheNormalColours)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"search", [&] { c.cmdSearch->click(); c.txtSearch->setText("L"); c.cmdSearch->click(); }},
        {"click", [&] { c.lvwCustomersVis->select(2); emit c.lvwCustomersVis->clicked(); }},
        {"arrow", [&] { c.lvwCustomersVis->select(2); emit c.lvwCustomersVis->keyUp(platform::KeyCode::Down, 0); }},
    };
    for (const auto& [way, show] : ways) {
        c.cmdAddNew->click();
        type(*window, 0, "Zed");
        show();
        EXPECT_EQ(c.txtField[1]->text(), "Lee") << way;
        for (const platform::TextBox* field : c.txtField)
            EXPECT_EQ(field->backColor(), app::kNormalColor) << way;
        EXPECT_EQ(c.cmdAddNew->caption(), "&New Customer") << way;
        EXPECT_TRUE(c.cmdAddNew->visible()) << way;
        EXPECT_EQ(c.cmdUndo->caption(), "&Delete Existing") << way;
        EXPECT_TRUE(c.cmdUndo->visible()) << way;
        EXPECT_TRUE(c.cmdPrint->visible()) << way;
    }
}

TEST_F(MainWindowTest, deletingACustomerRemovesOrArchivesIt)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    platform::settings().setValue("Settings", "CheckToConfirmEdits", "FALSE");
    // Adams, Bob (1) has an invoice record: archived.
    c.lvwCustomersVis->select(1);
    emit c.lvwCustomersVis->clicked();
    c.cmdUndo->click();
    app::CheckingWindow* checking = window->deletion().checkingWindow();
    ASSERT_TRUE(checking);
    EXPECT_EQ(checking->lblStatus->caption(), "Entry archived.");
    EXPECT_EQ(checking->staChecking->value(), 100);
    EXPECT_TRUE(checking->cmdOK->enabled());
    EXPECT_TRUE(window->books().data().customers.find("1k")->startsWith(records::ArchivePrefix + "Adams, Bob"));
    ASSERT_EQ(c.lvwCustomersVis->count(), 1);
    EXPECT_EQ(c.txtField[0]->text(), "Ann");
    EXPECT_TRUE(window->hasUnsavedChanges());

    // Lee, Ann has none: removed, and the page is empty.
    c.cmdUndo->click();
    EXPECT_EQ(checking->lblStatus->caption(), "Entry deleted.");
    EXPECT_FALSE(window->books().data().customers.contains("2k"));
    EXPECT_TRUE(c.lvwCustomersVis->isEmpty());
    EXPECT_FALSE(c.cmdUndo->visible());
    EXPECT_EQ(c.cmdUndo->caption(), "&Cancel New");
    EXPECT_FALSE(c.cmdPrint->visible());
    checking->cmdOK->click();
    EXPECT_FALSE(window->deletion().checkingWindow());

    // The deleted highest number is given again.
    c.cmdAddNew->click();
    type(*window, 0, "Zed");
    c.cmdAddNew->click();
    EXPECT_TRUE(window->books().data().customers.contains("4k"));
}

TEST_F(MainWindowTest, deletingAsksUnlessTheOptionIsOff)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    const auto& c = window->customersPage().controls();
    type(*window, 3, "edited");
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    window->customersPage().deleteCustomer();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Delete Existing Customer???");
    EXPECT_TRUE(c.txtField[3]->text().isEmpty()) << "cancel shows the stored values again";
    EXPECT_EQ(c.lvwCustomersVis->count(), 2);
}
