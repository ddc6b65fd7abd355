#pragma once

#include "Control.h"

class QComboBox;

namespace tav::platform {

// A drop-down list. Its ListIndex is -1 after clearing and stays -1 when items are added: it never
// selects an item by itself. Click is raised when the user picks an item and when code sets
// ListIndex to another value.
class ComboBox : public Control {
    Q_OBJECT

public:
    ComboBox(QWidget* container, const QString& name, int index = -1);

    void clear();
    void addItem(const QString& text);
    int listCount() const;
    QString itemText(int index) const;
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    // The selected item's text; empty while nothing is selected.
    QString text() const;

signals:
    void clicked();

private:
    void showIndex();

    QComboBox* combo_;
    int listIndex_ = -1;
};

} // namespace tav::platform
