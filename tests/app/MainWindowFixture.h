#pragma once

#include "app/frame/MainWindow.h"
#include "components/Dialogs.h"
#include "components/HoverCommand.h"
#include "components/MessageWindow.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>

namespace tav::test {

// A small database file: three customers (one archived), three products (one archived), two bill
// periods and their invoice records.
QByteArray sampleDatabase();

// The database file of the running test: TAV.xml in its program folder.
QString databaseFile();
void writeDatabaseFile(const QByteArray& content);
QByteArray readDatabaseFile();

// Root reads and writes any file: where the tests run as root, the test runs as an ordinary user
// while this lives, with the test's folders but the program folder handed to that user.
class OrdinaryUser {
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool switched_ = false;
};

// Starts the program's main window as start-up does, on whatever database file is there.
class MainWindowTest : public ::testing::Test {
protected:
    app::MainWindow* start();
    void TearDown() override;

    app::MainWindow* window = nullptr;
};

} // namespace tav::test
