#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>


namespace tav::records {

// Reading the pieces of a database file's lines: tags as written, values still escaped. Tag and
// attribute names are given in lower case and matched without regard to case unless said
// otherwise.

inline char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether the text equals the lower-case tag without regard to case. Inline: the reader compares
// a name or two on every line of a file of millions.
inline bool equalsIgnoringCase(QByteArrayView text, QByteArrayView lowerTag)
{
    if (text.size() != lowerTag.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (lowerAscii(text[i]) != lowerTag[i])
            return false;
    }
    return true;
}

// Whether two texts are equal without regard to the case of ASCII letters.
inline bool sameIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// One piece of a line as the file's grammar reads it. A line holds one piece, or several where
// line breaks were lost ("</Customer><Customer CID=\"3\">"); a value that held a line break in an
// older file runs over several lines, the first holding its opening tag, the last its closing tag.
// A value never holds "<" or ">" (the writer escapes both): one that does is no value.
struct LinePiece {
    enum class Kind {
        Tag, // one tag alone: <Customers>, </Customer>, <Customer CID="1">, <Notes>
        Element, // <name>value</name>
        Opening, // <name>value, the value going on in the next lines
        Closing, // value</name>, the end of a value begun in earlier lines
        Text, // value, the middle of a value begun in earlier lines
        Malformed, // anything else
    };
    Kind kind = Kind::Malformed;
    // What stands between "<" and ">" of the tag alone or of the opening tag ("/Customer",
    // "Customer CID=\"1\"", "FName", "PSID Number=\"2\"").
    QByteArrayView tag;
    // The name in the closing tag.
    QByteArrayView closingName;
    QByteArrayView value;
};

LinePiece readLinePiece(QByteArrayView piece);

// Calls take(piece) for each piece of a line, split where a tag's ">" meets the next tag's "<".
// Only a line that does not read as one piece is split: an element with an empty value
// (<Note></Note>) stays whole.
template <class Take>
void forEachLinePiece(QByteArrayView line, Take take)
{
    const LinePiece whole = readLinePiece(line);
    if (whole.kind != LinePiece::Kind::Malformed) {
        take(line, whole);
        return;
    }
    qsizetype start = 0;
    for (qsizetype joint = line.indexOf("><"); joint >= 0; joint = line.indexOf("><", joint + 1)) {
        const QByteArrayView piece = line.sliced(start, joint + 1 - start);
        take(piece, readLinePiece(piece));
        start = joint + 1;
    }
    const QByteArrayView last = line.sliced(start);
    take(last, start == 0 ? whole : readLinePiece(last));
}

// The number of a numbered element's opening tag exactly as the writer writes it (PSID Number="2"
// gives 2; the name case-sensitive, the number in canonical decimal), or -1.
qsizetype numberedElementNumber(QByteArrayView tag, QByteArrayView openingUpToNumber);

// Whether a line starts a record: "<" and the record's name, then a blank or ">".
bool isRecordStartLine(QByteArrayView line, QByteArrayView lowerRecordName);

// The number a record's start line carries in its one attribute (<Customer CID="12"> gives 12),
// read with every blank removed. Empty when the line does not have that form.
QByteArray recordStartNumber(QByteArrayView line, QByteArrayView lowerRecordName, QByteArrayView lowerAttribute);

// A value made into text: the character and entity references the writer uses are resolved,
// FieldSeparator and ItemSeparator characters (which would break the record's text apart) are
// removed, and the UTF-8 bytes are decoded.
QString valueText(QByteArrayView value);
// The same, appended to text. Never makes the text longer than value.size() characters.
void appendValueText(QString& text, QByteArrayView value);

} // namespace tav::records
