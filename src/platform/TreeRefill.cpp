#include "TreeRefill.h"

#include "TreeModel.h"

namespace tav::platform {

using Refill = TreeNode::Refill;

TreeRefill::TreeRefill(TreeModel& model)
    : model_(model)
{
    // A tree is mostly filled anew with about as many nodes as before.
    kept_.reserve(static_cast<size_t>(model_.nodes().count()));
}

TreeNode* TreeRefill::find(const QString& key) const
{
    if (last_) {
        if (last_->key == key)
            return last_;
        if (last_->parent->parent && last_->parent->key == key)
            return last_->parent;
    }
    if (apart_)
        return apart_->find(key);
    TreeNode* old = model_.find(key);
    return old && old->refill == Refill::Kept ? old : nullptr;
}

int TreeRefill::count() const
{
    return apart_ ? apart_->count() : static_cast<int>(kept_.size());
}

TreeNode& TreeRefill::at(int index) const
{
    return apart_ ? apart_->at(index) : *kept_[static_cast<size_t>(index)].first;
}

TreeNode* TreeRefill::add(const QString& parentKey, const QString& key, const QString& text, bool checkBox)
{
    if (apart_) {
        TreeNode* parent = parentKey.isEmpty() ? &apart_->root() : find(parentKey);
        if (key.isEmpty() || !parent || apart_->find(key))
            return nullptr;
        return last_ = &apart_->add(*parent, key, text, checkBox);
    }
    TreeNode* old = key.isEmpty() ? nullptr : model_.find(key);
    const TreeNode* parent = parentKey.isEmpty() ? &model_.nodes().root() : find(parentKey);
    if (key.isEmpty() || !parent || (old && old->refill == Refill::Kept))
        return nullptr;
    if (!old || old->refill != Refill::Untouched || old->parent != parent) {
        buildApart();
        return add(parentKey, key, text, checkBox);
    }
    // The old nodes passed over are not in the new tree.
    const TreeNodes& nodes = model_.nodes();
    while (&nodes.at(next_) != old)
        nodes.at(next_++).refill = Refill::Dropped;
    ++next_;
    old->refill = Refill::Kept;
    old->expanded = false;
    kept_.emplace_back(old, std::exchange(old->data, TreeNodeData()));
    old->data.text = text;
    old->data.hasCheckState = checkBox;
    return last_ = old;
}

void TreeRefill::remove(TreeNode& node)
{
    last_ = nullptr;
    if (!apart_) {
        const QString key = node.key;
        buildApart();
        apart_->remove(*apart_->find(key));
        return;
    }
    apart_->remove(node);
}

void TreeRefill::clear()
{
    last_ = nullptr;
    apart_ = std::make_unique<TreeNodes>();
}

void TreeRefill::buildApart()
{
    last_ = nullptr;
    apart_ = std::make_unique<TreeNodes>();
    apart_->reserve(model_.nodes().count());
    for (const auto& [old, before] : kept_) {
        TreeNode* parent = old->parent->key.isEmpty() ? &apart_->root() : apart_->find(old->parent->key);
        TreeNode& node = apart_->add(*parent, old->key, QString(), false);
        node.data = old->data;
        node.expanded = old->expanded;
    }
}

bool TreeRefill::finish()
{
    if (apart_) {
        model_.replaceAll(std::move(apart_));
        return true;
    }
    const TreeNodes& nodes = model_.nodes();
    std::vector<TreeNode*> dropped;
    for (int i = 0; i < nodes.count(); ++i) {
        TreeNode& node = nodes.at(i);
        if (i >= next_ && node.refill == Refill::Untouched)
            node.refill = Refill::Dropped;
        // Whatever lies below a dropped node goes with it.
        if (node.refill == Refill::Dropped && node.parent->refill != Refill::Dropped)
            dropped.push_back(&node);
    }
    for (TreeNode* node : dropped)
        model_.remove(*node);
    std::vector<TreeNode*> changed;
    for (const auto& [node, before] : kept_) {
        node->refill = Refill::Untouched;
        if (node->data != before)
            changed.push_back(node);
    }
    model_.showChanges(changed);
    return false;
}

} // namespace tav::platform
