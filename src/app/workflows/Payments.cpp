#include "Payments.h"

#include "app/books/Books.h"
#include "app/design/PageControls.h"
#include "app/pages/InvoiceTree.h"

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

Payments::Payments(Books& books, BillPeriodControls& controls, const InvoiceTree& tree,
                   std::function<QPointF()> windowPosition)
    : books_(books)
    , c_(controls)
    , tree_(tree)
    , windowPosition_(std::move(windowPosition))
{
}

QString Payments::selectedCustomerKey() const
{
    const QString key = c_.tvwInvoiceRecords[0]->selectedKey();
    return key.endsWith(QLatin1Char('k')) ? key : QString();
}

void Payments::showPaymentButtons()
{
    const bool customer = !selectedCustomerKey().isEmpty();
    c_.cmdResetCustomerAccounts->setVisible(customer);
    c_.cmdAdjustBalance->setVisible(customer);
}

void Payments::setResetButtonMode(ResetButtonMode mode)
{
    resetButtonMode_ = mode;
    c_.cmdResetCustomerAccounts->setCaption(mode == ResetButtonMode::ResetAccounts
                                                  ? QStringLiteral("&Reset Customer Accounts")
                                                  : QStringLiteral("&Log Full Payment"));
}

void Payments::logFullPayment()
{
    logPayment(0, QString());
    books_.setUnsaved(true);
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
    TreeView* tree = c_.tvwInvoiceRecords[0];
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
    const QString name = tree_.customerName(records::keyNumberText(key), QString());
    const auto boxPosition = [this] { return windowPosition_() + QPointF(120, 1800); };
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
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const QString key = focusedCustomerKey();
    if (key.isEmpty())
        return;
    if (note.isEmpty() && balance == 0 && tree->foreColor(key) == SystemColor::WindowText)
        return;
    QString customerNumber = records::keyNumberText(key);
    customerNumber.remove(QLatin1Char(' '));
    const QString period = c_.cmbBillPeriod[1]->text();
    const QString recordKey = InvoiceRecord::key(period, customerNumber);
    const std::optional<QString> stored = books_.data().invoiceRecords.find(recordKey);
    const auto record = stored ? InvoiceRecord::fromText(*stored) : std::nullopt;
    if (!record)
        return;

    const ColorValue color = balance == 0 ? SystemColor::WindowText : kOwesRed;
    tree->setForeColor(key, color);
    tree->setText(
        key, tree_.customerNodeText(key, record->customerName, records::balanceText(balance), host().locale()));
    if (!note.isEmpty()) {
        const QString noteKey = key + QLatin1String("note");
        if (!tree->add(key, noteKey, QStringLiteral("NOTE: ") + note))
            tree->setText(noteKey, QStringLiteral("NOTE: ") + note);
    }
    const InvoiceRecord updated{period, books_.customerNameForRecord(customerNumber), customerNumber,
                                records::balanceText(balance), record->items, note};
    books_.data().invoiceRecords.setText(recordKey, updated.text());
    emit books_.invoiceRecordsChanged();
    c_.cmdResetCustomerAccounts->setVisible(false);
    c_.cmdAdjustBalance->setVisible(false);
    books_.setUnsaved(true);
}

} // namespace tav::app
