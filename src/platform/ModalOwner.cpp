#include "ModalOwner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace tav::platform {

namespace {

// The program's windows in the order they were last active, the latest last.
std::vector<QPointer<QWindow>>& activeOrder()
{
    static std::vector<QPointer<QWindow>> windows;
    return windows;
}

void becameActive(QWindow* window)
{
    auto& order = activeOrder();
    std::erase_if(order, [window](const QPointer<QWindow>& w) { return !w || w == window; });
    order.emplace_back(window);
}

} // namespace

void followActiveWindows()
{
    static bool following = false;
    if (following)
        return;
    following = true;
    if (QWindow* window = QGuiApplication::focusWindow())
        becameActive(window);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* window) {
        // Losing the focus to another program leaves the order as it was.
        if (window)
            becameActive(window);
    });
}

QWidget* modalOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // Between a dialog's closing and the activation of the window under it, and while another
    // program is in front: the latest active window still on the screen.
    const auto& order = activeOrder();
    for (auto window = order.rbegin(); window != order.rend(); ++window) {
        if (!*window || !(*window)->isVisible())
            continue;
        for (QWidget* candidate : QApplication::topLevelWidgets()) {
            if (candidate->windowHandle() == *window)
                return candidate;
        }
    }
    return nullptr;
}

} // namespace tav::platform
