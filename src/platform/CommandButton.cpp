#include "CommandButton.h"

#include <QPushButton>

namespace tav::platform {

CommandButton::CommandButton(QWidget* container, const QString& name, int index)
    : Control(new QPushButton(container), name, index)
    , button_(static_cast<QPushButton*>(widget()))
{
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, &CommandButton::clicked);
}

void CommandButton::setCaption(const QString& caption)
{
    caption_ = caption;
    button_->setText(caption);
}

void CommandButton::setDefault(bool isDefault)
{
    button_->setDefault(isDefault);
}

void CommandButton::click()
{
    emit clicked();
}

} // namespace tav::platform
