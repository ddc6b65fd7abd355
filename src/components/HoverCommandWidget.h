#pragma once

#include "HoverCommand.h"

#include <QPointer>
#include <QWidget>

namespace tav::components {

// A hover button's window: it paints the composed face in one step and hands every input to the
// button, whose handlers hold the button's behaviour.
class HoverCommandWidget final : public QWidget {
public:
    explicit HoverCommandWidget(QWidget* container);

    void attach(HoverCommand* button) { button_ = button; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The button normally lives as long as its widget; once it is gone the widget ignores input.
    template <typename... Args> void forward(void (HoverCommand::*handler)(Args...), const auto&... args)
    {
        if (button_)
            (button_->*handler)(args...);
    }

    QPointer<HoverCommand> button_;
};

// A new hover button in a window of its own in the container. The button is a child of its window,
// so it goes with the window, and the window with the container.
HoverCommand* newHoverCommand(QWidget* container, const QString& name, int index = -1);

} // namespace tav::components
