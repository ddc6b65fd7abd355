#pragma once

#include "CustomerNames.h"
#include "Database.h"
#include "GatheredRecord.h"
#include "LocalAmounts.h"
#include "ReadReport.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tav::records {

// Takes the records the reader gathers into the tables of a fresh database, reading every amount
// once: a record without a usable number is not read, an amount that is not wholly one is kept as
// written and told, and an entry whose number, name or period and customer came before is left out
// and told with the entry kept. Each table is filled in one go (see sectionEnded), so that a
// million records load fast whatever their order.
class TableFilling {
public:
    TableFilling(Database& database, const QLocale& locale, ReportCollector& report);

    void take(const GatheredRecord& record);
    // The first end of a table's section puts the records read so far into it, so that the
    // invoice records after the customers' section are named as they come; the records of later
    // sections wait for finish().
    void sectionEnded(TableKind table);
    void finish();

private:
    // Entries as read, each a key and a text, in file order, with the lines each stood on.
    struct Entries {
        RecordTable& table;
        bool sectionEnded = false;
        std::vector<std::pair<QString, QString>> read;
        std::vector<ReadReport::Lines> lines;
    };

    void addCustomer(const GatheredRecord& record);
    void addProduct(const GatheredRecord& record);
    void addBillPeriod(const GatheredRecord& record);
    void addInvoiceRecord(const GatheredRecord& record);
    // The record's numbered items from 1 up to the first number missing; the others are not read.
    void collectItems(const GatheredRecord& record);
    void add(Entries& entries, const GatheredRecord& record, QString key, QString text);
    void fill(Entries& entries, TableKind table);
    QString keptEntry(TableKind table, const QString& key) const;
    Entries& entriesOf(TableKind table);

    Database& database_;
    LocalAmounts amounts_;
    ReportCollector& report_;
    InvoiceCustomerNames customerNames_;
    Entries customers_;
    Entries products_;
    Entries periods_;
    // The invoice records of every section, in file order: they are sorted after the load anyway.
    std::optional<InvoiceRecordTable::Loader> invoiceRecords_;
    std::vector<ReadReport::Lines> invoiceRecordLines_;
    // How many invoice records had been read when the customers section first ended: those read
    // after it are named from its customers.
    std::optional<qsizetype> invoiceRecordsBeforeCustomers_;
    // The invoice record's items in the order of their numbers, kept from record to record.
    std::vector<qsizetype> itemByNumber_;
    // An invoice record's fields as they are made into text, kept from record to record.
    QString period_;
    QString number_;
    QString rest_;
};

} // namespace tav::records
