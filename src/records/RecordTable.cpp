#include "RecordTable.h"

#include "Separators.h"

#include <algorithm>

namespace tav::records {

int compareRecordTexts(const QString& a, const QString& b)
{
    const bool aArchived = a.startsWith(ArchivePrefix);
    const bool bArchived = b.startsWith(ArchivePrefix);
    if (aArchived != bArchived)
        return aArchived ? 1 : -1;

    const QStringView av(a);
    const QStringView bv(b);
    qsizetype aStart = 0;
    qsizetype bStart = 0;
    for (;;) {
        qsizetype aEnd = av.indexOf(FieldSeparator, aStart);
        qsizetype bEnd = bv.indexOf(FieldSeparator, bStart);
        const bool aLast = aEnd < 0;
        const bool bLast = bEnd < 0;
        if (aLast)
            aEnd = av.size();
        if (bLast)
            bEnd = bv.size();
        const QStringView aField = av.sliced(aStart, aEnd - aStart);
        const QStringView bField = bv.sliced(bStart, bEnd - bStart);
        // Each field decides on its own, so that fields differing only in case never interleave
        // the entries of the field that follows (invoice records of periods "Jan" and "jan").
        int result = aField.compare(bField, Qt::CaseInsensitive);
        if (result == 0)
            result = aField.compare(bField, Qt::CaseSensitive);
        if (result != 0)
            return result;
        if (aLast || bLast)
            return aLast == bLast ? 0 : (aLast ? -1 : 1);
        aStart = aEnd + 1;
        bStart = bEnd + 1;
    }
}

RecordTable::RecordTable(Order order)
    : order_(order)
{
}

RecordTable::~RecordTable() = default;
RecordTable::RecordTable(RecordTable&&) noexcept = default;
RecordTable& RecordTable::operator=(RecordTable&&) noexcept = default;

bool RecordTable::add(const QString& key, const QString& text)
{
    if (key.isEmpty() || byKey_.contains(key))
        return false;
    auto entry = std::make_unique<Entry>(Entry{key, text, 0});
    Entry* raw = entry.get();
    auto place = entries_.end();
    if (order_ == Order::Sorted && !entries_.empty() && compareRecordTexts(entries_.back()->text, text) > 0) {
        // After every entry whose text does not sort after the new one: equal texts keep the
        // order in which they were added.
        place = std::upper_bound(entries_.begin(), entries_.end(), text,
            [](const QString& value, const std::unique_ptr<Entry>& e) { return compareRecordTexts(value, e->text) < 0; });
    }
    const qsizetype index = place - entries_.begin();
    raw->index = index;
    entries_.insert(place, std::move(entry));
    byKey_.insert(key, raw);
    if (index + 1 < count())
        firstStaleIndex_ = std::min(firstStaleIndex_, index); // the entries behind it moved up one
    else if (firstStaleIndex_ == index)
        firstStaleIndex_ = index + 1;
    return true;
}

bool RecordTable::contains(const QString& key) const
{
    return byKey_.contains(key);
}

const QString* RecordTable::find(const QString& key) const
{
    const auto it = byKey_.constFind(key);
    return it == byKey_.cend() ? nullptr : &it.value()->text;
}

bool RecordTable::setText(const QString& key, const QString& text)
{
    const auto it = byKey_.find(key);
    if (it == byKey_.end())
        return false;
    it.value()->text = text;
    return true;
}

bool RecordTable::remove(const QString& key)
{
    const auto it = byKey_.find(key);
    if (it == byKey_.end())
        return false;
    const qsizetype index = positionOf(key) - 1;
    byKey_.erase(it);
    entries_.erase(entries_.begin() + index);
    firstStaleIndex_ = std::min(firstStaleIndex_, index);
    return true;
}

void RecordTable::clear()
{
    byKey_.clear();
    entries_.clear();
    firstStaleIndex_ = 0;
}

const QString& RecordTable::keyAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    return entries_[static_cast<size_t>(position - 1)]->key;
}

const QString& RecordTable::textAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    return entries_[static_cast<size_t>(position - 1)]->text;
}

qsizetype RecordTable::positionOf(const QString& key) const
{
    const auto it = byKey_.constFind(key);
    if (it == byKey_.cend())
        return 0;
    if (it.value()->index >= firstStaleIndex_)
        renumberFrom(firstStaleIndex_);
    return it.value()->index + 1;
}

void RecordTable::renumberFrom(qsizetype index) const
{
    for (qsizetype i = index; i < count(); ++i)
        entries_[static_cast<size_t>(i)]->index = i;
    firstStaleIndex_ = count();
}

void RecordTable::sortByText()
{
    const auto less = [](const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b) {
        return compareRecordTexts(a->text, b->text) < 0;
    };
    if (std::is_sorted(entries_.begin(), entries_.end(), less))
        return;
    std::stable_sort(entries_.begin(), entries_.end(), less);
    firstStaleIndex_ = 0;
}

} // namespace tav::records
