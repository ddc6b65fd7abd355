#pragma once

#include "ReadReport.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <span>
#include <string>
#include <vector>

namespace tav::records {

inline QByteArrayView shownText(const std::string& text)
{
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size()));
}

// How the records of each table are written in the database file, and a record as the reader
// gathers it from its lines before it goes into its table.

enum class TableKind { Customers, Products, BillPeriods, InvoiceRecords };

struct RecordKind {
    TableKind table;
    QByteArrayView recordName;
    QByteArrayView closingTag;
    QByteArrayView sectionOpeningTag;
    QByteArrayView sectionClosingTag;
    // The attribute of the start line that carries the record's number; empty when there is none.
    QByteArrayView numberAttribute;
    // Element names in the order of the fields they fill.
    std::span<const QByteArrayView> elementNames;
};

// Names in lower case, matched without regard to case.
inline constexpr QByteArrayView kCompanyElements[] = {"companyname",
                                                      "companyadd1",
                                                      "companyadd2",
                                                      "companyadd3",
                                                      "companyphone",
                                                      "companyslogan",
                                                      "generalinvoicedescription",
                                                      "checkspayableto",
                                                      "invoiceclosing"};
inline constexpr QByteArrayView kCustomerElements[]
    = {"fname", "lname", "add1", "add2", "add3", "email", "phone", "notes", "current"};
enum CustomerElement { CustomerCurrent = 8 };
inline constexpr QByteArrayView kProductElements[] = {"item", "itemprice", "current"};
enum ProductElement { Item, ItemPrice, ProductCurrent };
inline constexpr QByteArrayView kBillPeriodElements[] = {"bpstart", "bpname", "bpend", "billdue"};
inline constexpr QByteArrayView kInvoiceRecordElements[] = {"bp", "cid", "accountbalance", "note"};
enum InvoiceElement { Period, CustomerNumber, AccountBalance, Note };
inline constexpr size_t kMostElements = 9;

inline constexpr RecordKind kCustomerKind{TableKind::Customers, "customer",  "/customer", "customers",
                                          "/customers",         "cid",       kCustomerElements};
inline constexpr RecordKind kProductKind{TableKind::Products,     "ps",   "/ps", "productsandservices",
                                         "/productsandservices", "psid", kProductElements};
inline constexpr RecordKind kBillPeriodKind{TableKind::BillPeriods, "billperiod", "/billperiod", "billperiods",
                                            "/billperiods",         {},           kBillPeriodElements};
inline constexpr RecordKind kInvoiceRecordKind{TableKind::InvoiceRecords, "invoicerecord", "/invoicerecord",
                                               "invoicerecords",          "/invoicerecords", {},
                                               kInvoiceRecordElements};
inline constexpr const RecordKind* kRecordKinds[]
    = {&kCustomerKind, &kProductKind, &kBillPeriodKind, &kInvoiceRecordKind};

// A record from its start line to its end: what the start line said, its elements' values as
// written (still escaped), and the lines it stood on. Its buffers are kept from record to record.
struct GatheredRecord {
    // Where a value stands in `values`, and its line.
    struct Value {
        qsizetype offset = -1;
        qsizetype size = 0;
        qsizetype line = 0;
    };
    // A numbered item (<PSID Number="2">) of an invoice record.
    struct Item {
        qsizetype number = 0;
        Value value;
        ReadReport::Lines lines;
    };

    // Nothing while no record is open.
    const RecordKind* kind = nullptr;
    QByteArray number;
    ReadReport::Lines lines;
    // The start line, to show it when the record is not read.
    std::string startText;
    std::string values;
    std::array<Value, kMostElements> found;
    std::vector<Item> items;

    Value store(QByteArrayView value, qsizetype line)
    {
        const Value stored{static_cast<qsizetype>(values.size()), value.size(), line};
        values.append(value.data(), static_cast<size_t>(value.size()));
        return stored;
    }
    QByteArrayView valueOf(const Value& value) const
    {
        return value.offset < 0 ? QByteArrayView() : QByteArrayView(values.data() + value.offset, value.size);
    }
    QByteArrayView value(size_t element) const { return valueOf(found[element]); }
    // The line of an element, or the start line when the record has none.
    qsizetype lineOf(size_t element) const { return found[element].offset < 0 ? lines.first : found[element].line; }
    void clear()
    {
        kind = nullptr;
        values.clear();
        found.fill(Value());
        items.clear();
    }
};

} // namespace tav::records
