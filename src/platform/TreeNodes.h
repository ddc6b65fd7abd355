#pragma once

#include "Colors.h"

#include "records/KeyIndex.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tav::platform {

// What a node shows and what the program keeps with it.
struct TreeNodeData {
    QString text;
    QString tag;
    ColorValue color = SystemColor::WindowText;
    // Only a colour set by code is painted as such; the others take the view's own text colour.
    bool colorSet = false;
    // A node shows a check box once it has a check state: from the start in a tree with check
    // boxes, else once code sets one.
    bool hasCheckState = false;
    bool checked = false;
};

// One node of a tree.
struct TreeNode {
    QString key;
    TreeNodeData data;
    // Used only while a tree is refilled, before the view knows whether the node is expanded;
    // the view keeps the expansion of the nodes it shows.
    bool expanded = false;
    // The invisible root for the top-level nodes.
    TreeNode* parent = nullptr;
    // The position among the parent's children, from 0.
    int row = 0;
    std::vector<TreeNode*> children;
};

// The nodes of one tree, keyed and kept in the order they were added; shows nothing itself.
// Nodes stay where they are in memory until they are removed or the tree is refilled or cleared.
class TreeNodes {
public:
    TreeNodes() = default;
    TreeNodes(const TreeNodes&) = delete;
    TreeNodes& operator=(const TreeNodes&) = delete;

    // Makes room for this many nodes at once.
    void reserve(int count);

    // The invisible parent of the top-level nodes; its key is empty.
    TreeNode& root() { return root_; }
    const TreeNode& root() const { return root_; }

    // Appends a node to the children of parentKey's node (the root's for an empty parentKey), with
    // an unchecked check box or none; nullptr when the key is empty or taken or the parent is not in
    // the tree. Once the node is sure to be added, and before it is, beforeLinking is told the
    // parent and the node's row there.
    using Linking = std::function<void(TreeNode& parent, int row)>;
    TreeNode* add(const QString& parentKey, const QString& key, const QString& text, bool checkBox,
                  const Linking& beforeLinking = {});
    // Removes the node and everything below it.
    void remove(TreeNode& node);

    TreeNode* find(const QString& key) const;
    int count() const { return static_cast<int>(order_.size()); }
    // In the order added, from 0.
    TreeNode& at(int index) const { return *order_[static_cast<size_t>(index)]; }

private:
    // A place for a node; the last one given is taken back by giveBack.
    TreeNode& newNode();
    void giveBack(TreeNode& node);

    TreeNode root_;
    // Not Qt's hash: keyed by strings, it is many times slower.
    records::KeyIndex<TreeNode> byKey_;
    // Where the nodes live, a block at a time: a tree of thousands of nodes is made and freed in a
    // few allocations, where one each, freed as the tree was filled anew, took longer the more
    // there were. A removed node's place stays empty until the tree goes.
    std::vector<std::unique_ptr<TreeNode[]>> blocks_;
    size_t lastBlockNodes_ = 0;
    size_t usedInLastBlock_ = 0;
    std::vector<TreeNode*> order_;
    TreeNode* lastAdded_ = nullptr;
    mutable TreeNode* lastFound_ = nullptr;
};

} // namespace tav::platform
