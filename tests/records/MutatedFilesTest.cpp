// Thousands of damaged versions of a sample file: none may crash or hang the reader, whatever it
// makes of one must save and read back as the very same tables, and whatever the save leaves out
// the load must have told.
#include "LossCheck.h"
#include "RecordsTestSupport.h"

#include "records/CustomerNames.h"
#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace tav::records::test {
namespace {

class Mutator {
public:
    explicit Mutator(quint32 seed)
        : random_(seed)
    {
    }

    QByteArray mutate(QByteArray bytes)
    {
        const int count = random_.bounded(1, 5);
        for (int i = 0; i < count && !bytes.isEmpty(); ++i) {
            switch (random_.bounded(7)) {
            case 0:
                bytes.truncate(position(bytes));
                break;
            case 1:
                bytes[position(bytes)] = static_cast<char>(random_.bounded(256));
                break;
            case 2:
                bytes.insert(position(bytes), oddByte());
                break;
            case 3:
                bytes = withLines(bytes, [&](QList<QByteArray>& lines) { lines.removeAt(lineIndex(lines)); });
                break;
            case 4:
                bytes = withLines(bytes, [&](QList<QByteArray>& lines) {
                    const QByteArray line = lines[lineIndex(lines)];
                    lines.insert(lineIndex(lines), line);
                });
                break;
            case 5:
                bytes = withLines(
                    bytes, [&](QList<QByteArray>& lines) { lines.swapItemsAt(lineIndex(lines), lineIndex(lines)); });
                break;
            case 6:
                bytes = withHugeNumber(bytes);
                break;
            }
        }
        return bytes;
    }

private:
    qsizetype position(const QByteArray& bytes) { return random_.bounded(static_cast<int>(bytes.size())); }
    qsizetype lineIndex(const QList<QByteArray>& lines) { return random_.bounded(static_cast<int>(lines.size())); }

    QByteArray oddByte()
    {
        static const char odd[]
            = {'\0', '\x01', '\x02', '\r', '\n', '\t', '\x7F', '\x80', '\xE9', '\xFF', '<', '>', '&', '"', ' '};
        return QByteArray(1, odd[random_.bounded(static_cast<int>(sizeof odd))]);
    }

    template <typename Change>
    QByteArray withLines(const QByteArray& bytes, Change change)
    {
        QList<QByteArray> lines = bytes.split('\n');
        change(lines);
        return lines.join('\n');
    }

    QByteArray withHugeNumber(QByteArray bytes)
    {
        static const char* const numbers[] = {"99999999999999999999", "2147483648", "-1", "0", "1e308", "4294967297"};
        const qsizetype at = position(bytes);
        qsizetype digit = at;
        while (digit < bytes.size() && (bytes[digit] < '0' || bytes[digit] > '9'))
            ++digit;
        return digit < bytes.size() ? bytes.replace(digit, 1, numbers[random_.bounded(6)]) : bytes;
    }

    QRandomGenerator random_;
};

void expectWellFormed(const Database& database)
{
    for (qsizetype i = 1; i <= database.customers.count(); ++i)
        ASSERT_TRUE(hasFieldCount(database.customers.textAt(i), CustomerRecord::FieldCount));
    for (qsizetype i = 1; i <= database.periods.count(); ++i)
        ASSERT_TRUE(hasFieldCount(database.periods.textAt(i), BillPeriodRecord::FieldCount));
    for (qsizetype i = 1; i <= database.invoiceRecords.count(); ++i)
        ASSERT_TRUE(hasFieldCount(database.invoiceRecords.textAt(i), InvoiceRecord::FieldCount));
    for (qsizetype i = 1; i <= database.products.count(); ++i)
        ASSERT_FALSE(database.products.textAt(i).left(12).contains(FieldSeparator));
}

TEST(MutatedFiles, neverCrashAndWhatIsReadSavesAndReadsBackTheSame)
{
    QByteArray sample = sampleDatabaseFile();
    // More of every section, and a line end of each kind.
    sample.replace("\t</Customers>",
                   "\t\t<Customer CID=\"4\">\r\n\t\t\t<LName>Lee</LName>\r\n\t\t</Customer>\n\t</Customers>");
    sample.replace("\t</BillPeriods>",
                   "\t\t<BillPeriod>\r\t\t\t<BPName>Feb</BPName>\r\n\t\t</BillPeriod>\r\n\t</BillPeriods>");
    Mutator mutator(20240601);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray mutated = mutator.mutate(sample);
        SCOPED_TRACE(testing::Message() << "round " << round << ": "
                                        << mutated.toPercentEncoding(" <>/=\"\t").toStdString());
        ReadOutcome read = readBytes(mutated);
        addCustomerNamesToRecords(read.database);
        const Database& first = read.database;
        expectWellFormed(first);
        const QByteArray saved = databaseFileBytes(first);
        ASSERT_EQ(firstUnreportedLoss(mutated, read.report, saved), QString());
        const ReadOutcome reread = readBytes(saved);
        ASSERT_FALSE(reread.report.leftOutAnything());
        const Database second = loadBytes(saved);
        expectSameDatabase(second, first);
        ASSERT_EQ(databaseFileBytes(second), saved);
        if (HasFailure())
            break;
    }
}

} // namespace
} // namespace tav::records::test
