#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace tav::records {

// Finding values in the text of one record as the reader gathers it: the record's lines joined
// with nothing between them, tags as written, values still escaped. Tag and attribute names are
// given in lower case and matched without regard to case unless said otherwise.

// Whether the text equals the lower-case tag without regard to case.
bool equalsIgnoringCase(QByteArrayView text, QByteArrayView lowerTag);

// The elements of one record, all found in one pass over its text, whatever its size.
// An element's value is the text from the first opening tag <name> to the first closing tag
// </name> after it. Numbered elements such as <PSID Number="1">7</PSID> are found in number
// order from 1 up to the first number missing; their tags must stand exactly as the writer
// writes them. The scanner keeps its buffers from record to record.
class RecordElements {
public:
    // names in lower case; numberedOpening is the opening tag up to its number (<PSID Number="),
    // empty when the record has no numbered elements.
    RecordElements(std::span<const QByteArrayView> names, QByteArrayView numberedOpening = {},
                   QByteArrayView numberedClosing = {});

    // Scans a record; the views below stay valid while the record's text does.
    void scan(QByteArrayView record);

    // The value of names[index]: nothing when there is no opening tag, empty when no closing
    // tag follows it.
    std::optional<QByteArrayView> value(size_t index) const;
    QByteArrayView valueOrEmpty(size_t index) const { return value(index).value_or(QByteArrayView()); }
    const std::vector<QByteArrayView>& numberedValues() const { return numberedValues_; }
    // Whether any of the elements, numbered ones included, has an opening tag.
    bool holdsAny() const;

private:
    struct Found {
        qsizetype valueStart = -1;
        qsizetype valueEnd = -1;
    };

    void noteTag(QByteArrayView record, qsizetype at);
    void collectNumberedValues(QByteArrayView record);

    std::span<const QByteArrayView> names_;
    qsizetype longestName_ = 0;
    QByteArrayView numberedOpening_;
    QByteArrayView numberedClosing_;
    QByteArrayView record_;
    std::vector<Found> found_;
    std::vector<std::pair<qsizetype, qsizetype>> numberedOpenings_; // number, value start
    std::vector<qsizetype> numberedClosings_;
    std::vector<qsizetype> numberedStarts_;
    std::vector<QByteArrayView> numberedValues_;
};

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
