#pragma once

#include "Control.h"

#include <QHash>

class QTreeWidget;
class QTreeWidgetItem;

namespace tav::platform {

// A list of keyed text entries, positions counted from 1. The list has a current entry apart from
// the selected mark: clearing the mark keeps the entry current. Selecting by code raises no event;
// Click, DblClick and KeyUp come from the user alone, KeyUp with the form runtime's key codes.
class ListView : public Control {
    Q_OBJECT

public:
    ListView(QWidget* container, const QString& name, int index = -1);

    void clear();
    // Appends an entry; false when the key is empty or already in the list.
    bool add(const QString& key, const QString& text);
    // Inserts an entry at a 1-based position.
    bool insert(qsizetype position, const QString& key, const QString& text);
    bool remove(const QString& key);
    qsizetype count() const;
    bool isEmpty() const { return count() == 0; }

    QString keyAt(qsizetype position) const;
    QString textAt(qsizetype position) const;
    // 0 when the key is not in the list.
    qsizetype positionOf(const QString& key) const;

    // The current entry's position, 0 when there is none.
    qsizetype currentPosition() const;
    QString currentKey() const;
    // Makes the entry current and marks it selected, scrolling it into view.
    void select(qsizetype position);
    bool isSelected(qsizetype position) const;
    // Clears the selected mark of the current entry; it stays the current entry.
    void clearSelectedMark();
    // The first entry that carries the selected mark, 0 when none does.
    qsizetype selectedPosition() const;

    void setColumnWidth(double twips);
    double columnWidth() const { return columnWidth_; }

    QTreeWidget* treeWidget() const { return tree_; }

signals:
    void clicked();
    void doubleClicked();
    void keyUp(int keyCode, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidgetItem* itemAt(qsizetype position) const;

    QTreeWidget* tree_;
    QWidget* viewport_;
    QHash<QString, QTreeWidgetItem*> byKey_;
    double columnWidth_ = 0;
};

} // namespace tav::platform
