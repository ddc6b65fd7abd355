#include "RecordsTestSupport.h"

#include "records/CustomerNames.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"

#include <gtest/gtest.h>

namespace tav::records::test {
namespace {

QByteArray invoiceFile(const QStringList& customerLines, const QStringList& records)
{
    QStringList lines{"<Customers>"};
    lines << customerLines << "</Customers>"
          << "<InvoiceRecords>";
    for (const QString& record : records) {
        const QStringList parts = record.split(QLatin1Char('/'));
        lines << "<InvoiceRecord>"
              << "<BP>" + parts[0] + "</BP>"
              << "<CID>" + parts[1] + "</CID>"
              << "</InvoiceRecord>";
    }
    return crlfLines(lines << "</InvoiceRecords>");
}

TEST(CustomerNames, aMissingCustomerGetsOnePlaceholderHoweverManyRecordsNameIt)
{
    ReadOutcome outcome
        = readBytes(invoiceFile({"<Customer CID=\"2\">", "<FName>Ann</FName>", "<LName>Bell</LName>", "</Customer>"},
                                {"May/2", "May/9", "June/9"}));
    const QStringList placeholders = addCustomerNamesToRecords(outcome.database);
    EXPECT_EQ(placeholders, QStringList{"9"});
    EXPECT_EQ(entries(outcome.database.invoiceRecords),
              (QStringList{"June|9| = June|Customer, Deleted|9|||", "May|2| = May|Bell, Ann|2|||",
                           "May|9| = May|Customer, Deleted|9|||"}));
    const auto placeholder = CustomerRecord::fromText(*outcome.database.customers.find(QStringLiteral("9k")));
    EXPECT_EQ(placeholder->values[0], QStringLiteral("Deleted"));
    EXPECT_EQ(placeholder->values[1], QStringLiteral("Customer"));
    EXPECT_FALSE(placeholder->archived);
    // Naming again changes nothing and adds nobody.
    const QStringList before = entries(outcome.database.invoiceRecords);
    EXPECT_TRUE(addCustomerNamesToRecords(outcome.database).isEmpty());
    EXPECT_EQ(entries(outcome.database.invoiceRecords), before);
}

TEST(CustomerNames, archivedCustomersAreNamedWithoutTheMarkAndBadNumbersGetNoPlaceholder)
{
    ReadOutcome outcome
        = readBytes(invoiceFile({"<Customer CID=\"3\">", "<FName>Old</FName>", "<Current>No</Current>", "</Customer>"},
                                {"B/3", "A/0", "A/x", "A/", "B/-4"}));
    EXPECT_TRUE(addCustomerNamesToRecords(outcome.database).isEmpty());
    EXPECT_EQ(
        entries(outcome.database.invoiceRecords),
        (QStringList{"A|| = A|||||", "A|0| = A||0|||", "A|x| = A||x|||", "B|-4| = B||-4|||", "B|3| = B|Old|3|||"}));
    EXPECT_EQ(outcome.database.customers.count(), 1);
}

TEST(CustomerNames, lookupsForNewRecordsKeepTheArchiveMarkAndRepairOnce)
{
    RecordTable customers;
    CustomerRecord old;
    old.values[0] = QStringLiteral("Old");
    old.archived = true;
    customers.add(QStringLiteral("3k"), old.text());
    EXPECT_EQ(getCustomerName(customers, QStringLiteral("3")).name, ArchivePrefix + QStringLiteral("Old"));
    const CustomerName missing = getCustomerName(customers, QStringLiteral("8"));
    EXPECT_EQ(missing.name, PlaceholderCustomerName);
    EXPECT_TRUE(missing.placeholderAdded);
    EXPECT_FALSE(getCustomerName(customers, QStringLiteral("8")).placeholderAdded);
    EXPECT_EQ(getCustomerName(customers, QStringLiteral("0")).name, QString());
    EXPECT_EQ(customers.count(), 2);
}

} // namespace
} // namespace tav::records::test
