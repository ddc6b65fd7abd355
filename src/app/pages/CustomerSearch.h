#pragma once

namespace tav::app {

class CustomerEntry;
struct CustomerControls;

// The search box above the customer list: every change of its text shows the first customer
// whose display name begins with it.
class CustomerSearch {
public:
    CustomerSearch(const CustomerControls& controls, CustomerEntry& entry);

    void cmdSearch_Click();
    void txtSearch_Change();

private:
    enum class Box { Closed, Open };
    // Sets whether the box is open with the list's label, which reads "Search:" while it is.
    void showBox(Box box);

    const CustomerControls& c_;
    CustomerEntry& entry_;
    // Closed, as the label's design caption says.
    Box box_ = Box::Closed;
};

} // namespace tav::app
