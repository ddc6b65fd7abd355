#pragma once

#include "TreeNodes.h"

#include <QAbstractItemModel>

#include <memory>

namespace tav::platform {

// Qt's item model over the nodes of one tree, one column wide. Every change by code goes through
// it so that the view hears of it; the user's click on a check box comes back as userChecked.
class TreeModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit TreeModel(QObject* parent);
    ~TreeModel() override;

    TreeNode* find(const QString& key) const { return nodes_->find(key); }
    const TreeNodes& nodes() const { return *nodes_; }
    QModelIndex indexOf(const TreeNode& node) const;
    TreeNode* nodeAt(const QModelIndex& index) const;

    // As TreeNodes::add; nullptr when the node cannot be added.
    TreeNode* add(const QString& parentKey, const QString& key, const QString& text, bool checkBox);
    void remove(TreeNode& node);
    void clear();
    // Tells the views that the node's text, colour or check box changed.
    void showChange(TreeNode& node);
    // Holds these nodes from now on: the model is reset.
    void replaceAll(std::unique_ptr<TreeNodes> nodes);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The view's way of passing on the user's click on a check box.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void userChecked(const QString& key);

private:
    TreeNode& nodeOrRoot(const QModelIndex& index) const;

    std::unique_ptr<TreeNodes> nodes_;
};

} // namespace tav::platform
