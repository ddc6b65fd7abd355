#include "HoverCommandWidget.h"

#include "HoverCommandFace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tav::components {

HoverCommandWidget::HoverCommandWidget(QWidget* container)
    : QWidget(container)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The face covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

HoverCommand* newHoverCommand(QWidget* container, const QString& name, int index)
{
    auto* widget = new HoverCommandWidget(container);
    auto* button = new HoverCommand(widget, name, index);
    widget->attach(button);
    return button;
}

void HoverCommandWidget::paintEvent(QPaintEvent*)
{
    if (!button_)
        return;
    const QImage face = composeHoverFace(*button_);
    if (!face.isNull())
        QPainter(this).drawImage(0, 0, face);
}

void HoverCommandWidget::mousePressEvent(QMouseEvent* event)
{
    forward(&HoverCommand::onMousePress, *event);
}

void HoverCommandWidget::mouseReleaseEvent(QMouseEvent* event)
{
    forward(&HoverCommand::onMouseRelease, *event);
}

void HoverCommandWidget::mouseMoveEvent(QMouseEvent* event)
{
    forward(&HoverCommand::onMouseMove, *event);
}

void HoverCommandWidget::leaveEvent(QEvent*)
{
    forward(&HoverCommand::onLeave);
}

void HoverCommandWidget::focusInEvent(QFocusEvent*)
{
    forward(&HoverCommand::onFocusIn);
}

void HoverCommandWidget::focusOutEvent(QFocusEvent*)
{
    forward(&HoverCommand::onFocusOut);
}

void HoverCommandWidget::keyPressEvent(QKeyEvent* event)
{
    // Keys that are not the button's own go on to the container.
    if (!button_ || !button_->onKeyPress(*event))
        QWidget::keyPressEvent(event);
}

void HoverCommandWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (!button_ || !button_->onKeyRelease(*event))
        QWidget::keyReleaseEvent(event);
}

} // namespace tav::components
