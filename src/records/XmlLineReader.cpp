#include "XmlLineReader.h"

#include "TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace tav::records {

namespace {

constexpr size_t kChunkSize = 1 << 20;
constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF");

// Whether any of the eight bytes is zero (exact for the word as a whole).
constexpr quint64 hasZeroByte(quint64 word)
{
    return (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
}

// Skips the bytes before the first CR or LF eight at a time, or-ing them into bits; returns the
// position of the first byte it did not look at.
size_t skipLineBytes(const char* data, size_t i, size_t end, unsigned char& bits)
{
    quint64 seen = 0;
    for (; i + 8 <= end; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (hasZeroByte(word ^ 0x0A0A0A0A0A0A0A0Aull) | hasZeroByte(word ^ 0x0D0D0D0D0D0D0D0Dull))
            break;
        seen |= word;
    }
    bits |= static_cast<unsigned char>((seen & 0x8080808080808080ull) ? 0x80 : 0);
    return i;
}

bool isComment(QByteArrayView raw)
{
    // Most lines hold no "!" at all, and looking for one character is cheap.
    return std::memchr(raw.data(), '!', static_cast<size_t>(raw.size())) && raw.contains("<!--");
}

} // namespace

XmlLineReader::XmlLineReader(ByteSource& source)
    : source_(source)
{
    // A small file needs no more than its own size (and a byte to see that it has ended).
    const qint64 size = source.size();
    buffer_.resize(size >= 0 && size < qint64(kChunkSize) ? std::max<qsizetype>(size + 1, 64) : qsizetype(kChunkSize));
}

std::optional<QByteArrayView> XmlLineReader::readXmlLine()
{
    QByteArrayView raw;
    bool highBytes = false;
    while (nextRawLine(raw, highBytes)) {
        ++lineNumber_;
        lineWasMixed_ = false;
        if (atFirstLine_) {
            atFirstLine_ = false;
            if (raw.startsWith(kUtf8ByteOrderMark))
                raw = raw.sliced(kUtf8ByteOrderMark.size());
        }
        if (highBytes && !isValidUtf8(raw)) {
            fromWindows1252_.clear();
            lineWasMixed_ = holdsUtf8Sequence(raw);
            if (lineWasMixed_)
                appendMixedAsUtf8(fromWindows1252_, raw);
            else
                appendWindows1252AsUtf8(fromWindows1252_, raw);
            raw = QByteArrayView(fromWindows1252_.data(), static_cast<qsizetype>(fromWindows1252_.size()));
        }
        if (isComment(raw))
            continue;
        const QByteArrayView line = cleaned(raw);
        if (!line.isEmpty())
            return line;
    }
    return std::nullopt;
}

QByteArrayView XmlLineReader::cleaned(QByteArrayView raw)
{
    const char* first = raw.data();
    const char* last = first + raw.size();
    while (first < last && *first == ' ')
        ++first;
    while (last > first && last[-1] == ' ')
        --last;
    // Indentation is a run of tabs at the start; only a tab elsewhere needs a copy.
    const char* afterIndent = first;
    while (afterIndent < last && *afterIndent == '\t')
        ++afterIndent;
    if (!std::memchr(afterIndent, '\t', static_cast<size_t>(last - afterIndent)))
        return QByteArrayView(afterIndent, last - afterIndent);
    withoutTabs_.clear();
    for (const char* p = afterIndent; p < last; ++p) {
        if (*p != '\t')
            withoutTabs_.push_back(*p);
    }
    return QByteArrayView(withoutTabs_.data(), static_cast<qsizetype>(withoutTabs_.size()));
}

bool XmlLineReader::nextRawLine(QByteArrayView& line, bool& highBytes)
{
    for (;;) {
        const char* const data = buffer_.data();
        unsigned char bits = scannedBits_;
        size_t i = skipLineBytes(data, scanned_, end_, bits);
        while (i < end_) {
            const auto c = static_cast<unsigned char>(data[i]);
            if (c == '\n' || c == '\r')
                break;
            bits |= c;
            ++i;
        }
        scanned_ = i;
        scannedBits_ = bits;
        // A CR as the last byte read so far may be followed by the LF of the same line end.
        const bool mayBeCrLf = i + 1 == end_ && data[i] == '\r' && !atEnd_;
        if (i < end_ && !mayBeCrLf) {
            line = QByteArrayView(data + begin_, static_cast<qsizetype>(i - begin_));
            highBytes = (bits & 0x80) != 0;
            size_t next = i + 1;
            if (data[i] == '\r' && next < end_ && data[next] == '\n')
                ++next;
            begin_ = scanned_ = next;
            scannedBits_ = 0;
            return true;
        }
        if (atEnd_) {
            if (begin_ == end_)
                return false;
            line = QByteArrayView(data + begin_, static_cast<qsizetype>(end_ - begin_));
            highBytes = (bits & 0x80) != 0;
            begin_ = scanned_ = end_;
            scannedBits_ = 0;
            return true;
        }
        if (!fill())
            return false;
    }
}

bool XmlLineReader::fill()
{
    if (readFailed_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        scanned_ -= begin_;
        begin_ = 0;
    }
    const auto size = static_cast<size_t>(buffer_.size());
    if (end_ == size)
        buffer_.resize(static_cast<qsizetype>(size * 2)); // one line longer than the buffer
    const qint64 count = source_.read(buffer_.data() + end_, buffer_.size() - static_cast<qint64>(end_));
    if (count < 0) {
        readFailed_ = true;
        return false;
    }
    if (count == 0)
        atEnd_ = true;
    else
        readAnyByte_ = true;
    end_ += static_cast<size_t>(count);
    return true;
}

} // namespace tav::records
