#include "DatabaseWriter.h"

#include "FieldView.h"
#include "Money.h"
#include "RecordFormats.h"
#include "Separators.h"
#include "VectorState.h"

#include <array>

namespace tav::records {

namespace {

using namespace Qt::StringLiterals;

// The first count fields of a record's text; fields the text lacks are empty, fields beyond
// count are ignored.
template <size_t count>
std::array<QStringView, count> fieldsOf(QStringView text)
{
    std::array<QStringView, count> fields;
    qsizetype start = 0;
    for (size_t i = 0; i < count && start <= text.size(); ++i) {
        qsizetype end = text.indexOf(FieldSeparator, start);
        if (end < 0)
            end = text.size();
        fields[i] = text.sliced(start, end - start);
        start = end + 1;
    }
    return fields;
}

QStringView currentText(bool archived)
{
    return archived ? QStringView(u"No") : QStringView(u"Yes");
}

class DatabaseWriter {
public:
    explicit DatabaseWriter(ByteSink& sink)
        : out_(sink)
    {
    }

    bool write(const Database& database)
    {
        writeCompanyInfoXml(database.company);
        writeCustomersXml(database.customers);
        writeBillPeriodsXml(database.periods);
        writeProductsXml(database.products);
        writeInvoiceRecordsXml(database.invoiceRecords);
        return out_.finish();
    }

private:
    void writeCompanyInfoXml(const CompanyInfo& company);
    void writeCustomersXml(const RecordTable& customers);
    void writeBillPeriodsXml(const RecordTable& periods);
    void writeProductsXml(const RecordTable& products);
    void writeInvoiceRecordsXml(const InvoiceRecordTable& invoiceRecords);

    XmlLineWriter out_;
};

void DatabaseWriter::writeCompanyInfoXml(const CompanyInfo& company)
{
    out_.writeXmlLine(0, "<TAV-DB>"_L1);
    out_.writeXmlLine(0, ""_L1);
    out_.writeXmlLine(1, "<CompanyInfo>"_L1);
    static constexpr std::pair<QLatin1StringView, CompanyInfo::Box> elements[] = {
        {"CompanyName"_L1, CompanyInfo::CompanyName},
        {"CompanyAdd1"_L1, CompanyInfo::CompanyAdd1},
        {"CompanyAdd2"_L1, CompanyInfo::CompanyAdd2},
        {"CompanyAdd3"_L1, CompanyInfo::CompanyAdd3},
        {"CompanyPhone"_L1, CompanyInfo::CompanyPhone},
        {"GeneralInvoiceDescription"_L1, CompanyInfo::GeneralInvoiceDescription},
        {"ChecksPayableTo"_L1, CompanyInfo::ChecksPayableTo},
        {"CompanySlogan"_L1, CompanyInfo::CompanySlogan},
        {"InvoiceClosing"_L1, CompanyInfo::InvoiceClosing},
    };
    for (const auto& [name, box] : elements)
        out_.writeXmlLine(2, name, company.texts[box]);
    out_.writeXmlLine(1, "</CompanyInfo>"_L1);
    out_.writeXmlLine(0, ""_L1);
}

void DatabaseWriter::writeCustomersXml(const RecordTable& customers)
{
    out_.writeXmlLine(1, "<Customers>"_L1);
    for (qsizetype i = 1; i <= customers.count(); ++i) {
        out_.writeStartLine(2, "Customer"_L1, "CID"_L1, keyNumberText(customers.keyAt(i)));
        const auto fields = fieldsOf<CustomerRecord::FieldCount>(customers.textAt(i));
        static constexpr QLatin1StringView elementOfField[]
            = {{}, "FName"_L1, "LName"_L1, "Add1"_L1, "Add2"_L1, "Add3"_L1, "Email"_L1, "Phone"_L1, "Notes"_L1};
        for (int field = CustomerRecord::FName; field < CustomerRecord::FieldCount; ++field)
            out_.writeXmlLine(3, elementOfField[field], fields[static_cast<size_t>(field)]);
        out_.writeXmlLine(3, "Current"_L1, currentText(fields[CustomerRecord::DisplayName].startsWith(ArchivePrefix)));
        out_.writeXmlLine(2, "</Customer>"_L1);
    }
    out_.writeXmlLine(1, "</Customers>"_L1);
}

void DatabaseWriter::writeBillPeriodsXml(const RecordTable& periods)
{
    out_.writeXmlLine(0, ""_L1);
    out_.writeXmlLine(1, "<BillPeriods>"_L1);
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        const auto fields = fieldsOf<BillPeriodRecord::FieldCount>(periods.textAt(i));
        out_.writeXmlLine(2, "<BillPeriod>"_L1);
        out_.writeXmlLine(3, "BPName"_L1, fields[BillPeriodRecord::Name]);
        out_.writeXmlLine(3, "BPStart"_L1, fields[BillPeriodRecord::Start]);
        out_.writeXmlLine(3, "BPEnd"_L1, fields[BillPeriodRecord::End]);
        out_.writeXmlLine(3, "BillDue"_L1, fields[BillPeriodRecord::BillDue]);
        out_.writeXmlLine(2, "</BillPeriod>"_L1);
    }
    out_.writeXmlLine(1, "</BillPeriods>"_L1);
}

void DatabaseWriter::writeProductsXml(const RecordTable& products)
{
    out_.writeXmlLine(0, ""_L1);
    out_.writeXmlLine(1, "<ProductsAndServices>"_L1);
    for (qsizetype i = 1; i <= products.count(); ++i) {
        const ProductRecord product = ProductRecord::fromText(products.textAt(i));
        out_.writeStartLine(2, "PS"_L1, "PSID"_L1, keyNumberText(products.keyAt(i)));
        out_.writeXmlLine(3, "Item"_L1, product.name);
        out_.writeXmlLine(3, "ItemPrice"_L1, product.priceText);
        out_.writeXmlLine(3, "Current"_L1, currentText(product.archived));
        out_.writeXmlLine(2, "</PS>"_L1);
    }
    out_.writeXmlLine(1, "</ProductsAndServices>"_L1);
}

void DatabaseWriter::writeInvoiceRecordsXml(const InvoiceRecordTable& invoiceRecords)
{
    out_.writeXmlLine(0, ""_L1);
    out_.writeXmlLine(1, "<InvoiceRecords>"_L1);
    for (qsizetype i = 1; i <= invoiceRecords.count(); ++i) {
        out_.writeXmlLine(2, "<InvoiceRecord>"_L1);
        out_.writeXmlLine(3, "BP"_L1, invoiceRecords.fieldAt(i, InvoiceRecord::Period));
        out_.writeXmlLine(3, "CID"_L1, invoiceRecords.fieldAt(i, InvoiceRecord::CustomerNumber));
        // The fields after the number in one pass: read one by one, they took a good part of a save.
        const auto [balance, items, note] = fieldViews<3>(invoiceRecords.restAt(i));
        static_assert(InvoiceRecord::AccountBalance == 3 && InvoiceRecord::Items == 4 && InvoiceRecord::Note == 5);
        out_.writeXmlLine(3, "AccountBalance"_L1,
                          isPlainBalanceText(balance) ? balance : QStringView(plainBalanceText(balance)));
        // Entries are numbered without gaps: the reader stops at the first number missing.
        qsizetype number = 0;
        for (const QStringView entry : items.tokenize(ItemSeparator, Qt::SkipEmptyParts))
            out_.writeNumberedXmlLine(3, "PSID"_L1, "Number"_L1, ++number, entry);
        out_.writeXmlLine(3, "Note"_L1, note);
        out_.writeXmlLine(2, "</InvoiceRecord>"_L1);
    }
    out_.writeXmlLine(1, "</InvoiceRecords>"_L1);
    out_.writeXmlLine(0, ""_L1);
    out_.writeXmlLine(0, "</TAV-DB>"_L1);
}

} // namespace

bool writeDatabase(const Database& database, ByteSink& sink)
{
    clearUpperVectorState();
    return DatabaseWriter(sink).write(database);
}

QByteArray databaseFileBytes(const Database& database)
{
    MemoryByteSink sink;
    writeDatabase(database, sink);
    return sink.bytes;
}

} // namespace tav::records
