#pragma once

class QWidget;

namespace tav::app {

class Books;

// The Customers page's printer button: the customer list's print options, shown modally over the
// window, from which the list of the books' customers is printed.
class CustomerListPrinting {
public:
    CustomerListPrinting(const Books& books, QWidget* window);

    void cmdPrint_Click();

private:
    const Books& books_;
    QWidget* window_;
};

} // namespace tav::app
