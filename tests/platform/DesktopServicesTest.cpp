#include "platform/DesktopHost.h"
#include "platform/UrlDownload.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using tav::platform::downloadWhole;
using tav::test::LoopbackHttpServer;

TEST(UrlDownload, aSuccessfulAnswerGivesItsBodyEvenWhenEmptyButNoneLongerThanTheLimit)
{
    LoopbackHttpServer server(200, "3019001\r\n");
    EXPECT_EQ(downloadWhole(server.url("/tavver.txt"), 2s, 9), QByteArray("3019001\r\n"));
    EXPECT_EQ(server.requestedPath(), "/tavver.txt");

    LoopbackHttpServer empty(200, "");
    const auto body = downloadWhole(empty.url("/tavver.txt"), 2s, 9);
    ASSERT_TRUE(body.has_value());
    EXPECT_TRUE(body->isEmpty());

    LoopbackHttpServer tooLong(200, "3019001\r\n");
    EXPECT_FALSE(downloadWhole(tooLong.url("/tavver.txt"), 2s, 8).has_value());
}

TEST(UrlDownload, anErrorStatusOrARefusedConnectionGivesNothing)
{
    for (int status : {404, 500}) {
        LoopbackHttpServer server(status, "<html>no such file</html>");
        EXPECT_FALSE(downloadWhole(server.url("/tavver.txt"), 2s, 9).has_value()) << status;
        EXPECT_EQ(server.requestedPath(), "/tavver.txt");
    }
    EXPECT_FALSE(downloadWhole(LoopbackHttpServer::refusedUrl("/tavver.txt"), 2s, 9).has_value());
}

TEST(UrlDownload, aServerThatNeverAnswersIsGivenUpAtTheTimeLimit)
{
    const auto server = LoopbackHttpServer::silent();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(downloadWhole(server->url("/tavver.txt"), 300ms, 9).has_value());
    EXPECT_GE(clock.elapsed(), 250) << "it waited for the answer";
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(server->requestedPath(), "/tavver.txt") << "the request reached the server";
}

namespace {

// A program in the test's program folder that writes the folder it runs in to "ran.txt" there.
QString writeProgram(const QString& name, QFile::Permissions permissions)
{
    const QString path = tav::test::testFolder() + "/program/" + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\npwd > ran.txt\n");
    file.close();
    file.setPermissions(permissions);
    return path;
}

} // namespace

TEST(DesktopHost, aDetachedProgramRunsInTheGivenFolderAndOneThatCannotRunIsReported)
{
    tav::platform::DesktopHost host;
    const QString folder = tav::test::testFolder() + "/program";
    const QString ran = folder + "/ran.txt";

    const QString program = writeProgram("t-autoup.exe", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(host.startDetached(program, folder));
    QDeadlineTimer deadline(5s);
    while (!QFile::exists(ran) && !deadline.hasExpired())
        QTest::qWait(20);
    QTest::qWait(50);
    QFile written(ran);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), folder.toLocal8Bit());
    written.remove();

    EXPECT_FALSE(host.startDetached(folder + "/missing.exe", folder));
    const QString notExecutable = writeProgram("plain.exe", QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(host.startDetached(notExecutable, folder));
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(ran));
}

TEST(DesktopHost, aQuestionAskedWhileTheProgramIsBusyShowsTheNormalCursorUntilAnswered)
{
    tav::platform::DesktopHost host;
    host.showBusyCursor(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Qt::CursorShape asking = Qt::WaitCursor;
    QTimer::singleShot(0, [&asking] {
        asking = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::BlankCursor;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
        else
            ADD_FAILURE() << "no message box is showing";
    });
    host.messageBox("The printer is out of paper.", tav::platform::MessageButtons::Ok,
                    tav::platform::MessageIcon::Critical, "Printer Error");
    EXPECT_EQ(asking, Qt::ArrowCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor) << "busy again once answered";
    host.showBusyCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(DesktopHost, theInputBoxKeepsItsSizeAndTakesTypingButNoAltLetter)
{
    bool fixed = false;
    QTimer::singleShot(0, [&fixed] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        auto* box = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (!box) {
            ADD_FAILURE() << "no input box is showing";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        fixed = dialog->minimumSize() == dialog->maximumSize();
        QTest::keyClicks(box, "30");
        QTest::keyClick(box, Qt::Key_Z, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(tav::platform::DesktopHost().inputBox("Enter New Balance", "Log Payment", "", std::nullopt).toStdString(), "30");
    EXPECT_TRUE(fixed);
}

TEST(DesktopHost, aQuestionWhoseYesWritesOverSomethingAnswersNoToEnterAndToTheCloseBox)
{
    for (const bool closeBox : {false, true}) {
        QTimer::singleShot(0, [closeBox] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                ADD_FAILURE() << "no message box is showing";
                return;
            }
            if (closeBox)
                box->close();
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(tav::platform::DesktopHost().messageBox("Do you want to write over it?",
                                                          tav::platform::MessageButtons::YesNoDefaultNo,
                                                          tav::platform::MessageIcon::Exclamation, "Database File Changed"),
                  tav::platform::MessageAnswer::No)
            << (closeBox ? "close box" : "Enter");
    }
}
