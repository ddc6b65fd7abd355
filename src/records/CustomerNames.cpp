#include "CustomerNames.h"

#include "FieldView.h"
#include "RecordFormats.h"
#include "Separators.h"
#include "VectorState.h"

namespace tav::records {

namespace {

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
    key_.resize(0); // keeps the buffer
    key_.append(customerNumber).append(KeySuffix);
    const QString* text = customers_.find(key_);
    if (!text)
        return std::nullopt;
    return shownCustomerName(*text);
}

CustomerName getCustomerName(RecordTable& customers, const QString& customerNumber)
{
    if (const QString* text = customers.find(customerNumber + KeySuffix))
        return {fieldView(*text, CustomerRecord::DisplayName).toString(), false};
    if (!isRecordNumber(customerNumber) || !customers.add(customerNumber + KeySuffix, placeholderCustomerText()))
        return {};
    return {PlaceholderCustomerName, true};
}

QStringList addCustomerNamesToRecords(Database& database)
{
    clearUpperVectorState();
    QStringList placeholders;
    InvoiceCustomerNames names(database.customers);
    // Each number is asked for once: a missing customer gets one placeholder.
    database.invoiceRecords.nameRecords([&](QStringView number) {
        if (const std::optional<QStringView> name = names.nameOf(number))
            return name->toString();
        if (!isRecordNumber(number))
            return QString();
        placeholders << number.toString();
        return PlaceholderCustomerName;
    });
    database.invoiceRecords.sortByText();
    // The placeholders go into the sorted customer table together at the end: one by one, each
    // would move every customer that sorts after it.
    RecordTable::Loader loader(database.customers);
    const QString placeholder = placeholderCustomerText();
    for (const QString& number : std::as_const(placeholders))
        loader.add(number + KeySuffix, placeholder);
    loader.finish();
    return placeholders;
}

} // namespace tav::records
