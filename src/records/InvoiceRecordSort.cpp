#include "InvoiceRecordTable.h"

#include "RecordTable.h"
#include "Separators.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace tav::records {

namespace {

// Orders the entries by a key below keys, those with equal keys in the order they stood.
template <typename Entry, typename Key>
void sortStably(std::vector<Entry>& entries, std::vector<Entry>& scratch, quint32 keys, Key key)
{
    std::vector<size_t> starts(static_cast<size_t>(keys) + 1);
    for (const Entry& entry : entries)
        ++starts[key(entry) + 1];
    for (size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    scratch.resize(entries.size());
    for (const Entry& entry : entries)
        scratch[starts[key(entry)]++] = entry;
    entries.swap(scratch);
}

} // namespace

// compareRecordTexts decides field by field, and each of the first three fields is a pooled text:
// ranking the few thousand texts of the pool once gives every entry a key that orders it as the
// comparison would, up to its third field. Only entries whose keys tie are compared in full.
void InvoiceRecordTable::sortByText()
{
    std::vector<Id> byText(static_cast<size_t>(texts_.count()));
    std::iota(byText.begin(), byText.end(), Id(0));
    std::sort(byText.begin(), byText.end(),
        [&](Id a, Id b) { return compareRecordFields(texts_.text(a), texts_.text(b)) < 0; });
    std::vector<quint32> rank(byText.size());
    for (size_t i = 0; i < byText.size(); ++i)
        rank[byText[i]] = static_cast<quint32>(i);

    struct Entry {
        quint32 period; // archived periods after all others, as whole texts that begin with the mark
        quint32 name; // 0 when the text has no such field, so that fewer fields come first
        quint32 number;
        quint32 row;

        bool keyEqual(const Entry& other) const
        {
            return period == other.period && name == other.name && number == other.number;
        }
    };
    const auto rankOf = [&](Id id) { return id == kAbsent ? 0 : rank[id] + 1; };
    const auto ranks = static_cast<quint32>(rank.size() + 1);
    std::vector<Entry> entries(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        const quint32 archived = texts_.text(row.period).startsWith(ArchivePrefix) ? ranks : 0;
        entries[i] = {archived + rank[row.period], rankOf(row.name), rankOf(row.number), static_cast<quint32>(i)};
    }
    // By the last key first, each pass keeping the order of the one before where its key ties:
    // a few passes over the entries, where a comparison sort took a tenth of a load. A file this
    // program wrote holds them in order already.
    const auto keyLess = [](const Entry& a, const Entry& b) {
        return std::tie(a.period, a.name, a.number) < std::tie(b.period, b.name, b.number);
    };
    if (!std::is_sorted(entries.begin(), entries.end(), keyLess)) {
        std::vector<Entry> scratch;
        sortStably(entries, scratch, ranks, [](const Entry& e) { return e.number; });
        sortStably(entries, scratch, ranks, [](const Entry& e) { return e.name; });
        sortStably(entries, scratch, 2 * ranks, [](const Entry& e) { return e.period; });
    }
    // Ties are decided by the fields after the number; a text without them comes first. Each run
    // is in the order of the entries already, and stays so where the rest ties too.
    const auto restLess = [&](const Entry& a, const Entry& b) {
        const Row& x = rows_[a.row];
        const Row& y = rows_[b.row];
        if (x.restStart == kNoRest || y.restStart == kNoRest)
            return x.restStart == kNoRest && y.restStart != kNoRest;
        return compareRecordFields(restOf(x), restOf(y)) < 0;
    };
    for (auto run = entries.begin(); run != entries.end();) {
        const auto end = std::find_if(run + 1, entries.end(), [&](const Entry& e) { return !e.keyEqual(*run); });
        if (end - run > 1)
            std::stable_sort(run, end, restLess);
        run = end;
    }

    // Where no entry moved, the rows and their index stay as they are.
    if (std::all_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.row == &e - entries.data(); }))
        return;
    // The sorted rows keep the room the table had for more: records appended after a load (a new
    // period's thousands) would otherwise move every row at the first of them. Room not used
    // takes no memory.
    std::vector<Row> sorted;
    sorted.reserve(rows_.capacity());
    for (const Entry& entry : entries)
        sorted.push_back(rows_[entry.row]);
    rows_ = std::move(sorted);
    indexRows(rows_.size());
}

} // namespace tav::records
