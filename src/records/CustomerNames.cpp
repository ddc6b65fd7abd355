#include "CustomerNames.h"

#include "RecordFormats.h"
#include "Separators.h"

namespace tav::records {

namespace {

QStringView displayNameOf(const QString& customerText)
{
    const qsizetype end = customerText.indexOf(FieldSeparator);
    return QStringView(customerText).first(end < 0 ? customerText.size() : end);
}

// Adds the placeholder for a missing customer; false for a number that is not a usable number,
// which gets no customer.
bool addPlaceholderCustomer(RecordTable& customers, QStringView customerNumber)
{
    if (!isRecordNumber(customerNumber))
        return false;
    CustomerRecord placeholder;
    placeholder.values[CustomerRecord::FName - 1] = QStringLiteral("Deleted");
    placeholder.values[CustomerRecord::LName - 1] = QStringLiteral("Customer");
    return customers.add(customerNumber.toString() + KeySuffix, placeholder.text());
}

} // namespace

std::optional<QStringView> InvoiceCustomerNames::nameOf(QStringView customerNumber)
{
    key_.clear();
    key_.append(customerNumber).append(KeySuffix);
    const QString* text = customers_.find(key_);
    if (!text)
        return std::nullopt;
    const QStringView name = displayNameOf(*text);
    return name.startsWith(ArchivePrefix) ? name.sliced(ArchivePrefixLength) : name;
}

CustomerName getCustomerName(RecordTable& customers, const QString& customerNumber)
{
    if (const QString* text = customers.find(customerNumber + KeySuffix))
        return {displayNameOf(*text).toString(), false};
    if (!addPlaceholderCustomer(customers, customerNumber))
        return {};
    return {PlaceholderCustomerName, true};
}

QStringList addCustomerNamesToRecords(Database& database)
{
    QStringList placeholders;
    RecordTable& records = database.invoiceRecords;
    InvoiceCustomerNames names(database.customers);
    for (qsizetype i = 1; i <= records.count(); ++i) {
        const QString& text = records.textAt(i);
        // Fields: period, customer name, customer number, then the rest as it stands.
        const qsizetype nameStart = text.indexOf(FieldSeparator) + 1;
        const qsizetype numberStart = nameStart > 0 ? text.indexOf(FieldSeparator, nameStart) + 1 : 0;
        if (numberStart == 0)
            continue; // not an invoice record's text; nothing to name
        qsizetype numberEnd = text.indexOf(FieldSeparator, numberStart);
        if (numberEnd < 0)
            numberEnd = text.size();
        const QStringView number = QStringView(text).sliced(numberStart, numberEnd - numberStart);
        std::optional<QStringView> name = names.nameOf(number);
        if (!name && addPlaceholderCustomer(database.customers, number)) {
            placeholders << number.toString();
            name = PlaceholderCustomerName;
        }
        const QStringView wanted = name.value_or(QStringView());
        // The reader names the records of customers it has already met; those stay as they are.
        if (QStringView(text).sliced(nameStart, numberStart - 1 - nameStart) == wanted)
            continue;
        QString named;
        named.reserve(nameStart + wanted.size() + 1 + text.size() - numberStart);
        named.append(QStringView(text).first(nameStart)).append(wanted).append(FieldSeparator);
        named.append(QStringView(text).sliced(numberStart));
        records.setTextAt(i, std::move(named));
    }
    records.sortByText();
    return placeholders;
}

} // namespace tav::records
