#include "FileCommands.h"

#include "app/books/Books.h"
#include "app/books/DatabasePath.h"

#include "components/Dialogs.h"
#include "components/MessageWindow.h"
#include "platform/BusyCursor.h"
#include "platform/Host.h"
#include "platform/TextBox.h"
#include "records/DatabaseFile.h"

#include <QFileInfo>

namespace tav::app {

using namespace tav::platform;

namespace {

const QString kFilter = QStringLiteral("Harkmoren TAV Database (*.xml)|*.xml");
const QString kExtension = QStringLiteral(".xml");

bool samePath(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

FileCommands::FileCommands(Books& books, platform::TextBox* pathBox)
    : books_(books)
    , pathBox_(pathBox)
{
}

void FileCommands::tellUser(const QString& text) const
{
    host().messageBox(text, MessageButtons::Ok, MessageIcon::None, host().appTitle());
}

QString FileCommands::chosenPath(const QString& title, bool saving) const
{
    auto& dialogs = components::dialogs();
    dialogs.setStrTitle(title);
    dialogs.setBlnAllowMultipleFileSelect(false);
    dialogs.setStrInitialDir(QString());
    dialogs.setStrFilter(kFilter);
    QString path = saving ? dialogs.strGetSaveFileName() : dialogs.strGetOpenFileName();
    if (!path.isEmpty() && !path.endsWith(kExtension, Qt::CaseInsensitive))
        path += kExtension;
    return path;
}

bool FileCommands::unsavedChangesSettled() const
{
    if (!books_.hasUnsavedChanges())
        return true;
    switch (host().messageBox(QStringLiteral("Your database has changed.\r\n\r\nDo you want to save the changes?"),
                              MessageButtons::YesNoCancel, MessageIcon::Exclamation, host().appTitle())) {
    case MessageAnswer::Yes: return books_.saveDatabase();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void FileCommands::switchTo(const QString& path)
{
    pathBox_->setText(path);
    setDatabasePath(path);
}

void FileCommands::readAndSwitchTo(const QString& path)
{
    const BusyCursor busy;
    // Read into tables before anything is dropped.
    records::LoadResult loaded = records::loadDatabase(path, host().locale());
    if (loaded.status != records::LoadResult::Status::Loaded) {
        host().messageBox(QStringLiteral("The database file could not be read:\r\n%1\r\n%2\r\n\r\n"
                                         "(The current database stays open.)")
                              .arg(path, loaded.problem.reason),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Database File Not Read"));
        return;
    }
    switchTo(path);
    books_.loadAndShowDatabase(std::move(loaded));
    books_.setUnsaved(false);
}

void FileCommands::cmdChangePath_Click(int index)
{
    switch (index) {
    case New: newDatabase(); break;
    case Open: openDatabase(); break;
    case Save: books_.saveDatabase(); break;
    case SaveAs: saveDatabaseAs(); break;
    default: break;
    }
}

void FileCommands::newDatabase()
{
    if (!unsavedChangesSettled())
        return;
    const QString path = chosenPath(QStringLiteral("Create a New Database"), true);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)) {
        tellUser(QStringLiteral("If you want to create a new database,\r\nyou'll need to type in a new (unique) file name."));
        return;
    }
    if (const auto problem = records::createEmptyDatabaseFile(path)) {
        host().messageBox(QStringLiteral("The new database file could not be created:\r\n%1\r\n%2\r\n\r\n"
                                         "(The current database stays open.)")
                              .arg(problem->path, problem->reason),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Database File Not Created"));
        return;
    }
    switchTo(path);
    books_.loadAndShowDatabase();
    books_.setUnsaved(false);
}

void FileCommands::openDatabase()
{
    if (!unsavedChangesSettled())
        return;
    const QString path = chosenPath(QStringLiteral("Open an Exisiting Database"), false);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        tellUser(QStringLiteral("The database file could not be found:\r\n") + path);
        return;
    }
    readAndSwitchTo(path);
}

void FileCommands::saveDatabaseAs()
{
    const QString title = QStringLiteral("Save Current Database under a New Name");
    const QString path = chosenPath(title, true);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !samePath(path, databasePath())
        && host().messageBox(QStringLiteral("%1 already exists.\r\nDo you want to replace it?").arg(path),
                             MessageButtons::YesNoDefaultNo, MessageIcon::Exclamation, title)
            != MessageAnswer::Yes)
        return;
    if (!books_.writeDatabase(path, books_.data()))
        return;
    readAndSwitchTo(path);
}

bool FileCommands::confirmCloseBooks() const
{
    const QString key = QStringLiteral("DontShowExplanationOfClosingBooks");
    if (components::isMessageSilenced(key))
        return true;
    components::MessageRequest request{
        QStringLiteral("By \"closing the books,\" the current database will be saved\r\n"
                       "and you will then start fresh under a new file name with\r\n"
                       "your existing customers && products.  This allows you to\r\n"
                       "archive previous bill periods and invoices, keeping your\r\n"
                       "files smaller and more managable.  (Even after closing the\r\n"
                       "books on a file, you can always re-open and edit it later.)\r\n"
                       "\r\n"
                       "Would you like to close the books on this file and begin a\r\n"
                       "new file using your current customers && products?"),
        key, QStringLiteral("No"), QString()};
    components::showMessage(request);
    return request.answer != QLatin1String("No");
}

void FileCommands::cmdCloseBooks_Click()
{
    if (!confirmCloseBooks())
        return;
    const QString path = chosenPath(QStringLiteral("Create a New Database"), true);
    if (path.isEmpty() || QFileInfo::exists(path)) {
        tellUser(QStringLiteral("If you want to close the books and continue with a new database,\r\n"
                                "you'll need to type in a new (unique) file name for the new database."));
        return;
    }
    const BusyCursor busy;
    // The old file first: it keeps every period and payment, so it must hold the latest of them.
    if ((books_.hasUnsavedChanges() || !QFileInfo::exists(databasePath())) && !books_.saveDatabase())
        return;
    const records::Database& books = books_.data();
    records::Database carried;
    carried.company = books.company;
    for (qsizetype i = 1; i <= books.customers.count(); ++i)
        carried.customers.add(books.customers.keyAt(i), books.customers.textAt(i));
    for (qsizetype i = 1; i <= books.products.count(); ++i)
        carried.products.add(books.products.keyAt(i), books.products.textAt(i));
    if (!books_.writeNewDatabase(path, carried))
        return;
    switchTo(path);
    books_.dropPeriods();
    books_.setUnsaved(false);
}

} // namespace tav::app
