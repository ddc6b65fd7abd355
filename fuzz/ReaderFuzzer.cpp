// libFuzzer target for the database reader. Whatever the bytes, reading must not fail, whatever a
// save leaves out of them the load must have told by its lines, and what is read must save and
// read back as the very same tables, with nothing left out the second time.
#include "records/ByteSource.h"
#include "records/CustomerNames.h"
#include "records/DatabaseReader.h"
#include "records/DatabaseWriter.h"
#include "records/LossCheck.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace tav::records;

template <class Table>
bool sameTable(const Table& a, const Table& b)
{
    if (a.count() != b.count())
        return false;
    for (qsizetype i = 1; i <= a.count(); ++i) {
        if (a.keyAt(i) != b.keyAt(i) || a.textAt(i) != b.textAt(i))
            return false;
    }
    return true;
}

ReadOutcome load(QByteArrayView bytes)
{
    MemoryByteSource source(bytes);
    ReadOutcome outcome = readDatabase(source);
    addCustomerNamesToRecords(outcome.database);
    return outcome;
}

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "database reader: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const ReadOutcome read = load(bytes);
    // Bytes that are no database are never written over.
    if (read.readFailed)
        return 0;
    const Database& first = read.database;
    const QByteArray saved = databaseFileBytes(first);
    const QString loss = tav::records::test::firstUnreportedLoss(bytes, read.report, saved);
    if (!loss.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(loss));
    require(loss.isEmpty(), "a save leaves out what the load did not tell");
    const ReadOutcome reread = load(saved);
    const Database& second = reread.database;
    require(!reread.report.leftOutAnything(), "a saved file has entries that cannot be read");
    require(sameTable(first.customers, second.customers) && sameTable(first.products, second.products)
                && sameTable(first.periods, second.periods) && sameTable(first.invoiceRecords, second.invoiceRecords)
                && first.company == second.company,
            "a saved file reads back different");
    require(databaseFileBytes(second) == saved, "saving twice gives different bytes");
    return 0;
}
