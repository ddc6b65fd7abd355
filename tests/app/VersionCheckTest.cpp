#include "MainWindowFixture.h"

#include "app/windows/UpdateWindow.h"
#include "app/windows/VersionNumbers.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "support/LoopbackHttpServer.h"

#include <QTest>

using namespace tav;
using namespace std::chrono_literals;
using platform::MessageAnswer;
using platform::settings;
using test::LoopbackHttpServer;
using test::scriptedHost;

namespace {

class VersionCheckTest : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        test::writeDatabaseFile(test::sampleDatabase());
        start();
        window->pageLayout().cmdTab_Click(5);
    }

    // Clicks "check for new version" with the version file fetched from this address.
    void check(const QUrl& versionFile)
    {
        window->versionCheck().setVersionFileUrl(versionFile);
        QTest::mouseClick(window->optionsPage().controls().lblCheckForNewVersion->widget(), Qt::LeftButton);
    }

    // The check against a server that answers with this version file.
    void checkAgainst(const QByteArray& versionFile)
    {
        LoopbackHttpServer server(200, versionFile);
        check(server.url("/tavver.txt"));
        EXPECT_EQ(server.requestedPath(), "/tavver.txt");
    }

    static QByteArray runningVersionPlus(qint64 more)
    {
        return QByteArray::number(app::getAppVersionNumber(platform::host().appVersion()) + more);
    }

    void expectMessage(const QString& text, const char* what)
    {
        const auto& prompt = scriptedHost().lastPrompt();
        EXPECT_EQ(prompt.text, text) << what;
        EXPECT_EQ(prompt.title, "TAV") << what;
        EXPECT_EQ(prompt.buttons, platform::MessageButtons::Ok) << what;
        EXPECT_EQ(prompt.icon, platform::MessageIcon::None) << what;
    }

    void expectConnectionMessage(const char* what)
    {
        const QString text = scriptedHost().lastPrompt().text;
        EXPECT_TRUE(text.startsWith("Unable to connect to server.  Please try again later\r\nor contact ")) << what;
        EXPECT_TRUE(text.endsWith(" if the problem persists.")) << what;
        expectMessage(text, what);
        EXPECT_EQ(window->versionCheck().updateWindow(), nullptr) << what;
    }

    app::UpdateWindow* offerUpdate()
    {
        checkAgainst(runningVersionPlus(1));
        return window->versionCheck().updateWindow();
    }

    static void writeUpdater()
    {
        QFile updater(test::testFolder() + "/program/t-autoup.exe");
        updater.open(QIODevice::WriteOnly);
        updater.write("#!/bin/sh\nexit 0\n");
        updater.close();
        updater.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

TEST_F(VersionCheckTest, theRunningVersionIsTheLatestAndOneAboveItOffersTheUpdate)
{
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    checkAgainst(runningVersionPlus(0) + "\r\n");
    expectMessage("You are currently running the latest version of the software.", "the same version");
    EXPECT_EQ(window->versionCheck().updateWindow(), nullptr);
    ASSERT_EQ(scriptedHost().downloads().size(), 1u);
    EXPECT_GT(scriptedHost().downloads()[0].timeLimit, 0ms);
    EXPECT_LE(scriptedHost().downloads()[0].timeLimit, 10s) << "the window never waits longer";

    settings().setValue("FormPositions", "frmUpdate_Left", "600");
    settings().setValue("FormPositions", "frmUpdate_Top", "900");
    app::UpdateWindow* update = offerUpdate();
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->showing());
    EXPECT_EQ(update->caption(), "   Click DOWNLOAD to begin Auto-Update.");
    EXPECT_EQ(update->lblStatus->caption(), "PLEASE SAVE YOUR WORK.");
    EXPECT_EQ(update->widget()->parentWidget(), window->widget()) << "it stays in front of the main window";
    EXPECT_EQ(update->widget()->windowType(), Qt::Dialog) << "a window manager keeps only a dialog with its owner";
    EXPECT_TRUE(update->widget()->isWindow());
    EXPECT_EQ(update->left(), 600) << "its remembered place";
    EXPECT_EQ(update->top(), 900);

    update->hide();
    EXPECT_EQ(offerUpdate(), update) << "a second newer answer shows the same window";
    EXPECT_TRUE(update->showing());
}

TEST_F(VersionCheckTest, aVersionBeyond32BitsIsNewerStill)
{
    checkAgainst("4294967301");
    EXPECT_NE(window->versionCheck().updateWindow(), nullptr);
}

TEST_F(VersionCheckTest, everyFailedDownloadGivesTheConnectionMessageAndChangesNothing)
{
    scriptedHost().setDownloadTimeLimit(300ms);
    const QString before = settings().value("Settings", "LastClicked");
    for (int i = 0; i < 6; ++i)
        scriptedHost().answerMessageBox(MessageAnswer::Ok);

    {
        LoopbackHttpServer notFound(404, "<html>Not Found</html>");
        check(notFound.url("/tavver.txt"));
        expectConnectionMessage("HTTP 404");
    }
    check(LoopbackHttpServer::refusedUrl("/tavver.txt"));
    expectConnectionMessage("connection refused");
    {
        const auto silent = LoopbackHttpServer::silent();
        check(silent->url("/tavver.txt"));
        expectConnectionMessage("time-out");
    }
    checkAgainst("");
    expectConnectionMessage("an empty file");
    checkAgainst("\r\n");
    expectConnectionMessage("a blank file");
    checkAgainst(runningVersionPlus(1) + "\r\n" + QByteArray(64 * 1024, ' '));
    expectConnectionMessage("more than a version file");

    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_EQ(settings().value("Settings", "LastClicked"), before);
}

TEST_F(VersionCheckTest, downloadStartsTheUpdaterBeforeTheMainWindowOffersToSave)
{
    writeUpdater();
    app::UpdateWindow* update = offerUpdate();
    ASSERT_NE(update, nullptr);
    update->setLeft(750);
    window->books().setUnsaved(true);

    // The user cancels the shutdown: the updater runs anyway and the update window is gone.
    scriptedHost().answerMessageBox(MessageAnswer::Cancel);
    update->cmdDownload->click();
    EXPECT_EQ(scriptedHost().startedPrograms(), QStringList{test::testFolder() + "/program/t-autoup.exe"});
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Your database has changed.\r\n\r\nDo you want to save the changes?");
    EXPECT_EQ(window->versionCheck().updateWindow(), nullptr);
    EXPECT_FALSE(window->unloaded());
    EXPECT_EQ(settings().value("FormPositions", "frmUpdate_Left"), "750");

    // Answering No the next time closes the program without saving.
    update = offerUpdate();
    ASSERT_NE(update, nullptr);
    const QByteArray saved = test::readDatabaseFile();
    scriptedHost().answerMessageBox(MessageAnswer::No);
    update->cmdDownload->click();
    EXPECT_EQ(scriptedHost().startedPrograms().size(), 2);
    EXPECT_TRUE(window->unloaded());
    EXPECT_EQ(test::readDatabaseFile(), saved);
}

TEST_F(VersionCheckTest, anUpdaterThatCannotStartIsReportedAndEverythingStaysOpen)
{
    app::UpdateWindow* update = offerUpdate();
    ASSERT_NE(update, nullptr);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    update->cmdDownload->click();
    const QString updater = test::testFolder() + "/program/t-autoup.exe";
    EXPECT_EQ(scriptedHost().startedPrograms(), QStringList{updater});
    expectMessage("Unable to start the updater " + updater + ".", "no updater");
    EXPECT_EQ(window->versionCheck().updateWindow(), update);
    EXPECT_TRUE(update->showing());
    EXPECT_FALSE(window->unloaded());
}

TEST_F(VersionCheckTest, theMainWindowDoesNotCloseWhileTheUpdateWindowShows)
{
    app::UpdateWindow* update = offerUpdate();
    ASSERT_NE(update, nullptr);
    window->books().setUnsaved(true);
    window->pageLayout().cmdTab_Click(4);

    EXPECT_FALSE(window->unload()) << "no offer to save either";
    EXPECT_EQ(settings().value("Settings", "LastClicked"), "4");
    EXPECT_FALSE(settings().contains("FormPositions", "frmTAV_WindowState"));
    EXPECT_TRUE(components::dialogsExist());

    // Closing the update window by its close box saves nothing and lets the main window close.
    update->widget()->close();
    EXPECT_EQ(window->versionCheck().updateWindow(), nullptr);
    EXPECT_FALSE(settings().contains("FormPositions", "frmUpdate_WindowState"));
    EXPECT_FALSE(window->unloaded());
    scriptedHost().answerMessageBox(MessageAnswer::No);
    EXPECT_TRUE(window->unload());
}
