#include "Deletion.h"

#include "app/books/Books.h"
#include "app/windows/CheckingWindow.h"

#include "platform/BusyCursor.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/SettingsStore.h"
#include "records/FieldView.h"
#include "records/RecordFormats.h"

namespace tav::app {

using namespace tav::platform;
using records::InvoiceRecord;

Deletion::Deletion(Books& books, ProductBilledInComposition billedInComposition)
    : books_(books)
    , billedInComposition_(std::move(billedInComposition))
{
}

CheckingWindow* Deletion::checkingWindow() const
{
    return checking_ && !checking_->unloaded() ? checking_.data() : nullptr;
}

void Deletion::unloadCheckingWindow()
{
    if (CheckingWindow* window = checkingWindow())
        window->unload();
}

CheckingWindow& Deletion::showCheckingWindow()
{
    if (!checkingWindow())
        checking_ = new CheckingWindow;
    checking_->show();
    return *checking_;
}

bool Deletion::customerHasInvoiceRecords(const QString& key)
{
    showCheckingWindow();
    // Numbers are compared as numbers, so "012" in a record is customer 12.
    const auto number = records::recordNumberValue(records::keyNumberText(key));
    return number && books_.data().invoiceRecords.anyForCustomer(*number);
}

bool Deletion::productHasInvoiceRecords(const QString& key)
{
    showCheckingWindow();
    const auto number = records::recordNumberValue(records::keyNumberText(key));
    return number && (books_.data().invoiceRecords.anyBillsProduct(*number) || billedInComposition_(*number));
}

bool Deletion::confirmed(bool exactFalseOnly, const QString& text, const QString& title) const
{
    const QString option = platform::settings().value(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits"));
    const bool off = exactFalseOnly ? option == QLatin1String("False") : option.toLower() == QLatin1String("false");
    return off || host().messageBox(text, MessageButtons::OkCancel, MessageIcon::Exclamation, title) == MessageAnswer::Ok;
}

void Deletion::retire(records::RecordTable& table, const QString& key, bool used, QString (*archived)(const QString&))
{
    const QString text = *table.find(key);
    // Removed and added again, so that an archived entry takes its sorted place.
    table.remove(key);
    if (used)
        table.add(key, archived(text));
    reportResult(used);
}

void Deletion::reportResult(bool archived)
{
    CheckingWindow& window = *checking_;
    window.staChecking->setValue(100);
    window.lblStatus->setCaption(archived ? QStringLiteral("Entry archived.") : QStringLiteral("Entry deleted."));
}

bool Deletion::customerDeletionConfirmed() const
{
    return confirmed(false, QStringLiteral("Are you sure you want to delete this customer from the database?"),
                     QStringLiteral("Delete Existing Customer???"));
}

bool Deletion::retireCustomer(const QString& key)
{
    if (!books_.data().customers.contains(key))
        return false;
    retire(books_.data().customers, key, customerHasInvoiceRecords(key), records::archivedCustomerText);
    return true;
}

void Deletion::allowClosing()
{
    checking_->cmdOK->setEnabled(true);
}

void Deletion::deleteProductOrService(ListView& list, const std::function<void()>& showChange)
{
    if (!confirmed(true, QStringLiteral("Are you sure you want to delete this product or service from the database?"),
                   QStringLiteral("Delete Existing Product or Service???")))
        return;
    const BusyCursor busy;
    list.setFocus();
    const QString key = list.currentKey();
    if (!books_.data().products.contains(key))
        return;
    retire(books_.data().products, key, productHasInvoiceRecords(key), records::archivedProductText);
    showChange();
    allowClosing();
    books_.setUnsaved(true);
}

} // namespace tav::app
