#include "NewBillPeriod.h"

#include "app/books/DateText.h"
#include "app/books/Books.h"
#include "app/books/StoredPeriods.h"
#include "app/design/PageControls.h"

#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/KeyCodes.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/QuantitySuffix.h"
#include "records/RecordFormats.h"

#include <algorithm>
#include <unordered_map>

namespace tav::app {

using namespace tav::platform;

const QString NewBillPeriod::kRootKey = QStringLiteral("root_node");

namespace {

const QString kMark = QStringLiteral("*");

bool isCustomerKey(const QString& key)
{
    return key.endsWith(QLatin1Char('k'));
}

bool isItemKey(const QString& key)
{
    return key.endsWith(QLatin1Char('b'));
}

qint64 keyNumber(const QString& key)
{
    return key.chopped(1).toLongLong();
}

// A number with at least eight digits, zeros in front, as arg() pads it. A billing makes a key of
// two for every customer, and arg() took a fifth of its time.
QString eightDigits(qint64 number)
{
    return number >= 0 ? QString::number(number).rightJustified(8, QLatin1Char('0'))
                       : QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0'));
}

} // namespace

NewBillPeriod::NewBillPeriod(Books& books, BillPeriodControls& controls, const LocaleFormats& formats,
                             std::function<bool()> composing)
    : books_(books)
    , c_(controls)
    , formats_(formats)
    , composing_(std::move(composing))
{
}

QString NewBillPeriod::itemKey(qint64 customerNumber, qint64 productNumber)
{
    return eightDigits(customerNumber) + eightDigits(productNumber) + QLatin1Char('b');
}

qint64 NewBillPeriod::productNumberOfItem(const QString& key) const
{
    const qint64 customer = keyNumber(c_.tvwInvoiceRecords[0]->parentKey(key));
    const qsizetype customerDigits = eightDigits(customer).size();
    return QStringView(key).sliced(customerDigits, key.size() - 1 - customerDigits).toLongLong();
}

bool NewBillPeriod::isMarked(const QString& customerKey) const
{
    return c_.tvwInvoiceRecords[0]->tag(customerKey) == kMark;
}

void NewBillPeriod::setMarked(const QString& customerKey, bool marked)
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const bool was = isMarked(customerKey);
    const QString text = tree->text(customerKey);
    const QString name = was ? text.mid(kMark.size()) : text;
    tree->setTag(customerKey, marked ? kMark : QString());
    tree->setText(customerKey, marked ? kMark + name : name);
}

qint64 NewBillPeriod::itemQuantity(const QString& itemKey) const
{
    const qint64 quantity = c_.tvwInvoiceRecords[0]->tag(itemKey).toLongLong();
    return quantity > 0 ? quantity : 1;
}

void NewBillPeriod::setQuantity(const QString& key, qint64 quantity)
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const qint64 was = itemQuantity(key);
    QString text = tree->text(key);
    if (was > 1)
        text.chop(QStringLiteral(" (x%1)").arg(was).size());
    tree->setTag(key, QString::number(quantity));
    tree->setText(key, quantity > 1 ? text + QStringLiteral(" (x%1)").arg(quantity) : text);
}

void NewBillPeriod::showResetButton()
{
    c_.cmdResetCustomerAccounts->setVisible(true);
}

void NewBillPeriod::buildNewBillPeriodTree()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const TreeView::Refill refill(*tree);
    tree->add(QString(), kRootKey, QStringLiteral("New Bill Period"));
    const records::RecordTable& customers = books_.data().customers;
    for (qsizetype i = 1; i <= customers.count(); ++i) {
        const QString& text = customers.textAt(i);
        // Archived customers are passed over wherever they stand.
        if (records::isArchivedCustomerText(text))
            continue;
        const QString key = customers.keyAt(i);
        tree->add(kRootKey, key, records::shownCustomerName(text).toString());
        setMarked(key, true);
    }
    tree->setExpanded(kRootKey, true);
}

void NewBillPeriod::showCustomerName(const QString& customerKey)
{
    const QString* text = books_.data().customers.find(customerKey);
    if (!text)
        return;
    const QString name = records::shownCustomerName(*text).toString();
    c_.tvwInvoiceRecords[0]->setText(customerKey, isMarked(customerKey) ? kMark + name : name);
}

void NewBillPeriod::selectThisCustomerOnly()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const QString selected = tree->selectedKey();
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isCustomerKey(key))
            setMarked(key, key == selected);
    }
}

void NewBillPeriod::mnuSelectAll_Click()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isCustomerKey(key))
            setMarked(key, true);
    }
}

void NewBillPeriod::deleteSelectedBillItem()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    tree->remove(tree->selectedKey());
    showResetButton();
}

void NewBillPeriod::billSelectedProduct()
{
    if (!c_.lblDoubleClickToAdd->visible())
        return;
    ListView* products = c_.lvwProducts[1];
    const QString productKey = products->currentKey();
    if (productKey.isEmpty() || products->selectedPosition() == 0)
        return;
    const qint64 productNumber = keyNumber(productKey);
    const QString productText = products->textAt(products->positionOf(productKey));
    // A price that could not be read is no amount to bill.
    if (const QString* stored = books_.data().products.find(productKey);
        stored && !records::ProductRecord::fromText(*stored).price) {
        host().messageBox(QStringLiteral("The price of this product or service could not be read:\r\n") + productText
                + QStringLiteral("\r\n\r\n(It cannot be billed. Delete it and enter it again with its "
                                 "price.)"),
            MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Price Not Read"));
        return;
    }
    TreeView* tree = c_.tvwInvoiceRecords[0];
    // Nodes added by this billing are not visited.
    const int nodes = tree->nodeCount();
    for (int i = 1; i <= nodes; ++i) {
        const QString key = tree->keyAt(i);
        if (!isCustomerKey(key) || !isMarked(key))
            continue;
        const QString item = itemKey(keyNumber(key), productNumber);
        if (tree->add(key, item, productText)) {
            tree->setTag(item, QStringLiteral("1"));
            tree->setExpanded(key, true);
        } else {
            setQuantity(item, itemQuantity(item) + 1);
        }
    }
    showResetButton();
}

void NewBillPeriod::treeMouseUp(int button, int shift)
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const QString selected = tree->selectedKey();
    if (button == TreeView::LeftButton) {
        if (!isCustomerKey(selected))
            return;
        if (shift & ShiftState::Ctrl) {
            setMarked(selected, !isMarked(selected));
        } else {
            selectThisCustomerOnly();
            showResetButton();
        }
        return;
    }
    if (isCustomerKey(selected)) {
        const int chosen = host().popupMenu({QStringLiteral("Select This Customer Only"), QStringLiteral("Select All Customers")});
        if (chosen == 0) {
            selectThisCustomerOnly();
            showResetButton();
        } else if (chosen == 1) {
            mnuSelectAll_Click();
        }
    } else if (isItemKey(selected)) {
        if (host().popupMenu({QStringLiteral("Delete This Item from Customer Bill")}) == 0)
            deleteSelectedBillItem();
    }
}

void NewBillPeriod::treeDoubleClick()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    const QString selected = tree->selectedKey();
    if (isItemKey(selected)) {
        deleteSelectedBillItem();
    } else if (isCustomerKey(selected)) {
        tree->setExpanded(selected, true);
    } else if (selected == kRootKey) {
        mnuSelectAll_Click();
        tree->setExpanded(kRootKey, true);
    }
}

void NewBillPeriod::dropCustomer(const QString& customerKey)
{
    // Outside the composition the tree shows a stored period, whose nodes are not to be touched.
    if (isComposing())
        c_.tvwInvoiceRecords[0]->remove(customerKey);
}

bool NewBillPeriod::billsProduct(qint64 productNumber) const
{
    const TreeView* tree = c_.tvwInvoiceRecords[0];
    if (!isComposing())
        return false;
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isItemKey(key) && productNumberOfItem(key) == productNumber)
            return true;
    }
    return false;
}

bool NewBillPeriod::anyBilledItems() const
{
    const TreeView* tree = c_.tvwInvoiceRecords[0];
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        if (tree->keyAt(i).endsWith(QLatin1Char('b')))
            return true;
    }
    return false;
}

QList<NewBillPeriod::BilledCustomer> NewBillPeriod::billedCustomers() const
{
    const TreeView* tree = c_.tvwInvoiceRecords[0];
    // A period bills the same few products to thousands of customers: each price is read once.
    std::unordered_map<qint64, records::Cents> prices;
    const auto priceOf = [&](qint64 product) {
        const auto [known, added] = prices.try_emplace(product, 0);
        if (added) {
            const QString* text = books_.data().products.find(records::numberedKey(product));
            // Billing refuses a price that could not be read.
            known->second = text ? records::ProductRecord::fromText(*text).price.value_or(0) : 0;
        }
        return known->second;
    };
    QList<BilledCustomer> billed;
    for (const QString& customerKey : tree->childKeys(kRootKey)) {
        BilledCustomer customer{records::keyNumberText(customerKey), 0, QString()};
        std::vector<records::BilledItem> items;
        for (const QString& itemKey : tree->childKeys(customerKey)) {
            const qint64 product = productNumberOfItem(itemKey);
            const qint64 quantity = itemQuantity(itemKey);
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

bool NewBillPeriod::finalise()
{
    const QString name = c_.txtBillPeriod->text();
    const QList<BilledCustomer> billed = billedCustomers();
    // Every key is checked before anything is added: a period is stored whole or not at all.
    const bool taken = findBillPeriodByName(books_.data().periods, name) != 0 || books_.data().periods.contains(name)
        || std::any_of(billed.begin(), billed.end(), [&](const BilledCustomer& customer) {
               return books_.data().invoiceRecords.contains(records::InvoiceRecord::key(name, customer.customerNumber));
           });
    if (taken) {
        host().messageBox(QStringLiteral("A Bill Period with the exact same name was found.\r\n\r\n"
                                         "(Every Bill Period entry must have a unique name.)"),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Duplicate Name Found"));
        return false;
    }
    if (!anyBilledItems()) {
        host().messageBox(QStringLiteral("You'll need to bill some customers first before finalizing this Bill Period."),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("No Customers Billed for this Period"));
        return false;
    }
    if (host().messageBox(QStringLiteral("Once a Bill Period is entered, the entry is finalized and cannot be edited any "
                                         "further.\r\n\r\nAre you sure you wish to continue?"),
                          MessageButtons::OkCancel, MessageIcon::Exclamation, host().appTitle())
        != MessageAnswer::Ok)
        return false;

    const DateText dates(formats_, host().locale());
    const records::BillPeriodRecord period{dates.stored(c_.txtPField[1]->text()), name, dates.stored(c_.txtPField[2]->text()),
                                           dates.stored(c_.txtPField[3]->text())};
    books_.data().periods.add(name, period.text());
    for (const BilledCustomer& customer : billed) {
        const records::InvoiceRecord record{name, books_.customerNameForRecord(customer.customerNumber),
                                            customer.customerNumber, records::balanceText(customer.total), customer.items,
                                            QString()};
        books_.data().invoiceRecords.add(record.key(), record.text());
    }
    return true;
}

} // namespace tav::app
