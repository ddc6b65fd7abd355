#include "printing/CustomerListOptionsWindow.h"

#include "components/Dialogs.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "records/RecordFormats.h"
#include "support/TestEnvironment.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tav;
using platform::CheckBox;
using platform::MessageAnswer;
using platform::settings;
using printing::CustomerListOptionsWindow;
using test::scriptedHost;

namespace {

const QString kSection = "CustomerListPrint";

class CustomerListOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { test::createScriptedDialogs(); }

    // Opens the window the way the Customers page does, loading it from the settings.
    CustomerListOptionsWindow& open()
    {
        window_ = new CustomerListOptionsWindow(customers, nullptr);
        return *window_;
    }

    QString stored(const char* key) const { return settings().value(kSection, key); }

    records::RecordTable customers;
    QPointer<CustomerListOptionsWindow> window_;

    void TearDown() override
    {
        if (window_ && !window_->unloaded())
            window_->unload();
    }
};

} // namespace

TEST_F(CustomerListOptionsTest, aFreshStoreOpensWithTheDefaultsAndStoresWhatTheBoxesRead)
{
    auto& w = open();
    EXPECT_EQ(w.caption(), "Customer List Print Options");
    EXPECT_EQ(w.txtPageTitle->text(), "Customer List");
    for (CheckBox* box : w.chkPCL)
        EXPECT_EQ(box->value(), CheckBox::Checked);
    EXPECT_EQ(w.lblFontName[0]->caption(), "Arial");
    EXPECT_EQ(w.lblFontName[1]->caption(), "Regular 8");
    EXPECT_EQ(w.cmbColumns->text(), "3");
    EXPECT_EQ(w.cmbBlankLines->text(), "1");
    EXPECT_EQ(w.cmbColumns->listCount(), 4);
    EXPECT_EQ(w.cmbBlankLines->listCount(), 5);

    EXPECT_EQ(stored("BlankLinesBetween"), "1");
    for (const char* key : {"PrintAddress", "PrintEmail", "PrintPhone", "PrintNotes"})
        EXPECT_EQ(stored(key), "True") << key;
    for (const char* key : {"PrintPageNumbers", "Columns", "PageTitle", "PrintFontName", "PrintFontStyleSize"})
        EXPECT_FALSE(settings().contains(kSection, key)) << key;
}

TEST_F(CustomerListOptionsTest, storedChoicesOpenAsStoredAndOutOfRangeCountsFallBack)
{
    settings().setValue(kSection, "Columns", "2");
    settings().setValue(kSection, "BlankLinesBetween", "0");
    settings().setValue(kSection, "PrintEmail", "FALSE");
    settings().setValue(kSection, "PrintPageNumbers", "false");
    settings().setValue(kSection, "PageTitle", "Members");
    settings().setValue(kSection, "PrintFontName", "Courier");
    settings().setValue(kSection, "PrintFontStyleSize", "Bold 9");
    auto& w = open();
    EXPECT_EQ(w.cmbColumns->text(), "2");
    EXPECT_EQ(w.cmbBlankLines->text(), "0");
    EXPECT_EQ(w.chkPCL[1]->value(), CheckBox::Unchecked);
    EXPECT_EQ(w.chkPCL[4]->value(), CheckBox::Unchecked);
    EXPECT_EQ(w.txtPageTitle->text(), "Members");
    EXPECT_EQ(w.lblFontName[0]->caption(), "Courier");
    EXPECT_EQ(w.lblFontName[1]->caption(), "Bold 9");
    EXPECT_EQ(stored("Columns"), "2") << "the load's own selections write nothing";
    w.unload();

    for (const char* columns : {"0", "5", "lots", "-3"}) {
        settings().setValue(kSection, "Columns", columns);
        settings().setValue(kSection, "BlankLinesBetween", "7");
        auto& again = open();
        EXPECT_EQ(again.cmbColumns->text(), "3") << columns;
        EXPECT_EQ(again.cmbBlankLines->text(), "1");
        again.unload();
    }
}

TEST_F(CustomerListOptionsTest, choicesAreStoredAsTheyAreMade)
{
    auto& w = open();
    w.cmbColumns->setListIndex(1);
    EXPECT_EQ(stored("Columns"), "2");
    w.cmbBlankLines->setListIndex(0);
    EXPECT_EQ(stored("BlankLinesBetween"), "0");
    w.chkPCL[1]->setValue(CheckBox::Unchecked);
    EXPECT_EQ(stored("PrintEmail"), "False");
    w.chkPCL[1]->setValue(CheckBox::Checked);
    EXPECT_EQ(stored("PrintEmail"), "True");
    w.chkPCL[4]->setValue(CheckBox::Unchecked);
    EXPECT_FALSE(settings().contains(kSection, "PrintPageNumbers"));
    w.chkPCL[2]->setValue(CheckBox::Unchecked);
    w.unload();

    test::reloadSettings();
    auto& reopened = open();
    EXPECT_EQ(reopened.cmbColumns->text(), "2") << "the choices survive a restart";
    EXPECT_EQ(reopened.cmbBlankLines->text(), "0");
    EXPECT_EQ(reopened.chkPCL[2]->value(), CheckBox::Unchecked);
    EXPECT_EQ(reopened.chkPCL[4]->value(), CheckBox::Checked) << "page numbers are chosen anew each time";
}

TEST_F(CustomerListOptionsTest, theChosenFontIsShownAndStoredUnlessTheDialogIsCancelled)
{
    auto& w = open();
    test::dialogBackend().dismiss(test::ScriptedDialogBackend::Dialog::Font);
    w.cmdChangeFont->click();
    EXPECT_EQ(w.lblFontName[1]->caption(), "Regular 8");
    EXPECT_FALSE(settings().contains(kSection, "PrintFontName"));

    test::dialogBackend().chooseFont({QStringLiteral("Courier New") + QChar(0) + "junk", 100, 0,
                                      platform::FontType::Bold | platform::FontType::Italic});
    w.cmdChangeFont->click();
    EXPECT_EQ(w.lblFontName[0]->caption(), "Courier New");
    EXPECT_EQ(w.lblFontName[1]->caption(), "Bold Italic 10");
    EXPECT_EQ(stored("PrintFontName"), "Courier New");
    EXPECT_EQ(stored("PrintFontStyleSize"), "Bold Italic 10");
    EXPECT_EQ(w.options().fontStyleSize, "Bold Italic 10");
}

TEST_F(CustomerListOptionsTest, printTakesTheControlsChoicesAndClosesTheWindow)
{
    records::CustomerRecord bob;
    bob.values = {"Bob", "Adams", "2 Oak Road", "", "", "bob@example.com", "", ""};
    customers.add("1k", bob.text());
    auto& w = open();
    w.txtPageTitle->setText("Members");
    w.chkPCL[1]->setValue(CheckBox::Unchecked);
    w.cmdPrint->click();
    EXPECT_TRUE(w.unloaded());
    ASSERT_EQ(scriptedHost().printRuns().size(), 1u);
    const auto& run = scriptedHost().printRuns()[0];
    EXPECT_EQ(run.setup.orientation, platform::PrintJobSetup::Orientation::Portrait);
    ASSERT_EQ(run.pages.size(), 1u);
    EXPECT_EQ(run.pages[0].text("lblPageTitle"), "Members");
    EXPECT_EQ(run.pages[0].text("lblList", 0), "Adams, Bob\n2 Oak Road\n");
    EXPECT_TRUE(scriptedHost().prompts().empty());
}

TEST_F(CustomerListOptionsTest, withNoCustomersPrintSaysSoAndPrintsNothing)
{
    auto& w = open();
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    w.cmdPrint->click();
    EXPECT_EQ(scriptedHost().lastPrompt().text, "There are no customers to print!");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "TAV");
    EXPECT_EQ(scriptedHost().lastPrompt().icon, platform::MessageIcon::None);
    EXPECT_TRUE(scriptedHost().printRuns().empty());
    EXPECT_TRUE(w.unloaded());
}

TEST_F(CustomerListOptionsTest, aPrinterThatFailsIsReportedOnceAndTheWindowCloses)
{
    for (int i = 1; i <= 40; ++i)
        customers.add(records::numberedKey(i), records::CustomerRecord{{QStringLiteral("C%1").arg(i)}, false}.text());
    auto& w = open();
    scriptedHost().setPrintOutcome({"The printer is out of paper.", {}});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    w.cmdPrint->click();
    EXPECT_EQ(scriptedHost().prompts().size(), 1u);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Printer Error");
    EXPECT_TRUE(w.unloaded());
}

TEST_F(CustomerListOptionsTest, cancelPrintsNothing)
{
    customers.add("1k", records::CustomerRecord{{"Bob"}, false}.text());
    auto& w = open();
    QTest::keyClick(w.widget(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(w.unloaded());
    EXPECT_TRUE(scriptedHost().printRuns().empty());
}
