#include "TreeModel.h"

#include <QBrush>

#include <unordered_set>

namespace tav::platform {

namespace {

using KeptNodes = std::vector<std::pair<TreeNode*, const TreeNode*>>;

// Pairs every fresh node with the present node of the same key, and lists the present nodes
// that have no fresh one (a node whose parent goes too is not listed: it goes with its parent).
// False when the fresh nodes are not the present ones less some.
bool pairNodes(const TreeNodes& present, const TreeNodes& fresh, KeptNodes& kept, std::vector<TreeNode*>& gone)
{
    std::unordered_set<const TreeNode*> goneSet;
    int next = 0;
    for (int i = 0; i < present.count(); ++i) {
        TreeNode& node = present.at(i);
        if (next < fresh.count() && fresh.at(next).key == node.key && fresh.at(next).parent->key == node.parent->key) {
            kept.emplace_back(&node, &fresh.at(next++));
        } else if (fresh.find(node.key)) {
            return false;
        } else {
            goneSet.insert(&node);
            if (!goneSet.contains(node.parent))
                gone.push_back(&node);
        }
    }
    return next == fresh.count();
}

} // namespace

TreeModel::TreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , nodes_(std::make_unique<TreeNodes>())
{
}

TreeModel::~TreeModel() = default;

QModelIndex TreeModel::indexOf(const TreeNode& node) const
{
    return &node == &nodes_->root() ? QModelIndex() : createIndex(node.row, 0, const_cast<TreeNode*>(&node));
}

TreeNode* TreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

TreeNode& TreeModel::nodeOrRoot(const QModelIndex& index) const
{
    TreeNode* node = nodeAt(index);
    return node ? *node : nodes_->root();
}

TreeNode* TreeModel::add(const QString& parentKey, const QString& key, const QString& text, bool checkBox)
{
    TreeNode* parent = nodes_->parentForNew(parentKey, key);
    if (!parent)
        return nullptr;
    const int row = static_cast<int>(parent->children.size());
    beginInsertRows(indexOf(*parent), row, row);
    TreeNode& node = nodes_->add(*parent, key, text, checkBox);
    endInsertRows();
    return &node;
}

void TreeModel::remove(TreeNode& node)
{
    beginRemoveRows(indexOf(*node.parent), node.row, node.row);
    nodes_->remove(node);
    endRemoveRows();
}

void TreeModel::clear()
{
    beginResetModel();
    nodes_ = std::make_unique<TreeNodes>();
    endResetModel();
}

void TreeModel::showChange(TreeNode& node)
{
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index);
}

bool TreeModel::replace(std::unique_ptr<TreeNodes> fresh)
{
    KeptNodes kept;
    std::vector<TreeNode*> gone;
    if (!pairNodes(*nodes_, *fresh, kept, gone)) {
        beginResetModel();
        nodes_ = std::move(fresh);
        endResetModel();
        return true;
    }
    for (TreeNode* node : gone)
        remove(*node);
    takeData(kept);
    return false;
}

void TreeModel::takeData(const KeptNodes& kept)
{
    // One notice per parent, from its first changed child to its last: a refill may change
    // thousands of check boxes at once.
    QHash<TreeNode*, std::pair<int, int>> changedRows;
    for (const auto& [node, fresh] : kept) {
        node->expanded = fresh->expanded;
        if (node->showsAs(*fresh))
            continue;
        node->text = fresh->text;
        node->tag = fresh->tag;
        node->color = fresh->color;
        node->colorSet = fresh->colorSet;
        node->hasCheckState = fresh->hasCheckState;
        node->checked = fresh->checked;
        auto rows = changedRows.find(node->parent);
        if (rows == changedRows.end())
            changedRows.insert(node->parent, { node->row, node->row });
        else
            *rows = { std::min(rows->first, node->row), std::max(rows->second, node->row) };
    }
    for (auto rows = changedRows.cbegin(); rows != changedRows.cend(); ++rows) {
        const QModelIndex parent = indexOf(*rows.key());
        emit dataChanged(index(rows->first, 0, parent), index(rows->second, 0, parent));
    }
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const TreeNode& node = nodeOrRoot(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node.children.size()))
        return {};
    return createIndex(row, 0, node.children[static_cast<size_t>(row)]);
}

QModelIndex TreeModel::parent(const QModelIndex& index) const
{
    const TreeNode* node = nodeAt(index);
    return node ? indexOf(*node->parent) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : static_cast<int>(nodeOrRoot(parent).children.size());
}

int TreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const
{
    const TreeNode* node = nodeAt(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return node->text;
    case Qt::ForegroundRole:
        return node->colorSet ? QVariant(QBrush(toQColor(node->color))) : QVariant();
    case Qt::CheckStateRole:
        return node->hasCheckState ? QVariant(node->checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    default:
        return {};
    }
}

bool TreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TreeNode* node = nodeAt(index);
    if (!node || role != Qt::CheckStateRole)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (node->hasCheckState && node->checked == checked)
        return true;
    node->hasCheckState = true;
    node->checked = checked;
    showChange(*node);
    emit userChecked(node->key);
    return true;
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
}

} // namespace tav::platform
