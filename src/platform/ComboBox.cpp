#include "ComboBox.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tav::platform {

ComboBox::ComboBox(QWidget* container, const QString& name, int index)
    : Control(new QComboBox(container), name, index)
    , combo_(static_cast<QComboBox*>(widget()))
{
    connect(combo_, &QComboBox::activated, this, [this](int chosen) {
        listIndex_ = chosen;
        emit clicked();
    });
}

void ComboBox::showIndex()
{
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(listIndex_);
}

void ComboBox::clear()
{
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    listIndex_ = -1;
}

void ComboBox::addItem(const QString& text)
{
    {
        const QSignalBlocker blocker(combo_);
        combo_->addItem(text);
    }
    // Adding the first item would select it.
    showIndex();
}

int ComboBox::listCount() const
{
    return combo_->count();
}

QString ComboBox::itemText(int index) const
{
    return combo_->itemText(index);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount() || index == listIndex_)
        return;
    listIndex_ = index;
    showIndex();
    emit clicked();
}

QString ComboBox::text() const
{
    return listIndex_ < 0 ? QString() : combo_->itemText(listIndex_);
}

} // namespace tav::platform
