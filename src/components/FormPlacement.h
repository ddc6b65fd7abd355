#pragma once

namespace tav::platform {
class Form;
}

namespace tav::components {

// A window's state, position and size survive a restart in section "FormPositions", under the
// window's name followed by "_WindowState", "_Left", "_Top", "_Width" and "_Height". The stored
// rectangle is always the window's normal one: only the state is written while the window is
// minimized or maximized, so the last normal rectangle stays. A window with a fixed border keeps
// its designed size.
void saveFormPosition(const platform::Form& form);

// Applies the stored placement before the window is shown: the normal rectangle, then the state,
// so that Restore after a maximized or minimized start gives the stored rectangle. Values that are
// not numbers or lie outside the 16-bit range of twips, and sizes larger than the desktop, give
// their defaults; a window with no stored position, or whose title bar would lie on no screen, is
// centred on the screen. Saving writes no value that restoring would not apply.
void restoreFormPosition(platform::Form& form);

} // namespace tav::components
