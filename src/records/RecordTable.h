#pragma once

#include "KeyIndex.h"

#include <QString>

#include <memory>
#include <vector>

namespace tav::records {

// The ascending order of the record tables: field by field at FieldSeparator, each field compared
// without regard to case, ties broken by an exact comparison. A text that begins with
// ArchivePrefix follows every text that does not, so archived customers stand after all current
// ones whatever their names. Locale collation is never used.
int compareRecordTexts(QStringView a, QStringView b);
// The same order without the archived rule: fields one by one, fewer fields first. Two texts of
// one field each compare as that field of two records does.
int compareRecordFields(QStringView a, QStringView b);

// An entry that a table's loader left out because its key came before (or was empty): its
// position from 0 in the order the entries were added, and its key.
struct DroppedEntry {
    qsizetype position = 0;
    QString key;
};

// An ordered list of entries, each a unique, non-empty key and one text, kept in ascending order of
// text as they are added. Lookup by key and by position takes constant time.
class RecordTable {
public:
    RecordTable();
    ~RecordTable();
    RecordTable(RecordTable&&) noexcept;
    RecordTable& operator=(RecordTable&&) noexcept;

    qsizetype count() const { return static_cast<qsizetype>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }

    // Adds an entry at its place; false (and nothing added) when the key is empty or exists.
    bool add(QString key, QString text);

    // Fills a table with many entries as add() would one after the other, much faster for a
    // million of them and never slower than linear-logarithmic: entries are taken as they come and
    // indexed and put in place together at the end. Until then the table is not to be used
    // otherwise.
    class Loader {
    public:
        explicit Loader(RecordTable& table);
        ~Loader();
        Loader(const Loader&) = delete;
        Loader& operator=(const Loader&) = delete;

        void add(QString key, QString text);
        // Indexes what was added. As with add(), an entry with an empty key or one that came
        // before is dropped; returns which were.
        std::vector<DroppedEntry> finish();

    private:
        RecordTable& table_;
        qsizetype firstNew_;
        bool finished_ = false;
    };

    bool contains(const QString& key) const;
    // The text of the entry with this key, or nullptr.
    const QString* find(const QString& key) const;
    bool remove(const QString& key);
    void clear();

    // Positions count from 1, as the lists and the developer view count them.
    const QString& keyAt(qsizetype position) const;
    const QString& textAt(qsizetype position) const;
    // The 1-based position of the entry with this key, 0 when there is none.
    qsizetype positionOf(const QString& key) const;

private:
    struct Entry {
        QString key;
        QString text;
        qsizetype index = 0;
    };

    void renumberFrom(qsizetype index) const;
    static bool textLess(const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b);

    std::vector<std::unique_ptr<Entry>> entries_;
    KeyIndex<Entry> byKey_;
    // An entry whose stored index is this or more may have moved since it was numbered.
    mutable qsizetype firstStaleIndex_ = 0;
};

} // namespace tav::records
