#include "InvoiceTrees.h"

#include "MainWindow.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/TreeView.h"
#include "records/KeyIndex.h"
#include "records/RecordFormats.h"

#include <deque>

namespace tav::app {

using namespace tav::platform;
using records::InvoiceRecord;

namespace {

constexpr ColorValue kOwesRed = rgbValue(192, 0, 0);
const QString kInvoiceNote = QStringLiteral("INVOICE NOTE: ");

bool isCustomerKey(const QString& key)
{
    return key.endsWith(QLatin1Char('k'));
}

// A billed item as the trees show it, and its amount as invoices print it: nothing when its entry,
// its product's price or their product could not be read.
struct ShownItem {
    QString text;
    std::optional<records::Cents> amount;
};

// The products that a tree's items name, each looked up once per tree: a period bills the same few
// products to thousands of customers.
class ProductTexts {
public:
    explicit ProductTexts(const records::RecordTable& products)
        : products_(products)
    {
    }

    // An entry of a record's item list: the product and the quantity.
    ShownItem item(const records::BilledItemEntry& entry)
    {
        const std::optional<records::BilledItem>& billed = entry.item;
        if (!billed)
            return { QStringLiteral("(item %1 not read)").arg(entry.text), std::nullopt };
        const Product& product = productOf(entry.productNumber);
        ShownItem shown { product.shown, std::nullopt };
        if (billed->quantity > 1)
            shown.text += QStringLiteral(" (x%1)").arg(billed->quantity);
        if (product.price)
            shown.amount = records::itemAmount(*product.price, billed->quantity);
        return shown;
    }

private:
    struct Product {
        QString key; // the number as the item names it
        QString shown;
        std::optional<records::Cents> price;
    };

    const Product& productOf(QStringView number)
    {
        if (const Product* product = known_.find(number))
            return *product;
        const QString* text = products_.find(records::numberedKey(number));
        // A product the table no longer holds keeps its place under a name that says so.
        if (text)
            found_.push_back({ number.toString(), records::productDisplayText(*text),
                records::ProductRecord::fromText(*text).price });
        else
            found_.push_back({ number.toString(), QStringLiteral("(product %1 not found)").arg(number), std::nullopt });
        known_.insert(&found_.back());
        return found_.back();
    }

    const records::RecordTable& products_;
    std::deque<Product> found_;
    records::KeyIndex<Product> known_;
};

} // namespace

InvoiceTrees::InvoiceTrees(MainWindow& window)
    : w_(window)
{
}

QString InvoiceTrees::customerName(const QString& customerNumber, const QString& recordName) const
{
    return nameOfCustomer(records::numberedKey(customerNumber), recordName);
}

QString InvoiceTrees::nameOfCustomer(const QString& customerKey, QStringView recordName) const
{
    const QString* text = w_.books.data().customers.find(customerKey);
    return (text ? records::shownCustomerName(*text) : records::withoutArchiveMark(recordName)).toString();
}

QString InvoiceTrees::customerNodeText(const QString& customerKey, QStringView recordName, QStringView balance,
                                       const QLocale& locale) const
{
    const std::optional<records::Cents> cents = records::storedBalance(balance);
    const QString name = nameOfCustomer(customerKey, recordName);
    if (!cents)
        return name + QStringLiteral(" - owes %1 (not read)").arg(balance);
    if (*cents == 0)
        return name + QStringLiteral(" - paid");
    return name + QStringLiteral(" - owes ") + records::currencyText(*cents, locale);
}

void InvoiceTrees::showCustomerName(const QString& customerKey)
{
    for (const int index : {BillPeriodsTree, PrintingTree}) {
        TreeView* tree = w_.c.tvwInvoiceRecords(index);
        // A tree still to be filled reads the name when it is.
        if (tree->waitsToBeFilled() || !tree->contains(customerKey))
            continue;
        if (index == BillPeriodsTree && w_.newPeriod.isComposing()) {
            w_.newPeriod.showCustomerName(customerKey);
            continue;
        }
        const std::optional<QString> stored = w_.books.data().invoiceRecords.find(
            InvoiceRecord::key(tree->text(NewBillPeriod::kRootKey), records::keyNumberText(customerKey)));
        const auto record = stored ? InvoiceRecord::fromText(*stored) : std::nullopt;
        if (record)
            tree->setText(customerKey,
                          customerNodeText(customerKey, record->customerName, record->balance, host().locale()));
    }
}

void InvoiceTrees::buildInvoiceTree(int index)
{
    const ComboBox* combo = w_.c.cmbBillPeriod(index + 1);
    if (combo->listCount() == 0 || combo->listIndex() < 0)
        return;
    // Both pages show the period chosen on either: the tree of the page not shown is filled when
    // the user goes there, which halves the time of choosing a period or logging a payment.
    w_.c.tvwInvoiceRecords(index)->refillWhenShown(
        [this, index, period = combo->text()] { fillInvoiceTree(index, period); });
}

void InvoiceTrees::fillInvoiceTree(int index, const QString& period)
{
    TreeView* tree = w_.c.tvwInvoiceRecords(index);
    const bool printing = index == PrintingTree;
    const TreeView::Refill refill(*tree);
    tree->add(QString(), NewBillPeriod::kRootKey, period);
    bool someoneOwes = false;
    int itemCounter = 0;
    const QLocale locale = host().locale();
    ProductTexts products(w_.books.data().products);
    const records::InvoiceRecordTable& invoices = w_.books.data().invoiceRecords;
    for (const qsizetype position : invoices.positionsInPeriod(period)) {
        if (!invoices.hasRecordFieldsAt(position))
            continue;
        // Read in place: a tree shows thousands of records, and copying each showed in the time it took.
        const auto field = [&](InvoiceRecord::Field which) { return invoices.fieldAt(position, which); };
        const QString customerKey = records::numberedKey(field(InvoiceRecord::CustomerNumber));
        const QStringView balance = field(InvoiceRecord::AccountBalance);
        // A balance that could not be read is owed.
        const bool owes = records::storedBalance(balance) != records::Cents(0);
        if (!tree->add(NewBillPeriod::kRootKey, customerKey,
                customerNodeText(customerKey, field(InvoiceRecord::CustomerName), balance, locale)))
            continue;
        const ColorValue color = printing ? (owes ? SystemColor::WindowText : SystemColor::GrayText)
                                          : (owes ? kOwesRed : SystemColor::WindowText);
        tree->setForeColor(customerKey, color);
        if (printing)
            tree->setChecked(customerKey, owes);
        someoneOwes = someoneOwes || owes;
        for (const records::BilledItemEntry& entry : records::billedItemEntries(field(InvoiceRecord::Items))) {
            const QString itemKey = QString::number(++itemCounter) + QLatin1String("bi");
            const ShownItem item = products.item(entry);
            tree->add(customerKey, itemKey, item.text);
            if (printing) {
                tree->setForeColor(itemKey, color);
                tree->setChecked(itemKey, true);
                // Printing bills each line by the amount read with the tables, never by its text.
                tree->setTag(itemKey, item.amount ? QString::number(*item.amount) : QString());
            }
        }
        // Every customer and its items are in view once the tree is expanded.
        tree->setExpanded(customerKey, true);
        const QStringView note = field(InvoiceRecord::Note);
        if (!printing && !note.isEmpty())
            tree->add(customerKey, customerKey + QLatin1String("note"), QStringLiteral("NOTE: ") + note.toString());
    }
    tree->setExpanded(NewBillPeriod::kRootKey, true);
    if (printing) {
        if (someoneOwes)
            tree->setChecked(NewBillPeriod::kRootKey, true);
        else
            tree->setForeColor(NewBillPeriod::kRootKey, SystemColor::GrayText);
    }
}

void InvoiceTrees::tvwInvoiceRecords_NodeCheck(int, const QString& key)
{
    TreeView* tree = w_.c.tvwInvoiceRecords(PrintingTree);
    if (tree->foreColor(key) == SystemColor::GrayText || key != NewBillPeriod::kRootKey)
        return;
    const bool checked = tree->checked(key);
    const int nodes = tree->nodeCount();
    for (int i = 1; i <= nodes; ++i)
        tree->setChecked(tree->keyAt(i), checked);
}

void InvoiceTrees::tvwInvoiceRecords_MouseUp(int index, int button, int shift)
{
    auto& c = w_.c;
    if (c.tvwInvoiceRecords(BillPeriodsTree)->nodeCount() == 0)
        return;
    if (index == PrintingTree) {
        TreeView* tree = c.tvwInvoiceRecords(PrintingTree);
        const QString selected = tree->selectedKey();
        if (button != TreeView::RightButton || !isCustomerKey(selected))
            return;
        const QString note
            = host().inputBox(QStringLiteral("Enter your note to be added\r\nwhen this customer's bill is printed:"),
                QStringLiteral("Add a Note to Customer Bill"), QString());
        if (note.isEmpty())
            return;
        const QString noteKey = selected + QLatin1Char('n');
        if (tree->add(selected, noteKey, kInvoiceNote + note))
            tree->ensureVisible(noteKey);
        tree->setChecked(noteKey, true);
        return;
    }
    if (w_.newPeriod.isComposing()) {
        w_.newPeriod.treeMouseUp(button, shift);
        return;
    }
    w_.payments.showPaymentButtons();
}

void InvoiceTrees::tvwInvoiceRecords_DblClick(int index)
{
    TreeView* tree = w_.c.tvwInvoiceRecords(BillPeriodsTree);
    if (index != BillPeriodsTree || tree->nodeCount() == 0)
        return;
    if (w_.newPeriod.isComposing()) {
        w_.newPeriod.treeDoubleClick();
        return;
    }
    const QString selected = tree->selectedKey();
    if (!isCustomerKey(selected))
        return;
    tree->setExpanded(selected, true);
    w_.payments.logPayment(0, QString());
}

} // namespace tav::app
