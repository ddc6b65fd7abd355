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
    enum class Box { Closed, Open };
    // Sets whether the box is open with the list's label, which reads "Search:" while it is.
    void showBox(Box box);

    MainWindow& w_;
    // Closed, as the label's design caption says.
    Box box_ = Box::Closed;
};

} // namespace tav::app
