#pragma once

#include "Control.h"

class QModelIndex;
class QTreeView;

namespace tav::platform {

class ListModel;

// A list of keyed text entries, positions counted from 1. The list has a current entry apart from
// the selected mark: clearing the mark keeps the entry current. Selecting by code raises no event;
// Click, DblClick and KeyUp come from the user alone, KeyUp with the form runtime's key codes.
class ListView : public Control {
    Q_OBJECT

public:
    // Fills the list anew: from its start the list is empty and add() appends; at its end the
    // view learns of all entries at once, with none current or selected. Nothing else is to be
    // asked of the list meanwhile.
    class Refill {
    public:
        explicit Refill(ListView& list);
        ~Refill();
        Refill(const Refill&) = delete;
        Refill& operator=(const Refill&) = delete;

    private:
        ListView& list_;
    };

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

    QTreeView* treeView() const { return tree_; }

signals:
    void clicked();
    void doubleClicked();
    void keyUp(int keyCode, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The model's index of the entry at a 1-based position; invalid outside the list.
    QModelIndex indexAt(qsizetype position) const;

    QTreeView* tree_;
    ListModel* model_;
    QWidget* viewport_;
    bool refilling_ = false;
    double columnWidth_ = 0;
};

} // namespace tav::platform
