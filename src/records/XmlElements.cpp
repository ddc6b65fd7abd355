#include "XmlElements.h"

#include <algorithm>
#include <cstring>
#include <optional>
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

namespace {

bool holds(QByteArrayView text, char c)
{
    return std::memchr(text.data(), c, static_cast<size_t>(text.size())) != nullptr;
}

bool isValue(QByteArrayView text)
{
    return !holds(text, '<') && !holds(text, '>');
}

// "</" name ">" and nothing after it; the name holds no "<", ">" or "/".
std::optional<QByteArrayView> closingTagName(QByteArrayView text)
{
    if (text.size() < 3 || !text.startsWith("</") || !text.endsWith('>'))
        return std::nullopt;
    const QByteArrayView name = text.sliced(2, text.size() - 3);
    if (!isValue(name) || holds(name, '/'))
        return std::nullopt;
    return name;
}

} // namespace

bool sameIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

LinePiece readLinePiece(QByteArrayView piece)
{
    using Kind = LinePiece::Kind;
    LinePiece read;
    if (piece.isEmpty())
        return read;
    if (piece[0] != '<') {
        const qsizetype lt = piece.indexOf('<');
        if (lt < 0) {
            if (isValue(piece))
                read = LinePiece{Kind::Text, {}, {}, piece};
            return read;
        }
        const QByteArrayView value = piece.first(lt);
        const std::optional<QByteArrayView> name = closingTagName(piece.sliced(lt));
        if (name && isValue(value))
            read = LinePiece{Kind::Closing, {}, *name, value};
        return read;
    }
    const qsizetype gt = piece.indexOf('>');
    if (gt < 0 || holds(piece.sliced(1, gt - 1), '<'))
        return read;
    const QByteArrayView tag = piece.sliced(1, gt - 1);
    if (gt == piece.size() - 1)
        return LinePiece{Kind::Tag, tag, {}, {}};
    if (tag.startsWith('/'))
        return read;
    const QByteArrayView rest = piece.sliced(gt + 1);
    const qsizetype lt = rest.indexOf('<');
    if (lt < 0) {
        if (isValue(rest))
            read = LinePiece{Kind::Opening, tag, {}, rest};
        return read;
    }
    const QByteArrayView value = rest.first(lt);
    const std::optional<QByteArrayView> name = closingTagName(rest.sliced(lt));
    if (name && isValue(value))
        read = LinePiece{Kind::Element, tag, *name, value};
    return read;
}

qsizetype numberedElementNumber(QByteArrayView tag, QByteArrayView openingUpToNumber)
{
    if (tag.size() <= openingUpToNumber.size() || !tag.startsWith(openingUpToNumber) || !tag.endsWith('"'))
        return -1;
    return canonicalNumber(tag.sliced(openingUpToNumber.size(), tag.size() - openingUpToNumber.size() - 1));
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
