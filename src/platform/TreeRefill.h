#pragma once

#include "TreeNodes.h"

#include <memory>
#include <utility>
#include <vector>

namespace tav::platform {

class TreeModel;

// The new nodes of a tree that is filled anew, while its view still shows the old ones. As long
// as the new nodes come as the old ones less some (the same keys under the same parents, in the
// same order), they are the old nodes themselves, which take the new data at once: at the end the
// view is told of the nodes dropped and the data changed, and nothing else. From the first new
// node that breaks that order, the new nodes are built apart and replace the old ones at the end.
class TreeRefill {
public:
    explicit TreeRefill(TreeModel& model);
    TreeRefill(const TreeRefill&) = delete;
    TreeRefill& operator=(const TreeRefill&) = delete;

    // As TreeNodes does, on the new nodes.
    TreeNode* find(const QString& key) const;
    int count() const;
    TreeNode& at(int index) const;
    TreeNode* add(const QString& parentKey, const QString& key, const QString& text, bool checkBox);
    void remove(TreeNode& node);
    void clear();

    // Hands the new nodes to the model, which tells its views; true when it was reset.
    bool finish();

private:
    void buildApart();

    TreeModel& model_;
    // While the old nodes are kept: the first old node not yet kept or dropped, and the nodes kept
    // in their order, each with its data from before.
    int next_ = 0;
    std::vector<std::pair<TreeNode*, TreeNodeData>> kept_;
    std::unique_ptr<TreeNodes> apart_;
    // The node added last: the calls filling a tree mostly name it or its parent next.
    TreeNode* last_ = nullptr;
};

} // namespace tav::platform
