#include "TreeNodes.h"

#include <algorithm>
#include <functional>

namespace tav::platform {

namespace {

// Blocks grow with the tree, to a thousand nodes: a small tree takes little room.
constexpr size_t kFirstBlockNodes = 16;
constexpr size_t kMostBlockNodes = 1024;

void collectSubtree(TreeNode& node, std::vector<TreeNode*>& nodes)
{
    nodes.push_back(&node);
    for (TreeNode* child : node.children)
        collectSubtree(*child, nodes);
}

} // namespace

TreeNode& TreeNodes::newNode()
{
    if (blocks_.empty() || usedInLastBlock_ == lastBlockNodes_) {
        lastBlockNodes_ = blocks_.empty() ? kFirstBlockNodes : std::min(2 * lastBlockNodes_, kMostBlockNodes);
        blocks_.push_back(std::make_unique<TreeNode[]>(lastBlockNodes_));
        usedInLastBlock_ = 0;
    }
    return blocks_.back()[usedInLastBlock_++];
}

void TreeNodes::giveBack(TreeNode& node)
{
    node = TreeNode();
    --usedInLastBlock_;
}

void TreeNodes::reserve(int count)
{
    byKey_.reserve(count);
    order_.reserve(static_cast<size_t>(count));
}

TreeNode* TreeNodes::find(const QString& key) const
{
    // The calls filling or changing a tree mostly name the node just added or found, or its
    // parent: comparing their keys is much cheaper than a lookup, which in a large tree waits for
    // memory each time.
    for (TreeNode* recent : {lastAdded_, lastFound_}) {
        if (!recent)
            continue;
        if (recent->key == key)
            return recent;
        if (recent->parent != &root_ && recent->parent->key == key)
            return recent->parent;
    }
    TreeNode* found = byKey_.find(key);
    if (found)
        lastFound_ = found;
    return found;
}

TreeNode* TreeNodes::add(const QString& parentKey, const QString& key, const QString& text, bool checkBox,
                         const Linking& beforeLinking)
{
    TreeNode* parent = parentKey.isEmpty() ? &root_ : find(parentKey);
    if (key.isEmpty() || !parent)
        return nullptr;
    TreeNode& node = newNode();
    node.key = key;
    // One lookup both refuses a key that is taken and indexes the new one.
    if (!byKey_.insert(&node)) {
        giveBack(node);
        return nullptr;
    }
    node.data.text = text;
    node.data.hasCheckState = checkBox;
    node.parent = parent;
    node.row = static_cast<int>(parent->children.size());
    if (beforeLinking)
        beforeLinking(*parent, node.row);
    parent->children.push_back(&node);
    order_.push_back(&node);
    return lastAdded_ = &node;
}

void TreeNodes::remove(TreeNode& node)
{
    lastAdded_ = nullptr;
    lastFound_ = nullptr;
    std::vector<TreeNode*> gone;
    collectSubtree(node, gone);
    std::vector<TreeNode*>& siblings = node.parent->children;
    siblings.erase(siblings.begin() + node.row);
    for (size_t i = static_cast<size_t>(node.row); i < siblings.size(); ++i)
        siblings[i]->row = static_cast<int>(i);
    for (TreeNode* each : gone)
        byKey_.remove(each->key);
    std::sort(gone.begin(), gone.end(), std::less<>());
    std::erase_if(order_, [&](const TreeNode* each) { return std::binary_search(gone.begin(), gone.end(), each, std::less<>()); });
    for (TreeNode* each : gone)
        *each = TreeNode();
}

} // namespace tav::platform
