#pragma once

#include "ByteSource.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <string>

namespace tav::records {

// Hands out the meaningful lines of a database file, one at a time, straight from its bytes, and
// always in UTF-8: a line that is not valid UTF-8 is read as Windows-1252 and handed out in UTF-8,
// so that a stray byte costs its own line nothing but itself and the rest of the file nothing at
// all; a line that mixes the two keeps each UTF-8 sequence and reads the other bytes as
// Windows-1252, and says so. A line ends at CR, at LF, or at CR LF. Blank lines and comment lines
// (those holding "<!--") are passed over; the comment test looks at the line as written, where a
// value's "<" is still escaped, so a value holding that text is never taken for a comment. Leading and trailing blanks
// are trimmed and every tab is removed. Entity references are left as they stand: they are
// resolved per value, after the tags have been found.
class XmlLineReader {
public:
    explicit XmlLineReader(ByteSource& source);

    // The next meaningful line, valid until the next call. Nothing at the end of the bytes and
    // after a read error.
    std::optional<QByteArrayView> readXmlLine();

    // The number of the line last handed out, counting every line of the file from 1.
    qsizetype lineNumber() const { return lineNumber_; }
    // Whether the line last handed out mixed UTF-8 with Windows-1252.
    bool lineWasMixed() const { return lineWasMixed_; }

    bool readFailed() const { return readFailed_; }
    // Whether the source held any byte at all, blank lines and comments included.
    bool readAnyByte() const { return readAnyByte_; }

private:
    bool nextRawLine(QByteArrayView& line, bool& highBytes);
    bool fill();
    QByteArrayView cleaned(QByteArrayView raw);

    ByteSource& source_;
    QByteArray buffer_; // grown without clearing: a load reads hundreds of megabytes through it
    size_t begin_ = 0; // the first byte not yet handed out
    size_t scanned_ = 0; // bytes from begin_ up to here hold no line end
    size_t end_ = 0;
    unsigned char scannedBits_ = 0; // every byte scanned so far in this line, or-ed together
    qsizetype lineNumber_ = 0;
    bool lineWasMixed_ = false;
    bool atEnd_ = false;
    bool atFirstLine_ = true;
    bool readFailed_ = false;
    bool readAnyByte_ = false;
    std::string fromWindows1252_;
    std::string withoutTabs_;
};

} // namespace tav::records
