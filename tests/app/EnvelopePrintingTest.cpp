#include "PrintingPageFixture.h"

#include "platform/SettingsStore.h"
#include "platform/TextMeasurer.h"

using namespace tav;
using platform::kTwipsPerCentimetre;
using platform::MessageAnswer;
using platform::settings;
using test::scriptedHost;

namespace {

class EnvelopePrintingTest : public test::PrintingPageTest {
protected:
    void print() { window->printingPage().controls().cmdPrintSelectedEnvelopes->click(); }
};

} // namespace

TEST_F(EnvelopePrintingTest, eachCheckedCustomerGetsOneLandscapeEnvelopeInOneJob)
{
    tree().setChecked("3k", true);
    ASSERT_TRUE(tree().add("1k", "1kn", "INVOICE NOTE: hand deliver"));
    tree().setChecked("1kn", true);
    // A run holds one envelope at a time: each goes to the job while the bar shows its customer.
    std::vector<double> progress;
    scriptedHost().watchPrintedPages([&] { progress.push_back(window->printingPage().controls().staPrinting->value()); });
    print();
    ASSERT_EQ(progress.size(), 2u);
    EXPECT_LT(progress[0], progress[1]);
    const auto& runs = scriptedHost().printRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].setup.orientation, platform::PrintJobSetup::Orientation::Landscape);
    ASSERT_EQ(runs[0].pages.size(), 2u) << "item and note nodes start no envelope";
    const platform::Page& first = runs[0].pages[0];
    EXPECT_EQ(first.text("lblReturnAddress", 0), "Green & Sons");
    EXPECT_EQ(first.text("lblReturnAddress", 1), "1 Main Street");
    EXPECT_EQ(first.text("lblRecipient", 0), "Bob Adams");
    EXPECT_EQ(first.text("lblRecipient", 1), "2 Oak Road");
    EXPECT_EQ(runs[0].pages[1].text("lblRecipient", 0), "Old Gone");
    EXPECT_TRUE(scriptedHost().prompts().empty());
    expectRunOver();
}

TEST_F(EnvelopePrintingTest, theFirstRunStoresTheDefaultMargins)
{
    print();
    EXPECT_EQ(settings().value("Printing", "X-Margin"), "2");
    EXPECT_EQ(settings().value("Printing", "Y-Margin"), "12");
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_DOUBLE_EQ(printedPages()[0].element("lblReturnAddress", 0).left, 2 * kTwipsPerCentimetre);
    EXPECT_DOUBLE_EQ(printedPages()[0].element("lblReturnAddress", 0).top, 12 * kTwipsPerCentimetre);
}

TEST_F(EnvelopePrintingTest, aLeftMarginWithoutTopMarginPrintsAtTheTop)
{
    settings().setValue("Printing", "X-Margin", "3.5");
    print();
    EXPECT_FALSE(settings().contains("Printing", "Y-Margin"));
    ASSERT_EQ(printedPages().size(), 1u);
    EXPECT_DOUBLE_EQ(printedPages()[0].element("lblReturnAddress", 0).left, 4 * kTwipsPerCentimetre);
    EXPECT_DOUBLE_EQ(printedPages()[0].element("lblReturnAddress", 0).top, 0);
}

TEST_F(EnvelopePrintingTest, aFailingPrinterIsReportedOnceForTheWholeRun)
{
    tree().setChecked("3k", true);
    scriptedHost().setPrintOutcome({"The printer is offline.", {}});
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    print();
    ASSERT_EQ(scriptedHost().prompts().size(), 1u);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Printer Error");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains("The printer is offline."));
    expectRunOver();
}

TEST_F(EnvelopePrintingTest, nothingCheckedPrintsNothing)
{
    tree().setChecked("1k", false);
    print();
    EXPECT_TRUE(scriptedHost().printRuns().empty());
    expectRunOver();
}
