#include "XmlLineWriter.h"

#include <cstring>

namespace tav::records {

namespace {

// Bytes are handed to the sink in pieces of about this size.
constexpr size_t kFlushSize = 1 << 20;
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
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\'': return "&apos;";
    case '"': return "&quot;";
    case '\r': return "&#13;";
    case '\n': return "&#10;";
    case '\t': return "&#9;";
    default: return nullptr;
    }
}

} // namespace

XmlLineWriter::XmlLineWriter(ByteSink& sink)
    : sink_(sink)
    , buffer_(kFlushSize + 4096)
{
}

void XmlLineWriter::writeXmlLine(int tabs, QLatin1StringView text)
{
    beginLine(tabs);
    append(text);
    endLine();
}

void XmlLineWriter::writeXmlLine(int tabs, QLatin1StringView name, QStringView value)
{
    if (value.isEmpty())
        return;
    beginLine(tabs);
    append(QLatin1StringView("<"));
    append(name);
    append(QLatin1StringView(">"));
    appendText(value, true);
    append(QLatin1StringView("</"));
    append(name);
    append(QLatin1StringView(">"));
    endLine();
}

void XmlLineWriter::writeNumberedXmlLine(int tabs, QLatin1StringView name, QLatin1StringView attribute,
                                         qsizetype number, QStringView value)
{
    if (value.isEmpty())
        return;
    beginLine(tabs);
    append(QLatin1StringView("<"));
    append(name);
    append(QLatin1StringView(" "));
    append(attribute);
    append(QLatin1StringView("=\""));
    appendNumber(number);
    append(QLatin1StringView("\">"));
    appendText(value, true);
    append(QLatin1StringView("</"));
    append(name);
    append(QLatin1StringView(">"));
    endLine();
}

void XmlLineWriter::writeStartLine(int tabs, QLatin1StringView name, QLatin1StringView attribute, QStringView number)
{
    beginLine(tabs);
    append(QLatin1StringView("<"));
    append(name);
    append(QLatin1StringView(" "));
    append(attribute);
    append(QLatin1StringView("=\""));
    appendText(number, false);
    append(QLatin1StringView("\">"));
    endLine();
}

bool XmlLineWriter::finish()
{
    flush();
    return !failed_;
}

char* XmlLineWriter::room(size_t size)
{
    if (buffer_.size() - used_ < size) {
        flush();
        if (buffer_.size() < size)
            buffer_.resize(size); // a value longer than the whole buffer
    }
    return buffer_.data() + used_;
}

void XmlLineWriter::append(QLatin1StringView text)
{
    std::memcpy(room(static_cast<size_t>(text.size())), text.data(), static_cast<size_t>(text.size()));
    used_ += static_cast<size_t>(text.size());
}

void XmlLineWriter::appendNumber(qsizetype number)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* first = end;
    do {
        *--first = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    append(QLatin1StringView(first, end - first));
}

// UTF-16 to UTF-8; a lone surrogate, which UTF-8 cannot hold, becomes U+FFFD.
void XmlLineWriter::appendText(QStringView text, bool escaped)
{
    char* const start = room(static_cast<size_t>(text.size()) * kMostBytesPerUnit);
    char* out = start;
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    for (; p < end; ++p) {
        const char16_t c = *p;
        if (c < 0x80) {
            const char* escape = escaped ? reference(c) : nullptr;
            if (!escape) {
                *out++ = static_cast<char>(c);
                continue;
            }
            const size_t length = std::strlen(escape);
            std::memcpy(out, escape, length);
            out += length;
        } else if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            out = appendUtf8(out, QChar::surrogateToUcs4(c, p[1]));
            ++p;
        } else {
            out = appendUtf8(out, QChar::isSurrogate(c) ? char32_t(0xFFFD) : char32_t(c));
        }
    }
    used_ += static_cast<size_t>(out - start);
}

void XmlLineWriter::beginLine(int tabs)
{
    std::memset(room(static_cast<size_t>(tabs)), '\t', static_cast<size_t>(tabs));
    used_ += static_cast<size_t>(tabs);
}

void XmlLineWriter::endLine()
{
    append(QLatin1StringView("\r\n"));
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
