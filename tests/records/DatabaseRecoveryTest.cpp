// What the reader makes of damaged files: it keeps what is sound, tells every line it leaves out by
// its number, and never takes a sound record down with a damaged one.
#include "RecordsTestSupport.h"

#include "records/DatabaseFile.h"
#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"

#include <gtest/gtest.h>

namespace tav::records::test {
namespace {

using Lines = std::vector<ReadReport::Lines>;

// A database file of the given lines between the root lines, line 1 being "<TAV-DB>".
QByteArray database(const QStringList& lines)
{
    return crlfLines(QStringList{"<TAV-DB>"} + lines + QStringList{"</TAV-DB>"});
}

QByteArray customers(const QStringList& lines)
{
    return database(QStringList{"<Customers>"} + lines + QStringList{"</Customers>"});
}

// Every record, and the company information as one entry.
qsizetype entryCount(const Database& database)
{
    return database.customers.count() + database.products.count() + database.periods.count()
        + database.invoiceRecords.count() + (database.company == CompanyInfo() ? 0 : 1);
}

TEST(DatabaseRecovery, recordsWithoutAUsableNumberAreLeftOutAndTheirLinesTold)
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
    // Seven records of three lines each, from line 3 on: one run.
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{3, 23}}));
    EXPECT_EQ(outcome.report.lineCountNotRead, 21);
    EXPECT_EQ(outcome.report.firstLinesNotRead.first().text, "<Customer CID=\"0\">");
    EXPECT_FALSE(outcome.report.cutShort);
}

TEST(DatabaseRecovery, theFirstOfTwoEntriesWithOneKeyIsKeptAndTheOtherNamesIt)
{
    const ReadOutcome outcome = readBytes(database({
        "<Customers>",                                    // 2
        "<Customer CID=\"1\">",                           // 3
        "<FName>First</FName>",                           //
        "<LName>Smith</LName>",                           //
        "</Customer>",                                    // 6
        "<Customer CID=\"1\">",                           // 7
        "<FName>Second</FName>",                          //
        "</Customer>",                                    // 9
        "</Customers>",                                   //
        "<ProductsAndServices>",                          //
        "<PS PSID=\"2\">",                                //
        "<Item>First</Item>",                             //
        "<ItemPrice>$5.00</ItemPrice>",                   //
        "</PS>",                                          // 15
        "<PS PSID=\"2\">",                                // 16
        "<Item>Second</Item>",                            //
        "</PS>",                                          // 18
        "</ProductsAndServices>",                         //
        "<BillPeriods>",                                  // 20
        "<BillPeriod>",                                   //
        "<BPName>May</BPName>",                           //
        "<BPStart>1</BPStart>",                           //
        "</BillPeriod>",                                  // 24
        "<BillPeriod>",                                   // 25
        "<BPName>May</BPName>",                           //
        "<BPStart>2</BPStart>",                           //
        "</BillPeriod>",                                  // 28
        "</BillPeriods>",                                 //
        "<InvoiceRecords>",                               // 30
        "<InvoiceRecord>",                                //
        "<BP>May</BP>",                                   //
        "<CID>1</CID>",                                   //
        "<Note>First</Note>",                             //
        "</InvoiceRecord>",                               // 35
        "<InvoiceRecord>",                                // 36
        "<BP>May</BP>",                                   //
        "<CID>1</CID>",                                   //
        "<Note>Second</Note>",                            //
        "</InvoiceRecord>",                               // 40
        "</InvoiceRecords>",
    }));
    const Database& database = outcome.database;
    EXPECT_TRUE(database.customers.find(QStringLiteral("1k"))->contains(QLatin1String("First")));
    EXPECT_TRUE(database.products.find(QStringLiteral("2k"))->contains(QLatin1String("First")));
    EXPECT_EQ(entries(database.periods), QStringList{"May| = 1|May||"});
    EXPECT_EQ(entries(database.invoiceRecords), QStringList{"May|1| = May|Smith, First|1|||First"});
    const ReadReport& report = outcome.report;
    EXPECT_EQ(report.duplicateLines, (Lines{{7, 9}, {16, 18}, {25, 28}, {36, 40}}));
    ASSERT_EQ(report.firstDuplicates.size(), 4);
    EXPECT_EQ(report.firstDuplicates[0].kept, "customer 1 (Smith, First)");
    EXPECT_EQ(report.firstDuplicates[1].kept, "product or service 2 ($5.00 - First)");
    EXPECT_EQ(report.firstDuplicates[2].kept, "bill period May");
    EXPECT_EQ(report.firstDuplicates[3].kept, "the invoice record of customer 1 for May");
    EXPECT_TRUE(report.linesNotRead.empty());
}

TEST(DatabaseRecovery, aMissingOrStrayLineCostsNoSoundRecord)
{
    const ReadOutcome outcome = readBytes(database({
        "<Customers>",
        "<Customer CID=\"1\">",
        "<FName>NoClosingLine</FName>",
        "<Customer CID=\"2\">",
        "<FName>AfterIt</FName>",
        "</Customer>",
        "</Customer>", // 8: a stray end line
        "<Customer CID=\"3\">",
        "<FName>AfterAStrayClosingLine</FName>",
        "</Customer>",
        "<FName>LostItsStartLine</FName>", // 12
        "</Customer>", // 13
        "<Customer CID=\"4\">",
        "<FName>Last</FName>",
        "</Customers>",
        "<BillPeriods>",
        "<BillPeriod>",
        "</BillPeriod>",
        "<BillPeriod>",
        "",
        "</BillPeriods>",
    }));
    EXPECT_EQ(outcome.database.customers.count(), 4);
    EXPECT_TRUE(outcome.database.periods.isEmpty()); // entries without any element are no entries
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{8, 8}, {12, 13}}));
    EXPECT_FALSE(outcome.report.cutShort);
}

TEST(DatabaseRecovery, aSectionLineDamagedOrOutOfPlaceCostsNoRecord)
{
    const QByteArray whole = sampleDatabaseFile();
    const Database all = loadBytes(whole);
    const QList<QByteArray> lines = whole.split('\n');
    for (qsizetype section = 0; section < lines.size(); ++section) {
        const QByteArray line = lines[section].trimmed();
        const bool isSectionLine = line.endsWith('>') && !line.contains(' ') && lines[section].count('\t') == 1;
        if (!isSectionLine)
            continue;
        // Damaged: only the line itself is left out, and told by its number.
        QList<QByteArray> damaged = lines;
        damaged[section].insert(damaged[section].indexOf('<') + 1, 'x');
        const ReadOutcome outcome = loadOutcome(damaged.join('\n'));
        EXPECT_EQ(outcome.report.linesNotRead, (Lines{{section + 1, section + 1}})) << line.toStdString();
        expectSameDatabase(outcome.database, all);
        // Out of place: before each record start line of the file, it costs nothing at all.
        for (qsizetype at = 0; at < lines.size(); ++at) {
            if (!lines[at].contains("\t\t<") || lines[at].contains("\t\t\t") || lines[at].contains("</"))
                continue;
            QList<QByteArray> moved = lines;
            moved.insert(at, lines[section]);
            moved.removeAt(at < section ? section + 1 : section);
            const ReadOutcome read = loadOutcome(moved.join('\n'));
            EXPECT_FALSE(read.report.leftOutAnything()) << line.toStdString() << " before line " << at + 1;
            expectSameDatabase(read.database, all);
        }
    }
}

TEST(DatabaseRecovery, recordsWhoseLineBreaksWereLostAreAllRead)
{
    // Every line end of the file lost in turn, as one byte lost in a file of LF line ends.
    const QByteArray whole = sampleDatabaseFile();
    const Database all = loadBytes(whole);
    for (qsizetype end = whole.indexOf("\r\n"); end >= 0 && end + 2 < whole.size();
         end = whole.indexOf("\r\n", end + 1)) {
        QByteArray joined = whole;
        joined.remove(end, 2);
        const ReadOutcome outcome = loadOutcome(joined);
        EXPECT_FALSE(outcome.report.leftOutAnything()) << joined.mid(end - 20, 40).toStdString();
        expectSameDatabase(outcome.database, all);
    }
    // A whole record on one line, and two on one line.
    const ReadOutcome oneLine = readBytes(customers({
        "<Customer CID=\"1\"><FName>Anna</FName><LName>Smith</LName></Customer><Customer CID=\"2\"><FName>Bo</FName>",
        "</Customer>",
    }));
    EXPECT_EQ(entries(oneLine.database.customers),
              (QStringList{"2k = Bo|Bo|||||||", "1k = Smith, Anna|Anna|Smith||||||"}));
    EXPECT_TRUE(oneLine.report.isEmpty());
}

TEST(DatabaseRecovery, aDamagedTagNeverEmptiesAFieldOrChangesAnArchiveMarkUntold)
{
    const ReadOutcome outcome = readBytes(customers({
        "<Customer CID=\"1\">",            // 3
        "<FName>Anna</FNme>",              // 4
        "<LName>Smith</LName>",            //
        "<Curent>No</Curent>",             // 6
        "<Notes>Gate</Notes>",             //
        "<Notes>again</Notes>",            // 8: a second element of a kind is not read either
        "<Phone>5<55</Phone>",             // 9
        "</Customer>",
    }));
    EXPECT_EQ(entries(outcome.database.customers), QStringList{"1k = Smith, ||Smith||||||Gate"});
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{4, 4}, {6, 6}, {8, 9}}));
    ASSERT_EQ(outcome.report.firstLinesNotRead.size(), 3);
    EXPECT_EQ(outcome.report.firstLinesNotRead[0].text, "<FName>Anna</FNme>");
    EXPECT_EQ(outcome.report.firstLinesNotRead[1].text, "<Curent>No</Curent>");
}

TEST(DatabaseRecovery, aCurrentEntryWhoseTextWouldReadAsArchivedIsToldAndAProductStaysCurrent)
{
    const ReadOutcome outcome = readBytes(database({
        "<Customers>",                        // 2
        "<Customer CID=\"1\">",               // 3
        "<LName>zzzz\u00bbGone</LName>",      //
        "<Current>Yes</Current>",             // 5
        "</Customer>",                        //
        "</Customers>",                       //
        "<ProductsAndServices>",              //
        "<PS PSID=\"2\">",                    // 9
        "<Item>Mowing</Item>",                //
        "<ItemPrice>zzzz\u00bb5</ItemPrice>", // 11
        "<Current>Yes</Current>",             //
        "</PS>",                              //
        "</ProductsAndServices>",
    }));
    // The customer's name is kept, and the word that it is current, which it cannot keep, is told.
    EXPECT_TRUE(CustomerRecord::fromText(*outcome.database.customers.find(QStringLiteral("1k")))->archived);
    // The product's price text, no price at all, would make it archived: it is not read.
    const ProductRecord product = ProductRecord::fromText(*outcome.database.products.find(QStringLiteral("2k")));
    EXPECT_FALSE(product.archived);
    EXPECT_EQ(product.name, QStringLiteral("Mowing"));
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{5, 5}, {11, 11}}));
    EXPECT_EQ(outcome.report.unreadableAmountCount(), 1);
}

TEST(DatabaseRecovery, aValueBrokenOverLinesByAnOlderFileIsReadWhole)
{
    const ReadOutcome outcome = readBytes(customers({
        "<Customer CID=\"1\">",
        "<FName>",
        "Anna</FName>",
        "<Notes>Gate code 4",
        "",
        "Dog inside</Notes>",
        "<Add1>never closed",
        "<Phone>555</Phone>",
        "</Customer>",
    }));
    EXPECT_EQ(entries(outcome.database.customers), QStringList{"1k = Anna|Anna||||||555|Gate code 4Dog inside"});
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{9, 9}}));
}

TEST(DatabaseRecovery, eachFileOfTheCorpusHasItsOutcome)
{
    struct Expected {
        const char* file;
        bool database;
        qsizetype entries;
        qsizetype linesNotRead;
        bool cutShort;
    };
    const Expected corpus[] = {
        {"sample.xml", true, 6, 0, false},
        {"windows-1252-lf.xml", true, 6, 0, false},
        {"empty.xml", true, 0, 0, false},
        {"root-only.xml", true, 0, 0, false},
        {"plain-text.txt", false, 0, 0, false},
        {"page.html", false, 0, 0, false},
        {"utf16le-bom.xml", false, 0, 0, false},
        {"utf16be.xml", false, 0, 0, false},
        // One byte before each section's opening line: those five lines are not read, and nothing else.
        {"section-lines-shifted.xml", true, 6, 5, false},
        {"products-line-shifted.xml", true, 6, 1, false},
        {"mixed-encodings.xml", true, 6, 0, false},
        // Numbered items' openings without the quote that ends their number: that line.
        {"unterminated-numbers.xml", true, 1, 1, false},
        // A customer the file ends in, before its end line.
        {"archive-mark-as-first-name.xml", true, 0, 2, true},
    };
    for (const Expected& expected : corpus) {
        const LoadResult result = loadDatabase(QStringLiteral(TAV_SEED_FOLDER "/") + QLatin1String(expected.file));
        EXPECT_EQ(result.status, expected.database ? LoadResult::Status::Loaded : LoadResult::Status::Unreadable)
            << expected.file;
        EXPECT_EQ(entryCount(result.database), expected.entries) << expected.file;
        EXPECT_EQ(result.report.lineCountNotRead, expected.linesNotRead) << expected.file;
        EXPECT_EQ(result.report.cutShort, expected.cutShort) << expected.file;
    }
    // The text of a file of UTF-8 with a line in Windows-1252 keeps both.
    const Database mixed = loadDatabase(QStringLiteral(TAV_SEED_FOLDER "/mixed-encodings.xml")).database;
    EXPECT_TRUE(mixed.company.texts[CompanyInfo::CompanyName].startsWith(QStringLiteral("M\u00fcller &")));
    EXPECT_TRUE(mixed.customers.find(QStringLiteral("3k"))->startsWith(QStringLiteral("Gr\u00fcn \u20ac, Zo\u00eb")));
}

TEST(DatabaseRecovery, aFileCutShortIsToldSoAndLoadsWhatIsComplete)
{
    const QByteArray whole = sampleDatabaseFile();
    const ReadOutcome cutInRecord = readBytes(whole.left(whole.indexOf("\t\t\t<PSID Number=\"2\">")));
    EXPECT_EQ(cutInRecord.database.invoiceRecords.count(), 1);
    EXPECT_EQ(cutInRecord.database.customers.count(), 3);
    EXPECT_EQ(cutInRecord.report.linesNotRead, (Lines{{64, 68}})); // the record the cut went through
    EXPECT_TRUE(cutInRecord.report.cutShort);
    const ReadOutcome cutBetweenRecords = readBytes(whole.left(whole.lastIndexOf("\t\t<InvoiceRecord>")));
    EXPECT_EQ(cutBetweenRecords.database.invoiceRecords.count(), 1);
    EXPECT_TRUE(cutBetweenRecords.report.linesNotRead.empty());
    EXPECT_TRUE(cutBetweenRecords.report.cutShort);
    const ReadOutcome cutInCompany = readBytes(whole.left(whole.indexOf("</CompanyAdd3>")));
    EXPECT_EQ(cutInCompany.database.company.texts[CompanyInfo::CompanyAdd2], QStringLiteral("Z\u00fcrich"));
    EXPECT_TRUE(cutInCompany.database.company.texts[CompanyInfo::CompanyAdd3].isEmpty());
    EXPECT_EQ(cutInCompany.report.linesNotRead, (Lines{{7, 7}}));
    // Only the root's closing line missing: nothing else is lost, but the reader cannot know.
    EXPECT_TRUE(readBytes(whole.left(whole.lastIndexOf("</TAV-DB>"))).report.cutShort);
    EXPECT_FALSE(readBytes(whole).report.cutShort);
}

TEST(DatabaseRecovery, anyInputIsReadInTimeAndMemoryLinearInItsSize)
{
    // An invoice record of numbered items' openings, each without its closing tag, and one closing
    // tag at the end: each value ran to that closing tag, and a file of 250 KB took gigabytes.
    QByteArray openings = crlfLines({"<TAV-DB>", "<InvoiceRecords>", "<InvoiceRecord>", "<BP>May</BP>"});
    for (int k = 1; k <= 12'000; ++k)
        openings += "<PSID Number=\"" + QByteArray::number(k) + "\">7\r\n";
    openings += "</PSID>\r\n" + crlfLines({"</InvoiceRecord>", "</InvoiceRecords>", "</TAV-DB>"});
    ASSERT_GT(openings.size(), 250'000);
    const ReadOutcome outcome = readBytes(openings);
    ASSERT_EQ(outcome.database.invoiceRecords.count(), 1);
    EXPECT_EQ(entries(outcome.database.invoiceRecords), QStringList{"May|| = May|||||"});
    EXPECT_EQ(outcome.report.linesNotRead, (Lines{{5, 12'005}}));
    // Many small sections of a sorted table, in reverse order.
    QByteArray sections = "<TAV-DB>\r\n";
    for (int i = 20'000; i > 0; --i)
        sections += "<Customers>\r\n<Customer CID=\"" + QByteArray::number(i) + "\">\r\n<FName>" + QByteArray::number(i)
            + "</FName>\r\n</Customer>\r\n</Customers>\r\n";
    sections += "</TAV-DB>\r\n";
    const ReadOutcome many = readBytes(sections);
    EXPECT_EQ(many.database.customers.count(), 20'000);
    EXPECT_TRUE(many.report.isEmpty());
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
