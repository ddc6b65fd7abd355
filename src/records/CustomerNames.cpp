#include "CustomerNames.h"

#include "RecordFormats.h"
#include "Separators.h"

#include <QSet>

namespace tav::records {

namespace {

QStringView displayNameOf(const QString& customerText)
{
    const qsizetype end = customerText.indexOf(FieldSeparator);
    return QStringView(customerText).first(end < 0 ? customerText.size() : end);
}

QString placeholderCustomerText()
{
    CustomerRecord placeholder;
    placeholder.values[CustomerRecord::FName - 1] = QStringLiteral("Deleted");
    placeholder.values[CustomerRecord::LName - 1] = QStringLiteral("Customer");
    return placeholder.text();
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
    if (!isRecordNumber(customerNumber) || !customers.add(customerNumber + KeySuffix, placeholderCustomerText()))
        return {};
    return {PlaceholderCustomerName, true};
}

QStringList addCustomerNamesToRecords(Database& database)
{
    QStringList placeholders;
    // The placeholders go into the sorted customer table together at the end: one by one, each
    // would move every customer that sorts after it.
    QSet<QString> placeholderNumbers;
    RecordTable& records = database.invoiceRecords;
    InvoiceCustomerNames names(database.customers);
    for (qsizetype i = 1; i <= records.count(); ++i) {
        const QString& text = records.textAt(i);
        // Fields: period, customer name, customer number, then the rest as it stands.
        const qsizetype nameStart = text.indexOf(FieldSeparator) + 1;
        const qsizetype numberStart = nameStart > 0 ? text.indexOf(FieldSeparator, nameStart) + 1 : 0;
        // Not an invoice record's text, or one the reader has named already: customers do not
        // change while a file is read, so those names are final.
        if (numberStart == 0 || numberStart - 1 > nameStart)
            continue;
        qsizetype numberEnd = text.indexOf(FieldSeparator, numberStart);
        if (numberEnd < 0)
            numberEnd = text.size();
        const QStringView number = QStringView(text).sliced(numberStart, numberEnd - numberStart);
        std::optional<QStringView> name = names.nameOf(number);
        if (!name && isRecordNumber(number)) {
            const QString missing = number.toString();
            if (!placeholderNumbers.contains(missing)) {
                placeholderNumbers.insert(missing);
                placeholders << missing;
            }
            name = PlaceholderCustomerName;
        }
        const QStringView wanted = name.value_or(QStringView());
        if (wanted.isEmpty())
            continue;
        QString named;
        named.reserve(nameStart + wanted.size() + 1 + text.size() - numberStart);
        named.append(QStringView(text).first(nameStart)).append(wanted).append(FieldSeparator);
        named.append(QStringView(text).sliced(numberStart));
        records.setTextAt(i, std::move(named));
    }
    records.sortByText();
    RecordTable::Loader loader(database.customers);
    const QString placeholder = placeholderCustomerText();
    for (const QString& number : std::as_const(placeholders))
        loader.add(number + KeySuffix, placeholder);
    loader.finish();
    return placeholders;
}

} // namespace tav::records
