#include "AccessKeyRouter.h"

#include "Control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace tav::platform {

namespace {

Control* controlOf(const QWidget* widget)
{
    return widget->findChild<Control*>(QString(), Qt::FindDirectChildrenOnly);
}

// Shown and enabled by its own flags and by those of every container up to the window.
bool usable(const Control* control, const QWidget* window)
{
    for (const QWidget* w = control->widget(); w && w != window; w = w->parentWidget()) {
        const Control* owner = controlOf(w);
        if (owner && (!owner->visible() || !owner->enabled()))
            return false;
    }
    return true;
}

bool takesFocus(const Control* control)
{
    return (control->widget()->focusPolicy() & Qt::TabFocus) != 0;
}

// Every control of the window, in tab order. The windows it owns are windows of their own.
std::vector<Control*> tabOrder(QWidget* window)
{
    std::vector<Control*> order;
    for (Control* control : window->findChildren<Control*>()) {
        if (control->widget()->window() == window)
            order.push_back(control);
    }
    sortInTabOrder(order);
    return order;
}

// The position in the tab order of the control that has the window's focus, or the end.
size_t focusedPosition(const std::vector<Control*>& order, const QWidget* window)
{
    for (const QWidget* w = window->focusWidget(); w && w != window; w = w->parentWidget()) {
        if (const Control* control = controlOf(w))
            return size_t(std::find(order.begin(), order.end(), control) - order.begin());
    }
    return order.size();
}

// Gives the focus to the control at the position, or, when it cannot take it (a label), to the
// first control after it in tab order that can.
void focusFrom(const std::vector<Control*>& order, size_t position, QWidget* window)
{
    for (size_t step = 0; step < order.size(); ++step) {
        Control* control = order[(position + step) % order.size()];
        if (takesFocus(control) && usable(control, window)) {
            control->widget()->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void press(QWidget* window, QChar key)
{
    const std::vector<Control*> order = tabOrder(window);
    std::vector<size_t> carriers;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i]->accessKey() == key && usable(order[i], window))
            carriers.push_back(i);
    }
    if (carriers.empty())
        return;
    if (carriers.size() == 1) {
        if (!order[carriers.front()]->activateAccessKey())
            focusFrom(order, carriers.front(), window);
        return;
    }
    const size_t focused = focusedPosition(order, window);
    const auto next = std::upper_bound(carriers.begin(), carriers.end(), focused);
    focusFrom(order, next == carriers.end() ? carriers.front() : *next, window);
}

// The character a key stands for, or a null character for a key that types nothing (arrows,
// function keys, Enter, ...): Qt numbers the keys of characters by their Unicode code.
QChar characterOf(const QKeyEvent& key)
{
    const int code = key.key();
    if (code <= 0 || code > 0xFFFF || !QChar(char16_t(code)).isPrint())
        return {};
    return QChar(char16_t(code)).toUpper();
}

} // namespace

void AccessKeyRouter::install()
{
    if (qApp->findChild<AccessKeyRouter*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new AccessKeyRouter(qApp));
}

bool AccessKeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Alt is how some keyboards type a character of their third level: it is typing.
    if (!(key->modifiers() & Qt::AltModifier) || key->modifiers() & Qt::ControlModifier)
        return false;
    const QChar character = characterOf(*key);
    if (character.isNull())
        return false;
    press(static_cast<QWidget*>(watched)->window(), character);
    return true;
}

} // namespace tav::platform
