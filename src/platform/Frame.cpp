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
    // Addressed by name: a style sheet reaches every group box inside, and those keep their border.
    widget()->setStyleSheet(border ? QString()
                                   : QStringLiteral("QGroupBox#%1 { border: none; margin: 0; padding: 0; }")
                                         .arg(widget()->objectName()));
}

} // namespace tav::platform
