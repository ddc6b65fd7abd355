#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QStringView>

#include <vector>

namespace tav::records {

// Where a database file's bytes go: the file being saved, or memory.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be written.
    virtual bool write(const char* data, qsizetype size) = 0;
};

class MemoryByteSink final : public ByteSink {
public:
    bool write(const char* data, qsizetype size) override
    {
        bytes.append(data, size);
        return true;
    }

    QByteArray bytes;
};

// Writes the lines of a database file in UTF-8, each ended by CR LF (WriteXmlLine). In an element
// line the value is escaped: "&", "<", ">", "'" and the double quote as their entity references,
// CR, LF and tab as the character references "&#13;", "&#10;" and "&#9;", so that every value
// stays on its line and keeps its line breaks. An element whose value is empty is left out.
class XmlLineWriter {
public:
    explicit XmlLineWriter(ByteSink& sink);

    // A line written as it is: a tag line, or an empty line.
    void writeXmlLine(int tabs, QLatin1StringView text);
    // <name>value</name>
    void writeXmlLine(int tabs, QLatin1StringView name, QStringView value);
    // <name attribute="number">value</name>
    void writeNumberedXmlLine(int tabs, QLatin1StringView name, QLatin1StringView attribute, qsizetype number,
                              QStringView value);
    // A record's start line <name attribute="number">; the number is written as it is.
    void writeStartLine(int tabs, QLatin1StringView name, QLatin1StringView attribute, QStringView number);

    // Hands the last bytes to the sink; false when the sink failed at any point.
    bool finish();

private:
    // Room for at least size more bytes at the end of the buffer.
    char* room(size_t size);
    void append(QLatin1StringView text);
    void appendNumber(qsizetype number);
    void appendText(QStringView text, bool escaped);
    void beginLine(int tabs);
    void endLine();
    void flush();

    ByteSink& sink_;
    std::vector<char> buffer_;
    size_t used_ = 0;
    bool failed_ = false;
};

} // namespace tav::records
