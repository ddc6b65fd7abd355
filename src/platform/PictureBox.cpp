#include "PictureBox.h"

#include <QLabel>
#include <QMouseEvent>

namespace tav::platform {

PictureBox::PictureBox(QWidget* container, const QString& name, int index)
    : Control(new QLabel(container), name, index)
    , label_(static_cast<QLabel*>(widget()))
{
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->installEventFilter(this);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    label_->setPixmap(picture);
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit clicked();
    return Control::eventFilter(watched, event);
}

} // namespace tav::platform
