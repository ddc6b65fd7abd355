#include "Deletion.h"

#include "windows/CheckingWindow.h"
#include "MainWindow.h"

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

Deletion::Deletion(MainWindow& window)
    : w_(window)
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
    return number && w_.books.data().invoiceRecords.anyForCustomer(*number);
}

bool Deletion::productHasInvoiceRecords(const QString& key)
{
    showCheckingWindow();
    const auto number = records::recordNumberValue(records::keyNumberText(key));
    return number && (w_.books.data().invoiceRecords.anyBillsProduct(*number) || w_.newPeriod.billsProduct(*number));
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

void Deletion::deleteCustomer()
{
    auto& c = w_.c;
    if (!confirmed(false, QStringLiteral("Are you sure you want to delete this customer from the database?"),
                   QStringLiteral("Delete Existing Customer???"))) {
        w_.customers.undoCustomerEdit();
        return;
    }
    // The check for the customer's records passes every invoice record.
    const BusyCursor busy;
    c.customers.lvwCustomersVis->setFocus();
    qsizetype position = c.customers.lvwCustomersVis->currentPosition();
    const QString key = c.customers.lvwCustomersVis->currentKey();
    if (!w_.books.data().customers.contains(key))
        return;
    retire(w_.books.data().customers, key, customerHasInvoiceRecords(key), records::archivedCustomerText);
    w_.newPeriod.dropCustomer(key);
    w_.lists.fillCustomerBrowseList();
    checking_->cmdOK->setEnabled(true);
    if (c.customers.lvwCustomersVis->isEmpty()) {
        w_.entryFields.resetEntryFields(EntryFields::EmptyCustomerFields);
        c.customers.cmdUndo->setVisible(false);
        w_.customers.setUndoButtonMode(CustomerPage::EntryMode::EnteringNew);
        c.customers.cmdPrint->setVisible(false);
    } else {
        position = std::min(position, c.customers.lvwCustomersVis->count());
        c.customers.lvwCustomersVis->select(position);
        w_.customers.lvwCustomersVis_Click();
    }
    w_.entryFields.setFieldHighlight(false);
    w_.books.setUnsaved(true);
    w_.customers.setAddButtonMode(CustomerPage::EntryMode::Browsing);
}

void Deletion::deleteProductOrService()
{
    if (!confirmed(true, QStringLiteral("Are you sure you want to delete this product or service from the database?"),
                   QStringLiteral("Delete Existing Product or Service???")))
        return;
    const BusyCursor busy;
    w_.products.controls().lvwProducts[0]->setFocus();
    const QString key = w_.products.controls().lvwProducts[0]->currentKey();
    if (!w_.books.data().products.contains(key))
        return;
    retire(w_.books.data().products, key, productHasInvoiceRecords(key), records::archivedProductText);
    emit w_.books.productsChanged();
    checking_->cmdOK->setEnabled(true);
    w_.books.setUnsaved(true);
}

} // namespace tav::app
