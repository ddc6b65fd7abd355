#pragma once

#include "records/Money.h"

#include <QPointF>
#include <QString>

#include <functional>
#include <optional>

namespace tav::app {

class Books;
class InvoiceTree;
struct BillPeriodControls;

// Full payments, new balances and payment notes logged against a customer's invoice record of
// the period shown on the Bill Periods page.
class Payments {
public:
    // What the reset button does: rebuild a new period's tree, or log a full payment for the
    // customer selected in a stored period.
    enum class ResetButtonMode { ResetAccounts, LogFullPayment };

    // windowPosition is where the window stands, for the input boxes.
    Payments(Books& books, BillPeriodControls& controls, const InvoiceTree& tree,
             std::function<QPointF()> windowPosition);

    // Sets the mode with the button's caption, which names it.
    void setResetButtonMode(ResetButtonMode mode);
    ResetButtonMode resetButtonMode() const { return resetButtonMode_; }
    // The reset button while it logs a full payment.
    void logFullPayment();
    void cmdAdjustBalance_Click();
    // Shows the two payment buttons exactly while a customer is selected.
    void showPaymentButtons();
    // Writes the new balance (0 = paid) and note into the selected customer's record.
    void logPayment(records::Cents balance, const QString& note);

    // Reads a typed balance as the user's locale writes amounts (see LocalAmounts::typed), with
    // or without the currency symbol. Nothing for an empty answer or any text that is not an
    // amount, a zero written otherwise than 0, 0., 0.0 or 0.00 (with the locale's decimal mark),
    // or an amount out of range.
    std::optional<records::Cents> typedBalance(const QString& answer) const;

private:
    QString selectedCustomerKey() const;
    // The selected customer's key once the Bill Periods tree has the focus; empty while the tree
    // is hidden or no customer is selected.
    QString focusedCustomerKey() const;

    Books& books_;
    BillPeriodControls& c_;
    const InvoiceTree& tree_;
    std::function<QPointF()> windowPosition_;
    // As the button's design caption says.
    ResetButtonMode resetButtonMode_ = ResetButtonMode::LogFullPayment;
};

} // namespace tav::app
