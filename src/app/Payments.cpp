#include "Payments.h"

#include "MainWindow.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/TreeView.h"
#include "records/LocalAmounts.h"
#include "records/RecordFormats.h"

namespace tav::app {

using namespace tav::platform;
using records::InvoiceRecord;

namespace {

constexpr ColorValue kOwesRed = rgbValue(192, 0, 0);

} // namespace

Payments::Payments(MainWindow& window)
    : w_(window)
{
}

QString Payments::selectedCustomerKey() const
{
    const QString key = w_.c.billPeriods.tvwInvoiceRecords[0]->selectedKey();
    return key.endsWith(QLatin1Char('k')) ? key : QString();
}

void Payments::showPaymentButtons()
{
    const bool customer = !selectedCustomerKey().isEmpty();
    w_.c.billPeriods.cmdResetCustomerAccounts->setVisible(customer);
    w_.c.billPeriods.cmdAdjustBalance->setVisible(customer);
}

void Payments::setResetButtonMode(ResetButtonMode mode)
{
    resetButtonMode_ = mode;
    w_.c.billPeriods.cmdResetCustomerAccounts->setCaption(mode == ResetButtonMode::ResetAccounts
                                                  ? QStringLiteral("&Reset Customer Accounts")
                                                  : QStringLiteral("&Log Full Payment"));
}

void Payments::cmdResetCustomerAccounts_Click()
{
    if (resetButtonMode_ == ResetButtonMode::ResetAccounts) {
        w_.newPeriod.buildNewBillPeriodTree();
        return;
    }
    logPayment(0, QString());
    w_.books.setUnsaved(true);
}

std::optional<records::Cents> Payments::typedBalance(const QString& answer) const
{
    const records::LocalAmounts amounts(host().locale());
    const auto cents = amounts.typed(answer);
    if (!cents || *cents > records::kMaxBalance || *cents < -records::kMaxBalance)
        return std::nullopt;
    // A zero written any other way (0.004, -0) is more likely a slip than a full payment.
    if (*cents == 0 && !amounts.isPlainZero(answer))
        return std::nullopt;
    return cents;
}

QString Payments::focusedCustomerKey() const
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    if (!tree->visible())
        return QString();
    tree->setFocus();
    return selectedCustomerKey();
}

void Payments::cmdAdjustBalance_Click()
{
    const QString key = focusedCustomerKey();
    if (key.isEmpty())
        return;
    const QString name = w_.trees.customerName(records::keyNumberText(key), QString());
    const auto boxPosition = [this] { return QPointF(w_.left() + 120, w_.top() + 1800); };
    const QString balance = host().inputBox(QStringLiteral("Enter the new balance for:\r\n\r\n") + name,
                                            QStringLiteral("Enter New Balance"), QString(), boxPosition());
    QString note = host().inputBox(QStringLiteral("Enter any optional note, such as a check number:\r\n\r\n") + name,
                                   QStringLiteral("Optional Note"), QString(), boxPosition());
    if (balance.trimmed().isEmpty() && note.isEmpty())
        return;
    const auto cents = typedBalance(balance);
    if (!cents)
        return;
    // A note is one line in the records: control characters become blanks.
    for (QChar& ch : note) {
        if (ch.unicode() < 32)
            ch = QLatin1Char(' ');
    }
    logPayment(*cents, note);
}

void Payments::logPayment(records::Cents balance, const QString& note)
{
    auto& c = w_.c;
    TreeView* tree = c.billPeriods.tvwInvoiceRecords[0];
    const QString key = focusedCustomerKey();
    if (key.isEmpty())
        return;
    if (note.isEmpty() && balance == 0 && tree->foreColor(key) == SystemColor::WindowText)
        return;
    QString customerNumber = records::keyNumberText(key);
    customerNumber.remove(QLatin1Char(' '));
    const QString period = c.billPeriods.cmbBillPeriod[1]->text();
    const QString recordKey = InvoiceRecord::key(period, customerNumber);
    const std::optional<QString> stored = w_.books.data().invoiceRecords.find(recordKey);
    const auto record = stored ? InvoiceRecord::fromText(*stored) : std::nullopt;
    if (!record)
        return;

    const ColorValue color = balance == 0 ? SystemColor::WindowText : kOwesRed;
    tree->setForeColor(key, color);
    tree->setText(
        key, w_.trees.customerNodeText(key, record->customerName, records::balanceText(balance), host().locale()));
    if (!note.isEmpty()) {
        const QString noteKey = key + QLatin1String("note");
        if (!tree->add(key, noteKey, QStringLiteral("NOTE: ") + note))
            tree->setText(noteKey, QStringLiteral("NOTE: ") + note);
    }
    const InvoiceRecord updated{period, w_.books.customerNameForRecord(customerNumber), customerNumber,
                                records::balanceText(balance), record->items, note};
    w_.books.data().invoiceRecords.setText(recordKey, updated.text());
    w_.trees.buildInvoiceTree(InvoiceTrees::PrintingTree);
    c.billPeriods.cmdResetCustomerAccounts->setVisible(false);
    c.billPeriods.cmdAdjustBalance->setVisible(false);
    w_.books.setUnsaved(true);
}

} // namespace tav::app
