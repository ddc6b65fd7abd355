#include "RecordsTestSupport.h"

#include "records/ByteSource.h"
#include "records/CustomerNames.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"

#include <gtest/gtest.h>

namespace tav::records::test {

ReadOutcome readBytes(QByteArrayView bytes)
{
    MemoryByteSource source(bytes);
    return readDatabase(source);
}

ReadOutcome loadOutcome(QByteArrayView bytes)
{
    ReadOutcome outcome = readBytes(bytes);
    addCustomerNamesToRecords(outcome.database);
    return outcome;
}

Database loadBytes(QByteArrayView bytes)
{
    return loadOutcome(bytes).database;
}

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

namespace {

template <class Table>
QStringList entriesOf(const Table& table)
{
    QStringList shown;
    for (qsizetype i = 1; i <= table.count(); ++i) {
        QString entry = table.keyAt(i) + QLatin1String(" = ") + table.textAt(i);
        shown << entry.replace(FieldSeparator, QLatin1Char('|')).replace(ItemSeparator, QLatin1Char('^'));
    }
    return shown;
}

} // namespace

QStringList entries(const RecordTable& table)
{
    return entriesOf(table);
}

QStringList entries(const InvoiceRecordTable& table)
{
    return entriesOf(table);
}

void expectSameDatabase(const Database& actual, const Database& expected)
{
    EXPECT_EQ(entries(actual.customers), entries(expected.customers));
    EXPECT_EQ(entries(actual.products), entries(expected.products));
    EXPECT_EQ(entries(actual.periods), entries(expected.periods));
    EXPECT_EQ(entries(actual.invoiceRecords), entries(expected.invoiceRecords));
    EXPECT_TRUE(actual.company == expected.company);
}

Database sampleDatabase()
{
    Database database;
    database.company.texts = {QStringLiteral("Smith & Sons <Lawn> 'Care' \"Co\""),
                              QStringLiteral("12 Main St"),
                              QStringLiteral("Z\u00fcrich"),
                              QStringLiteral("IL 62701"),
                              QStringLiteral("555-0100"),
                              QStringLiteral("Green & clean"),
                              QStringLiteral("Monthly service"),
                              QStringLiteral("Smith & Sons"),
                              QStringLiteral("Thank you!")};
    CustomerRecord anna;
    anna.values = {QStringLiteral("Anna"),
                   QStringLiteral("Smith"),
                   QStringLiteral("1 Oak St"),
                   {},
                   {},
                   {},
                   {},
                   QStringLiteral("Gate code 4\r\nDog\tinside")};
    CustomerRecord bob;
    bob.values = {QStringLiteral("Bob"), QStringLiteral("Jones"), QStringLiteral("2 Elm St"), {}, {}, {}, {}, {}};
    bob.archived = true;
    CustomerRecord cher;
    cher.values[0] = QStringLiteral("Cher");
    database.customers.add(QStringLiteral("1k"), anna.text());
    database.customers.add(QStringLiteral("2k"), bob.text());
    database.customers.add(QStringLiteral("007k"), cher.text()); // leading zeros are part of the number
    database.products.add(QStringLiteral("7k"),
                          ProductRecord{1250, QStringLiteral("$12.50"), QStringLiteral("Lawn mowing"), false}.text());
    database.products.add(QStringLiteral("8k"),
                          ProductRecord{50, QStringLiteral("$0.50"), QStringLiteral("A - B"), true}.text());
    const BillPeriodRecord period{QStringLiteral("2006/01/01"), QStringLiteral("January 2006"),
                                  QStringLiteral("2006/01/31"), QStringLiteral("2006/02/15")};
    database.periods.add(period.name + FieldSeparator, period.text());
    // In the order a load sorts them: by period, then customer name.
    const InvoiceRecord cherPaid{period.name,         QStringLiteral("Cher"), QStringLiteral("007"),
                                 QStringLiteral("0"), QStringLiteral("7"),    {}};
    const InvoiceRecord annaOwes{period.name,
                                 QStringLiteral("Smith, Anna"),
                                 QStringLiteral("1"),
                                 QStringLiteral("123456.78"),
                                 itemListText({{7, 1}, {8, 3}}),
                                 QStringLiteral("Check #12")};
    database.invoiceRecords.add(cherPaid.key(), cherPaid.text());
    database.invoiceRecords.add(annaOwes.key(), annaOwes.text());
    return database;
}

QByteArray sampleDatabaseFile()
{
    return crlfLines({
        "<TAV-DB>",
        "",
        "\t<CompanyInfo>",
        "\t\t<CompanyName>Smith &amp; Sons &lt;Lawn&gt; &apos;Care&apos; &quot;Co&quot;</CompanyName>",
        "\t\t<CompanyAdd1>12 Main St</CompanyAdd1>",
        QStringLiteral("\t\t<CompanyAdd2>Z\u00fcrich</CompanyAdd2>"),
        "\t\t<CompanyAdd3>IL 62701</CompanyAdd3>",
        "\t\t<CompanyPhone>555-0100</CompanyPhone>",
        "\t\t<GeneralInvoiceDescription>Monthly service</GeneralInvoiceDescription>",
        "\t\t<ChecksPayableTo>Smith &amp; Sons</ChecksPayableTo>",
        "\t\t<CompanySlogan>Green &amp; clean</CompanySlogan>",
        "\t\t<InvoiceClosing>Thank you!</InvoiceClosing>",
        "\t</CompanyInfo>",
        "",
        "\t<Customers>",
        "\t\t<Customer CID=\"007\">",
        "\t\t\t<FName>Cher</FName>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</Customer>",
        "\t\t<Customer CID=\"1\">",
        "\t\t\t<FName>Anna</FName>",
        "\t\t\t<LName>Smith</LName>",
        "\t\t\t<Add1>1 Oak St</Add1>",
        "\t\t\t<Notes>Gate code 4&#13;&#10;Dog&#9;inside</Notes>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</Customer>",
        "\t\t<Customer CID=\"2\">",
        "\t\t\t<FName>Bob</FName>",
        "\t\t\t<LName>Jones</LName>",
        "\t\t\t<Add1>2 Elm St</Add1>",
        "\t\t\t<Current>No</Current>",
        "\t\t</Customer>",
        "\t</Customers>",
        "",
        "\t<BillPeriods>",
        "\t\t<BillPeriod>",
        "\t\t\t<BPName>January 2006</BPName>",
        "\t\t\t<BPStart>2006/01/01</BPStart>",
        "\t\t\t<BPEnd>2006/01/31</BPEnd>",
        "\t\t\t<BillDue>2006/02/15</BillDue>",
        "\t\t</BillPeriod>",
        "\t</BillPeriods>",
        "",
        "\t<ProductsAndServices>",
        "\t\t<PS PSID=\"8\">",
        "\t\t\t<Item>A - B</Item>",
        "\t\t\t<ItemPrice>$0.50</ItemPrice>",
        "\t\t\t<Current>No</Current>",
        "\t\t</PS>",
        "\t\t<PS PSID=\"7\">",
        "\t\t\t<Item>Lawn mowing</Item>",
        "\t\t\t<ItemPrice>$12.50</ItemPrice>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</PS>",
        "\t</ProductsAndServices>",
        "",
        "\t<InvoiceRecords>",
        "\t\t<InvoiceRecord>",
        "\t\t\t<BP>January 2006</BP>",
        "\t\t\t<CID>007</CID>",
        "\t\t\t<AccountBalance>0</AccountBalance>",
        "\t\t\t<PSID Number=\"1\">7</PSID>",
        "\t\t</InvoiceRecord>",
        "\t\t<InvoiceRecord>",
        "\t\t\t<BP>January 2006</BP>",
        "\t\t\t<CID>1</CID>",
        "\t\t\t<AccountBalance>123456.78</AccountBalance>",
        "\t\t\t<PSID Number=\"1\">7</PSID>",
        "\t\t\t<PSID Number=\"2\">8x3</PSID>",
        "\t\t\t<Note>Check #12</Note>",
        "\t\t</InvoiceRecord>",
        "\t</InvoiceRecords>",
        "",
        "</TAV-DB>",
    });
}

} // namespace tav::records::test
