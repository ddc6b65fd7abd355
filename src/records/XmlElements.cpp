#include "XmlElements.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace tav::records {

namespace {

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

namespace {

// The high bit of each byte of the word that is zero, and of no other.
constexpr quint64 zeroBytes(quint64 word)
{
    constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7Full;
    return ~(((word & kLow7) + kLow7) | word | kLow7);
}

} // namespace

LinePiece readLinePiece(QByteArrayView piece)
{
    using Kind = LinePiece::Kind;
    // One pass finds where the angle brackets stand, eight bytes at a time: a piece of the grammar
    // has two of each at most.
    qsizetype lts[2] = {-1, -1};
    qsizetype gts[2] = {-1, -1};
    int ltCount = 0;
    int gtCount = 0;
    const char* const data = piece.data();
    const auto note = [](quint64 found, qsizetype chunk, qsizetype (&at)[2], int& count) {
        for (; found != 0; found &= found - 1) {
            if (count == 2)
                return false;
            at[count++] = chunk + std::countr_zero(found) / 8;
        }
        return true;
    };
    for (qsizetype chunk = 0; chunk < piece.size(); chunk += 8) {
        quint64 word = 0;
        if (piece.size() - chunk >= 8) {
            std::memcpy(&word, data + chunk, 8);
        } else {
            // The bytes after the piece read as zeros, which are no brackets.
            for (qsizetype k = piece.size() - chunk - 1; k >= 0; --k)
                word = word << 8 | static_cast<unsigned char>(data[chunk + k]);
        }
        if (!note(zeroBytes(word ^ 0x3C3C3C3C3C3C3C3Cull), chunk, lts, ltCount)
            || !note(zeroBytes(word ^ 0x3E3E3E3E3E3E3E3Eull), chunk, gts, gtCount))
            return {};
    }
    const qsizetype last = piece.size() - 1;
    // "</" name ">" from lt to the end of the piece, the name between the only brackets after lt.
    const auto closesAt = [&](qsizetype lt) {
        return lt + 2 < last && data[lt + 1] == '/' && gts[gtCount - 1] == last && (gtCount == 1 || gts[0] < lt);
    };
    const auto closingName = [&](qsizetype lt) { return piece.sliced(lt + 2, last - lt - 2); };
    if (ltCount == 0)
        return gtCount == 0 && !piece.isEmpty() ? LinePiece{Kind::Text, {}, {}, piece} : LinePiece{};
    if (lts[0] > 0) {
        // value "</" name ">"
        if (ltCount == 1 && gtCount == 1 && closesAt(lts[0]))
            return {Kind::Closing, {}, closingName(lts[0]), piece.first(lts[0])};
        return {};
    }
    if (gtCount == 0 || (ltCount == 2 && lts[1] < gts[0]))
        return {};
    const QByteArrayView tag = piece.sliced(1, gts[0] - 1);
    if (ltCount == 1) {
        if (gtCount == 2)
            return {};
        return gts[0] == last ? LinePiece{Kind::Tag, tag, {}, {}}
                              : LinePiece{Kind::Opening, tag, {}, piece.sliced(gts[0] + 1)};
    }
    // "<" tag ">" value "</" name ">"
    if (gtCount != 2 || tag.startsWith('/') || !closesAt(lts[1]))
        return {};
    return {Kind::Element, tag, closingName(lts[1]), piece.sliced(gts[0] + 1, lts[1] - gts[0] - 1)};
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
