#pragma once

namespace tav::app {

class MainWindow;

// The Customers page's printer button: the customer list's print options, shown modally, from
// which the list is printed.
class CustomerListPrinting {
public:
    explicit CustomerListPrinting(MainWindow& window);

    void cmdPrint_Click();

private:
    MainWindow& w_;
};

} // namespace tav::app
