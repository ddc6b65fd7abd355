#include "PrintingPageFixture.h"

#include "app/workflows/NewBillPeriod.h"
#include "app/workflows/PrintingPageRun.h"

#include "components/MessageWindow.h"
#include "platform/CheckBox.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/TextBox.h"

using namespace tav;
using platform::CheckBox;
using platform::MessageAnswer;
using platform::Page;
using test::scriptedHost;

namespace {

class InvoicePrintingTest : public test::PrintingPageTest {
protected:
    void print() { window->printingPage().controls().cmdPrintSelectedInvoices->click(); }

    void clearCompanyNameAndAddress()
    {
        window->companyInfoPage().controls().txtCompanyDetails[0]->setText("");
        window->companyInfoPage().controls().txtCompanyDetails[1]->setText("");
    }

    // Answers the company-information question by the button of that name, ticking "Don't Show
    // this Message Again." first when asked to.
    void answerCompanyQuestion(const char* button, bool dontShowAgain = false)
    {
        scriptedHost().answerModal([=](platform::Form& form) {
            auto& message = static_cast<components::MessageWindow&>(form);
            EXPECT_EQ(message.lblMessage->caption(),
                      "You have not entered your company's name or address.\r\n\r\n"
                      "Would you like to enter this information\r\nbefore printing your invoices?");
            if (dontShowAgain)
                message.chkDontShow->setValue(CheckBox::Checked);
            if (QByteArray(button) == "Yes")
                message.cmdYes->click();
            else if (QByteArray(button) == "No")
                message.cmdNo->click();
            else
                message.unload();
        });
    }
};

} // namespace

TEST_F(InvoicePrintingTest, eachCheckedCustomerGetsOnePortraitPageInOneJob)
{
    print();
    const auto& runs = scriptedHost().printRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].finished);
    EXPECT_EQ(runs[0].setup.orientation, platform::PrintJobSetup::Orientation::Portrait);
    ASSERT_EQ(runs[0].pages.size(), 1u);
    const Page& page = runs[0].pages[0];
    EXPECT_EQ(page.text("lblInvoiceTitle"), "INVOICE");
    EXPECT_EQ(page.element("lblInvoiceTitle").font.points, 36);
    EXPECT_EQ(page.text("lblCompanyName"), "Green & Sons");
    EXPECT_EQ(page.text("lblBillTo", 1), "Bob Adams");
    EXPECT_EQ(page.text("lblBillTo", 2), "2 Oak Road");
    EXPECT_EQ(page.text("lblPS", 0), "Lawn mowing (x2)");
    EXPECT_EQ(page.text("lblAm", 0), "$25.00");
    EXPECT_EQ(page.text("lblTotalAm"), "$25.00");
    EXPECT_EQ(page.text("lblBillDue"), "BILL DUE: 02/15/2026");
    EXPECT_FALSE(page.element("lblInvoiceDate").visible);
    EXPECT_TRUE(scriptedHost().prompts().empty());
    expectRunOver();
}

TEST_F(InvoicePrintingTest, amountsThatCouldNotBeReadAreNeverPrintedAsOthersNorShownAsPaid)
{
    // A negative price, a price of a billion, a balance with junk after it and a quantity of ten digits.
    QByteArray bytes = test::sampleDatabase();
    bytes.replace("<ItemPrice>$5.00</ItemPrice>", "<ItemPrice>($5.00)</ItemPrice>");
    bytes.replace("<ItemPrice>$40.00</ItemPrice>", "<ItemPrice>$1,000,000,000.00</ItemPrice>");
    bytes.replace("<AccountBalance>25</AccountBalance>\r\n\t\t\t<PSID Number=\"1\">1x2</PSID>",
                  "<AccountBalance>139.93abc</AccountBalance>\r\n\t\t\t<PSID Number=\"1\">1x2</PSID>\r\n"
                  "\t\t\t<PSID Number=\"2\">2</PSID>\r\n\t\t\t<PSID Number=\"3\">1x1234567890</PSID>");
    test::writeDatabaseFile(bytes);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    window->books().loadAndShowDatabase();
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Amounts Not Read");
    window->printingPage().controls().cmbBillPeriod[2]->setListIndex(0);
    ASSERT_EQ(window->printingPage().controls().cmbBillPeriod[2]->text(), "January");
    EXPECT_EQ(tree().text("1k"), "Adams, Bob - owes 139.93abc (not read)");
    EXPECT_TRUE(tree().checked("1k")) << "a balance that could not be read is owed";
    tree().setChecked("3k", true);
    print();
    const auto& pages = printedPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(pages[0].element("imgPaid").visible);
    EXPECT_EQ(pages[0].text("lblPS", 0), "Lawn mowing (x2)");
    EXPECT_EQ(pages[0].text("lblAm", 0), "$25.00");
    EXPECT_EQ(pages[0].text("lblPS", 1), "Hedge trimming");
    EXPECT_EQ(pages[0].text("lblAm", 1), "") << "never -$5.00";
    EXPECT_EQ(pages[0].text("lblAm", 2), "") << "never a quantity of 1";
    EXPECT_EQ(pages[0].text("lblTotalAm"), "$25.00");
    EXPECT_EQ(pages[1].text("lblPS", 0), "Snow removal");
    EXPECT_EQ(pages[1].text("lblAm", 0), "") << "never $1,000,000,000.00";
}

TEST_F(InvoicePrintingTest, aRunOfInvoicesOfDifferentLengthsPrintsEachOnItsOwnPagesWithItsOwnTotal)
{
    // Bob: 13 lines; Old Gone, paid: 30 lines; Ann, added to the tree: 3 lines. Each page holds its
    // own customer's lines, twelve at most; the last page of each invoice its own total.
    const auto addLines = [&](const QString& customer, const QString& name, int count) {
        for (int i = 1; i <= count; ++i) {
            const QString key = customer + QString::number(i) + "x";
            ASSERT_TRUE(tree().add(customer, key, QStringLiteral("$%1.00 - %2 item %1").arg(i).arg(name)));
            tree().setChecked(key, true);
            tree().setTag(key, QString::number(i * 100)); // the amount, as the tree's own items carry it
        }
    };
    addLines("1k", "Bob", 12);
    tree().setChecked("3k", true);
    addLines("3k", "Gone", 29);
    ASSERT_TRUE(tree().add(app::NewBillPeriod::kRootKey, "2k", "Lee, Ann - owes $6.00"));
    tree().setChecked("2k", true);
    addLines("2k", "Ann", 3);
    print();

    struct Expected {
        const char* billTo;
        const char* name;
        // The line the period billed, before those added.
        const char* periodLine;
        int lines;
        const char* total;
    };
    const Expected invoices[] = {{"Bob Adams", "Bob", "Lawn mowing (x2)", 13, "$103.00"},
                                 {"Old Gone", "Gone", "Snow removal", 30, "$0.00"}, {"Ann Lee", "Ann", "", 3, "$6.00"}};
    const std::vector<Page>& pages = printedPages();
    ASSERT_EQ(pages.size(), 2u + 3u + 1u);
    size_t next = 0;
    for (const Expected& invoice : invoices) {
        QStringList lines;
        if (*invoice.periodLine)
            lines << invoice.periodLine;
        while (lines.size() < invoice.lines)
            lines << QStringLiteral("%1 item %2").arg(invoice.name).arg(lines.size() + (*invoice.periodLine ? 0 : 1));
        for (int first = 0; first < invoice.lines; first += 12, ++next) {
            SCOPED_TRACE(QStringLiteral("%1, page %2").arg(invoice.name).arg(first / 12 + 1).toStdString());
            const Page& page = pages[next];
            const bool last = first + 12 >= invoice.lines;
            EXPECT_EQ(page.text("lblBillTo", 1), invoice.billTo);
            for (int row = 0; row < 12; ++row)
                EXPECT_EQ(page.text("lblPS", row), lines.value(first + row)) << "row " << row;
            EXPECT_EQ(page.element("lblTotalAm").visible, last);
            EXPECT_EQ(page.element("lblContinued").visible, !last);
            if (last) {
                EXPECT_EQ(page.text("lblTotalAm"), invoice.total);
            }
            EXPECT_EQ(page.element("imgPaid").visible, last && QByteArray(invoice.name) == "Gone");
        }
    }
}

TEST_F(InvoicePrintingTest, thePrintOptionsShapeThePage)
{
    auto& printOptions = window->printOptionsPage().controls();
    printOptions.cmdPrintPreviewForward->click();
    printOptions.optInvoiceTitle[1]->setValue(true);
    printOptions.optInvoiceTitleSize[1]->setValue(true);
    printOptions.chkAddInvoiceDateToInvoice->setValue(CheckBox::Checked);
    printOptions.chkKeepTwelveLines->setValue(CheckBox::Unchecked);
    printOptions.chkMoveAccordingly->setValue(CheckBox::Checked);
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    const Page& page = printedPages()[0];
    EXPECT_EQ(page.element("lblInvoiceTitle").left, 840) << "the previewed layout 1 is the one printed";
    EXPECT_EQ(page.text("lblInvoiceTitle"), "ESTIMATE");
    EXPECT_EQ(page.element("lblInvoiceTitle").font.points, 24);
    EXPECT_TRUE(page.element("lblInvoiceDate").visible);
    EXPECT_EQ(page.text("lblInvoiceDate"), "INVOICE DATE: 12/09/2026");
    EXPECT_FALSE(page.element("lnePS", 1).visible);
    EXPECT_EQ(page.element("lblNote").top, 12600 - 11 * 360);
}

TEST_F(InvoicePrintingTest, anOwnTitleIsPrintedAsTyped)
{
    window->printOptionsPage().controls().optInvoiceTitle[2]->setValue(true);
    window->printOptionsPage().controls().txtInvoiceTitle->setText("Receipt");
    window->printOptionsPage().controls().optInvoiceTitleSize[0]->setValue(true);
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_EQ(printedPages()[0].text("lblInvoiceTitle"), "Receipt");
    EXPECT_EQ(printedPages()[0].element("lblInvoiceTitle").font.points, 16);
}

TEST_F(InvoicePrintingTest, billDueComesFromThePrintedPeriodsRecordNotTheEntryBox)
{
    window->billPeriodsPage().controls().txtPField[3]->setText("12/31/2099");
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_EQ(printedPages()[0].text("lblBillDue"), "BILL DUE: 02/15/2026");
}

TEST_F(InvoicePrintingTest, duplicatesPrintTheWholeInvoiceTwice)
{
    window->printOptionsPage().controls().chkPrintDuplicateInvoices->setValue(CheckBox::Checked);
    print();
    ASSERT_EQ(printedPages().size(), 2u);
    EXPECT_TRUE(printedPages()[0] == printedPages()[1]);

    for (int i = 1; i <= 12; ++i) {
        ASSERT_TRUE(tree().add("1k", QStringLiteral("1k%1x").arg(i), QStringLiteral("$1.00 - Extra %1").arg(i)));
        tree().setChecked(QStringLiteral("1k%1x").arg(i), true);
    }
    print();
    ASSERT_EQ(scriptedHost().printRuns().size(), 2u);
    const std::vector<Page>& pages = scriptedHost().printRuns()[1].pages;
    ASSERT_EQ(pages.size(), 4u) << "two pages, twice";
    EXPECT_FALSE(pages[0] == pages[1]);
    EXPECT_TRUE(pages[0] == pages[2]);
    EXPECT_TRUE(pages[1] == pages[3]);
}

TEST_F(InvoicePrintingTest, aCheckedPaidCustomerGetsThePaidMarkAndATotalOfZero)
{
    tree().setChecked("3k", true);
    print();
    ASSERT_EQ(printedPages().size(), 2u);
    EXPECT_FALSE(printedPages()[0].element("imgPaid").visible);
    const Page& paid = printedPages()[1];
    EXPECT_TRUE(paid.element("imgPaid").visible);
    EXPECT_EQ(paid.text("lblBillTo", 1), "Old Gone") << "an archived customer prints under the plain name";
    EXPECT_EQ(paid.text("lblPS", 0), "Snow removal");
    EXPECT_EQ(paid.text("lblAm", 0), "$40.00");
    EXPECT_EQ(paid.text("lblTotalAm"), "$0.00");
}

TEST_F(InvoicePrintingTest, aCustomerWhoseRecordIsGoneGetsNoPageAndTheNextKeepsItsOwnAddress)
{
    tree().setChecked("3k", true);
    window->books().data().customers.remove("1k");
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_EQ(printedPages()[0].text("lblBillTo", 1), "Old Gone");
    EXPECT_EQ(printedPages()[0].text("lblBillTo", 2), "");
}

TEST_F(InvoicePrintingTest, uncheckedLinesAreLeftOutAndAnInvoiceNotePrintsAsTheNote)
{
    ASSERT_TRUE(tree().add("1k", "1kn", "INVOICE NOTE: gate code 1234"));
    tree().setChecked("1kn", true);
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_EQ(printedPages()[0].text("lblNote"), "NOTE: gate code 1234");

    tree().setChecked("1kn", false);
    tree().setChecked(tree().childKeys("1k").first(), false);
    print();
    EXPECT_EQ(scriptedHost().printRuns().size(), 1u) << "a customer without checked lines gets no page, so no job";
    expectRunOver();
}

TEST_F(InvoicePrintingTest, eachInvoiceGoesToTheJobAsSoonAsItIsMade)
{
    // A run of thousands of invoices holds one at a time: each page, and its duplicate, reaches
    // the job while the progress bar still shows its own customer.
    tree().setChecked("3k", true);
    window->printOptionsPage().controls().chkPrintDuplicateInvoices->setValue(CheckBox::Checked);
    std::vector<double> progress;
    bool busy = true;
    scriptedHost().watchPrintedPages([&] {
        progress.push_back(window->printingPage().controls().staPrinting->value());
        busy = busy && scriptedHost().busy();
    });
    print();
    EXPECT_TRUE(busy) << "the busy cursor shows while the run lasts";
    ASSERT_EQ(progress.size(), 4u);
    EXPECT_EQ(progress[0], progress[1]);
    EXPECT_LT(progress[1], progress[2]);
    EXPECT_EQ(progress[2], progress[3]);
}

TEST_F(InvoicePrintingTest, nothingCheckedPrintsNothingAndSaysNothing)
{
    tree().setChecked("1k", false);
    print();
    EXPECT_TRUE(scriptedHost().printRuns().empty());
    EXPECT_TRUE(scriptedHost().prompts().empty());
    expectRunOver();
}

TEST_F(InvoicePrintingTest, aFailingPrinterIsReportedOnceAtTheEnd)
{
    tree().setChecked("3k", true);
    scriptedHost().setPrintOutcome({"The printer is out of paper.", {}});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    print();
    ASSERT_EQ(scriptedHost().prompts().size(), 1u);
    const auto& prompt = scriptedHost().lastPrompt();
    EXPECT_EQ(prompt.title, "Printer Error");
    EXPECT_EQ(prompt.icon, platform::MessageIcon::Critical);
    EXPECT_EQ(prompt.text, "An error has occoured: \r\nThe printer is out of paper.\r\n"
                           "The printing job has been canceled, please try again.");
    EXPECT_TRUE(prompt.whileBusy);
    EXPECT_FALSE(scriptedHost().busy());
    expectRunOver();
}

TEST_F(InvoicePrintingTest, theUserIsToldWhereThePagesWentWithoutAPrinter)
{
    scriptedHost().setPrintOutcome({{}, "/home/user/Documents/TAV Invoices 2026-12-09 10.00.00.pdf"});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    print();
    EXPECT_EQ(scriptedHost().lastPrompt().icon, platform::MessageIcon::Information);
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("/home/user/Documents/TAV Invoices 2026-12-09 10.00.00.pdf"));
}

TEST_F(InvoicePrintingTest, withoutCompanyNameAndAddressYesOpensTheCompanyInfoPageAndPrintsNothing)
{
    clearCompanyNameAndAddress();
    answerCompanyQuestion("Yes");
    print();
    EXPECT_EQ(window->state().currentTab, 6);
    EXPECT_TRUE(window->frameControls().fraMain[6]->visible());
    EXPECT_TRUE(scriptedHost().printRuns().empty());
}

TEST_F(InvoicePrintingTest, withoutCompanyNameAndAddressNoPrints)
{
    clearCompanyNameAndAddress();
    answerCompanyQuestion("No");
    print();
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_EQ(printedPages()[0].text("lblCompanyName"), "");
}

TEST_F(InvoicePrintingTest, oneOfNameAndAddressIsEnoughToPrintWithoutAsking)
{
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("");
    print();
    window->companyInfoPage().controls().txtCompanyDetails[0]->setText("Green & Sons");
    window->companyInfoPage().controls().txtCompanyDetails[1]->setText("");
    print();
    EXPECT_EQ(scriptedHost().printRuns().size(), 2u);
}

TEST_F(InvoicePrintingTest, closingTheQuestionKeepsYesAndTickingTheBoxSilencesItForGood)
{
    clearCompanyNameAndAddress();
    answerCompanyQuestion("close", true);
    print();
    EXPECT_EQ(window->state().currentTab, 6);
    EXPECT_TRUE(scriptedHost().printRuns().empty());
    EXPECT_EQ(platform::settings().value("Messages", "DontShowNeedToFillCompanyInfo"), "True");
    print();
    EXPECT_EQ(scriptedHost().printRuns().size(), 1u);
}

TEST_F(InvoicePrintingTest, aRunTakesTheCheckedCustomersAtItsStartAndKeepsThePrintButtonsOff)
{
    {
        app::PrintingPageRun run(window->printingPage().controls());
        EXPECT_FALSE(window->printingPage().controls().cmdPrintSelectedInvoices->enabled());
        EXPECT_FALSE(window->printingPage().controls().cmdPrintSelectedEnvelopes->enabled());
        EXPECT_TRUE(window->printingPage().controls().lblPrinting->visible());
        EXPECT_TRUE(window->printingPage().controls().staPrinting->visible());
        tree().setChecked("3k", true);
        tree().setChecked("1k", false);
        EXPECT_EQ(run.customers(), QStringList({"1k"}));
        const QList<printing::InvoiceLine> lines = run.checkedLines("1k");
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0].text, "$12.50 - Lawn mowing (x2)");
        EXPECT_EQ(lines[0].amount, 2500) << "the amount the tables were read with";
    }
    expectRunOver();
}
