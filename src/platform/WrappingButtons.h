#pragma once

#include <QCheckBox>
#include <QPushButton>

namespace tav::platform {

// Buttons whose caption wraps onto further lines when it is wider than the button, as the form
// runtime's buttons do; Qt's own draw one line and cut it off. As there, Enter clicks the button
// that has the focus.
class WrappingPushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, wrapped onto as many lines as it needs.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A check box whose caption wraps beside the box and whose whole face takes the click.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    // Where the caption is drawn beside the box, wrapped onto as many lines as it needs.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

} // namespace tav::platform
