#pragma once

#include "records/KeyIndex.h"

#include <QAbstractListModel>

#include <memory>
#include <vector>

namespace tav::platform {

// Qt's item model over the keyed text entries of one list, one column wide. Every change goes
// through it so that the view hears of it; a refill replaces all entries at once.
class ListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ListModel(QObject* parent);
    ~ListModel() override;

    int count() const { return static_cast<int>(entries_.size()); }
    const QString& keyAt(int row) const { return entries_[static_cast<size_t>(row)]->key; }
    const QString& textAt(int row) const { return entries_[static_cast<size_t>(row)]->text; }
    // The row of the entry with this key, -1 when there is none.
    int rowOf(const QString& key) const;

    // False when the key is empty or taken, or the row is out of range.
    bool insert(int row, const QString& key, const QString& text);
    bool remove(const QString& key);
    void clear();

    // Fills the list anew: from its start the list is empty and takes appended entries, and the
    // view learns of them all at its end. False when the key is empty or taken.
    void beginRefill();
    bool append(const QString& key, const QString& text);
    void endRefill();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Entry {
        QString key;
        QString text;
        int row = 0;
    };

    std::unique_ptr<Entry> takeEntry(const QString& key, const QString& text, int row);
    void renumberFrom(int row);

    std::vector<std::unique_ptr<Entry>> entries_;
    // Not Qt's hash: keyed by strings, it is many times slower.
    records::KeyIndex<Entry> byKey_;
};

} // namespace tav::platform
