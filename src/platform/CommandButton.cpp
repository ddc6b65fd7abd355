#include "CommandButton.h"

#include "Caption.h"

#include "WrappingButtons.h"

#include <QIcon>

namespace tav::platform {

CommandButton::CommandButton(QWidget* container, const QString& name, int index)
    : Control(new WrappingPushButton(container), name, index)
    , button_(static_cast<QPushButton*>(widget()))
{
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, &CommandButton::clicked);
}

void CommandButton::setCaption(const QString& caption)
{
    caption_ = caption;
    button_->setText(caption);
    // The window routes access keys itself (see AccessKeyRouter).
    button_->setShortcut(QKeySequence());
}

void CommandButton::setPicture(const QPixmap& picture)
{
    button_->setIcon(QIcon(picture));
    button_->setIconSize(picture.size());
}

void CommandButton::setDefault(bool isDefault)
{
    button_->setDefault(isDefault);
}

void CommandButton::click()
{
    emit clicked();
}

QChar CommandButton::accessKey() const
{
    return accessKeyOf(caption_);
}

bool CommandButton::activateAccessKey()
{
    setFocus();
    click();
    return true;
}

} // namespace tav::platform
