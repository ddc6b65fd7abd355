#pragma once

class QWidget;

namespace tav::platform {

// Follows which of the program's windows is active, from the first call on; further calls do
// nothing.
void followActiveWindows();

// The window that a window opened now (a message box, an input box, a dialog) belongs to: the
// program's active window or, when none is (the program is in the background, or the window under
// a dialog just closed is not active yet), the one of its windows on the screen that was active
// last. None before any window of the program was active.
QWidget* modalOwner();

} // namespace tav::platform
