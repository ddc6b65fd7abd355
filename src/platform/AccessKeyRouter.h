#pragma once

#include <QObject>

class QWidget;

namespace tav::platform {

class Control;

// Alt+letter within one window does exactly one thing: it acts on the first shown and enabled
// control whose caption carries that access key. Controls inside the window's frames (the page
// shown) come before controls standing directly on the window, so a page's own button wins over a
// window-wide accelerator with the same letter. An Alt+letter that no control takes does nothing
// at all; it never reaches the focused box as typing.
class AccessKeyRouter : public QObject {
    Q_OBJECT

public:
    explicit AccessKeyRouter(QWidget* window);

    // The control that Alt+letter acts on now, or nullptr.
    Control* target(QChar letter) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shown by its own flag and by every container's flag up to the window.
    bool shown(const Control* control) const;

    QWidget* window_;
};

} // namespace tav::platform
