#include "ListModel.h"

namespace tav::platform {

ListModel::ListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

ListModel::~ListModel() = default;

int ListModel::rowOf(const QString& key) const
{
    const Entry* entry = byKey_.find(key);
    return entry ? entry->row : -1;
}

std::unique_ptr<ListModel::Entry> ListModel::takeEntry(const QString& key, const QString& text, int row)
{
    auto entry = std::make_unique<Entry>(Entry { key, text, row });
    if (key.isEmpty() || !byKey_.insert(entry.get()))
        return nullptr;
    return entry;
}

void ListModel::renumberFrom(int row)
{
    for (size_t i = static_cast<size_t>(row); i < entries_.size(); ++i)
        entries_[i]->row = static_cast<int>(i);
}

bool ListModel::insert(int row, const QString& key, const QString& text)
{
    if (row < 0 || row > count())
        return false;
    std::unique_ptr<Entry> entry = takeEntry(key, text, row);
    if (!entry)
        return false;
    beginInsertRows(QModelIndex(), row, row);
    entries_.insert(entries_.begin() + row, std::move(entry));
    renumberFrom(row + 1);
    endInsertRows();
    return true;
}

bool ListModel::remove(const QString& key)
{
    const int row = rowOf(key);
    if (row < 0)
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    byKey_.remove(key);
    entries_.erase(entries_.begin() + row);
    renumberFrom(row);
    endRemoveRows();
    return true;
}

void ListModel::clear()
{
    beginRefill();
    endRefill();
}

void ListModel::beginRefill()
{
    beginResetModel();
    byKey_.clear();
    entries_.clear();
}

bool ListModel::append(const QString& key, const QString& text)
{
    std::unique_ptr<Entry> entry = takeEntry(key, text, count());
    if (!entry)
        return false;
    entries_.push_back(std::move(entry));
    return true;
}

void ListModel::endRefill()
{
    endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || role != Qt::DisplayRole)
        return {};
    return textAt(index.row());
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    // The flag that says an entry never has children spares the view looking for them.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

} // namespace tav::platform
