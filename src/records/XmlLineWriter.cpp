#include "XmlLineWriter.h"

#include <algorithm>
#include <cstring>

namespace tav::records {

namespace {

// Bytes are handed to the sink in pieces of about this size.
constexpr size_t kFlushSize = 1 << 20;
constexpr qsizetype kFirstBufferSize = 16 << 10;
// The most bytes one UTF-16 code unit can become: "&quot;".
constexpr size_t kMostBytesPerUnit = 6;

char* appendUtf8(char* out, char32_t c)
{
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The reference that stands for an ASCII character in a value, or nullptr.
const char* reference(char16_t c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '\'':
        return "&apos;";
    case '"':
        return "&quot;";
    case '\r':
        return "&#13;";
    case '\n':
        return "&#10;";
    case '\t':
        return "&#9;";
    default:
        return nullptr;
    }
}

char* put(char* out, QLatin1StringView text)
{
    std::memcpy(out, text.data(), static_cast<size_t>(text.size()));
    return out + text.size();
}

char* putTabs(char* out, int tabs)
{
    std::memset(out, '\t', static_cast<size_t>(tabs));
    return out + tabs;
}

char* putNumber(char* out, qsizetype number)
{
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = end;
    do {
        *--first = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    return put(out, QLatin1StringView(first, end - first));
}

// UTF-16 as UTF-8, escaped for a value when asked; a lone surrogate, which UTF-8 cannot hold,
// becomes U+FFFD. Needs room for kMostBytesPerUnit bytes per unit.
char* putText(char* out, QStringView text, bool escaped)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    for (; p < end; ++p) {
        const char16_t c = *p;
        if (c < 0x80) {
            const char* escape = escaped ? reference(c) : nullptr;
            if (!escape)
                *out++ = static_cast<char>(c);
            else
                out = put(out, QLatin1StringView(escape));
        } else if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            out = appendUtf8(out, QChar::surrogateToUcs4(c, p[1]));
            ++p;
        } else {
            out = appendUtf8(out, QChar::isSurrogate(c) ? char32_t(0xFFFD) : char32_t(c));
        }
    }
    return out;
}

// The most bytes a line of tags around a value can take, the value aside.
size_t tagRoom(int tabs, QLatin1StringView name, QLatin1StringView attribute = {})
{
    return static_cast<size_t>(tabs + 2 * name.size() + attribute.size() + 40);
}

} // namespace

XmlLineWriter::XmlLineWriter(ByteSink& sink)
    : sink_(sink)
{
    buffer_.resize(kFirstBufferSize);
}

void XmlLineWriter::writeXmlLine(int tabs, QLatin1StringView text)
{
    char* out = room(static_cast<size_t>(tabs + text.size() + 2));
    out = putTabs(out, tabs);
    out = put(out, text);
    commitLine(out);
}

void XmlLineWriter::writeXmlLine(int tabs, QLatin1StringView name, QStringView value)
{
    if (value.isEmpty())
        return;
    char* out = room(tagRoom(tabs, name) + static_cast<size_t>(value.size()) * kMostBytesPerUnit);
    out = putTabs(out, tabs);
    *out++ = '<';
    out = put(out, name);
    *out++ = '>';
    out = putText(out, value, true);
    *out++ = '<';
    *out++ = '/';
    out = put(out, name);
    *out++ = '>';
    commitLine(out);
}

void XmlLineWriter::writeNumberedXmlLine(int tabs, QLatin1StringView name, QLatin1StringView attribute,
                                         qsizetype number, QStringView value)
{
    if (value.isEmpty())
        return;
    char* out = room(tagRoom(tabs, name, attribute) + static_cast<size_t>(value.size()) * kMostBytesPerUnit);
    out = putTabs(out, tabs);
    *out++ = '<';
    out = put(out, name);
    *out++ = ' ';
    out = put(out, attribute);
    out = put(out, QLatin1StringView("=\""));
    out = putNumber(out, number);
    out = put(out, QLatin1StringView("\">"));
    out = putText(out, value, true);
    *out++ = '<';
    *out++ = '/';
    out = put(out, name);
    *out++ = '>';
    commitLine(out);
}

void XmlLineWriter::writeStartLine(int tabs, QLatin1StringView name, QLatin1StringView attribute, QStringView number)
{
    char* out = room(tagRoom(tabs, name, attribute) + static_cast<size_t>(number.size()) * kMostBytesPerUnit);
    out = putTabs(out, tabs);
    *out++ = '<';
    out = put(out, name);
    *out++ = ' ';
    out = put(out, attribute);
    out = put(out, QLatin1StringView("=\""));
    out = putText(out, number, false);
    out = put(out, QLatin1StringView("\">"));
    commitLine(out);
}

bool XmlLineWriter::finish()
{
    flush();
    return !failed_;
}

char* XmlLineWriter::room(size_t size)
{
    size += 2; // the line end
    if (static_cast<size_t>(buffer_.size()) - used_ < size) {
        // Grow up to the flush size, so that a small database needs no large buffer.
        if (static_cast<size_t>(buffer_.size()) < kFlushSize)
            buffer_.resize(static_cast<qsizetype>(std::max(used_ + size, 2 * static_cast<size_t>(buffer_.size()))));
        else
            flush();
        if (static_cast<size_t>(buffer_.size()) - used_ < size)
            buffer_.resize(static_cast<qsizetype>(used_ + size)); // a value longer than the whole buffer
    }
    return buffer_.data() + used_;
}

void XmlLineWriter::commitLine(char* end)
{
    *end++ = '\r';
    *end++ = '\n';
    used_ = static_cast<size_t>(end - buffer_.data());
    if (used_ >= kFlushSize)
        flush();
}

void XmlLineWriter::flush()
{
    if (used_ > 0 && !failed_)
        failed_ = !sink_.write(buffer_.data(), static_cast<qsizetype>(used_));
    used_ = 0;
}

} // namespace tav::records
