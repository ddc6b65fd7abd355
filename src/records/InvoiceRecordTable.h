#pragma once

#include "RecordTable.h"
#include "TextPool.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace tav::records {

// The invoice records: an ordered list of entries as a RecordTable keeps them, each keyed by its
// period and customer number (InvoiceRecord::key) and holding one text, appended as they come and
// sorted once after a load. A database holds a million of them, so they are kept compactly and
// without an allocation of their own: the first three fields of a text (period, customer name and
// number) as numbers of a TextPool, the rest of it in one shared buffer, and the key as the
// numbers of its two parts. Keys and texts are built when asked for; fieldAt() reads a field in
// place. Lookup by key and by position takes constant time. Positions count from 1.
class InvoiceRecordTable {
public:
    InvoiceRecordTable();
    ~InvoiceRecordTable();
    InvoiceRecordTable(InvoiceRecordTable&&) noexcept;
    InvoiceRecordTable& operator=(InvoiceRecordTable&&) noexcept;
    // A copy keeps the entries as they are, whatever is done to the table afterwards; it copies a
    // few blocks of memory, however many entries there are.
    InvoiceRecordTable(const InvoiceRecordTable&);

    qsizetype count() const { return static_cast<qsizetype>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }

    // Appends an entry; false (and nothing added) when the key exists or is not an invoice
    // record's key: a period, FieldSeparator, a number without one, FieldSeparator.
    bool add(QStringView key, const QString& text);
    bool contains(QStringView key) const;
    // The text of the entry with this key.
    std::optional<QString> find(QStringView key) const;
    // Replaces the text; the entry keeps its place. False when the key is absent.
    bool setText(QStringView key, const QString& text);
    void clear();

    QString keyAt(qsizetype position) const;
    QString textAt(qsizetype position) const;
    // Field index of the entry's text as fieldView() gives it; valid until the table changes.
    QStringView fieldAt(qsizetype position, int index) const;
    // The entry's text after its customer number field, read in place: the fields from the balance
    // on, joined by FieldSeparator; empty when there are none. Valid until the table changes.
    QStringView restAt(qsizetype position) const;
    // Whether the entry's text has just the fields of an invoice record, no more and no fewer (as
    // InvoiceRecord::fromText asks).
    bool hasRecordFieldsAt(qsizetype position) const;

    // Puts the entries in ascending order of text (compareRecordTexts), equal texts in the order
    // they stood.
    void sortByText();

    // The positions of the entries whose period field is this period, in table order.
    std::vector<qsizetype> positionsInPeriod(QStringView period) const;
    // Whether an entry's customer number field holds this number (compared as numbers: "012" is 12).
    bool anyForCustomer(qint64 number) const;
    // Whether an entry's item list bills this product number (compared as numbers).
    bool anyBillsProduct(qint64 number) const;

    // Gives each entry whose text has a customer number field but an empty customer name field the
    // name that nameOf gives for that number; an empty name leaves the entry as it is. nameOf is
    // asked once for each number, in the order the entries first show it.
    void nameRecords(const std::function<QString(QStringView number)>& nameOf);

    // Fills the table with the records of a file, as add() would one after the other but much
    // faster: the entries are taken as they come and indexed together at the end. Until then the
    // table is not to be used otherwise.
    class Loader {
    public:
        explicit Loader(InvoiceRecordTable& table);
        ~Loader();
        Loader(const Loader&) = delete;
        Loader& operator=(const Loader&) = delete;

        // The entry keyed by period and number whose text is period, an empty customer name,
        // number and then the rest (the fields after the number, joined by FieldSeparator).
        void add(QStringView period, QStringView number, QStringView rest);
        // How many entries were added so far.
        qsizetype added() const { return static_cast<qsizetype>(table_.rows_.size() - firstNew_); }
        // Names the entries added from the given count on as nameRecords() does.
        void nameFrom(qsizetype added, const std::function<QString(QStringView number)>& nameOf);
        // Indexes what was added. An entry whose key came before is dropped; returns which were.
        std::vector<DroppedEntry> finish();

    private:
        InvoiceRecordTable& table_;
        size_t firstNew_;
        TextPool::Id lastPeriod_ = TextPool::Empty;
        bool finished_ = false;
    };

private:
    using Id = TextPool::Id;
    // Marks a field that the text does not have, and a text without fields after the number.
    static constexpr Id kAbsent = ~Id(0);
    static constexpr qsizetype kNoRest = -1;

    struct Row {
        qsizetype restStart = kNoRest; // in rest_
        Id keyPeriod = TextPool::Empty;
        Id keyNumber = TextPool::Empty;
        Id period = TextPool::Empty;
        Id name = kAbsent;
        Id number = kAbsent;
        quint32 restSize = 0;
    };
    struct KeyParts {
        QStringView period;
        QStringView number;
    };

    static std::optional<KeyParts> keyParts(QStringView key);
    // Takes a QString, never a view: one into the shared buffer would move as the buffer grows.
    Row rowFor(Id keyPeriod, Id keyNumber, const QString& whole);
    QStringView restOf(const Row& row) const;
    QStringView fieldText(Id id) const;
    // The row of the key, or nothing.
    std::optional<size_t> rowOf(QStringView key) const;
    // The slot of the row with this key, or the free slot where it would go.
    size_t slotOf(Id keyPeriod, Id keyNumber) const;
    // Makes room for count rows in the index, indexing the first indexed rows anew when it grows.
    void reserveIndex(size_t count, size_t indexed);
    // Indexes the first count rows, whose keys differ, and no other.
    void indexRows(size_t count);
    void nameRows(size_t first, const std::function<QString(QStringView number)>& nameOf);
    // Indexes the row unless its key is there already; returns whether it was indexed.
    bool index(size_t row);

    std::vector<Row> rows_;
    TextPool texts_;
    std::vector<char16_t> rest_;
    std::vector<quint32> slots_; // row + 1 (0 is free); a power of two in size, at most three quarters full
};

} // namespace tav::records
