#pragma once

#include "InvoiceRecordTable.h"
#include "RecordTable.h"

#include <QString>

#include <array>

namespace tav::records {

// The nine texts of the Company Info page, indexed by the page's box numbers.
struct CompanyInfo {
    enum Box {
        CompanyName,
        CompanyAdd1,
        CompanyAdd2,
        CompanyAdd3,
        CompanyPhone,
        CompanySlogan,
        GeneralInvoiceDescription,
        ChecksPayableTo,
        InvoiceClosing,
        BoxCount
    };

    std::array<QString, BoxCount> texts;

    bool operator==(const CompanyInfo&) const = default;
};

// Everything a database file holds. Customers, products and bill periods keep their entries in
// ascending order of text; invoice records are appended and sorted once after each load.
struct Database {
    RecordTable customers;
    RecordTable products;
    RecordTable periods;
    InvoiceRecordTable invoiceRecords;
    CompanyInfo company;
};

} // namespace tav::records
