#include "RecordTable.h"

#include "Separators.h"

#include <algorithm>
#include <optional>

namespace tav::records {

namespace {

bool isArchivedText(QStringView text)
{
    return text.size() >= ArchivePrefixLength && text[ArchivePrefixLength - 1] == ArchivePrefix.back()
        && text.startsWith(ArchivePrefix);
}

char16_t foldAscii(char16_t c)
{
    return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
}

int compareFields(QStringView a, QStringView b)
{
    qsizetype aStart = 0;
    qsizetype bStart = 0;
    for (;;) {
        qsizetype aEnd = a.indexOf(FieldSeparator, aStart);
        qsizetype bEnd = b.indexOf(FieldSeparator, bStart);
        const bool aLast = aEnd < 0;
        const bool bLast = bEnd < 0;
        if (aLast)
            aEnd = a.size();
        if (bLast)
            bEnd = b.size();
        const QStringView aField = a.sliced(aStart, aEnd - aStart);
        const QStringView bField = b.sliced(bStart, bEnd - bStart);
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

// The same order as compareFields for texts in plain ASCII, in one pass and without calls: a
// load sorts a million invoice records. Nothing when a character outside ASCII decides.
std::optional<int> compareAsciiFields(QStringView a, QStringView b)
{
    const char16_t* p = a.utf16();
    const char16_t* q = b.utf16();
    const char16_t* const aEnd = p + a.size();
    const char16_t* const bEnd = q + b.size();
    const char16_t separator = FieldSeparator.unicode();
    int exact = 0; // the first exact difference within the current field
    for (;;) {
        const bool aFieldEnds = p == aEnd || *p == separator;
        const bool bFieldEnds = q == bEnd || *q == separator;
        if (aFieldEnds || bFieldEnds) {
            if (aFieldEnds != bFieldEnds)
                return aFieldEnds ? -1 : 1;
            if (exact != 0)
                return exact;
            const bool aLast = p == aEnd;
            const bool bLast = q == bEnd;
            if (aLast || bLast)
                return aLast == bLast ? 0 : (aLast ? -1 : 1);
            ++p;
            ++q;
            continue;
        }
        const char16_t c = *p++;
        const char16_t d = *q++;
        if (c == d)
            continue;
        if (c >= 0x80 || d >= 0x80)
            return std::nullopt;
        const char16_t fc = foldAscii(c);
        const char16_t fd = foldAscii(d);
        if (fc != fd)
            return fc < fd ? -1 : 1;
        if (exact == 0)
            exact = c < d ? -1 : 1;
    }
}

} // namespace

int compareRecordTexts(QStringView a, QStringView b)
{
    const bool aArchived = isArchivedText(a);
    const bool bArchived = isArchivedText(b);
    if (aArchived != bArchived)
        return aArchived ? 1 : -1;
    return compareRecordFields(a, b);
}

int compareRecordFields(QStringView a, QStringView b)
{
    if (const std::optional<int> result = compareAsciiFields(a, b))
        return *result;
    return compareFields(a, b);
}

RecordTable::RecordTable() = default;

RecordTable::~RecordTable() = default;
RecordTable::RecordTable(RecordTable&&) noexcept = default;
RecordTable& RecordTable::operator=(RecordTable&&) noexcept = default;

RecordTable::Loader::Loader(RecordTable& table)
    : table_(table)
    , firstNew_(table.count())
{
}

RecordTable::Loader::~Loader()
{
    finish();
}

void RecordTable::Loader::add(QString key, QString text)
{
    table_.entries_.push_back(std::make_unique<Entry>(Entry{std::move(key), std::move(text), table_.count()}));
}

std::vector<DroppedEntry> RecordTable::Loader::finish()
{
    if (finished_)
        return {};
    finished_ = true;
    auto& entries = table_.entries_;
    std::vector<Entry*> fresh;
    fresh.reserve(entries.size() - static_cast<size_t>(firstNew_));
    for (auto it = entries.begin() + firstNew_; it != entries.end(); ++it) {
        if (!(*it)->key.isEmpty())
            fresh.push_back(it->get());
    }
    const std::vector<bool> indexed = table_.byKey_.insertAll(fresh);
    // Drops what the index refused, keeping the order of the rest.
    auto kept = entries.begin() + firstNew_;
    size_t freshIndex = 0;
    std::vector<DroppedEntry> dropped;
    for (auto it = kept; it != entries.end(); ++it) {
        if ((*it)->key.isEmpty() || !indexed[freshIndex++]) {
            dropped.push_back({it - entries.begin() - firstNew_, (*it)->key});
            continue;
        }
        (*it)->index = kept - entries.begin();
        *kept++ = std::move(*it);
    }
    entries.erase(kept, entries.end());
    // Equal texts stay in the order they came, after the entries that were there before.
    std::stable_sort(entries.begin() + firstNew_, entries.end(), textLess);
    std::inplace_merge(entries.begin(), entries.begin() + firstNew_, entries.end(), textLess);
    table_.firstStaleIndex_ = 0;
    return dropped;
}

bool RecordTable::add(QString key, QString text)
{
    if (key.isEmpty())
        return false;
    auto entry = std::make_unique<Entry>(Entry{std::move(key), std::move(text), 0});
    if (!byKey_.insert(entry.get()))
        return false;
    auto place = entries_.end();
    if (!entries_.empty() && textLess(entry, entries_.back())) {
        // After every entry whose text does not sort after the new one: equal texts keep the
        // order in which they were added.
        place = std::upper_bound(entries_.begin(), entries_.end(), entry, textLess);
    }
    const qsizetype index = place - entries_.begin();
    entry->index = index;
    entries_.insert(place, std::move(entry));
    if (index + 1 < count())
        firstStaleIndex_ = std::min(firstStaleIndex_, index); // the entries behind it moved up one
    else if (firstStaleIndex_ == index)
        firstStaleIndex_ = index + 1;
    return true;
}

bool RecordTable::contains(const QString& key) const
{
    return byKey_.find(key) != nullptr;
}

const QString* RecordTable::find(const QString& key) const
{
    const Entry* entry = byKey_.find(key);
    return entry ? &entry->text : nullptr;
}

bool RecordTable::remove(const QString& key)
{
    const qsizetype index = positionOf(key) - 1;
    if (index < 0)
        return false;
    byKey_.remove(key);
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
    const Entry* entry = byKey_.find(key);
    if (!entry)
        return 0;
    if (entry->index >= firstStaleIndex_)
        renumberFrom(firstStaleIndex_);
    return entry->index + 1;
}

void RecordTable::renumberFrom(qsizetype index) const
{
    for (qsizetype i = index; i < count(); ++i)
        entries_[static_cast<size_t>(i)]->index = i;
    firstStaleIndex_ = count();
}

bool RecordTable::textLess(const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b)
{
    return compareRecordTexts(a->text, b->text) < 0;
}

} // namespace tav::records
