#include "TreeNodes.h"

#include <algorithm>
#include <functional>

namespace tav::platform {

namespace {

void collectSubtree(TreeNode& node, std::vector<TreeNode*>& nodes)
{
    nodes.push_back(&node);
    for (TreeNode* child : node.children)
        collectSubtree(*child, nodes);
}

} // namespace

void TreeNodes::reserve(int count)
{
    byKey_.reserve(count);
    order_.reserve(static_cast<size_t>(count));
}

TreeNode* TreeNodes::find(const QString& key) const
{
    // The calls filling a tree mostly name the node just added or its parent: comparing their
    // keys is much cheaper than a lookup, which took a good part of filling a tree.
    if (lastAdded_) {
        if (lastAdded_->key == key)
            return lastAdded_;
        if (lastAdded_->parent != &root_ && lastAdded_->parent->key == key)
            return lastAdded_->parent;
    }
    return byKey_.find(key);
}

TreeNode* TreeNodes::parentForNew(const QString& parentKey, const QString& key)
{
    if (key.isEmpty() || byKey_.find(key))
        return nullptr;
    return parentKey.isEmpty() ? &root_ : find(parentKey);
}

TreeNode& TreeNodes::add(TreeNode& parent, const QString& key, const QString& text, bool checkBox)
{
    auto node = std::make_unique<TreeNode>();
    node->key = key;
    node->data.text = text;
    node->data.hasCheckState = checkBox;
    node->parent = &parent;
    node->row = static_cast<int>(parent.children.size());
    parent.children.push_back(node.get());
    byKey_.insert(node.get());
    order_.push_back(std::move(node));
    return *(lastAdded_ = order_.back().get());
}

void TreeNodes::remove(TreeNode& node)
{
    lastAdded_ = nullptr;
    std::vector<TreeNode*> gone;
    collectSubtree(node, gone);
    std::vector<TreeNode*>& siblings = node.parent->children;
    siblings.erase(siblings.begin() + node.row);
    for (size_t i = static_cast<size_t>(node.row); i < siblings.size(); ++i)
        siblings[i]->row = static_cast<int>(i);
    for (TreeNode* each : gone)
        byKey_.remove(each->key);
    std::sort(gone.begin(), gone.end(), std::less<>());
    std::erase_if(order_, [&](const std::unique_ptr<TreeNode>& each) {
        return std::binary_search(gone.begin(), gone.end(), each.get(), std::less<>());
    });
}

} // namespace tav::platform
