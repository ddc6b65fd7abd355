#pragma once

namespace tav::app {

// Opens "TAV.HLP" from the program's folder with the desktop's application for it; what the
// application makes of it is its own affair. A help file that is not there, or that no application
// takes, is reported by its path.
void openHelpFile();

} // namespace tav::app
