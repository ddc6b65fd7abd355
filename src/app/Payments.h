#pragma once

#include "records/Money.h"

#include <QString>

#include <optional>

namespace tav::app {

class MainWindow;

// Full payments, new balances and payment notes logged against a customer's invoice record of
// the period shown on the Bill Periods page.
class Payments {
public:
    explicit Payments(MainWindow& window);

    void cmdResetCustomerAccounts_Click();
    void cmdAdjustBalance_Click();
    // Shows the two payment buttons exactly while a customer is selected.
    void showPaymentButtons();
    // Writes the new balance (0 = paid) and note into the selected customer's record.
    void logPayment(records::Cents balance, const QString& note);

    // Reads a typed balance: the currency prefix and digit-grouping commas are dropped, and the
    // leading number is read to the cent. Nothing for an empty answer, a zero written otherwise
    // than 0, 0., 0.0 or 0.00, or a number out of range.
    std::optional<records::Cents> typedBalance(const QString& answer) const;

private:
    QString selectedCustomerKey() const;
    // The selected customer's key once the Bill Periods tree has the focus; empty while the tree
    // is hidden or no customer is selected.
    QString focusedCustomerKey() const;

    MainWindow& w_;
};

} // namespace tav::app
