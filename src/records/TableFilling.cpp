#include "TableFilling.h"

#include "Money.h"
#include "RecordFormats.h"
#include "Separators.h"
#include "XmlElements.h"

namespace tav::records {

TableFilling::TableFilling(Database& database, const QLocale& locale, ReportCollector& report)
    : database_(database)
    , amounts_(locale)
    , report_(report)
    , customerNames_(database.customers)
    , customers_{database.customers, false, {}, {}}
    , products_{database.products, false, {}, {}}
    , periods_{database.periods, false, {}, {}}
{
}

void TableFilling::take(const GatheredRecord& record)
{
    switch (record.kind->table) {
    case TableKind::Customers:
        addCustomer(record);
        return;
    case TableKind::Products:
        addProduct(record);
        return;
    case TableKind::BillPeriods:
        addBillPeriod(record);
        return;
    case TableKind::InvoiceRecords:
        addInvoiceRecord(record);
        return;
    }
}

TableFilling::Entries& TableFilling::entriesOf(TableKind table)
{
    return table == TableKind::Customers ? customers_ : table == TableKind::Products ? products_ : periods_;
}

void TableFilling::sectionEnded(TableKind table)
{
    if (table == TableKind::InvoiceRecords)
        return;
    Entries& entries = entriesOf(table);
    if (entries.sectionEnded)
        return;
    entries.sectionEnded = true;
    fill(entries, table);
    if (table == TableKind::Customers)
        invoiceRecordsBeforeCustomers_ = invoiceRecords_ ? invoiceRecords_->added() : 0;
}

void TableFilling::finish()
{
    // Named from the customers of the first section alone, which the table holds until the later
    // sections' entries join it below. Those customers have to wait for addCustomerNamesToRecords,
    // as every customer does in a file whose invoice records come first.
    if (invoiceRecords_ && invoiceRecordsBeforeCustomers_) {
        invoiceRecords_->nameFrom(*invoiceRecordsBeforeCustomers_, [this](QStringView number) {
            return customerNames_.nameOf(number).value_or(QStringView()).toString();
        });
    }
    fill(customers_, TableKind::Customers);
    fill(products_, TableKind::Products);
    fill(periods_, TableKind::BillPeriods);
    if (invoiceRecords_) {
        for (const DroppedEntry& entry : invoiceRecords_->finish())
            report_.duplicate(invoiceRecordLines_[static_cast<size_t>(entry.position)],
                              keptEntry(TableKind::InvoiceRecords, entry.key));
        invoiceRecordLines_ = {};
    }
}

void TableFilling::add(Entries& entries, const GatheredRecord& record, QString key, QString text)
{
    entries.read.emplace_back(std::move(key), std::move(text));
    entries.lines.push_back(record.lines);
}

void TableFilling::fill(Entries& entries, TableKind table)
{
    if (entries.read.empty())
        return;
    std::vector<DroppedEntry> dropped;
    {
        RecordTable::Loader loader(entries.table);
        for (auto& [key, text] : entries.read)
            loader.add(key, std::move(text));
        dropped = loader.finish();
    }
    for (const DroppedEntry& entry : dropped)
        report_.duplicate(entries.lines[static_cast<size_t>(entry.position)], keptEntry(table, entry.key));
    entries.read = {};
    entries.lines = {};
}

QString TableFilling::keptEntry(TableKind table, const QString& key) const
{
    switch (table) {
    case TableKind::Customers: {
        const QString* text = database_.customers.find(key);
        return QStringLiteral("customer %1 (%2)").arg(keyNumberText(key), text ? shownCustomerName(*text) : QStringView());
    }
    case TableKind::Products: {
        const QString* text = database_.products.find(key);
        return QStringLiteral("product or service %1 (%2)")
            .arg(keyNumberText(key), text ? productDisplayText(*text) : QString());
    }
    case TableKind::BillPeriods:
        return QStringLiteral("bill period %1").arg(key.section(FieldSeparator, 0, 0));
    case TableKind::InvoiceRecords:
        return QStringLiteral("the invoice record of customer %1 for %2")
            .arg(key.section(FieldSeparator, 1, 1), key.section(FieldSeparator, 0, 0));
    }
    return QString();
}

void TableFilling::addCustomer(const GatheredRecord& record)
{
    const QString number = QString::fromLatin1(record.number).remove(KeySuffix);
    if (!isRecordNumber(number)) {
        report_.notRead(record.lines, shownText(record.startText));
        return;
    }
    CustomerRecord customer;
    for (size_t i = 0; i < customer.values.size(); ++i)
        customer.values[i] = valueText(record.value(i));
    customer.archived = valueText(record.value(CustomerCurrent)).toLower() == QLatin1String("no");
    // A current customer whose name begins with the archive mark reads as archived from the
    // tables: the file's word that it is current cannot be kept, and is told.
    if (!customer.archived && readsAsArchived(customer.displayName())) {
        const qsizetype line = record.lineOf(CustomerCurrent);
        report_.notRead({line, line}, record.value(CustomerCurrent));
    }
    add(customers_, record, number + KeySuffix, customer.text());
}

void TableFilling::addProduct(const GatheredRecord& record)
{
    const QString number = QString::fromLatin1(record.number);
    if (!isRecordNumber(number)) {
        report_.notRead(record.lines, shownText(record.startText));
        return;
    }
    ProductRecord product;
    product.priceText = valueText(record.value(ItemPrice));
    product.name = valueText(record.value(Item));
    product.archived = valueText(record.value(ProductCurrent)).toLower() == QLatin1String("no");
    const qsizetype priceLine = record.lineOf(ItemPrice);
    // A product's text holds its price before the name, split at the first " - ", and after the
    // archive mark when the product is archived: a price text holding the one could not be told
    // from the name, nor a current product's beginning with the other from the mark, and is not read.
    if (product.priceText.contains(ProductRecord::kNameSeparator)
        || (!product.archived && readsAsArchived(product.displayText()))) {
        report_.notRead({priceLine, priceLine}, record.value(ItemPrice));
        product.priceText.clear();
    }
    product.price = amounts_.stored(product.priceText);
    if (product.price && (*product.price < 0 || *product.price > kMaxPrice))
        product.price = std::nullopt;
    if (!product.price) {
        report_.amountNotRead(priceLine, ReadReport::AmountKind::Price, product.priceText,
                              product.name.isEmpty() ? QStringLiteral("product or service %1").arg(number)
                                                     : product.name);
    }
    add(products_, record, number + KeySuffix, product.text());
}

void TableFilling::addBillPeriod(const GatheredRecord& record)
{
    const BillPeriodRecord period{valueText(record.value(BillPeriodRecord::Start)),
                                  valueText(record.value(BillPeriodRecord::Name)),
                                  valueText(record.value(BillPeriodRecord::End)),
                                  valueText(record.value(BillPeriodRecord::BillDue))};
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period.start.isEmpty() && period.name.isEmpty() && period.end.isEmpty() && period.billDue.isEmpty())
        return;
    add(periods_, record, period.fileKey(), period.text());
}

void TableFilling::collectItems(const GatheredRecord& record)
{
    const std::vector<GatheredRecord::Item>& items = record.items;
    // Numbers above the count of items can never be reached, since the first gap ends the list.
    itemByNumber_.assign(items.size() + 1, -1);
    for (size_t i = 0; i < items.size(); ++i) {
        const qsizetype number = items[i].number;
        if (number < qsizetype(itemByNumber_.size()) && itemByNumber_[size_t(number)] < 0)
            itemByNumber_[size_t(number)] = qsizetype(i);
        else
            report_.notRead(items[i].lines, record.valueOf(items[i].value));
    }
    size_t number = 1;
    while (number < itemByNumber_.size() && itemByNumber_[number] >= 0)
        ++number;
    for (; number < itemByNumber_.size(); ++number) {
        if (itemByNumber_[number] < 0)
            continue;
        const GatheredRecord::Item& item = items[size_t(itemByNumber_[number])];
        report_.notRead(item.lines, record.valueOf(item.value));
        itemByNumber_[number] = -1;
    }
}

void TableFilling::addInvoiceRecord(const GatheredRecord& record)
{
    collectItems(record);
    // Made in buffers kept from record to record: a load makes a million of these.
    period_.resize(0);
    appendValueText(period_, record.value(Period));
    number_.resize(0);
    appendValueText(number_, record.value(CustomerNumber));
    const auto whose = [this] { return QStringLiteral("customer %1 in %2").arg(number_, period_); };
    rest_.resize(0);
    appendValueText(rest_, record.value(AccountBalance));
    // Older files may hold other forms of an amount; balances are kept in the writer's. One that
    // is not wholly an amount is kept as it stands.
    if (!rest_.isEmpty() && !isPlainBalanceText(rest_)) {
        if (const std::optional<Cents> balance = storedBalance(rest_))
            rest_ = balanceText(*balance);
        else
            report_.amountNotRead(record.lineOf(AccountBalance), ReadReport::AmountKind::Balance, rest_, whose());
    }
    rest_.append(FieldSeparator);
    const qsizetype itemsStart = rest_.size();
    for (size_t number = 1; number < itemByNumber_.size() && itemByNumber_[number] >= 0; ++number) {
        const GatheredRecord::Item& item = record.items[size_t(itemByNumber_[number])];
        const qsizetype before = rest_.size();
        if (before > itemsStart)
            rest_.append(ItemSeparator);
        const qsizetype entryStart = rest_.size();
        appendValueText(rest_, record.valueOf(item.value));
        // An entry without a product number bills nothing, and could not be written back.
        if (rest_.size() == entryStart) {
            rest_.truncate(before);
            continue;
        }
        if (!readBilledItem(QStringView(rest_).sliced(entryStart)))
            report_.amountNotRead(item.lines.first, ReadReport::AmountKind::Item, rest_.sliced(entryStart), whose());
    }
    rest_.append(FieldSeparator);
    appendValueText(rest_, record.value(Note));
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period_.isEmpty() && number_.isEmpty() && rest_.size() == 2)
        return;
    if (!invoiceRecords_)
        invoiceRecords_.emplace(database_.invoiceRecords);
    // Named at the end of the file, each customer once (see finish).
    invoiceRecords_->add(period_, number_, rest_);
    invoiceRecordLines_.push_back(record.lines);
}

} // namespace tav::records
