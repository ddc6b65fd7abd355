#include "MainWindowFixture.h"

#include "platform/CommandButton.h"
#include "printing/CustomerListOptionsWindow.h"

using namespace tav;
using test::MainWindowTest;
using test::scriptedHost;

TEST_F(MainWindowTest, thePrinterButtonOfTheCustomersPagePrintsTheCurrentCustomers)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    scriptedHost().answerModal([](platform::Form& form) {
        EXPECT_EQ(form.caption(), "Customer List Print Options");
        static_cast<printing::CustomerListOptionsWindow&>(form).cmdPrint->click();
    });
    window->customersPage().controls().cmdPrint->click();
    ASSERT_EQ(scriptedHost().printRuns().size(), 1u);
    ASSERT_EQ(scriptedHost().printRuns()[0].pages.size(), 1u);
    const QString column = scriptedHost().printRuns()[0].pages[0].text("lblList", 0);
    EXPECT_TRUE(column.startsWith("Adams, Bob\n2 Oak Road\n\nLee, Ann\n")) << column.toStdString();
    EXPECT_FALSE(column.contains("Gone")) << "archived customers are left out";
}
