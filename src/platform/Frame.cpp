#include "Frame.h"

#include <QGroupBox>

namespace tav::platform {

Frame::Frame(QWidget* container, const QString& name, int index)
    : Control(new QGroupBox(container), name, index)
{
}

void Frame::setCaption(const QString& caption)
{
    caption_ = caption;
    static_cast<QGroupBox*>(widget())->setTitle(caption);
}

void Frame::setBorder(bool border)
{
    static_cast<QGroupBox*>(widget())->setFlat(!border);
    widget()->setStyleSheet(border ? QString() : QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
}

} // namespace tav::platform
