#include "BillPeriodEntry.h"

#include "DateText.h"
#include "MainWindow.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"

#include <unordered_map>

namespace tav::app {

using namespace tav::platform;
using records::BillPeriodRecord;
using records::InvoiceRecord;

namespace {
const QString kNewBillPeriod = QStringLiteral("&New Bill Period");
const QString kAddNew = QStringLiteral("&Add New");
const QString kEntryLabel = QStringLiteral("Bill Period Name:");
const QString kViewLabel = QStringLiteral("Bill Period:");
} // namespace

BillPeriodEntry::BillPeriodEntry(MainWindow& window)
    : w_(window)
{
}

void BillPeriodEntry::cmdAddNewBP_Click()
{
    if (mode_ == Mode::Viewing)
        setBillPeriodEntryMode(true);
    else
        createBillPeriod();
}

void BillPeriodEntry::cmdCancelNewBP_Click()
{
    setBillPeriodEntryMode(false);
}

void BillPeriodEntry::showMode(Mode mode)
{
    mode_ = mode;
    const bool composing = mode == Mode::Composing;
    w_.c.billPeriods.cmdAddNewBP->setCaption(composing ? kAddNew : kNewBillPeriod);
    w_.c.billPeriods.lblBillPeriodName->setCaption(composing ? kEntryLabel : kViewLabel);
}

void BillPeriodEntry::setBillPeriodEntryMode(bool entering)
{
    auto& c = w_.c;
    if (entering) {
        if (c.customers.lvwCustomersVis->isEmpty() || c.billPeriods.lvwProducts[1]->isEmpty()) {
            host().messageBox(QStringLiteral("Please add your Customers and your Products first."), MessageButtons::Ok,
                              MessageIcon::None, host().appTitle());
            return;
        }
        w_.products.clearEntryBoxes();
        c.billPeriods.cmdCancelNewBP->setCaption(QStringLiteral("&Cancel New"));
        showMode(Mode::Composing);
        c.billPeriods.txtBillPeriod->setBackColor(kEntryColor);
        const QDate today = host().now().date();
        c.billPeriods.lblExample->setCaption(QStringLiteral("(Example: %1 %2)").arg(host().locale().monthName(today.month()))
                                     .arg(today.year()));
        w_.entryFields.resetEntryFields(EntryFields::PrepareNewPeriod);
        w_.newPeriod.buildNewBillPeriodTree();
        w_.payments.setResetButtonMode(Payments::ResetButtonMode::ResetAccounts);
        c.billPeriods.cmdAdjustBalance->setVisible(false);
        c.billPeriods.cmdResetCustomerAccounts->setVisible(false);
    } else {
        showMode(Mode::Viewing);
        // With no stored period shown, the abandoned composition must not stay in the tree.
        if (c.billPeriods.cmbBillPeriod[1]->listIndex() < 0)
            c.billPeriods.tvwInvoiceRecords[0]->clear();
        selectBillPeriod(1);
        w_.entryFields.resetEntryFields(EntryFields::ShowFinalPeriod);
        c.billPeriods.cmdResetCustomerAccounts->setVisible(false);
        w_.payments.setResetButtonMode(Payments::ResetButtonMode::LogFullPayment);
    }
    for (Control* control : std::initializer_list<Control*>{c.billPeriods.lvwProducts[1], c.billPeriods.lblDoubleClickToAdd, c.billPeriods.lblExample,
                                                             c.billPeriods.cmdCancelNewBP, c.billPeriods.txtBillPeriod})
        control->setVisible(entering);
    for (Control* control : std::initializer_list<Control*>{c.billPeriods.cmdAddNewBP, c.billPeriods.cmbBillPeriod[1], c.billPeriods.lblCustomerAccountsForThisPeriod})
        control->setVisible(!entering);
    if (entering)
        c.billPeriods.txtBillPeriod->setFocus();
    w_.layout.layoutTab(2);
}

bool BillPeriodEntry::billDueReadsAsDate() const
{
    const QString due = w_.c.billPeriods.txtPField[3]->text();
    return due.size() > 5 && DateText(w_.state.formats, host().locale()).read(due).has_value();
}

void BillPeriodEntry::txtBillPeriod_Change()
{
    auto& c = w_.c;
    const bool named = !c.billPeriods.txtBillPeriod->text().isEmpty();
    c.billPeriods.txtBillPeriod->setBackColor(named ? kNormalColor : kEntryColor);
    if (named) {
        c.billPeriods.cmdAddNewBP->setVisible(billDueReadsAsDate());
        if (c.billPeriods.lblExample->visible()) {
            c.billPeriods.lblExample->setVisible(false);
            c.billPeriods.lblCustomerAccountsForThisPeriod->setVisible(true);
        }
    } else {
        c.billPeriods.cmdAddNewBP->setVisible(false);
        if (!c.billPeriods.lblExample->visible()) {
            c.billPeriods.lblExample->setVisible(true);
            c.billPeriods.lblCustomerAccountsForThisPeriod->setVisible(false);
        }
    }
}

void BillPeriodEntry::txtPField_Change(int index)
{
    auto& c = w_.c;
    if (index != 3 || mode_ == Mode::Viewing)
        return;
    const bool date = billDueReadsAsDate();
    c.billPeriods.cmdAddNewBP->setVisible(!c.billPeriods.txtBillPeriod->text().isEmpty() && date);
    const QString& separator = w_.state.formats.dateSeparator;
    const bool twoSeparators = !separator.isEmpty() && c.billPeriods.txtPField[3]->text().count(separator) == 2;
    c.billPeriods.txtPField[3]->setBackColor(date && twoSeparators ? kNormalColor : kEntryColor);
}

qsizetype BillPeriodEntry::findBillPeriodByName(const QString& name) const
{
    const records::RecordTable& periods = w_.books.data().periods;
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        const auto period = BillPeriodRecord::fromText(periods.textAt(i));
        if (period && period->name == name)
            return i;
    }
    return 0;
}

bool BillPeriodEntry::anyBilledItems() const
{
    const TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        if (tree->keyAt(i).endsWith(QLatin1Char('b')))
            return true;
    }
    return false;
}

QList<BillPeriodEntry::BilledCustomer> BillPeriodEntry::billedCustomers() const
{
    const TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    // A period bills the same few products to thousands of customers: each price is read once.
    std::unordered_map<qint64, records::Cents> prices;
    const auto priceOf = [&](qint64 product) {
        const auto [known, added] = prices.try_emplace(product, 0);
        if (added) {
            const QString* text = w_.books.data().products.find(records::numberedKey(product));
            // Billing refuses a price that could not be read.
            known->second = text ? records::ProductRecord::fromText(*text).price.value_or(0) : 0;
        }
        return known->second;
    };
    QList<BilledCustomer> billed;
    for (const QString& customerKey : tree->childKeys(NewBillPeriod::kRootKey)) {
        BilledCustomer customer{records::keyNumberText(customerKey), 0, QString()};
        std::vector<records::BilledItem> items;
        for (const QString& itemKey : tree->childKeys(customerKey)) {
            const qint64 product = w_.newPeriod.productNumberOfItem(itemKey);
            const qint64 quantity = w_.newPeriod.itemQuantity(itemKey);
            customer.total += priceOf(product) * quantity;
            items.push_back({product, static_cast<int>(quantity)});
        }
        if (items.empty())
            continue;
        customer.items = records::itemListText(items);
        billed << customer;
    }
    return billed;
}

void BillPeriodEntry::createBillPeriod()
{
    auto& c = w_.c;
    const QString name = c.billPeriods.txtBillPeriod->text();
    const QList<BilledCustomer> billed = billedCustomers();
    // Every key is checked before anything is added: a period is stored whole or not at all.
    const bool taken = findBillPeriodByName(name) != 0 || w_.books.data().periods.contains(name)
        || std::any_of(billed.begin(), billed.end(), [&](const BilledCustomer& customer) {
               return w_.books.data().invoiceRecords.contains(InvoiceRecord::key(name, customer.customerNumber));
           });
    if (taken) {
        host().messageBox(QStringLiteral("A Bill Period with the exact same name was found.\r\n\r\n"
                                         "(Every Bill Period entry must have a unique name.)"),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Duplicate Name Found"));
        return;
    }
    if (!anyBilledItems()) {
        host().messageBox(QStringLiteral("You'll need to bill some customers first before finalizing this Bill Period."),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("No Customers Billed for this Period"));
        return;
    }
    if (host().messageBox(QStringLiteral("Once a Bill Period is entered, the entry is finalized and cannot be edited any "
                                         "further.\r\n\r\nAre you sure you wish to continue?"),
                          MessageButtons::OkCancel, MessageIcon::Exclamation, host().appTitle())
        != MessageAnswer::Ok)
        return;

    const DateText dates(w_.state.formats, host().locale());
    const BillPeriodRecord period{dates.stored(c.billPeriods.txtPField[1]->text()), name, dates.stored(c.billPeriods.txtPField[2]->text()),
                                  dates.stored(c.billPeriods.txtPField[3]->text())};
    w_.books.data().periods.add(name, period.text());
    for (const BilledCustomer& customer : billed) {
        const InvoiceRecord record{name, w_.books.customerNameForRecord(customer.customerNumber),
                                   customer.customerNumber, records::balanceText(customer.total), customer.items, QString()};
        w_.books.data().invoiceRecords.add(record.key(), record.text());
    }
    w_.lists.fillBillPeriodCombos();
    w_.books.setUnsaved(true);
    setBillPeriodEntryMode(false);
}

qsizetype BillPeriodEntry::periodPosition(int comboIndex) const
{
    // The combos list the well-formed periods in table order.
    const records::RecordTable& periods = w_.books.data().periods;
    int shown = -1;
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        if (records::hasFieldCount(periods.textAt(i), BillPeriodRecord::FieldCount) && ++shown == comboIndex)
            return i;
    }
    return 0;
}

void BillPeriodEntry::cmbBillPeriod_Click(int index)
{
    selectBillPeriod(index);
}

void BillPeriodEntry::selectBillPeriod(int index)
{
    auto& c = w_.c;
    // A period chosen on the Printing page while a new one is composed waits in the hidden combo
    // until the entry ends, so that the composition is not thrown away.
    if (index == 1 && w_.newPeriod.isComposing())
        return;
    const int chosen = c.cmbBillPeriod(index)->listIndex();
    const qsizetype position = chosen < 0 ? 0 : periodPosition(chosen);
    if (position == 0)
        return;
    const auto period = BillPeriodRecord::fromText(w_.books.data().periods.textAt(position));
    if (!period)
        return;
    if (index == 1) {
        const DateText dates(w_.state.formats, host().locale());
        c.billPeriods.txtPField[1]->setText(dates.shown(period->start));
        c.billPeriods.txtPField[2]->setText(dates.shown(period->end));
        c.billPeriods.txtPField[3]->setText(dates.shown(period->billDue));
    }
    w_.trees.buildInvoiceTree(index - 1);
    c.billPeriods.cmdResetCustomerAccounts->setVisible(false);
    c.billPeriods.cmdAdjustBalance->setVisible(false);
    c.cmbBillPeriod(3 - index)->setListIndex(chosen);
}

} // namespace tav::app
