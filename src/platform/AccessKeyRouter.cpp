#include "AccessKeyRouter.h"

#include "Control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tav::platform {

namespace {

const Control* controlOf(const QWidget* widget)
{
    return widget->findChild<Control*>(QString(), Qt::FindDirectChildrenOnly);
}

int depthBelow(const QWidget* widget, const QWidget* window)
{
    int depth = 0;
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        ++depth;
    return depth;
}

} // namespace

AccessKeyRouter::AccessKeyRouter(QWidget* window)
    : QObject(window)
    , window_(window)
{
    qApp->installEventFilter(this);
}

bool AccessKeyRouter::shown(const Control* control) const
{
    for (const QWidget* w = control->widget(); w && w != window_; w = w->parentWidget()) {
        const Control* owner = controlOf(w);
        if (owner && (!owner->visible() || !owner->enabled()))
            return false;
    }
    return true;
}

Control* AccessKeyRouter::target(QChar letter) const
{
    Control* best = nullptr;
    int bestDepth = -1;
    for (Control* control : window_->findChildren<Control*>()) {
        if (control->accessKey() != letter.toUpper() || !shown(control))
            continue;
        const int depth = depthBelow(control->widget(), window_);
        if (depth > bestDepth || (depth == bestDepth && control->tabIndex() < best->tabIndex())) {
            best = control;
            bestDepth = depth;
        }
    }
    return best;
}

bool AccessKeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::AltModifier) || key->modifiers() & Qt::ControlModifier)
        return false;
    if (static_cast<QWidget*>(watched)->window() != window_)
        return false;
    const int code = key->key();
    if (!((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9)))
        return false;
    // In the form runtime an Alt+letter never types: without a control to act on it does nothing.
    if (Control* control = target(QChar(code)))
        control->activateAccessKey();
    return true;
}

} // namespace tav::platform
