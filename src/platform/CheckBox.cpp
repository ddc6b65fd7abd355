#include "CheckBox.h"

#include "Caption.h"

#include "WrappingButtons.h"

namespace tav::platform {

CheckBox::CheckBox(QWidget* container, const QString& name, int index)
    : Control(new WrappingCheckBox(container), name, index)
    , box_(static_cast<QCheckBox*>(widget()))
{
    // A user's click moves between unchecked and checked only.
    connect(box_, &QCheckBox::clicked, this, [this](bool checked) { setValue(checked ? Checked : Unchecked); });
}

void CheckBox::setCaption(const QString& caption)
{
    caption_ = caption;
    box_->setText(caption);
    box_->setShortcut(QKeySequence());
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

QChar CheckBox::accessKey() const
{
    return accessKeyOf(caption_);
}

bool CheckBox::activateAccessKey()
{
    setFocus();
    setValue(value_ == Unchecked ? Checked : Unchecked);
    return true;
}

} // namespace tav::platform
