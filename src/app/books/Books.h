#pragma once

#include "DatabaseFileGuard.h"

#include "records/Database.h"

#include <QObject>
#include <QString>

namespace tav::records {
struct LoadResult;
struct ReadReport;
} // namespace tav::records

namespace tav::app {

// The books the program keeps: the record tables and company texts of one database file, whether
// they hold changes not yet saved, and that file, loaded, saved and written only past the guards of
// DatabaseFileGuard. The pages show the books; they learn of what changed here from the signals,
// which are raised in the order the views must follow.
class Books : public QObject {
    Q_OBJECT

public:
    records::Database& data() { return db_; }
    const records::Database& data() const { return db_; }

    bool hasUnsavedChanges() const { return unsaved_; }
    // Marks the books as changed (true) or as the file holds them (false).
    void setUnsaved(bool unsaved);

    // Loads the current database file and shows it, as start-up does.
    void loadAndShowDatabase();
    // The same with the file already read into tables (by a command that reads before it switches
    // files, so that a file it cannot read changes nothing).
    void loadAndShowDatabase(records::LoadResult&& loaded);
    // Abandons every change, after the user's confirmation, by reading the file again; when the
    // file cannot be read the user is told and the changes stay.
    void abandonChanges();

    // Writes the whole database to its file. False when it could not be written: the user has
    // been told which file and why, the file is as it was, and the changes stay unsaved.
    bool saveDatabase();
    // Writes a database to a file; false when it could not be written (the user has been told).
    // Every write of the database goes through here: the file these books were read from is
    // written over only past the guards of DatabaseFileGuard.
    bool writeDatabase(const QString& path, const records::Database& database);
    // Writes a database to a file that is to be made (closing the books), which is the file of
    // these books from then on; a file that appeared there meanwhile is guarded as a changed one.
    bool writeNewDatabase(const QString& path, const records::Database& database);
    // Drops every bill period and invoice record, after the books were closed into a new file.
    void dropPeriods();

    // The customer's name for an invoice record being written. A customer the table lacks gets the
    // placeholder, as after loading: the user is told, the customer list shows it, and the books
    // count as changed.
    QString customerNameForRecord(const QString& customerNumber);

signals:
    void unsavedChanged(bool unsaved);
    // The tables are about to be replaced: every view of them empties.
    void dropped();
    // The company texts were read from the file: the boxes show them, which is no edit.
    void companyTextsLoaded();
    // A file's tables were taken: the customer entry goes back to browsing.
    void fileLoaded();
    // The tables were replaced or lost periods: every view fills anew from them.
    void tablesReplaced();
    // After the views filled on a load: the customer fields show the customer the list selects.
    void tablesShown();
    // A database file was opened (at start-up, or by New or Open): its options are shown anew.
    void opened();
    // A customer was added to the table outside the Customers page (the placeholder).
    void customersChanged();
    // A customer's record was edited: the views that name the customer name it anew.
    void customerRenamed(const QString& customerKey);
    // A product was added, deleted or archived: the product lists fill anew.
    void productsChanged();
    // A bill period was added: the period combos fill anew.
    void periodsChanged();
    // An invoice record changed (a payment or note was logged): the views of its period follow.
    void invoiceRecordsChanged();
    // The books were written to their file.
    void saved();

private:
    void dropDatabase();
    // Takes a file's tables, read after dropDatabase, with its company texts; a missing file is
    // created empty, and a file that could not be read is told and never written over.
    void loadDatabase(records::LoadResult&& result);
    void showLoadedDatabase(records::LoadResult&& result);
    // Names the invoice records of the tables just taken and fills every view from the tables.
    void showTables();
    // Names and sorts the loaded invoice records, repairing a missing customer with the
    // placeholder and telling the user.
    void addCustomerNamesToRecords();
    // Tells the user, once and before any save, what a load left out or could not read, if anything,
    // and where the file as it was is kept when something was left out.
    void tellWhatWasNotRead(const records::ReadReport& report, const QString& keptAs) const;
    // The notice about a placeholder customer, unless the user has silenced it.
    void tellAboutPlaceholder() const;

    bool writeOver(DatabaseFileGuard& file, const QString& path, const records::Database& database) const;
    // Writes without a guard; written, when given, takes the state of the file written.
    bool write(const QString& path, const records::Database& database, records::FileIdentity* written) const;

    records::Database db_;
    bool unsaved_ = false;
    DatabaseFileGuard file_;
};

} // namespace tav::app
