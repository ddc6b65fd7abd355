#pragma once

namespace tav::platform {
class Control;
}

namespace tav::app {

// Places the two bottom buttons at the right of a page w wide and h high; on pages 0 to 3 they
// stand 2160 twips apart.
void placeBottomButtons(platform::Control* left, platform::Control* right, int w, int h);

} // namespace tav::app
