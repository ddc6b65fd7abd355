#include "XmlElements.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tav::records {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool startsWithIgnoringCase(const char* text, const char* end, QByteArrayView lowerPrefix)
{
    if (end - text < lowerPrefix.size())
        return false;
    for (qsizetype i = 0; i < lowerPrefix.size(); ++i) {
        if (lowerAscii(text[i]) != lowerPrefix[i])
            return false;
    }
    return true;
}

constexpr qsizetype kMaxNumberDigits = 9;

// The whole number written in canonical decimal form (no sign, no leading zero), or -1.
qsizetype canonicalNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > kMaxNumberDigits || digits[0] == '0')
        return -1;
    qsizetype number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

struct Reference {
    QByteArrayView text;
    char character;
};

constexpr Reference kReferences[] = {
    {"&amp;", '&'},  {"&lt;", '<'},   {"&gt;", '>'},   {"&apos;", '\''},
    {"&quot;", '"'}, {"&#13;", '\r'}, {"&#10;", '\n'}, {"&#9;", '\t'},
};

// ASCII text that holds nothing to resolve or remove.
bool isPlainAscii(QByteArrayView value)
{
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || c == '&' || c == '\x01' || c == '\x02')
            return false;
    }
    return true;
}

bool needsRewriting(QByteArrayView value)
{
    for (const char c : value) {
        if (c == '&' || c == '\x01' || c == '\x02')
            return true;
    }
    return false;
}

} // namespace

bool equalsIgnoringCase(QByteArrayView text, QByteArrayView lowerTag)
{
    return text.size() == lowerTag.size() && startsWithIgnoringCase(text.data(), text.data() + text.size(), lowerTag);
}

RecordElements::RecordElements(std::span<const QByteArrayView> names, QByteArrayView numberedOpening,
                               QByteArrayView numberedClosing)
    : names_(names)
    , numberedOpening_(numberedOpening)
    , numberedClosing_(numberedClosing)
    , found_(names.size())
{
    for (const QByteArrayView name : names)
        longestName_ = std::max(longestName_, name.size());
}

void RecordElements::scan(QByteArrayView record)
{
    record_ = record;
    std::fill(found_.begin(), found_.end(), Found());
    numberedOpenings_.clear();
    numberedClosings_.clear();
    numberedValues_.clear();
    const char* const data = record.data();
    const char* const end = data + record.size();
    for (const char* p = data; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p)));
        if (!p)
            break;
        noteTag(record, p - data);
    }
    if (!numberedOpening_.isEmpty())
        collectNumberedValues(record);
}

void RecordElements::noteTag(QByteArrayView record, qsizetype at)
{
    const QByteArrayView rest = record.sliced(at);
    // Both numbered tags share their second or third character with the opening; most tags do not.
    const char numberedInitial = numberedOpening_.isEmpty() ? '\0' : numberedOpening_[1];
    if (rest.size() > 2 && (rest[1] == numberedInitial || (rest[1] == '/' && rest[2] == numberedInitial))) {
        if (rest.startsWith(numberedClosing_)) {
            numberedClosings_.push_back(at);
            return;
        }
        if (rest.startsWith(numberedOpening_)) {
            const qsizetype digitsStart = numberedOpening_.size();
            // The closing quote is looked for only where a number's could stand: in a record of
            // openings without one, every search would run to the record's end.
            const QByteArrayView numberPart = rest.first(std::min(rest.size(), digitsStart + kMaxNumberDigits + 2));
            const qsizetype quote = numberPart.indexOf("\">", digitsStart);
            const qsizetype number = quote < 0 ? -1 : canonicalNumber(rest.sliced(digitsStart, quote - digitsStart));
            if (number > 0)
                numberedOpenings_.emplace_back(number, at + quote + 2);
            return;
        }
    }
    const bool closing = rest.size() > 1 && rest[1] == '/';
    const qsizetype nameStart = closing ? 2 : 1;
    // Only a name no longer than the longest wanted one can match; look no further for the ">".
    const qsizetype searchLength = std::min(rest.size(), nameStart + longestName_ + 1) - nameStart;
    const void* gt
        = searchLength > 0 ? std::memchr(rest.data() + nameStart, '>', static_cast<size_t>(searchLength)) : nullptr;
    if (!gt)
        return;
    const QByteArrayView name = rest.sliced(nameStart, static_cast<const char*>(gt) - rest.data() - nameStart);
    for (size_t i = 0; i < names_.size(); ++i) {
        if (!equalsIgnoringCase(name, names_[i]))
            continue;
        Found& found = found_[i];
        if (!closing && found.valueStart < 0)
            found.valueStart = at + nameStart + name.size() + 1;
        else if (closing && found.valueStart >= 0 && found.valueEnd < 0)
            found.valueEnd = at;
        return;
    }
}

void RecordElements::collectNumberedValues(QByteArrayView record)
{
    // Numbers above the count of tags can never be reached, since the first gap ends the list.
    numberedStarts_.assign(numberedOpenings_.size() + 1, -1);
    for (const auto& [number, start] : numberedOpenings_) {
        if (number < static_cast<qsizetype>(numberedStarts_.size()) && numberedStarts_[static_cast<size_t>(number)] < 0)
            numberedStarts_[static_cast<size_t>(number)] = start;
    }
    for (size_t number = 1; number < numberedStarts_.size() && numberedStarts_[number] >= 0; ++number) {
        const qsizetype start = numberedStarts_[number];
        const auto closing = std::lower_bound(numberedClosings_.begin(), numberedClosings_.end(), start);
        numberedValues_.push_back(closing == numberedClosings_.end() ? QByteArrayView()
                                                                     : record.sliced(start, *closing - start));
    }
}

std::optional<QByteArrayView> RecordElements::value(size_t index) const
{
    const Found& found = found_[index];
    if (found.valueStart < 0)
        return std::nullopt;
    if (found.valueEnd < 0)
        return QByteArrayView();
    return record_.sliced(found.valueStart, found.valueEnd - found.valueStart);
}

bool RecordElements::holdsAny() const
{
    return !numberedOpenings_.empty()
        || std::any_of(found_.begin(), found_.end(), [](const Found& found) { return found.valueStart >= 0; });
}

bool isRecordStartLine(QByteArrayView line, QByteArrayView lowerRecordName)
{
    const qsizetype after = lowerRecordName.size() + 1;
    return line.size() > after && line[0] == '<'
        && startsWithIgnoringCase(line.data() + 1, line.data() + line.size(), lowerRecordName)
        && (line[after] == ' ' || line[after] == '>');
}

QByteArray recordStartNumber(QByteArrayView line, QByteArrayView lowerRecordName, QByteArrayView lowerAttribute)
{
    QByteArray compact;
    compact.reserve(line.size());
    for (const char c : line) {
        if (c != ' ')
            compact.append(lowerAscii(c));
    }
    const QByteArray start = '<' + lowerRecordName.toByteArray() + lowerAttribute.toByteArray() + "=\"";
    if (!compact.startsWith(start) || !compact.endsWith("\">") || compact.size() < start.size() + 2)
        return {};
    const qsizetype numberEnd = compact.indexOf("\">", start.size());
    return compact.mid(start.size(), numberEnd - start.size());
}

QString valueText(QByteArrayView value)
{
    QString text;
    appendValueText(text, value);
    return text;
}

void appendValueText(QString& text, QByteArrayView value)
{
    if (isPlainAscii(value)) {
        text.append(QLatin1StringView(value));
        return;
    }
    if (!needsRewriting(value)) {
        text.append(QString::fromUtf8(value));
        return;
    }
    std::string plain;
    plain.reserve(static_cast<size_t>(value.size()));
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\x01' || c == '\x02')
            continue;
        if (c == '&') {
            const QByteArrayView rest = value.sliced(i);
            const auto reference = std::find_if(std::begin(kReferences), std::end(kReferences),
                                                [&](const Reference& r) { return rest.startsWith(r.text); });
            if (reference != std::end(kReferences)) {
                plain.push_back(reference->character);
                i += reference->text.size() - 1;
                continue;
            }
        }
        plain.push_back(c);
    }
    text.append(QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size())));
}

} // namespace tav::records
