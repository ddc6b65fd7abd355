#pragma once

#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/TreeView.h"

namespace tav::test {

// The sample database's period "January" on the Printing page: Bob Adams (1k) owes for two lawn
// mowings and comes checked; the archived Old Gone (3k) has paid for a snow removal and comes
// unchecked.
class PrintingPageTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        writeDatabaseFile(sampleDatabase());
        start();
        platform::ComboBox* periods = window->printingPage().controls().cmbBillPeriod[2];
        for (int i = 0; i < periods->listCount(); ++i) {
            if (periods->itemText(i) == "January")
                periods->setListIndex(i);
        }
        ASSERT_TRUE(tree().contains("1k"));
    }

    platform::TreeView& tree() { return *window->printingPage().controls().tvwInvoiceRecords[1]; }

    // The pages of the only print run there was.
    const std::vector<platform::Page>& printedPages()
    {
        static const std::vector<platform::Page> none;
        const auto& runs = scriptedHost().printRuns();
        EXPECT_EQ(runs.size(), 1u);
        return runs.size() == 1 ? runs[0].pages : none;
    }

    void expectRunOver()
    {
        EXPECT_FALSE(window->printingPage().controls().lblPrinting->visible());
        EXPECT_FALSE(window->printingPage().controls().staPrinting->visible());
        EXPECT_TRUE(window->printingPage().controls().cmdPrintSelectedInvoices->enabled());
        EXPECT_TRUE(window->printingPage().controls().cmdPrintSelectedEnvelopes->enabled());
    }
};

} // namespace tav::test
