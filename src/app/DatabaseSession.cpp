#include "DatabaseSession.h"

#include "DatabasePath.h"
#include "FileWarnings.h"
#include "LoadNotice.h"
#include "MainWindow.h"

#include "components/HoverCommand.h"
#include "components/MessageWindow.h"
#include "platform/BusyCursor.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/CustomerNames.h"
#include "records/DatabaseFile.h"

namespace tav::app {

using namespace tav::platform;

DatabaseSession::DatabaseSession(MainWindow& window)
    : w_(window)
{
}

void DatabaseSession::setSaveCancelVisible(bool visible)
{
    unsaved_ = visible;
    w_.c.cmdCancel->setVisible(visible);
    w_.c.cmdSave->setVisible(visible);
}

void DatabaseSession::clearViews()
{
    auto& c = w_.c;
    c.lvwCustomersVis->clear();
    c.lvwProducts[0]->clear();
    c.lvwProducts[1]->clear();
    c.tvwInvoiceRecords[0]->clear();
    c.tvwInvoiceRecords[1]->clear();
    w_.entryFields.resetEntryFields(EntryFields::EmptyCustomerFields);
}

void DatabaseSession::clearCompanyDetails()
{
    for (TextBox* box : w_.c.txtCompanyDetails)
        box->setText(QString());
}

void DatabaseSession::takeDatabase(records::Database&& database)
{
    w_.db = std::move(database);
    w_.state.loadingCompanyInfo = true;
    for (size_t i = 0; i < w_.db.company.texts.size(); ++i)
        w_.c.txtCompanyDetails[i]->setText(w_.db.company.texts[i]);
    w_.state.loadingCompanyInfo = false;
}

void DatabaseSession::tellWhatWasNotRead(const records::ReadReport& report, const QString& keptAs) const
{
    if (const std::optional<LoadNotice> notice = loadNotice(report, keptAs))
        warn(notice->title, notice->statement, notice->explanation);
}

void DatabaseSession::dropDatabase()
{
    clearViews();
    w_.db = records::Database{};
}

void DatabaseSession::loadDatabase(records::LoadResult&& result)
{
    auto& c = w_.c;
    const QString path = databasePath();
    // Emptying a box that held text counts as an edit; reading the file hides the mark again.
    clearCompanyDetails();

    switch (result.status) {
    case records::LoadResult::Status::Missing:
        prepareDatabaseFolder(path);
        if (const auto problem = records::createEmptyDatabaseFile(path)) {
            file_.read(path, std::nullopt);
            warn(QStringLiteral("Database File Not Created"), QStringLiteral("The database file could not be created:\r\n")
                     + problemText(*problem), QStringLiteral("Choose another file on the Options page."));
        } else {
            file_.read(path, records::fileIdentity(path));
        }
        return;
    case records::LoadResult::Status::Unreadable:
        file_.readUnreadable(path);
        warn(QStringLiteral("Database File Not Read"),
             QStringLiteral("The database file could not be read:\r\n") + problemText(result.problem),
             QStringLiteral("The file is left as it is and will not be written over. Open or create another "
                            "database on the Options page."));
        return;
    case records::LoadResult::Status::Loaded:
        break;
    }
    file_.read(path, result.identity);
    takeDatabase(std::move(result.database));
    tellWhatWasNotRead(result.report, result.leftSomethingOut() ? file_.keepBeforeWritingOver() : QString());
    setSaveCancelVisible(false);
    w_.customers.cancelNewCustomer();
    if (c.fraMain[0]->visible())
        c.lvwCustomersVis->setFocus();
}

void DatabaseSession::addCustomerNamesToRecords()
{
    const QStringList placeholders = records::addCustomerNamesToRecords(w_.db);
    if (placeholders.isEmpty())
        return;
    for (qsizetype i = 0; i < placeholders.size(); ++i)
        tellAboutPlaceholder();
    setSaveCancelVisible(true);
}

void DatabaseSession::tellAboutPlaceholder() const
{
    if (components::isMessageSilenced(QStringLiteral("DeletedCustomer")))
        return;
    components::MessageRequest request{QStringLiteral("An entry in your billing records points to a\r\n"
                                                      "customer who is no longer in the database.\r\n\r\n"
                                                      "To hold that spot in the records, a customer\r\n"
                                                      "named \"Deleted Customer\" will be created."),
                                       QStringLiteral("DeletedCustomer"), QStringLiteral("Yes"), QStringLiteral("OK")};
    components::showMessage(request);
}

QString DatabaseSession::customerNameForRecord(const QString& customerNumber)
{
    const records::CustomerName name = records::getCustomerName(w_.db.customers, customerNumber);
    if (!name.placeholderAdded)
        return name.name;
    tellAboutPlaceholder();
    setSaveCancelVisible(true);
    // The list shows the placeholder at its place, and keeps the customer the page shows.
    ListView* list = w_.c.lvwCustomersVis;
    const QString shown = list->currentKey();
    w_.lists.fillCustomerBrowseList();
    if (const qsizetype position = list->positionOf(shown); position > 0)
        list->select(position);
    return name.name;
}

void DatabaseSession::loadAndShowDatabase()
{
    const BusyCursor busy;
    dropDatabase();
    showLoadedDatabase(records::loadDatabase(databasePath(), host().locale()));
}

void DatabaseSession::loadAndShowDatabase(records::LoadResult&& loaded)
{
    const BusyCursor busy;
    dropDatabase();
    showLoadedDatabase(std::move(loaded));
}

void DatabaseSession::showLoadedDatabase(records::LoadResult&& result)
{
    w_.c.cmdAddNew->setVisible(true);
    loadDatabase(std::move(result));
    showTables();
    w_.options.loadOptionSettings();
    w_.options.applyExpertMode();
}

bool DatabaseSession::saveDatabase()
{
    if (!writeDatabase(databasePath(), w_.db))
        return false;
    setSaveCancelVisible(false);
    if (w_.c.fraMain[0]->visible())
        w_.c.lvwCustomersVis->setFocus();
    return true;
}

bool DatabaseSession::writeDatabase(const QString& path, const records::Database& database)
{
    if (file_.covers(path))
        return writeOver(file_, path, database);
    return write(path, database, nullptr);
}

bool DatabaseSession::writeNewDatabase(const QString& path, const records::Database& database)
{
    DatabaseFileGuard made(path);
    if (!writeOver(made, path, database))
        return false;
    file_ = std::move(made);
    return true;
}

bool DatabaseSession::writeOver(DatabaseFileGuard& file, const QString& path, const records::Database& database) const
{
    if (!file.allowWritingOver(path))
        return false;
    records::FileIdentity written;
    if (!write(path, database, &written))
        return false;
    file.written(written);
    return true;
}

bool DatabaseSession::write(const QString& path, const records::Database& database,
                            records::FileIdentity* written) const
{
    const BusyCursor busy;
    const auto problem = records::saveDatabase(path, database, written);
    if (problem)
        warnNotSaved(*problem);
    return !problem;
}

void DatabaseSession::cmdSave_Click()
{
    saveDatabase();
}

void DatabaseSession::cmdCancel_Click()
{
    const MessageAnswer answer = host().messageBox(
        QStringLiteral("Are you sure you want to abandon all your changes?\r\n\r\n"
                       "Press OK to abandon all changes and reload the database file as it was originally.\r\n"
                       "Press Cancel to keep your changes and continue."),
        MessageButtons::OkCancel, MessageIcon::Exclamation, QStringLiteral("ABANDON ALL CHANGES???"));
    if (answer != MessageAnswer::Ok)
        return;
    const BusyCursor busy;
    // The file is read into tables first: when it is gone or cannot be read, nothing that is shown
    // now is dropped.
    const QString path = databasePath();
    records::LoadResult loaded = records::loadDatabase(path, host().locale());
    if (loaded.status != records::LoadResult::Status::Loaded) {
        warn(QStringLiteral("Changes Not Abandoned"),
             QStringLiteral("The database file could not be read again:\r\n")
                 + (loaded.status == records::LoadResult::Status::Missing ? path + QLatin1String("\r\nThe file is missing.")
                                                                          : problemText(loaded.problem)),
             QStringLiteral("Your changes are kept as they are."));
        return;
    }
    // Nothing shown may stay from the changes abandoned: the Printing tree above all, which a print
    // run would otherwise print.
    dropDatabase();
    loadDatabase(std::move(loaded));
    showTables();
}

void DatabaseSession::showTables()
{
    addCustomerNamesToRecords();
    w_.lists.refreshViews();
    w_.customers.showSelectedCustomer();
}

} // namespace tav::app
