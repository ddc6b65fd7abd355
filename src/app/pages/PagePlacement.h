#pragma once

namespace tav::platform {
class Control;
}

namespace tav::app {

// The two bottom buttons at the right of pages 0 to 3 stand 2160 twips apart, in a page of this
// width and height.
void placeBottomButtons(platform::Control* left, platform::Control* right, int w, int h);

} // namespace tav::app
