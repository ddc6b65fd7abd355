#pragma once

namespace tav::app {

class Books;
struct CustomerControls;

// The list of the current customers on the Customers page. It is rebuilt whole from the customer
// table, never edited in step with it, and remembers at shutdown which customer it showed.
class CustomerList {
public:
    CustomerList(const CustomerControls& controls, const Books& books);

    // Rebuilds the list and selects the customer viewed last.
    void fillCustomerBrowseList();
    // Rebuilds the list after a customer was added outside the page: the new customer stands at
    // his place, and the customer the page shows stays selected.
    void refillKeepingCurrent();
    // Writes down the selected customer's position, for the next start.
    void rememberSelected() const;

private:
    const CustomerControls& c_;
    const Books& books_;
};

} // namespace tav::app
