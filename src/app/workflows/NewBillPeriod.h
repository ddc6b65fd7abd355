#pragma once

#include "records/Money.h"

#include <QList>
#include <QString>

#include <functional>

namespace tav::app {

class Books;
struct BillPeriodControls;
struct LocaleFormats;

// Composing a new bill period in the Bill Periods tree: every current customer is listed and
// marked; double-clicking a product bills it to every marked customer, and billing it again raises
// the quantity. The mark and the quantity are kept as each node's data (its tag); the "*" in front
// of a name and the " (x2)" after an item are drawn from it. Once named and dated, the composition
// is finalised into one period record and one invoice record per billed customer.
class NewBillPeriod {
public:
    static const QString kRootKey;

    // composing tells whether the Bill Periods page composes a new period, whose tree this is, or
    // views a stored one.
    NewBillPeriod(Books& books, BillPeriodControls& controls, const LocaleFormats& formats,
                  std::function<bool()> composing);

    bool isComposing() const { return composing_(); }

    void buildNewBillPeriodTree();
    // Names a listed customer as the customer table does now, keeping the mark.
    void showCustomerName(const QString& customerKey);
    void selectThisCustomerOnly();
    void mnuSelectAll_Click();
    void deleteSelectedBillItem();
    void billSelectedProduct();

    // The tree's events while a new period is composed.
    void treeMouseUp(int button, int shift);
    void treeDoubleClick();

    // Stores the composition under the name and dates entered, after the user's confirmation;
    // false when it was refused or not confirmed (the user has been told why).
    bool finalise();
    bool anyBilledItems() const;

    // Whether the composition bills this product (by number).
    bool billsProduct(qint64 productNumber) const;
    // Takes a customer who is deleted or archived out of the composition, billed items and all:
    // only current customers are billed, and a customer the table lacks would be billed as a
    // placeholder.
    void dropCustomer(const QString& customerKey);

    // A billed item's quantity and the customer's mark, as kept in the node.
    qint64 itemQuantity(const QString& itemKey) const;
    bool isMarked(const QString& customerKey) const;
    // The item key of a product billed to a customer: both numbers with at least eight digits.
    static QString itemKey(qint64 customerNumber, qint64 productNumber);
    // The product number of an item node: its key after its customer's part.
    qint64 productNumberOfItem(const QString& itemKey) const;

private:
    // One invoice record per customer node with billed items, in tree order.
    struct BilledCustomer {
        QString customerNumber;
        records::Cents total = 0;
        QString items;
    };
    QList<BilledCustomer> billedCustomers() const;
    void setMarked(const QString& customerKey, bool marked);
    void setQuantity(const QString& itemKey, qint64 quantity);
    void showResetButton();

    Books& books_;
    BillPeriodControls& c_;
    const LocaleFormats& formats_;
    std::function<bool()> composing_;
};

} // namespace tav::app
