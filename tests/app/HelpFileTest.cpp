#include "MainWindowFixture.h"

using namespace tav;
using test::scriptedHost;

namespace {
class HelpFileTest : public test::MainWindowTest {};
} // namespace

TEST_F(HelpFileTest, theHelpButtonOpensTheHelpFileOnlyWhenItIsThere)
{
    test::writeDatabaseFile("");
    start();
    emit window->c.cmdOpenHelp->clicked();
    EXPECT_TRUE(scriptedHost().openedFiles().isEmpty());

    const QString help = test::testFolder() + "/program/TAV.HLP";
    QFile(help).open(QIODevice::WriteOnly);
    emit window->c.cmdOpenHelp->clicked();
    EXPECT_EQ(scriptedHost().openedFiles(), QStringList{help});
}
