#include "KeyCodes.h"

#include <QKeyEvent>

namespace tav::platform {

int keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // Qt uses the same codes for these
    switch (key) {
    case Qt::Key_Tab: return KeyCode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Return;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_PageUp: return KeyCode::PageUp;
    case Qt::Key_PageDown: return KeyCode::PageDown;
    case Qt::Key_End: return KeyCode::End;
    case Qt::Key_Home: return KeyCode::Home;
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Delete: return KeyCode::Delete;
    default: return 0;
    }
}

int shiftStateOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & Qt::ShiftModifier ? ShiftState::Shift : 0) | (modifiers & Qt::ControlModifier ? ShiftState::Ctrl : 0)
        | (modifiers & Qt::AltModifier ? ShiftState::Alt : 0);
}

} // namespace tav::platform
