#pragma once

#include "Database.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tav::records {

// The placeholder that holds the place of a customer whom invoice records name but the customer
// table lacks.
inline const QString PlaceholderCustomerName = QStringLiteral("Customer, Deleted");

struct CustomerName {
    // The customer's display name, with ArchivePrefix when the customer is archived; empty for a
    // customer number that is not a usable number.
    QString name;
    // Set when the customer was missing and a placeholder was added under the number: the data
    // has changed, and the user is to be told.
    bool placeholderAdded = false;
};

// The display name of the customer with this number (GetCustomerName). A usable number that the
// table lacks gets the placeholder customer "Customer, Deleted" (first name "Deleted", last name
// "Customer"); later lookups of that number find it like any other customer.
CustomerName getCustomerName(RecordTable& customers, const QString& customerNumber);

// Puts each invoice record's customer name into it, without ArchivePrefix, and sorts the invoice
// records once (AddCustomerNamesToRecords). Returns the customer numbers for which placeholders
// were added, in the order met; when it is not empty the caller tells the user (once per number)
// and counts the data as changed. Running it again gives the same records.
QStringList addCustomerNamesToRecords(Database& database);

// Looks up the name an invoice record shows for its customer: the display name without
// ArchivePrefix. Keeps its key buffer between lookups, which come by the million in a load.
class InvoiceCustomerNames {
public:
    explicit InvoiceCustomerNames(const RecordTable& customers)
        : customers_(customers)
    {
    }

    // Nothing when the table lacks the customer. The view lives as long as the customer's text.
    std::optional<QStringView> nameOf(QStringView customerNumber);

private:
    const RecordTable& customers_;
    QString key_;
};

} // namespace tav::records
