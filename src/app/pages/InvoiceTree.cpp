#include "InvoiceTree.h"

#include "app/books/Books.h"
#include "app/workflows/NewBillPeriod.h"

#include "platform/ComboBox.h"
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

InvoiceTree::InvoiceTree(const Books& books, TreeView& tree, Kind kind)
    : books_(books)
    , tree_(tree)
    , kind_(kind)
{
}

QString InvoiceTree::customerName(const QString& customerNumber, const QString& recordName) const
{
    return nameOfCustomer(records::numberedKey(customerNumber), recordName);
}

QString InvoiceTree::nameOfCustomer(const QString& customerKey, QStringView recordName) const
{
    const QString* text = books_.data().customers.find(customerKey);
    return (text ? records::shownCustomerName(*text) : records::withoutArchiveMark(recordName)).toString();
}

QString InvoiceTree::customerNodeText(const QString& customerKey, QStringView recordName, QStringView balance,
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

void InvoiceTree::showCustomerName(const QString& customerKey)
{
    // A tree still to be filled reads the name when it is.
    if (tree_.waitsToBeFilled() || !tree_.contains(customerKey))
        return;
    const std::optional<QString> stored = books_.data().invoiceRecords.find(
        InvoiceRecord::key(tree_.text(NewBillPeriod::kRootKey), records::keyNumberText(customerKey)));
    const auto record = stored ? InvoiceRecord::fromText(*stored) : std::nullopt;
    if (record)
        tree_.setText(customerKey, customerNodeText(customerKey, record->customerName, record->balance, host().locale()));
}

void InvoiceTree::buildInvoiceTree(const ComboBox& combo)
{
    if (combo.listCount() == 0 || combo.listIndex() < 0)
        return;
    // Both pages show the period chosen on either: the tree of the page not shown is filled when
    // the user goes there, which halves the time of choosing a period or logging a payment.
    tree_.refillWhenShown([this, period = combo.text()] { fillInvoiceTree(period); });
}

void InvoiceTree::fillInvoiceTree(const QString& period)
{
    TreeView* tree = &tree_;
    const bool printing = kind_ == PrintingTree;
    const TreeView::Refill refill(*tree);
    tree->add(QString(), NewBillPeriod::kRootKey, period);
    bool someoneOwes = false;
    int itemCounter = 0;
    const QLocale locale = host().locale();
    ProductTexts products(books_.data().products);
    const records::InvoiceRecordTable& invoices = books_.data().invoiceRecords;
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

} // namespace tav::app
