#include "CheckBox.h"

#include <QCheckBox>

namespace tav::platform {

CheckBox::CheckBox(QWidget* container, const QString& name, int index)
    : Control(new QCheckBox(container), name, index)
    , box_(static_cast<QCheckBox*>(widget()))
{
    // A user's click moves between unchecked and checked only.
    connect(box_, &QCheckBox::clicked, this, [this](bool checked) { setValue(checked ? Checked : Unchecked); });
}

void CheckBox::setCaption(const QString& caption)
{
    caption_ = caption;
    box_->setText(caption);
}

void CheckBox::setValue(int value)
{
    if (value == value_)
        return;
    value_ = value;
    box_->setTristate(value == Grayed);
    box_->setCheckState(value == Checked ? Qt::Checked : value == Grayed ? Qt::PartiallyChecked : Qt::Unchecked);
    emit clicked();
}

} // namespace tav::platform
