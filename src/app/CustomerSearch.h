#pragma once

namespace tav::app {

class MainWindow;

// The search box above the customer list: every change of its text shows the first customer
// whose display name begins with it.
class CustomerSearch {
public:
    explicit CustomerSearch(MainWindow& window);

    void cmdSearch_Click();
    void txtSearch_Change();

private:
    MainWindow& w_;
};

} // namespace tav::app
