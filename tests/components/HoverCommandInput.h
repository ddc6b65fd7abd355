#pragma once

#include "components/HoverCommand.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tav::test {

// Hands input straight to a hover button's widget, as the window system delivers it.
struct HoverInput {
    QWidget* widget;

    void send(QEvent&& event) { QApplication::sendEvent(widget, &event); }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        send(QMouseEvent(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier));
    }
    void move(QPointF at, Qt::MouseButtons held = {}) { mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    void press(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, at, button, button);
    }
    void release(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonRelease, at, button, {});
    }
    void leave() { send(QEvent(QEvent::Leave)); }
    void keyDown(int key, bool repeat = false) { send(QKeyEvent(QEvent::KeyPress, key, {}, QString(), repeat)); }
    void keyUp(int key, bool repeat = false) { send(QKeyEvent(QEvent::KeyRelease, key, {}, QString(), repeat)); }
    void focusIn() { send(QFocusEvent(QEvent::FocusIn, Qt::OtherFocusReason)); }
    void focusOut() { send(QFocusEvent(QEvent::FocusOut, Qt::OtherFocusReason)); }
};

} // namespace tav::test
