#pragma once

#include "Control.h"

#include <QHash>
#include <QStringList>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace tav::platform {

// A tree of keyed nodes, optionally with a check box at every node. Positions count from 1 in the
// order the nodes were added. Each node has its own text colour and an invisible Tag. NodeCheck,
// MouseUp and DblClick are raised only for the user's own actions, never for changes by code; the
// release that ends a double-click raises no MouseUp.
class TreeView : public Control {
    Q_OBJECT

public:
    enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    TreeView(QWidget* container, const QString& name, int index = -1);

    void setCheckBoxes(bool checkBoxes);
    bool checkBoxes() const { return checkBoxes_; }

    void clear();
    // Adds a node as the last child of parentKey (a root node when parentKey is empty); false when
    // the key is empty or already in the tree, or the parent is not.
    bool add(const QString& parentKey, const QString& key, const QString& text);
    // Removes the node and everything below it.
    bool remove(const QString& key);
    int nodeCount() const { return static_cast<int>(order_.size()); }
    bool contains(const QString& key) const { return nodes_.contains(key); }
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

    QTreeWidget* treeWidget() const { return tree_; }

signals:
    void nodeCheck(const QString& key);
    // Button as MouseButton, shift as ShiftState bits, the position in twips.
    void mouseUp(int button, int shift, double x, double y);
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidgetItem* node(const QString& key) const { return nodes_.value(key); }
    static QString keyOf(const QTreeWidgetItem* item);
    void forget(QTreeWidgetItem* item);

    QTreeWidget* tree_;
    QWidget* viewport_;
    QHash<QString, QTreeWidgetItem*> nodes_;
    std::vector<QTreeWidgetItem*> order_;
    bool checkBoxes_ = false;
    bool changingByCode_ = false;
    bool releaseEndsDoubleClick_ = false;
};

} // namespace tav::platform
