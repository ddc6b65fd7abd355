#include "MainWindowFixture.h"

using namespace tav;
using platform::MessageAnswer;
using test::scriptedHost;

namespace {
class HelpFileTest : public test::MainWindowTest {};
} // namespace

TEST_F(HelpFileTest, theHelpButtonOpensTheHelpFileOrSaysWhyItCannot)
{
    test::writeDatabaseFile("");
    start();
    const QString help = test::testFolder() + "/program/TAV.HLP";
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit window->optionsPage().controls().cmdOpenHelp->clicked();
    EXPECT_TRUE(scriptedHost().openedFiles().isEmpty());
    EXPECT_EQ(scriptedHost().lastPrompt().text, "The help file " + help + " was not found.");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "TAV");
    EXPECT_EQ(scriptedHost().lastPrompt().icon, platform::MessageIcon::None);

    QFile(help).open(QIODevice::WriteOnly);
    emit window->optionsPage().controls().cmdOpenHelp->clicked();
    EXPECT_EQ(scriptedHost().openedFiles(), QStringList{help});

    scriptedHost().refuseOpening();
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    emit window->optionsPage().controls().cmdOpenHelp->clicked();
    EXPECT_EQ(scriptedHost().lastPrompt().text, "The help file " + help + " could not be opened.");
}
