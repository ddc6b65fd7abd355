#pragma once

namespace tav::app {

// Opens "TAV.HLP" from the program's folder with the desktop's application for it. Without the
// file nothing happens, and what the application makes of it is its own affair.
void openHelpFile();

} // namespace tav::app
