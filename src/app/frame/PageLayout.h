#pragma once

#include <array>
#include <functional>

namespace tav::platform {
class Form;
}

namespace tav::app {

struct FrameControls;
struct MainState;

// Switches the seven pages and fits the page shown to the window's size above its minimum.
class PageLayout {
public:
    static constexpr int kMinimumWidth = 10065;
    static constexpr int kMinimumHeight = 6750;
    static constexpr int kPageCount = 7;

    // Places a page's movable controls in its frame of the given width and height.
    using PageFitting = std::function<void(int w, int h)>;

    PageLayout(platform::Form& window, const FrameControls& frame, MainState& state,
               std::array<PageFitting, kPageCount> pages);

    // Shows page index (also for the page already shown, which is laid out again).
    void cmdTab_Click(int index);
    void formResize();
    // Fits the current page's frame to the window and places the movable controls of page.
    void layoutTab(int page);

private:
    platform::Form& window_;
    const FrameControls& frame_;
    MainState& state_;
    std::array<PageFitting, kPageCount> pages_;
};

} // namespace tav::app
