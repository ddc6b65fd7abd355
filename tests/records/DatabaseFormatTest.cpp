// The database file's exact bytes, and reading the forms older and hand-edited files take.
#include "RecordsTestSupport.h"

#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"

#include <gtest/gtest.h>

namespace tav::records::test {
namespace {

TEST(DatabaseFormat, emptyDatabaseIsTheEighteenLinesOfTheFrame)
{
    const QByteArray expected
        = crlfLines({"<TAV-DB>", "", "\t<CompanyInfo>", "\t</CompanyInfo>", "", "\t<Customers>", "\t</Customers>", "",
                     "\t<BillPeriods>", "\t</BillPeriods>", "", "\t<ProductsAndServices>", "\t</ProductsAndServices>",
                     "", "\t<InvoiceRecords>", "\t</InvoiceRecords>", "", "</TAV-DB>"});
    EXPECT_EQ(databaseFileBytes(Database()), expected);
    EXPECT_EQ(expected.count("\r\n"), 18);
}

TEST(DatabaseFormat, everyKindOfTextIsWrittenToTheExpectedBytes)
{
    EXPECT_EQ(databaseFileBytes(sampleDatabase()).toStdString(), sampleDatabaseFile().toStdString());
}

TEST(DatabaseFormat, balancesAreWrittenInThePlainFormWhateverTheTableHolds)
{
    Database database;
    const InvoiceRecord record{QStringLiteral("May"), {}, QStringLiteral("1"), QStringLiteral("12.50"),
                               QStringLiteral("7"),   {}};
    database.invoiceRecords.add(record.key(), record.text());
    EXPECT_TRUE(databaseFileBytes(database).contains("<AccountBalance>12.5</AccountBalance>"));
}

TEST(DatabaseFormat, loadingAndSavingAFileThisProgramWroteChangesNoByte)
{
    const Database loaded = loadBytes(sampleDatabaseFile());
    EXPECT_EQ(databaseFileBytes(loaded).toStdString(), sampleDatabaseFile().toStdString());
    Database expected = sampleDatabase();
    EXPECT_EQ(entries(loaded.customers), entries(expected.customers));
    EXPECT_EQ(entries(loaded.invoiceRecords), entries(expected.invoiceRecords));
    // Multi-line notes keep their line breaks and tabs.
    EXPECT_EQ(CustomerRecord::fromText(*loaded.customers.find(QStringLiteral("1k")))->values[CustomerRecord::Notes - 1],
              QStringLiteral("Gate code 4\r\nDog\tinside"));
}

TEST(DatabaseFormat, sectionsInAnyOrderTagsInAnyCaseUnknownElementsAndNoRoot)
{
    const ReadOutcome outcome = loadOutcome(crlfLines({
        "<INVOICERECORDS>",
        "<invoicerecord>",
        "<bp>May</bp>",
        "<Cid>5</Cid>",
        "<Colour>red</Colour>",
        "<ACCOUNTBALANCE>3</ACCOUNTBALANCE>",
        "</InvoiceRecord>",
        "</invoicerecords>",
        "<Extra>",
        "<Customer CID=\"9\"><FName>Not read</FName></Customer>",
        "</Extra>",
        "<customers>",
        "<CUSTOMER cid=\"5\">",
        "<fname>Eve</fname>",
        "<Shoe>9</Shoe>",
        "</customer>",
        "</CUSTOMERS>",
    }));
    const Database& loaded = outcome.database;
    // A record is known by its own start line, even outside every section; what is not known is told.
    EXPECT_EQ(entries(loaded.customers), (QStringList{"5k = Eve|Eve|||||||", "9k = Not read|Not read|||||||"}));
    EXPECT_EQ(entries(loaded.invoiceRecords), QStringList{"May|5| = May|Eve|5|3||"});
    EXPECT_EQ(outcome.report.linesNotRead, (std::vector<ReadReport::Lines>{{5, 5}, {9, 9}, {11, 11}, {15, 15}}));
    EXPECT_TRUE(outcome.report.cutShort);
}

TEST(DatabaseFormat, everyLineEndReadsAlike)
{
    const QByteArray crlf = sampleDatabaseFile();
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    QByteArray mixed = lf;
    mixed.replace("</Customer>\n", "</Customer>\r");
    const Database expected = loadBytes(crlf);
    for (const QByteArray& bytes : {lf, cr, mixed})
        expectSameDatabase(loadBytes(bytes), expected);
}

TEST(DatabaseFormat, eachLineIsReadAsUtf8WhenItIsAndAsWindows1252Otherwise)
{
    const QByteArray windows = "<Customers>\r\n<Customer CID=\"1\">\r\n<FName>Ren\xE9</FName>\r\n"
                               "<Notes>\x80 5 \x93ok\x94</Notes>\r\n</Customer>\r\n</Customers>\r\n";
    const auto customer = CustomerRecord::fromText(*readBytes(windows).database.customers.find(QStringLiteral("1k")));
    EXPECT_EQ(customer->values[0], QStringLiteral("Ren\u00e9"));
    EXPECT_EQ(customer->values[7], QStringLiteral("\u20ac 5 \u201cok\u201d"));

    // One stray byte in a file of UTF-8 costs the rest of the file nothing.
    QByteArray mixed = windows;
    mixed.replace("Ren\xE9", "Ren\xC3\xA9")
        .replace("<Customer CID=\"1\">", "<Customer CID=\"1\">\r\n<LName>Gr\xC3\xBCn</LName>");
    const auto fromMixed
        = CustomerRecord::fromText(*readBytes("\xEF\xBB\xBF" + mixed).database.customers.find(QStringLiteral("1k")));
    EXPECT_EQ(fromMixed->values[0], QStringLiteral("Ren\u00e9"));
    EXPECT_EQ(fromMixed->values[1], QStringLiteral("Gr\u00fcn"));
    EXPECT_EQ(fromMixed->values[7], QStringLiteral("\u20ac 5 \u201cok\u201d"));

    // A line of both keeps each, and is told: its text may not be what was meant.
    mixed.replace("Gr\xC3\xBCn", "Gr\xC3\xBCn M\xFCller");
    const ReadOutcome both = readBytes(mixed);
    EXPECT_EQ(CustomerRecord::fromText(*both.database.customers.find(QStringLiteral("1k")))->values[1],
              QStringLiteral("Gr\u00fcn M\u00fcller"));
    EXPECT_EQ(both.report.mixedLineCount, 1);
    ASSERT_EQ(both.report.firstMixedLines.size(), 1);
    EXPECT_EQ(both.report.firstMixedLines[0].lines.first, 3);
    EXPECT_EQ(both.report.firstMixedLines[0].text, QStringLiteral("<LName>Gr\u00fcn M\u00fcller</LName>"));
}

TEST(DatabaseFormat, aZeroByteFileAndARootOnlyFileAreEmptyDatabasesAndOtherTextIsNoDatabase)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("<TAV-DB>\r\n</TAV-DB>\r\n")}) {
        const ReadOutcome outcome = readBytes(bytes);
        EXPECT_FALSE(outcome.readFailed);
        EXPECT_EQ(outcome.database.customers.count() + outcome.database.invoiceRecords.count(), 0);
        EXPECT_TRUE(outcome.report.isEmpty());
    }
    for (const QByteArray& bytes : {QByteArray("\r\n"), QByteArray("Customers\r\nAnna Smith\r\n"),
                                    QByteArray("<Customer CID=\"1\">\r\n<FName>Anna</FName>\r\n")}) {
        const ReadOutcome outcome = readBytes(bytes);
        EXPECT_TRUE(outcome.readFailed) << bytes.toStdString();
        EXPECT_EQ(outcome.readError, "Not a TAV database file");
    }
}

TEST(DatabaseFormat, recordsReadAsTheOldProgramWroteThem)
{
    const Database loaded = loadBytes(crlfLines({
        "<Customers>",
        "<Customer CID=\"12\">",
        "<FName>Anna</FName>",
        "<Current>NO</Current>",
        "</Customer>",
        "<Customer CID=\"13\">",
        "<LName>Lee</LName>",
        "<Current>Maybe</Current>",
        "</Customer>",
        "<Customer CID=\"14\">",
        "<FName>Multi</FName>",
        "<Notes>first line",
        "second line</Notes>",
        "</Customer>",
        "</Customers>",
        "<ProductsAndServices>",
        "<PS PSID=\"3\">",
        "<Item>Mow</Item>",
        "<ItemPrice>$1,260.00</ItemPrice>",
        "</PS>",
        "</ProductsAndServices>",
        "<InvoiceRecords>",
        "<InvoiceRecord>",
        "<BP>P</BP>",
        "<CID>12</CID>",
        "<AccountBalance>1.234568E+07</AccountBalance>",
        "<PSID Number=\"1\">3</PSID>",
        "<PSID Number=\"2\">4x2</PSID>",
        "<PSID Number=\"4\">9</PSID>",
        "</InvoiceRecord>",
        "<InvoiceRecord>",
        "<BP>Q</BP>",
        "<CID>13</CID>",
        "<AccountBalance>12,50</AccountBalance>",
        "</InvoiceRecord>",
        "</InvoiceRecords>",
    }));
    EXPECT_EQ(entries(loaded.customers),
              (QStringList{"13k = Lee, ||Lee||||||", "14k = Multi|Multi|||||||first linesecond line",
                           QStringLiteral("12k = zzzz\u00bbAnna|Anna|||||||")}));
    EXPECT_EQ(entries(loaded.products), QStringList{"3k = 000001260.00$1,260.00 - Mow"});
    EXPECT_EQ(entries(loaded.invoiceRecords),
              (QStringList{"P|12| = P|Anna|12|12345680|3^4x2|", "Q|13| = Q|Lee, |13|12.5||"}));
}

} // namespace
} // namespace tav::records::test
