#include "TextEncoding.h"

namespace tav::records {

namespace {

// The length of the well-formed UTF-8 sequence of more than one byte that starts at p, or 0.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = *p;
    int continuation = 0;
    unsigned char low = 0x80; // the range the first continuation byte must fall in
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        else if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        if (lead == 0xF0)
            low = 0x90; // overlong
        else if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (end - p - 1 < continuation || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i <= continuation; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    return continuation + 1;
}

const unsigned char* bytesOf(QByteArrayView bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

void appendWindows1252Byte(std::string& out, unsigned char c)
{
    static constexpr char16_t upperControls[32]
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    const char16_t code = c >= 0x80 && c < 0xA0 ? upperControls[c - 0x80] : char16_t(c);
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const unsigned char* p = bytesOf(bytes);
    const unsigned char* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = utf8SequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

bool holdsUtf8Sequence(QByteArrayView bytes)
{
    const unsigned char* const end = bytesOf(bytes) + bytes.size();
    for (const unsigned char* p = bytesOf(bytes); p < end; ++p) {
        if (*p >= 0x80 && utf8SequenceLength(p, end) > 0)
            return true;
    }
    return false;
}

void appendWindows1252AsUtf8(std::string& out, QByteArrayView bytes)
{
    for (const char byte : bytes)
        appendWindows1252Byte(out, static_cast<unsigned char>(byte));
}

void appendMixedAsUtf8(std::string& out, QByteArrayView bytes)
{
    const unsigned char* p = bytesOf(bytes);
    const unsigned char* const end = p + bytes.size();
    while (p < end) {
        const int length = *p < 0x80 ? 0 : utf8SequenceLength(p, end);
        if (length > 0) {
            out.append(reinterpret_cast<const char*>(p), static_cast<size_t>(length));
            p += length;
        } else {
            appendWindows1252Byte(out, *p++);
        }
    }
}

} // namespace tav::records
