#pragma once

#include "Control.h"

#include <QStringList>

#include <functional>
#include <memory>

class QTreeView;

namespace tav::platform {

class TreeModel;
class TreeNodes;
struct TreeNode;

// A tree of keyed nodes, optionally with a check box at every node. Positions count from 1 in the
// order the nodes were added. Each node has its own text colour and an invisible Tag. NodeCheck,
// MouseUp and DblClick are raised only for the user's own actions, never for changes by code; the
// release that ends a double-click raises no MouseUp. Changes by code are laid out once, when the
// view is next drawn or asked where a node stands, so adding thousands of nodes costs no more than
// adding them all at once.
class TreeView : public Control {
    Q_OBJECT

public:
    enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    // Fills the tree anew: from its start the tree reads as cleared, and add(), the setters and
    // the getters of nodes work on the new nodes. At its end the tree is what clear() and the same
    // calls would have made of it (no node selected or current, just the nodes expanded that the
    // calls expanded), and the view learns of it in one step, however many nodes came or went.
    // Until the end the view shows the old nodes, so select(), selectedKey() and ensureVisible()
    // are for after it.
    class Refill {
    public:
        explicit Refill(TreeView& tree);
        ~Refill();
        Refill(const Refill&) = delete;
        Refill& operator=(const Refill&) = delete;

    private:
        TreeView& tree_;
    };

    TreeView(QWidget* container, const QString& name, int index = -1);
    ~TreeView() override;

    // Fills the tree anew through fill, which makes its own Refill: now when the tree is in view,
    // else once it comes into view or is next used, from what fill reads then. A tree on a page
    // that is not shown costs nothing until the user goes there. clear() and a Refill drop a fill
    // not yet done.
    void refillWhenShown(std::function<void()> fill);
    // Whether a fill waits: a change that the fill will read from the tables need not be shown.
    bool waitsToBeFilled() const { return static_cast<bool>(pendingFill_); }

    void setCheckBoxes(bool checkBoxes);
    bool checkBoxes() const { return checkBoxes_; }

    void clear();
    // Adds a node as the last child of parentKey (a root node when parentKey is empty); false when
    // the key is empty or already in the tree, or the parent is not.
    bool add(const QString& parentKey, const QString& key, const QString& text);
    // Removes the node and everything below it.
    bool remove(const QString& key);
    int nodeCount() const;
    bool contains(const QString& key) const { return node(key); }
    QString keyAt(int position) const;
    QString parentKey(const QString& key) const;
    QStringList childKeys(const QString& key) const;

    QString text(const QString& key) const;
    void setText(const QString& key, const QString& text);
    QString tag(const QString& key) const;
    void setTag(const QString& key, const QString& tag);
    ColorValue foreColor(const QString& key) const;
    void setForeColor(const QString& key, ColorValue color);
    bool checked(const QString& key) const;
    void setChecked(const QString& key, bool checked);
    bool expanded(const QString& key) const;
    void setExpanded(const QString& key, bool expanded);
    // Expands the node's ancestors and scrolls it into view.
    void ensureVisible(const QString& key);

    // The selected node's key, empty when none is selected.
    QString selectedKey() const;
    void select(const QString& key);

    QTreeView* treeView() const;

signals:
    void nodeCheck(const QString& key);
    // Button as MouseButton, shift as ShiftState bits, the position in twips.
    void mouseUp(int button, int shift, double x, double y);
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View;

    // Runs the fill that waits for the tree to be shown or used.
    void fillNow() const;
    // The nodes that calls work on: the new ones during a refill.
    const TreeNodes& nodes() const;
    TreeNode* node(const QString& key) const;
    // Tells the view of a change in the node's data, unless the view will learn it at a refill's end.
    void showChange(TreeNode& node);
    void endRefill();

    View* view_;
    TreeModel* model_;
    QWidget* viewport_;
    // The new nodes while the tree is refilled.
    std::unique_ptr<TreeNodes> refill_;
    mutable std::function<void()> pendingFill_;
    bool checkBoxes_ = false;
    bool releaseEndsDoubleClick_ = false;
};

} // namespace tav::platform
