#pragma once

namespace tav::app {

class MainWindow;

// Switches the seven pages and fits the page shown to the window's size above its minimum.
class PageLayout {
public:
    static constexpr int kMinimumWidth = 10065;
    static constexpr int kMinimumHeight = 6750;

    explicit PageLayout(MainWindow& window);

    // Shows page index (also for the page already shown, which is laid out again).
    void cmdTab_Click(int index);
    void formResize();
    // Fits the current page's frame to the window and places the movable controls of page.
    void layoutTab(int page);

private:
    void layoutCustomers(int w, int h, int half);
    void layoutBillPeriods(int w, int h, int half);
    void layoutPrinting(int w, int h);

    MainWindow& w_;
};

} // namespace tav::app
