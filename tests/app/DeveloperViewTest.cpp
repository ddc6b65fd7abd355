#include "MainWindowFixture.h"

#include "app/books/DatabasePath.h"
#include "app/windows/DeveloperView.h"
#include "platform/CommandButton.h"
#include "platform/ListingBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

#include <QTest>

using namespace tav;
using platform::settings;
using test::scriptedHost;

namespace {

const char* const kLegends[] = {
    "Last, First | First | Last | Add1 | Add2 | Add3 | Email | Phone | Notes ...key=1k",
    "PStart(Chrono) | BPName | PEnd(Chrono) | BillDue(Chrono) ...key=BPName | ",
    "Price(9dot2)$5.00 - Midget Widget ...key=5k",
    "BPName | Customer Name | CID | BAL | BPID ...key=BPName | CID | ",
};

class DeveloperViewTest : public test::MainWindowTest {
protected:
    app::DeveloperView* clickLogo()
    {
        QTest::mouseClick(window->frameControls().picLogo->widget(), Qt::LeftButton);
        return window->developerAccess().view();
    }

    // The listing's lines, each an entry's text as stored, " ...key=" and its key.
    static QStringList listed(const app::DeveloperView& view)
    {
        QStringList lines = view.Text1->text().split("\r\n");
        EXPECT_EQ(lines.takeLast(), "") << "every entry ends its line";
        return lines;
    }
};

} // namespace

TEST_F(DeveloperViewTest, theLogoOpensTheViewOnlyWithTheExactAccessWord)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    for (const char* word : {"PLORVEX", "Plorvex", "plorvex ", ""}) {
        settings().setValue("BrowseRecall", "view", word);
        EXPECT_EQ(clickLogo(), nullptr) << '"' << word << '"';
    }

    settings().setValue("BrowseRecall", "view", "plorvex");
    app::DeveloperView* view = clickLogo();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->showing());
    EXPECT_EQ(view->caption(), "Developer View - List LVWs");
    EXPECT_EQ(view->widget()->parentWidget(), nullptr) << "a window of its own";
    EXPECT_EQ(clickLogo(), view) << "a second click loads nothing new";
}

TEST_F(DeveloperViewTest, eachChoiceListsItsTableRawUnderItsLegend)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    app::DeveloperView* view = clickLogo();
    ASSERT_NE(view, nullptr);
    const QChar sep(1);

    QStringList lines = listed(*view);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QString("Adams, Bob") + sep + "Bob" + sep + "Adams" + sep + "2 Oak Road"))
        << "separators shown as stored";
    EXPECT_TRUE(lines[0].endsWith(" ...key=1k"));
    EXPECT_TRUE(lines[1].endsWith(" ...key=2k"));
    EXPECT_TRUE(lines[2].endsWith(" ...key=3k")) << "the archived customer last";

    view->optLVWChoice[1]->setValue(true);
    EXPECT_EQ(view->Text2->text(), kLegends[1]);
    lines = listed(*view);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QString(sep) + "January" + sep + "2026/01/31" + sep + "2026/02/15 ...key=January"
                                  + sep))
        << lines[0].toStdString();

    view->optLVWChoice[2]->setValue(true);
    EXPECT_EQ(view->Text2->text(), kLegends[2]);
    lines = listed(*view);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "000000005.00$5.00 - Hedge trimming ...key=2k");

    view->optLVWChoice[3]->setValue(true);
    EXPECT_EQ(view->Text2->text(), kLegends[3]);
    lines = listed(*view);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QString("January") + sep + "Adams, Bob" + sep + "1" + sep));
    EXPECT_TRUE(lines[1].endsWith(QString(" ...key=January") + sep + "3" + sep));

    // A snapshot: a change to the tables shows only once a table is chosen again.
    const QString before = view->Text1->text();
    window->books().data().invoiceRecords.setText(window->books().data().invoiceRecords.keyAt(1), "changed");
    EXPECT_EQ(view->Text1->text(), before);
    window->books().data().invoiceRecords.clear();
    EXPECT_EQ(listed(*view).size(), 2);
    view->optLVWChoice_Click(3);
    EXPECT_EQ(view->Text1->text(), "");

    view->optLVWChoice_Click(4);
    EXPECT_EQ(view->Text1->text(), "");
    EXPECT_EQ(view->Text2->text(), kLegends[3]) << "a choice that is no table keeps the legend";
}

TEST_F(DeveloperViewTest, anEmptyTableGivesAnEmptyListingUnderItsLegend)
{
    test::writeDatabaseFile("");
    start();
    app::DeveloperView* view = clickLogo();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Text2->text(), kLegends[0]);
    EXPECT_EQ(view->Text1->text(), "");
}

TEST_F(DeveloperViewTest, showXmlOpensTheStoredDatabaseFileAndNothingElse)
{
    test::writeDatabaseFile(test::sampleDatabase());
    start();
    app::DeveloperView* view = clickLogo();
    ASSERT_NE(view, nullptr);

    // Whatever the path box holds, the database file in use is what opens.
    const QString other = test::testFolder() + "/program/other.xml";
    QFile(other).open(QIODevice::WriteOnly);
    window->optionsPage().controls().txtChangePath->setText(other);
    view->cmdShowXML->click();
    EXPECT_EQ(scriptedHost().openedFiles(), QStringList{test::databaseFile()});

    app::setDatabasePath(test::testFolder() + "/program/missing.xml");
    view->cmdShowXML->click();
    app::setDatabasePath(test::testFolder() + "/program");
    view->cmdShowXML->click();
    EXPECT_EQ(scriptedHost().openedFiles().size(), 1) << "no file there, nothing opened";
}

TEST_F(DeveloperViewTest, shrinkingSnapsBackAndTheListingFollowsTheWindow)
{
    start();
    app::DeveloperView* view = clickLogo();
    ASSERT_NE(view, nullptr);

    view->setWidth(3000);
    view->setHeight(2000);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->width(), 4815);
    EXPECT_EQ(view->height(), 3645);
    EXPECT_EQ(view->Text1->width(), 4815 - 360);
    EXPECT_EQ(view->Text1->height(), 3645 - 1230);

    view->setWidth(7200);
    view->setHeight(5400);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->Text1->width(), 7200 - 360);
    EXPECT_EQ(view->Text1->height(), 5400 - 1230);
    EXPECT_EQ(view->Text2->width(), view->Text1->width());
}

TEST_F(DeveloperViewTest, shutdownUnloadsTheViewWhichRemembersItsPlace)
{
    test::writeDatabaseFile("");
    start();
    QPointer<app::DeveloperView> view = clickLogo();
    ASSERT_NE(view, nullptr);
    view->setLeft(600);
    view->setTop(900);
    ASSERT_TRUE(window->unload());
    EXPECT_TRUE(view->unloaded());
    EXPECT_EQ(settings().value("FormPositions", "frmListLVWs_Left"), "600");

    start();
    view = clickLogo();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->left(), 600);
    EXPECT_EQ(view->top(), 900);
}
