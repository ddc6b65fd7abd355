#pragma once

#include <QString>

namespace tav::platform {

// The narrowest client width, in pixels, at which a window manager shows a window's title whole:
// the title in the desktop's font made bold, as title bars draw it, with room for the window's
// icon and three buttons on either side of it, since some window managers centre the title
// between them.
int titleRoom(const QString& title);

} // namespace tav::platform
