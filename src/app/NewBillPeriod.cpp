#include "NewBillPeriod.h"

#include "MainWindow.h"

#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/KeyCodes.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TreeView.h"
#include "records/QuantitySuffix.h"
#include "records/RecordFormats.h"

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

NewBillPeriod::NewBillPeriod(MainWindow& window)
    : w_(window)
{
}

QString NewBillPeriod::itemKey(qint64 customerNumber, qint64 productNumber)
{
    return eightDigits(customerNumber) + eightDigits(productNumber) + QLatin1Char('b');
}

bool NewBillPeriod::isComposing() const
{
    return w_.billPeriods.isComposing();
}

qint64 NewBillPeriod::productNumberOfItem(const QString& key) const
{
    const qint64 customer = keyNumber(w_.c.billPeriods.tvwInvoiceRecords[0]->parentKey(key));
    const qsizetype customerDigits = eightDigits(customer).size();
    return QStringView(key).sliced(customerDigits, key.size() - 1 - customerDigits).toLongLong();
}

bool NewBillPeriod::isMarked(const QString& customerKey) const
{
    return w_.c.billPeriods.tvwInvoiceRecords[0]->tag(customerKey) == kMark;
}

void NewBillPeriod::setMarked(const QString& customerKey, bool marked)
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    const bool was = isMarked(customerKey);
    const QString text = tree->text(customerKey);
    const QString name = was ? text.mid(kMark.size()) : text;
    tree->setTag(customerKey, marked ? kMark : QString());
    tree->setText(customerKey, marked ? kMark + name : name);
}

qint64 NewBillPeriod::itemQuantity(const QString& itemKey) const
{
    const qint64 quantity = w_.c.billPeriods.tvwInvoiceRecords[0]->tag(itemKey).toLongLong();
    return quantity > 0 ? quantity : 1;
}

void NewBillPeriod::setQuantity(const QString& key, qint64 quantity)
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    const qint64 was = itemQuantity(key);
    QString text = tree->text(key);
    if (was > 1)
        text.chop(QStringLiteral(" (x%1)").arg(was).size());
    tree->setTag(key, QString::number(quantity));
    tree->setText(key, quantity > 1 ? text + QStringLiteral(" (x%1)").arg(quantity) : text);
}

void NewBillPeriod::showResetButton()
{
    w_.c.billPeriods.cmdResetCustomerAccounts->setVisible(true);
}

void NewBillPeriod::buildNewBillPeriodTree()
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    const TreeView::Refill refill(*tree);
    tree->add(QString(), kRootKey, QStringLiteral("New Bill Period"));
    const records::RecordTable& customers = w_.books.data().customers;
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
    const QString* text = w_.books.data().customers.find(customerKey);
    if (!text)
        return;
    const QString name = records::shownCustomerName(*text).toString();
    w_.c.billPeriods.tvwInvoiceRecords[0]->setText(customerKey, isMarked(customerKey) ? kMark + name : name);
}

void NewBillPeriod::selectThisCustomerOnly()
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    const QString selected = tree->selectedKey();
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isCustomerKey(key))
            setMarked(key, key == selected);
    }
}

void NewBillPeriod::mnuSelectAll_Click()
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isCustomerKey(key))
            setMarked(key, true);
    }
}

void NewBillPeriod::deleteSelectedBillItem()
{
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    tree->remove(tree->selectedKey());
    showResetButton();
}

void NewBillPeriod::billSelectedProduct()
{
    auto& c = w_.c;
    if (!c.billPeriods.lblDoubleClickToAdd->visible())
        return;
    ListView* products = c.billPeriods.lvwProducts[1];
    const QString productKey = products->currentKey();
    if (productKey.isEmpty() || products->selectedPosition() == 0)
        return;
    const qint64 productNumber = keyNumber(productKey);
    const QString productText = products->textAt(products->positionOf(productKey));
    // A price that could not be read is no amount to bill.
    if (const QString* stored = w_.books.data().products.find(productKey);
        stored && !records::ProductRecord::fromText(*stored).price) {
        host().messageBox(QStringLiteral("The price of this product or service could not be read:\r\n") + productText
                + QStringLiteral("\r\n\r\n(It cannot be billed. Delete it and enter it again with its "
                                 "price.)"),
            MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Price Not Read"));
        return;
    }
    TreeView* tree = c.billPeriods.tvwInvoiceRecords[0];
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
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
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
    TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
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
        w_.c.billPeriods.tvwInvoiceRecords[0]->remove(customerKey);
}

bool NewBillPeriod::billsProduct(qint64 productNumber) const
{
    const TreeView* tree = w_.c.billPeriods.tvwInvoiceRecords[0];
    if (!isComposing())
        return false;
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        const QString key = tree->keyAt(i);
        if (isItemKey(key) && productNumberOfItem(key) == productNumber)
            return true;
    }
    return false;
}

} // namespace tav::app
