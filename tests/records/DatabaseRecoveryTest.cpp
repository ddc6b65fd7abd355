// What the reader makes of damaged files: it keeps what is sound, counts what it leaves out,
// and never takes a sound record down with a damaged one.
#include "RecordsTestSupport.h"

#include "records/DatabaseFile.h"
#include "records/DatabaseWriter.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace tav::records::test {
namespace {

QByteArray customers(const QStringList& lines)
{
    return crlfLines(QStringList{"<Customers>"} + lines + QStringList{"</Customers>"});
}

// Every record, and the company information as one entry.
qsizetype entryCount(const Database& database)
{
    return database.customers.count() + database.products.count() + database.periods.count()
        + database.invoiceRecords.count() + (database.company == CompanyInfo() ? 0 : 1);
}

TEST(DatabaseRecovery, recordsWithoutAUsableNumberAreLeftOutAndCounted)
{
    const ReadOutcome outcome = readBytes(customers({
        "<Customer CID=\"0\">",
        "<FName>Zero</FName>",
        "</Customer>",
        "<Customer CID=\"\">",
        "<FName>Empty</FName>",
        "</Customer>",
        "<Customer CID=\"12abc\">",
        "<FName>Junk</FName>",
        "</Customer>",
        "<Customer CID=\"99999999999\">",
        "<FName>Huge</FName>",
        "</Customer>",
        "<Customer CID=\">",
        "<FName>Quote</FName>",
        "</Customer>",
        "<Customer>",
        "<FName>None</FName>",
        "</Customer>",
        "<Customer ID=\"4\">",
        "<FName>Wrong</FName>",
        "</Customer>",
        "<Customer CID = \" 12 \" >",
        "<FName>Spaced</FName>",
        "</Customer>",
    }));
    EXPECT_EQ(entries(outcome.database.customers), QStringList{"12k = Spaced|Spaced|||||||"});
    EXPECT_EQ(outcome.skippedEntries, 7);
}

TEST(DatabaseRecovery, theFirstOfTwoEntriesWithOneKeyIsKept)
{
    const ReadOutcome outcome = readBytes(crlfLines({
        "<Customers>",
        "<Customer CID=\"1\">",
        "<FName>First</FName>",
        "</Customer>",
        "<Customer CID=\"1\">",
        "<FName>Second</FName>",
        "</Customer>",
        "</Customers>",
        "<ProductsAndServices>",
        "<PS PSID=\"2\">",
        "<Item>First</Item>",
        "</PS>",
        "<PS PSID=\"2\">",
        "<Item>Second</Item>",
        "</PS>",
        "</ProductsAndServices>",
        "<BillPeriods>",
        "<BillPeriod>",
        "<BPName>May</BPName>",
        "<BPStart>1</BPStart>",
        "</BillPeriod>",
        "<BillPeriod>",
        "<BPName>May</BPName>",
        "<BPStart>2</BPStart>",
        "</BillPeriod>",
        "</BillPeriods>",
        "<InvoiceRecords>",
        "<InvoiceRecord>",
        "<BP>May</BP>",
        "<CID>1</CID>",
        "<Note>First</Note>",
        "</InvoiceRecord>",
        "<InvoiceRecord>",
        "<BP>May</BP>",
        "<CID>1</CID>",
        "<Note>Second</Note>",
        "</InvoiceRecord>",
        "</InvoiceRecords>",
    }));
    const Database& database = outcome.database;
    EXPECT_TRUE(database.customers.find(QStringLiteral("1k"))->contains(QLatin1String("First")));
    EXPECT_TRUE(database.products.find(QStringLiteral("2k"))->contains(QLatin1String("First")));
    EXPECT_EQ(entries(database.periods), QStringList{"May| = 1|May||"});
    EXPECT_EQ(entries(database.invoiceRecords), QStringList{"May|1| = May|First|1|||First"});
    EXPECT_EQ(outcome.duplicateEntries, 4);
    EXPECT_EQ(outcome.skippedEntries, 0);
}

TEST(DatabaseRecovery, aMissingOrStrayLineCostsNoSoundRecord)
{
    const ReadOutcome outcome = readBytes(
        customers({
            "<Customer CID=\"1\">",
            "<FName>NoClosingLine</FName>",
            "<Customer CID=\"2\">",
            "<FName>AfterIt</FName>",
            "</Customer>",
            "</Customer>",
            "<Customer CID=\"3\">",
            "<FName>AfterAStrayClosingLine</FName>",
            "</Customer>",
            "<FName>LostItsStartLine</FName>",
            "</Customer>",
            "<Customer CID=\"4\">",
            "<FName>Last</FName>",
        })
        + crlfLines({"<BillPeriods>", "<BillPeriod>", "</BillPeriod>", "<BillPeriod>", "", "</BillPeriods>"}));
    EXPECT_EQ(outcome.database.customers.count(), 4);
    EXPECT_TRUE(outcome.database.periods.isEmpty()); // entries without any element are no entries
    EXPECT_EQ(outcome.skippedEntries, 1); // the record that lost its start line
}

TEST(DatabaseRecovery, entriesBehindADamagedSectionLineAreCountedAndNothingElseIsLost)
{
    const qsizetype all = entryCount(readBytes(sampleDatabaseFile()).database);
    const std::pair<const char*, qsizetype> damaged[] = {{"<CompanyInfo>", 1}, {"<Customers>", 3},
                                                         {"<BillPeriods>", 1}, {"<ProductsAndServices>", 2},
                                                         {"<InvoiceRecords>", 2}, {"<TAV-DB>", 0}};
    for (const auto& [line, lost] : damaged) {
        QByteArray bytes = sampleDatabaseFile();
        bytes.insert(bytes.indexOf(line), 'x');
        const ReadOutcome outcome = readBytes(bytes);
        EXPECT_EQ(outcome.skippedEntries, lost) << line;
        EXPECT_EQ(entryCount(outcome.database), all - lost) << line;
    }
}

TEST(DatabaseRecovery, eachFileOfTheCorpusHasItsOutcome)
{
    struct Expected {
        const char* file;
        bool database;
        qsizetype entries;
        qsizetype skipped;
    };
    const Expected corpus[] = {
        {"sample.xml", true, 6, 0},
        {"windows-1252-lf.xml", true, 6, 0},
        {"empty.xml", true, 0, 0},
        {"root-only.xml", true, 0, 0},
        {"plain-text.txt", false, 0, 0},
        {"page.html", false, 0, 0},
        {"utf16le-bom.xml", false, 0, 0},
        {"utf16be.xml", false, 0, 0},
        // One byte before a section's opening line: the section's entries are counted.
        {"section-lines-shifted.xml", true, 0, 6},
        {"products-line-shifted.xml", true, 5, 1},
        {"mixed-encodings.xml", true, 6, 0},
        // Openings of numbered items without the quote that ends their number.
        {"unterminated-numbers.xml", true, 1, 0},
    };
    for (const Expected& expected : corpus) {
        const LoadResult result = loadDatabase(QStringLiteral(TAV_SEED_FOLDER "/") + QLatin1String(expected.file));
        EXPECT_EQ(result.status, expected.database ? LoadResult::Status::Loaded : LoadResult::Status::Unreadable)
            << expected.file;
        EXPECT_EQ(entryCount(result.database), expected.entries) << expected.file;
        EXPECT_EQ(result.skippedEntries, expected.skipped) << expected.file;
    }
    // The text of a file of UTF-8 with a line in Windows-1252 keeps both.
    const Database mixed = loadDatabase(QStringLiteral(TAV_SEED_FOLDER "/mixed-encodings.xml")).database;
    EXPECT_TRUE(mixed.company.texts[CompanyInfo::CompanyName].startsWith(QStringLiteral("M\u00fcller &")));
    EXPECT_TRUE(mixed.customers.find(QStringLiteral("3k"))->startsWith(QStringLiteral("Gr\u00fcn \u20ac, Zo\u00eb")));
}

TEST(DatabaseRecovery, aFileCutAnywhereLoadsWhatIsComplete)
{
    const QByteArray whole = sampleDatabaseFile();
    const qsizetype secondRecord = whole.lastIndexOf("\t\t<InvoiceRecord>");
    const ReadOutcome cutInRecord = readBytes(whole.left(whole.indexOf("<PSID Number=\"2\">")));
    EXPECT_EQ(cutInRecord.database.invoiceRecords.count(), 1);
    EXPECT_EQ(cutInRecord.database.customers.count(), 3);
    EXPECT_EQ(cutInRecord.skippedEntries, 1);
    const ReadOutcome cutBetweenRecords = readBytes(whole.left(secondRecord));
    EXPECT_EQ(cutBetweenRecords.database.invoiceRecords.count(), 1);
    EXPECT_EQ(cutBetweenRecords.skippedEntries, 0);
    const ReadOutcome cutInCompany = readBytes(whole.left(whole.indexOf("</CompanyAdd3>")));
    EXPECT_EQ(cutInCompany.database.company.texts[CompanyInfo::CompanyAdd2], QStringLiteral("Z\u00fcrich"));
    EXPECT_TRUE(cutInCompany.database.company.texts[CompanyInfo::CompanyAdd3].isEmpty());
}

TEST(DatabaseRecovery, everyInputLoadsInTimeLinearInItsSize)
{
    const auto millisecondsToLoad = [](const QByteArray& bytes) {
        QElapsedTimer timer;
        timer.start();
        loadBytes(bytes);
        return timer.elapsed();
    };
    // Inputs that took time quadratic in their size: numbered-item openings without the quote
    // that ends their number, and many small sections of a sorted table, each sorting first.
    const QByteArray openings
        = crlfLines({"<InvoiceRecords>", "<InvoiceRecord>"}) + QByteArray("<PSID Number=\"").repeated(40'000);
    QByteArray sections;
    QByteArray ordinary = "<Customers>\r\n";
    for (int i = 20'000; i > 0; --i) {
        const QByteArray number = QByteArray::number(i).rightJustified(6, '0');
        const QByteArray customer
            = "<Customer CID=\"" + QByteArray::number(i) + "\">\r\n<FName>" + number + "</FName>\r\n</Customer>\r\n";
        sections += "<Customers>\r\n" + customer + "</Customers>\r\n";
        ordinary += customer;
    }
    // Measured against a well-formed file, loaded by the same build on the same machine at the
    // same time.
    const double millisecondsPerByte = double(millisecondsToLoad(ordinary)) / double(ordinary.size());
    for (const QByteArray& bytes : {openings, sections}) {
        EXPECT_LT(millisecondsToLoad(bytes), 10 * millisecondsPerByte * double(bytes.size()) + 100)
            << bytes.left(60).toStdString();
    }
}

TEST(DatabaseRecovery, separatorsInsideValuesAndEmptyItemsAreDropped)
{
    const ReadOutcome outcome = readBytes(crlfLines({
        "<Customers>",
        "<Customer CID=\"1\">",
        "<FName>A\x01"
        "B\x02"
        "C</FName>",
        "</Customer>",
        "</Customers>",
        "<InvoiceRecords>",
        "<InvoiceRecord>",
        "<BP>May\x01</BP>",
        "<CID>1</CID>",
        "<PSID Number=\"1\">7</PSID>",
        "<PSID Number=\"2\"></PSID>",
        "<PSID Number=\"3\">8\x02"
        "9</PSID>",
        "</InvoiceRecord>",
        "</InvoiceRecords>",
    }));
    EXPECT_EQ(entries(outcome.database.customers), QStringList{"1k = ABC|ABC|||||||"});
    EXPECT_EQ(entries(outcome.database.invoiceRecords), QStringList{"May|1| = May|ABC|1||7^89|"});
    // What was read is written so that it reads back the same.
    expectSameDatabase(readBytes(databaseFileBytes(outcome.database)).database, outcome.database);
}

} // namespace
} // namespace tav::records::test
