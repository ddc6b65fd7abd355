#include "InvoiceRecordTable.h"

#include "FieldView.h"
#include "KeyIndex.h"
#include "RecordFormats.h"
#include "Separators.h"

#include <algorithm>

namespace tav::records {

namespace {

size_t keyHash(TextPool::Id period, TextPool::Id number)
{
    return saltedHash((quint64(period) << 32) | number);
}

} // namespace

InvoiceRecordTable::InvoiceRecordTable() = default;
InvoiceRecordTable::~InvoiceRecordTable() = default;
InvoiceRecordTable::InvoiceRecordTable(InvoiceRecordTable&&) noexcept = default;
InvoiceRecordTable& InvoiceRecordTable::operator=(InvoiceRecordTable&&) noexcept = default;
InvoiceRecordTable::InvoiceRecordTable(const InvoiceRecordTable&) = default;

std::optional<InvoiceRecordTable::KeyParts> InvoiceRecordTable::keyParts(QStringView key)
{
    if (!key.endsWith(FieldSeparator))
        return std::nullopt;
    const qsizetype numberEnd = key.size() - 1;
    const qsizetype periodEnd = key.first(numberEnd).lastIndexOf(FieldSeparator);
    if (periodEnd < 0)
        return std::nullopt;
    return KeyParts{key.first(periodEnd), key.sliced(periodEnd + 1, numberEnd - periodEnd - 1)};
}

InvoiceRecordTable::Row InvoiceRecordTable::rowFor(Id keyPeriod, Id keyNumber, const QString& whole)
{
    const QStringView text(whole);
    Row row;
    row.keyPeriod = keyPeriod;
    row.keyNumber = keyNumber;
    // The first three fields go to the pool, whatever follows them to the shared buffer.
    Id* const fields[] = {&row.period, &row.name, &row.number};
    qsizetype start = 0;
    for (Id* field : fields) {
        const qsizetype end = text.indexOf(FieldSeparator, start);
        *field = texts_.intern(text.sliced(start, (end < 0 ? text.size() : end) - start));
        if (end < 0)
            return row;
        start = end + 1;
    }
    const QStringView rest = text.sliced(start);
    row.restStart = static_cast<qsizetype>(rest_.size());
    row.restSize = static_cast<quint32>(rest.size());
    rest_.insert(rest_.end(), rest.utf16(), rest.utf16() + rest.size());
    return row;
}

QStringView InvoiceRecordTable::restOf(const Row& row) const
{
    return row.restStart == kNoRest ? QStringView() : QStringView(rest_.data() + row.restStart, row.restSize);
}

QStringView InvoiceRecordTable::fieldText(Id id) const
{
    return id == kAbsent ? QStringView() : QStringView(texts_.text(id));
}

size_t InvoiceRecordTable::slotOf(Id keyPeriod, Id keyNumber) const
{
    const size_t mask = slots_.size() - 1;
    size_t i = keyHash(keyPeriod, keyNumber) & mask;
    for (; slots_[i]; i = (i + 1) & mask) {
        const Row& row = rows_[slots_[i] - 1];
        if (row.keyPeriod == keyPeriod && row.keyNumber == keyNumber)
            break;
    }
    return i;
}

void InvoiceRecordTable::reserveIndex(size_t count, size_t indexed)
{
    size_t size = 16;
    while (count * 4 > size * 3)
        size *= 2;
    if (size <= slots_.size())
        return;
    slots_.assign(size, 0);
    indexRows(indexed);
}

void InvoiceRecordTable::indexRows(size_t count)
{
    std::fill(slots_.begin(), slots_.end(), 0);
    const size_t mask = slots_.size() - 1;
    for (size_t row = 0; row < count; ++row) {
        size_t i = keyHash(rows_[row].keyPeriod, rows_[row].keyNumber) & mask;
        while (slots_[i])
            i = (i + 1) & mask;
        slots_[i] = static_cast<quint32>(row + 1);
    }
}

bool InvoiceRecordTable::index(size_t row)
{
    const size_t slot = slotOf(rows_[row].keyPeriod, rows_[row].keyNumber);
    if (slots_[slot])
        return false;
    slots_[slot] = static_cast<quint32>(row + 1);
    return true;
}

std::optional<size_t> InvoiceRecordTable::rowOf(QStringView key) const
{
    const std::optional<KeyParts> parts = keyParts(key);
    if (!parts || slots_.empty())
        return std::nullopt;
    const std::optional<Id> period = texts_.find(parts->period);
    const std::optional<Id> number = texts_.find(parts->number);
    if (!period || !number)
        return std::nullopt;
    const quint32 slot = slots_[slotOf(*period, *number)];
    return slot ? std::optional<size_t>(slot - 1) : std::nullopt;
}

bool InvoiceRecordTable::add(QStringView key, const QString& text)
{
    const std::optional<KeyParts> parts = keyParts(key);
    if (!parts || rowOf(key))
        return false;
    reserveIndex(rows_.size() + 1, rows_.size());
    rows_.push_back(rowFor(texts_.intern(parts->period), texts_.intern(parts->number), text));
    index(rows_.size() - 1);
    return true;
}

bool InvoiceRecordTable::contains(QStringView key) const
{
    return rowOf(key).has_value();
}

std::optional<QString> InvoiceRecordTable::find(QStringView key) const
{
    const std::optional<size_t> row = rowOf(key);
    return row ? std::optional<QString>(textAt(static_cast<qsizetype>(*row) + 1)) : std::nullopt;
}

bool InvoiceRecordTable::setText(QStringView key, const QString& text)
{
    const std::optional<size_t> row = rowOf(key);
    if (!row)
        return false;
    // The old rest stays in the buffer unused: texts change by a payment at a time.
    Row& changed = rows_[*row];
    changed = rowFor(changed.keyPeriod, changed.keyNumber, text);
    return true;
}

void InvoiceRecordTable::clear()
{
    *this = InvoiceRecordTable();
}

QString InvoiceRecordTable::keyAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    const Row& row = rows_[static_cast<size_t>(position - 1)];
    const QString& period = texts_.text(row.keyPeriod);
    const QString& number = texts_.text(row.keyNumber);
    QString key;
    key.reserve(period.size() + number.size() + 2);
    key.append(period).append(FieldSeparator).append(number).append(FieldSeparator);
    return key;
}

QString InvoiceRecordTable::textAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    const Row& row = rows_[static_cast<size_t>(position - 1)];
    const QStringView parts[] = {fieldText(row.period), fieldText(row.name), fieldText(row.number), restOf(row)};
    const bool present[] = {true, row.name != kAbsent, row.number != kAbsent, row.restStart != kNoRest};
    QString text;
    text.reserve(parts[0].size() + parts[1].size() + parts[2].size() + parts[3].size() + 3);
    for (size_t i = 0; i < std::size(parts) && present[i]; ++i) {
        if (i > 0)
            text.append(FieldSeparator);
        text.append(parts[i]);
    }
    return text;
}

QStringView InvoiceRecordTable::fieldAt(qsizetype position, int index) const
{
    Q_ASSERT(position >= 1 && position <= count());
    const Row& row = rows_[static_cast<size_t>(position - 1)];
    switch (index) {
    case 0:
        return fieldText(row.period);
    case 1:
        return fieldText(row.name);
    case 2:
        return fieldText(row.number);
    default:
        return row.restStart == kNoRest ? QStringView() : fieldView(restOf(row), index - 3);
    }
}

QStringView InvoiceRecordTable::restAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    return restOf(rows_[static_cast<size_t>(position - 1)]);
}

bool InvoiceRecordTable::hasRecordFieldsAt(qsizetype position) const
{
    Q_ASSERT(position >= 1 && position <= count());
    const Row& row = rows_[static_cast<size_t>(position - 1)];
    // The period, name and number are pooled; the fields after them make up the rest (see textAt).
    constexpr qsizetype restFields = InvoiceRecord::FieldCount - 3;
    return row.name != kAbsent && row.number != kAbsent && row.restStart != kNoRest
        && restOf(row).count(FieldSeparator) + 1 == restFields;
}

std::vector<qsizetype> InvoiceRecordTable::positionsInPeriod(QStringView period) const
{
    std::vector<qsizetype> positions;
    const std::optional<Id> id = texts_.find(period);
    if (!id)
        return positions;
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].period == *id)
            positions.push_back(static_cast<qsizetype>(row) + 1);
    }
    return positions;
}

bool InvoiceRecordTable::anyForCustomer(qint64 number) const
{
    // Each number text is read once, however many entries hold it.
    enum : char { Unknown, Holds, Other };
    std::vector<char> reading(static_cast<size_t>(texts_.count()), Unknown);
    for (const Row& row : rows_) {
        if (row.number == kAbsent)
            continue;
        char& known = reading[row.number];
        if (known == Unknown)
            known = recordNumberValue(texts_.text(row.number)) == number ? Holds : Other;
        if (known == Holds)
            return true;
    }
    return false;
}

bool InvoiceRecordTable::anyBillsProduct(qint64 number) const
{
    for (qsizetype position = 1; position <= count(); ++position) {
        for (const QStringView item : fieldAt(position, InvoiceRecord::Items).tokenize(ItemSeparator)) {
            const qsizetype x = item.indexOf(QLatin1Char('x'));
            if (recordNumberValue(x < 0 ? item : item.first(x)) == number)
                return true;
        }
    }
    return false;
}

void InvoiceRecordTable::nameRecords(const std::function<QString(QStringView number)>& nameOf)
{
    nameRows(0, nameOf);
}

void InvoiceRecordTable::nameRows(size_t first, const std::function<QString(QStringView number)>& nameOf)
{
    std::vector<Id> names(static_cast<size_t>(texts_.count()), kAbsent);
    for (auto row = rows_.begin() + static_cast<qsizetype>(first); row != rows_.end(); ++row) {
        if (row->number == kAbsent || row->name != TextPool::Empty)
            continue;
        Id& name = names[row->number];
        if (name == kAbsent)
            name = texts_.intern(nameOf(texts_.text(row->number)));
        row->name = name;
    }
}

InvoiceRecordTable::Loader::Loader(InvoiceRecordTable& table)
    : table_(table)
    , firstNew_(table.rows_.size())
{
}

InvoiceRecordTable::Loader::~Loader()
{
    finish();
}

void InvoiceRecordTable::Loader::add(QStringView period, QStringView number, QStringView rest)
{
    TextPool& texts = table_.texts_;
    // The records of a period stand together in most files.
    if (texts.text(lastPeriod_) != period)
        lastPeriod_ = texts.intern(period);
    Row row;
    row.period = row.keyPeriod = lastPeriod_;
    row.number = row.keyNumber = texts.intern(number);
    row.name = TextPool::Empty;
    row.restStart = static_cast<qsizetype>(table_.rest_.size());
    row.restSize = static_cast<quint32>(rest.size());
    table_.rest_.insert(table_.rest_.end(), rest.utf16(), rest.utf16() + rest.size());
    table_.rows_.push_back(row);
}

void InvoiceRecordTable::Loader::nameFrom(qsizetype added, const std::function<QString(QStringView number)>& nameOf)
{
    table_.nameRows(firstNew_ + static_cast<size_t>(added), nameOf);
}

std::vector<DroppedEntry> InvoiceRecordTable::Loader::finish()
{
    if (finished_)
        return {};
    finished_ = true;
    std::vector<Row>& rows = table_.rows_;
    table_.reserveIndex(rows.size(), firstNew_);
    // The first entry of a key is kept, later ones are dropped; the rest keep their order.
    std::vector<bool> kept(rows.size() - firstNew_);
    for (size_t row = firstNew_; row < rows.size(); ++row)
        kept[row - firstNew_] = table_.index(row);
    std::vector<DroppedEntry> dropped;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (kept[i])
            continue;
        const Row& row = rows[firstNew_ + i];
        dropped.push_back({static_cast<qsizetype>(i),
                           InvoiceRecord::key(table_.texts_.text(row.keyPeriod),
                                              table_.texts_.text(row.keyNumber))});
    }
    if (!dropped.empty()) {
        size_t to = firstNew_;
        for (size_t row = firstNew_; row < rows.size(); ++row) {
            if (kept[row - firstNew_])
                rows[to++] = rows[row];
        }
        rows.resize(to);
        table_.indexRows(to);
    }
    return dropped;
}

} // namespace tav::records
