#include "Books.h"

#include "DatabasePath.h"
#include "FileWarnings.h"
#include "LoadNotice.h"

#include "components/MessageWindow.h"
#include "platform/BusyCursor.h"
#include "platform/Host.h"
#include "records/CustomerNames.h"
#include "records/DatabaseFile.h"

namespace tav::app {

using namespace tav::platform;

void Books::setUnsaved(bool unsaved)
{
    unsaved_ = unsaved;
    emit unsavedChanged(unsaved);
}

void Books::tellWhatWasNotRead(const records::ReadReport& report, const QString& keptAs) const
{
    if (const std::optional<LoadNotice> notice = loadNotice(report, keptAs))
        warn(notice->title, notice->statement, notice->explanation);
}

void Books::dropDatabase()
{
    db_ = records::Database{};
    // Emptying a company box that held text counts as an edit; reading the file hides the mark again.
    emit dropped();
}

void Books::loadDatabase(records::LoadResult&& result)
{
    const QString path = databasePath();

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
    db_ = std::move(result.database);
    emit companyTextsLoaded();
    tellWhatWasNotRead(result.report, result.leftSomethingOut() ? file_.keepBeforeWritingOver() : QString());
    setUnsaved(false);
    emit fileLoaded();
}

void Books::addCustomerNamesToRecords()
{
    const QStringList placeholders = records::addCustomerNamesToRecords(db_);
    if (placeholders.isEmpty())
        return;
    for (qsizetype i = 0; i < placeholders.size(); ++i)
        tellAboutPlaceholder();
    setUnsaved(true);
}

void Books::tellAboutPlaceholder() const
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

QString Books::customerNameForRecord(const QString& customerNumber)
{
    const records::CustomerName name = records::getCustomerName(db_.customers, customerNumber);
    if (!name.placeholderAdded)
        return name.name;
    tellAboutPlaceholder();
    setUnsaved(true);
    emit customersChanged();
    return name.name;
}

void Books::loadAndShowDatabase()
{
    const BusyCursor busy;
    dropDatabase();
    showLoadedDatabase(records::loadDatabase(databasePath(), host().locale()));
}

void Books::loadAndShowDatabase(records::LoadResult&& loaded)
{
    const BusyCursor busy;
    dropDatabase();
    showLoadedDatabase(std::move(loaded));
}

void Books::showLoadedDatabase(records::LoadResult&& result)
{
    loadDatabase(std::move(result));
    showTables();
    emit opened();
}

bool Books::saveDatabase()
{
    if (!writeDatabase(databasePath(), db_))
        return false;
    setUnsaved(false);
    emit saved();
    return true;
}

bool Books::writeDatabase(const QString& path, const records::Database& database)
{
    if (file_.covers(path))
        return writeOver(file_, path, database);
    return write(path, database, nullptr);
}

bool Books::writeNewDatabase(const QString& path, const records::Database& database)
{
    DatabaseFileGuard made(path);
    if (!writeOver(made, path, database))
        return false;
    file_ = std::move(made);
    return true;
}

bool Books::writeOver(DatabaseFileGuard& file, const QString& path, const records::Database& database) const
{
    if (!file.allowWritingOver(path))
        return false;
    records::FileIdentity written;
    if (!write(path, database, &written))
        return false;
    file.written(written);
    return true;
}

bool Books::write(const QString& path, const records::Database& database, records::FileIdentity* written) const
{
    const BusyCursor busy;
    const auto problem = records::saveDatabase(path, database, written);
    if (problem)
        warnNotSaved(*problem);
    return !problem;
}

void Books::abandonChanges()
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

void Books::dropPeriods()
{
    db_.periods.clear();
    db_.invoiceRecords.clear();
    emit tablesReplaced();
}

void Books::showTables()
{
    addCustomerNamesToRecords();
    emit tablesReplaced();
    emit tablesShown();
}

} // namespace tav::app
