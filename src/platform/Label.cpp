#include "Label.h"

#include "Caption.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tav::platform {

Label::Label(QWidget* container, const QString& name, int index)
    : Control(new QLabel(container), name, index)
    , label_(static_cast<QLabel*>(widget()))
{
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->installEventFilter(this);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    label_->setText(displayedCaption(caption));
    if (autoSize_)
        fitToText();
}

void Label::setAlignment(Alignment alignment)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    else if (alignment == Alignment::Center)
        horizontal = Qt::AlignHCenter;
    label_->setAlignment(horizontal | Qt::AlignTop);
}

void Label::setWordWrap(bool wrap)
{
    label_->setWordWrap(wrap);
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        fitToText();
}

void Label::setTransparent(bool transparent)
{
    label_->setAutoFillBackground(!transparent);
}

QChar Label::accessKey() const
{
    return accessKeyOf(caption_);
}

void Label::fitToText()
{
    const QSize size = label_->fontMetrics().size(0, label_->text());
    setWidth(pixelsToTwips(size.width()));
    setHeight(pixelsToTwips(size.height()));
}

bool Label::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && label_->rect().contains(mouse->position().toPoint()))
            emit clicked();
    }
    return Control::eventFilter(watched, event);
}

} // namespace tav::platform
