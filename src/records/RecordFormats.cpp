#include "RecordFormats.h"

#include "FieldView.h"
#include "RecordTable.h"
#include "Separators.h"
#include "TextNumbers.h"

#include <limits>

namespace tav::records {

namespace {

// Joins without building a list first: invoice record texts are made a million times per load.
QString joinedFields(std::initializer_list<QStringView> fields)
{
    qsizetype size = static_cast<qsizetype>(fields.size()) - 1;
    for (const QStringView field : fields)
        size += field.size();
    QString text;
    text.reserve(size);
    bool first = true;
    for (const QStringView field : fields) {
        if (!first)
            text += FieldSeparator;
        text += field;
        first = false;
    }
    return text;
}

} // namespace

QStringList splitFields(const QString& text)
{
    return text.split(FieldSeparator);
}

QString joinFields(const QStringList& fields)
{
    return fields.join(FieldSeparator);
}

bool hasFieldCount(const QString& text, qsizetype fields)
{
    return text.count(FieldSeparator) == fields - 1;
}

QString numberedKey(qint64 number)
{
    return QString::number(number) + KeySuffix;
}

QString numberedKey(QStringView numberText)
{
    QString key;
    key.reserve(numberText.size() + 1);
    return key.append(numberText).append(KeySuffix);
}

QString keyNumberText(const QString& key)
{
    QString number = key;
    number.remove(KeySuffix);
    return number;
}

bool isRecordNumber(QStringView text)
{
    if (text.isEmpty())
        return false;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<qint32>::max())
            return false;
    }
    return value > 0;
}

qint64 highestKeyNumber(const RecordTable& table)
{
    qint64 highest = 0;
    for (qsizetype i = 1; i <= table.count(); ++i)
        highest = std::max(highest, roundHalfEven(leadingNumber(keyNumberText(table.keyAt(i)))));
    return highest;
}

QString customerDisplayName(const QString& firstName, const QString& lastName)
{
    return lastName.isEmpty() ? firstName : lastName + QLatin1String(", ") + firstName;
}

bool isArchivedCustomerText(QStringView customerText)
{
    return readsAsArchived(customerText);
}

bool isCurrentCustomerRecord(QStringView customerText)
{
    return customerText.count(FieldSeparator) == CustomerRecord::FieldCount - 1 && !isArchivedCustomerText(customerText);
}

QStringView shownCustomerName(QStringView customerText)
{
    return withoutArchiveMark(fieldView(customerText, CustomerRecord::DisplayName));
}

QStringView withoutArchiveMark(QStringView displayName)
{
    return readsAsArchived(displayName) ? displayName.sliced(ArchivePrefixLength) : displayName;
}

QString archivedCustomerText(const QString& customerText)
{
    return ArchivePrefix + customerText;
}

bool readsAsArchived(QStringView displayText)
{
    return displayText.startsWith(ArchivePrefix);
}

QString archiveMarkText()
{
    return ArchivePrefix;
}

QString CustomerRecord::displayName() const
{
    return customerDisplayName(values[0], values[1]);
}

QString CustomerRecord::text() const
{
    QStringList fields;
    fields.reserve(FieldCount);
    // A name that begins with the mark reads as archived already. A second mark would make it read
    // differently once saved (as not current) and loaded again.
    const QString name = displayName();
    fields << (archived && !readsAsArchived(name) ? ArchivePrefix + name : name);
    for (const QString& value : values)
        fields << value;
    return joinFields(fields);
}

std::optional<CustomerRecord> CustomerRecord::fromText(const QString& text)
{
    const QStringList fields = splitFields(text);
    if (fields.size() != FieldCount)
        return std::nullopt;
    CustomerRecord record;
    record.archived = readsAsArchived(fields[DisplayName]);
    for (size_t i = 0; i < record.values.size(); ++i)
        record.values[i] = fields[static_cast<qsizetype>(i) + 1];
    return record;
}

namespace {

constexpr qsizetype kSortPrefixLength = 12;

} // namespace

QString ProductRecord::displayText() const
{
    return priceText + ProductRecord::kNameSeparator + name;
}

QString ProductRecord::text() const
{
    return priceSortPrefix(price) + (archived ? ArchivePrefix : QString()) + displayText();
}

QString productDisplayText(const QString& productText)
{
    return withoutArchiveMark(QStringView(productText).mid(kSortPrefixLength)).toString();
}

bool isArchivedProductText(QStringView productText)
{
    return readsAsArchived(productText.mid(kSortPrefixLength));
}

QString archivedProductText(const QString& productText)
{
    return QString(productText).insert(kSortPrefixLength, ArchivePrefix);
}

std::optional<QStringView> productNameInDisplayText(QStringView displayText)
{
    const qsizetype separator = displayText.indexOf(ProductRecord::kNameSeparator);
    if (separator < 0)
        return std::nullopt;
    return displayText.sliced(separator + ProductRecord::kNameSeparator.size());
}

ProductRecord ProductRecord::fromText(const QString& text)
{
    ProductRecord record;
    record.archived = isArchivedProductText(text);
    const QString display = productDisplayText(text);
    const std::optional<QStringView> name = productNameInDisplayText(display);
    record.priceText = name ? display.first(display.size() - name->size() - ProductRecord::kNameSeparator.size()) : display;
    record.name = name ? name->toString() : QString();
    record.price = priceOfSortPrefix(QStringView(text).left(kSortPrefixLength));
    return record;
}

QString BillPeriodRecord::fileKey() const
{
    return name + FieldSeparator;
}

QString BillPeriodRecord::text() const
{
    return joinedFields({start, name, end, billDue});
}

std::optional<BillPeriodRecord> BillPeriodRecord::fromText(const QString& text)
{
    const QStringList fields = splitFields(text);
    if (fields.size() != FieldCount)
        return std::nullopt;
    return BillPeriodRecord{fields[Start], fields[Name], fields[End], fields[BillDue]};
}

QString itemListText(const std::vector<BilledItem>& items)
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(items.size()));
    for (const BilledItem& item : items) {
        QString entry = QString::number(item.productNumber);
        if (item.quantity > 1)
            entry += QLatin1Char('x') + QString::number(item.quantity);
        entries << entry;
    }
    return entries.join(ItemSeparator);
}

std::optional<BilledItem> readBilledItem(QStringView entry)
{
    // Read by hand: a load reads a few million of these.
    const auto number = [](QStringView digits, qint64 largest) -> std::optional<qint64> {
        qint64 value = 0;
        for (const QChar c : digits) {
            if (c.unicode() < '0' || c.unicode() > '9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - '0');
            if (value > largest)
                return std::nullopt;
        }
        return digits.isEmpty() || value == 0 ? std::nullopt : std::optional<qint64>(value);
    };
    qsizetype x = 0;
    while (x < entry.size() && entry[x] != QLatin1Char('x'))
        ++x;
    const std::optional<qint64> product = number(entry.first(x), std::numeric_limits<qint32>::max());
    if (!product)
        return std::nullopt;
    if (x == entry.size())
        return BilledItem{*product, 1};
    const std::optional<qint64> quantity = number(entry.sliced(x + 1), kMaxQuantity);
    if (!quantity)
        return std::nullopt;
    return BilledItem{*product, static_cast<int>(*quantity)};
}

std::vector<BilledItemEntry> billedItemEntries(QStringView itemList)
{
    std::vector<BilledItemEntry> entries;
    if (itemList.isEmpty())
        return entries;
    for (const QStringView entry : itemList.tokenize(ItemSeparator)) {
        const qsizetype x = entry.indexOf(QLatin1Char('x'));
        entries.push_back({entry, x < 0 ? entry : entry.first(x), readBilledItem(entry)});
    }
    return entries;
}

QString InvoiceRecord::key(const QString& period, const QString& customerNumber)
{
    return joinedFields({period, customerNumber, QStringView()});
}

QString InvoiceRecord::text() const
{
    return joinedFields({period, customerName, customerNumber, balance, items, note});
}

std::optional<InvoiceRecord> InvoiceRecord::fromText(const QString& text)
{
    const QStringList fields = splitFields(text);
    if (fields.size() != FieldCount)
        return std::nullopt;
    return InvoiceRecord{fields[Period], fields[CustomerName], fields[CustomerNumber],
                         fields[AccountBalance], fields[Items], fields[Note]};
}

} // namespace tav::records
