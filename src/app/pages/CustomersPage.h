#pragma once

#include "CustomerEntry.h"
#include "CustomerList.h"
#include "CustomerSearch.h"

#include "app/design/PageControls.h"
#include "app/workflows/CustomerListPrinting.h"

#include <QObject>
#include <QString>

class QWidget;

namespace tav::platform {
class ControlSet;
class Frame;
} // namespace tav::platform

namespace tav::app {

class Books;
class Deletion;

// The Customers page: the list of the current customers with its search box and printer button,
// and the customer entry beside it. It follows the books by itself; what a customer's change means
// for other pages it tells by its signals.
class CustomersPage : public QObject {
    Q_OBJECT

public:
    // Takes its controls from the window's, and shows in frame.
    CustomersPage(const platform::ControlSet& set, const platform::Frame& frame, Books& books, Deletion& deletion,
                  QWidget* window);

    // For the frame's tests.
    const CustomerControls& controls() const { return c_; }
    // Fits the page to a frame w wide and h high.
    void layout(int w, int h);

    // At start-up: the list takes the focus when the page shows and lists anyone.
    void focusListedCustomers();
    // Whether the list shows no customer at all.
    bool listsNoCustomer() const;
    // As the delete button does: deletes the customer the list selects, after the user's confirmation.
    void deleteCustomer();
    // At shutdown: the list's selection is written down for the next start.
    void rememberSelectedCustomer() const;

signals:
    // The customer's stored name changed: whatever names him elsewhere follows.
    void customerRenamed(const QString& key);
    // The customer left the table or became archived: a period being composed bills him no more.
    void customerDeleted(const QString& key);

private:
    void connectControls();
    void connectBooks(Books& books);
    // Empties the list and the fields while the books' tables are replaced.
    void clear();
    void focusListWhenShown();

    const CustomerControls c_;
    const platform::Frame& frame_;
    CustomerList list_;
    CustomerEntry entry_;
    CustomerSearch search_;
    CustomerListPrinting printing_;
};

} // namespace tav::app
