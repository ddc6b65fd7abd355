#include "OptionButton.h"

#include "Caption.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace tav::platform {

OptionButton::OptionButton(QWidget* container, const QString& name, int index)
    : Control(new QRadioButton(container), name, index)
    , button_(static_cast<QRadioButton*>(widget()))
{
    connect(button_, &QRadioButton::clicked, this, [this] { emit clicked(); });
}

void OptionButton::setCaption(const QString& caption)
{
    caption_ = caption;
    button_->setText(caption);
    button_->setShortcut(QKeySequence());
}

bool OptionButton::value() const
{
    return button_->isChecked();
}

void OptionButton::setValue(bool chosen)
{
    if (chosen == value())
        return;
    {
        const QSignalBlocker blocker(button_);
        button_->setChecked(chosen);
    }
    if (chosen)
        emit clicked();
}

QChar OptionButton::accessKey() const
{
    return accessKeyOf(caption_);
}

bool OptionButton::activateAccessKey()
{
    setFocus();
    setValue(true);
    return true;
}

} // namespace tav::platform
