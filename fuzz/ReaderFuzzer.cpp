// libFuzzer target for the database reader. Whatever the bytes, reading must not fail, and what
// is read must save and read back as the very same tables, with nothing left out the second time.
#include "records/ByteSource.h"
#include "records/CustomerNames.h"
#include "records/DatabaseReader.h"
#include "records/DatabaseWriter.h"

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

Database load(QByteArrayView bytes, qsizetype& skipped)
{
    MemoryByteSource source(bytes);
    ReadOutcome outcome = readDatabase(source);
    addCustomerNamesToRecords(outcome.database);
    skipped = outcome.skippedEntries + outcome.duplicateEntries;
    return std::move(outcome.database);
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
    qsizetype skipped = 0;
    const Database first = load(QByteArrayView(data, static_cast<qsizetype>(size)), skipped);
    const QByteArray saved = databaseFileBytes(first);
    const Database second = load(saved, skipped);
    require(skipped == 0, "a saved file has entries that cannot be read");
    require(sameTable(first.customers, second.customers) && sameTable(first.products, second.products)
                && sameTable(first.periods, second.periods) && sameTable(first.invoiceRecords, second.invoiceRecords)
                && first.company == second.company,
            "a saved file reads back different");
    require(databaseFileBytes(second) == saved, "saving twice gives different bytes");
    return 0;
}
