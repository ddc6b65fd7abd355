#pragma once

#include "DatabaseFileGuard.h"

#include <QString>

namespace tav::records {
struct Database;
struct LoadResult;
struct ReadReport;
} // namespace tav::records

namespace tav::app {

class MainWindow;

// The database file behind the main window: loading it into the tables, saving it, abandoning the
// changes, and the one record of unsaved changes that shows the Save and Cancel buttons.
class DatabaseSession {
public:
    explicit DatabaseSession(MainWindow& window);

    void setSaveCancelVisible(bool visible);
    bool hasUnsavedChanges() const { return unsaved_; }

    // Names and sorts the loaded invoice records, repairing a missing customer with the
    // placeholder and telling the user.
    void addCustomerNamesToRecords();
    // The customer's name for an invoice record being written (GetCustomerName). A customer the
    // table lacks gets the placeholder, as after loading: the user is told, the customer list
    // shows it, and the data counts as changed.
    QString customerNameForRecord(const QString& customerNumber);
    // Loads and shows the database as start-up does.
    void loadAndShowDatabase();
    // The same with the file already read into tables (by a command that reads before it switches
    // files, so that a file it cannot read changes nothing).
    void loadAndShowDatabase(records::LoadResult&& loaded);
    // Writes the whole database to its file. False when it could not be written: the user has
    // been told which file and why, the file is as it was, and the changes stay unsaved.
    bool saveDatabase();
    // Writes a database to a file; false when it could not be written (the user has been told).
    // Every write of the database goes through here: the file this session read is written over
    // only past the guards of DatabaseFileGuard.
    bool writeDatabase(const QString& path, const records::Database& database);
    // Writes a database to a file that is to be made (closing the books), which is the file of
    // this session from then on; a file that appeared there meanwhile is guarded as a changed one.
    bool writeNewDatabase(const QString& path, const records::Database& database);

    void cmdSave_Click();
    // Abandons all changes, after the user's confirmation, by reading the file again.
    void cmdCancel_Click();

private:
    // Shows a loaded database: its tables, its company texts without marking them as edits.
    void takeDatabase(records::Database&& database);
    // Empties the views and the tables, before a file is read into them.
    void dropDatabase();
    // Takes a file's tables, read after dropDatabase, with its company texts; a missing file is
    // created empty, and a file that could not be read is told and never written over.
    void loadDatabase(records::LoadResult&& result);
    void showLoadedDatabase(records::LoadResult&& result);
    // Empties the views of the tables that are about to be replaced: the lists, both trees and
    // the customer entry fields.
    void clearViews();
    // Names the invoice records of the tables just taken and fills every view from the tables;
    // the customer fields show the customer the list selects.
    void showTables();
    void clearCompanyDetails();
    // Tells the user, once and before any save, what a load left out or could not read, if anything,
    // and where the file as it was is kept when something was left out.
    void tellWhatWasNotRead(const records::ReadReport& report, const QString& keptAs) const;
    // The notice about a placeholder customer, unless the user has silenced it.
    void tellAboutPlaceholder() const;

    bool writeOver(DatabaseFileGuard& file, const QString& path, const records::Database& database) const;
    // Writes without a guard; written, when given, takes the state of the file written.
    bool write(const QString& path, const records::Database& database, records::FileIdentity* written) const;

    MainWindow& w_;
    bool unsaved_ = false;
    DatabaseFileGuard file_;
};

} // namespace tav::app
