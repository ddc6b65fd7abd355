#include "TreeModel.h"

#include <QBrush>

namespace tav::platform {

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
    TreeNode* node = nodes_->add(parentKey, key, text, checkBox,
                                 [this](TreeNode& parent, int row) { beginInsertRows(indexOf(parent), row, row); });
    if (node)
        endInsertRows();
    return node;
}

void TreeModel::remove(TreeNode& node)
{
    beginRemoveRows(indexOf(*node.parent), node.row, node.row);
    nodes_->remove(node);
    endRemoveRows();
}

void TreeModel::clear()
{
    replaceAll(std::make_unique<TreeNodes>());
}

void TreeModel::showChange(TreeNode& node)
{
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index);
}

void TreeModel::replaceAll(std::unique_ptr<TreeNodes> nodes)
{
    beginResetModel();
    nodes_ = std::move(nodes);
    endResetModel();
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
    const TreeNodeData& data = node->data;
    switch (role) {
    case Qt::DisplayRole:
        return data.text;
    case Qt::ForegroundRole:
        return data.colorSet ? QVariant(QBrush(toQColor(data.color))) : QVariant();
    case Qt::CheckStateRole:
        return data.hasCheckState ? QVariant(data.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
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
    if (node->data.hasCheckState && node->data.checked == checked)
        return true;
    node->data.hasCheckState = true;
    node->data.checked = checked;
    showChange(*node);
    emit userChecked(node->key);
    return true;
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
}

} // namespace tav::platform
