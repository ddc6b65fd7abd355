#include "app/frame/MainWindow.h"
#include "app/frame/Startup.h"
#include "components/Dialogs.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

using namespace tav;
using app::MainWindow;
using platform::MessageAnswer;
using platform::settings;
using test::scriptedHost;

namespace {

// Starts the program as start-up does and returns its main window.
MainWindow* start()
{
    // An empty database file: nothing is unsaved after loading it.
    QFile file(test::testFolder() + "/program/TAV.xml");
    file.open(QIODevice::WriteOnly | QIODevice::Append);
    file.close();
    test::createScriptedDialogs();
    auto* window = new MainWindow;
    window->load();
    return window;
}

} // namespace

TEST(Startup, aSecondInstanceIsToldAndTouchesNothing)
{
    scriptedHost().setAnotherInstanceRunning(true);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    EXPECT_TRUE(app::refuseSecondInstance(scriptedHost()));
    const auto& prompt = scriptedHost().lastPrompt();
    EXPECT_EQ(prompt.text, "TAV is already running.");
    EXPECT_EQ(prompt.title, "TAV");
    EXPECT_EQ(prompt.buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(QFile::exists(settings().filePath()));

    scriptedHost().setAnotherInstanceRunning(false);
    EXPECT_FALSE(app::refuseSecondInstance(scriptedHost()));
}

TEST(Startup, aStartAndACloseRememberThePageAndThePlacement)
{
    MainWindow* window = start();
    EXPECT_EQ(window->caption(), "TAV");
    EXPECT_EQ(window->state().currentTab, 0);
    EXPECT_TRUE(window->frameControls().fraMain[0]->visible());
    EXPECT_EQ(window->frameControls().fraMain[3]->left(), 1560) << "every page frame stands at the page area";
    EXPECT_EQ(window->optionsPage().controls().lblVersionNumber->caption(), "1.0");
    EXPECT_EQ(window->width(), 10110);
    EXPECT_EQ(window->height(), 6765);
    EXPECT_FALSE(window->state().isLoading);

    window->frameControls().cmdAcceleratorKey[3]->click();
    EXPECT_EQ(window->state().currentTab, 3);
    EXPECT_FALSE(window->frameControls().fraMain[0]->visible());
    window->setWidth(12000);
    window->setLeft(450);
    ASSERT_TRUE(window->unload());
    EXPECT_FALSE(components::dialogsExist());

    test::reloadSettings();
    EXPECT_EQ(settings().value("Settings", "LastClicked"), "3");
    EXPECT_EQ(settings().value("BrowseRecall", "view"), "plorvex");
    EXPECT_EQ(settings().value("FormPositions", "frmTAV_Width"), "12000");

    MainWindow* again = start();
    EXPECT_EQ(again->state().currentTab, 3);
    EXPECT_TRUE(again->frameControls().fraMain[3]->visible());
    EXPECT_EQ(again->width(), 12000);
    EXPECT_EQ(again->left(), 450);
    again->unload();
}

TEST(Startup, aRememberedPageThatIsNoPageOpensTheFirst)
{
    for (const char* stored : {"9", "-1", "printing", "2.5"}) {
        settings().setValue("Settings", "LastClicked", stored);
        MainWindow* window = start();
        EXPECT_EQ(window->state().currentTab, QString(stored) == "2.5" ? 2 : 0) << stored;
        window->unload();
    }
}

TEST(Startup, closingWithUnsavedChangesAsksFirst)
{
    MainWindow* window = start();
    window->pageLayout().cmdTab_Click(4);
    window->books().setUnsaved(true);

    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    EXPECT_FALSE(window->unload());
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Your database has changed.\r\n\r\nDo you want to save the changes?");
    EXPECT_EQ(scriptedHost().lastPrompt().buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(scriptedHost().lastPrompt().icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(settings().value("Settings", "LastClicked"), "4") << "the page is remembered even when cancelled";
    EXPECT_FALSE(settings().contains("FormPositions", "frmTAV_WindowState"));
    EXPECT_TRUE(components::dialogsExist());

    scriptedHost().answerMessageBox(MessageAnswer::No);
    EXPECT_TRUE(window->unload());
    EXPECT_TRUE(settings().contains("FormPositions", "frmTAV_WindowState"));
}
