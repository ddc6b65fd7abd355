#include "DatabaseReader.h"

#include "GatheredRecord.h"
#include "TableFilling.h"
#include "VectorState.h"
#include "XmlElements.h"
#include "XmlLineReader.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

namespace tav::records {

namespace {

// The opening tag of a numbered item up to its number, and its closing tag's name, exactly as the
// writer writes them.
constexpr QByteArrayView kItemOpening = "PSID Number=\"";
constexpr QByteArrayView kItemClosingName = "PSID";
// A value that runs over several lines (a line break in an older file) is gathered up to the
// bound the text of one record has always had; a longer one is not read.
constexpr qsizetype kMostGatheredCharacters = 32'767;
// The bytes of a line kept to show it in the report.
constexpr qsizetype kKeptTextBytes = 320;

bool isSectionOpening(QByteArrayView line)
{
    if (line.size() < 3 || !line.startsWith('<') || !line.endsWith('>'))
        return false;
    const QByteArrayView tag = line.sliced(1, line.size() - 2);
    return equalsIgnoringCase(tag, "companyinfo")
        || std::any_of(std::begin(kRecordKinds), std::end(kRecordKinds),
                       [&](const RecordKind* kind) { return equalsIgnoringCase(tag, kind->sectionOpeningTag); });
}

std::optional<size_t> indexOfName(std::span<const QByteArrayView> names, QByteArrayView name)
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (equalsIgnoringCase(name, names[i]))
            return i;
    }
    return std::nullopt;
}

// What the tags of an element name: a numbered item, or an element by its name.
struct ElementName {
    QByteArrayView name;
    qsizetype itemNumber = -1;
};

// Nothing when the closing tag does not close the opening one.
std::optional<ElementName> elementName(QByteArrayView openingTag, QByteArrayView closingName)
{
    if (const qsizetype number = numberedElementNumber(openingTag, kItemOpening); number > 0) {
        if (closingName != kItemClosingName)
            return std::nullopt;
        return ElementName{{}, number};
    }
    if (openingTag.isEmpty() || !sameIgnoringCase(openingTag, closingName))
        return std::nullopt;
    return ElementName{openingTag, -1};
}

// Keeps the start of a line's text to show it, in a buffer kept from line to line.
void keepText(std::string& kept, QByteArrayView text)
{
    kept.assign(text.data(), static_cast<size_t>(std::min(text.size(), kKeptTextBytes)));
}

// Reads the lines of a database file piece by piece: every record from its start line to its end
// goes to the tables, every element line into its record or the company texts, and every line that
// is neither (or holds what cannot be kept) to the report.
class DatabaseReader {
public:
    DatabaseReader(XmlLineReader& lines, const QLocale& locale, Database& database)
        : lines_(lines)
        , database_(database)
        , tables_(database, locale, report_)
    {
    }

    void readDatabase(ReadReport& report);
    // Whether the lines held the root line or a section: any other text is not a database file.
    bool foundDatabase() const { return foundDatabase_; }

private:
    // A value whose opening tag was read and whose closing tag has not come yet.
    struct PendingValue {
        bool open = false;
        QByteArray openingTag;
        std::string value;
        bool tooLong = false;
        ReadReport::Lines lines;
        std::string firstText;
    };

    void readPiece(QByteArrayView text, const LinePiece& piece);
    void readTag(QByteArrayView text, QByteArrayView tag);
    void readElement(QByteArrayView text, const LinePiece& piece);
    void takeElement(const ElementName& name, QByteArrayView value, ReadReport::Lines lines, QByteArrayView text);
    // Goes on with the pending value; false when the piece does not belong to it, which then ends
    // it unread.
    bool continuePending(const LinePiece& piece);
    void openPending(QByteArrayView text, QByteArrayView openingTag, QByteArrayView value);
    void completePending(QByteArrayView lastPart);
    void abandonPending();

    void rootOpening();
    void rootClosing();
    void startRecord(const RecordKind& kind, QByteArrayView text);
    // The open record ends: it goes to its table.
    void finishRecord();
    // The open record is not read: the file ended, or was cut, inside it.
    void dropRecord();
    // The piece being read belongs to the open record, if any.
    void joinRecord();
    void pieceNotRead(QByteArrayView text);

    XmlLineReader& lines_;
    Database& database_;
    ReportCollector report_;
    TableFilling tables_;
    qsizetype line_ = 0;
    GatheredRecord record_;
    PendingValue pending_;
    std::array<bool, CompanyInfo::BoxCount> companyRead_{};
    bool foundDatabase_ = false;
    bool rootOpen_ = false;
    bool rootClosedLast_ = false;
    bool earlierDatabaseCut_ = false;
};

void DatabaseReader::readDatabase(ReadReport& report)
{
    while (const std::optional<QByteArrayView> line = lines_.readXmlLine()) {
        line_ = lines_.lineNumber();
        if (lines_.lineWasMixed())
            report_.mixedLine(line_, *line);
        forEachLinePiece(*line, [this](QByteArrayView text, const LinePiece& piece) { readPiece(text, piece); });
    }
    abandonPending();
    dropRecord();
    tables_.finish();
    report_.finishInto(report);
    report.cutShort = foundDatabase_ && (earlierDatabaseCut_ || !rootClosedLast_);
}

void DatabaseReader::readPiece(QByteArrayView text, const LinePiece& piece)
{
    if (pending_.open && continuePending(piece))
        return;
    switch (piece.kind) {
    case LinePiece::Kind::Tag:
        readTag(text, piece.tag);
        return;
    case LinePiece::Kind::Element:
        readElement(text, piece);
        return;
    case LinePiece::Kind::Opening:
        openPending(text, piece.tag, piece.value);
        return;
    case LinePiece::Kind::Closing:
    case LinePiece::Kind::Text:
    case LinePiece::Kind::Malformed:
        joinRecord();
        pieceNotRead(text);
        return;
    }
}

void DatabaseReader::readTag(QByteArrayView text, QByteArrayView tag)
{
    // The end of the open record comes most often, then the start of the next.
    if (record_.kind && equalsIgnoringCase(tag, record_.kind->closingTag)) {
        joinRecord();
        finishRecord();
        return;
    }
    for (const RecordKind* kind : kRecordKinds) {
        if (isRecordStartLine(text, kind->recordName)) {
            startRecord(*kind, text);
            return;
        }
    }
    if (equalsIgnoringCase(tag, "tav-db")) {
        rootOpening();
        return;
    }
    if (equalsIgnoringCase(tag, "/tav-db")) {
        rootClosing();
        return;
    }
    // Section lines only delimit: every record is known by its own start line, so one that is out
    // of place costs nothing.
    if (isSectionOpening(text)) {
        foundDatabase_ = true;
        return;
    }
    if (equalsIgnoringCase(tag, "/companyinfo"))
        return;
    for (const RecordKind* kind : kRecordKinds) {
        if (equalsIgnoringCase(tag, kind->sectionClosingTag)) {
            if (record_.kind == kind)
                finishRecord();
            tables_.sectionEnded(kind->table);
            return;
        }
    }
    // An opening tag alone begins a value that goes on in the next lines.
    if (!tag.startsWith('/')) {
        openPending(text, tag, {});
        return;
    }
    // Another record's end line, or the end of a record whose start line was lost.
    joinRecord();
    pieceNotRead(text);
}

void DatabaseReader::readElement(QByteArrayView text, const LinePiece& piece)
{
    joinRecord();
    if (const std::optional<ElementName> name = elementName(piece.tag, piece.closingName))
        takeElement(*name, piece.value, {line_, line_}, text);
    else
        pieceNotRead(text);
}

void DatabaseReader::takeElement(const ElementName& name, QByteArrayView value, ReadReport::Lines lines,
                                 QByteArrayView text)
{
    if (record_.kind) {
        if (name.itemNumber > 0) {
            if (record_.kind->table == TableKind::InvoiceRecords) {
                record_.items.push_back({name.itemNumber, record_.store(value, lines.first), lines});
                return;
            }
        } else if (const std::optional<size_t> index = indexOfName(record_.kind->elementNames, name.name)) {
            // Only the first of an element is kept; a second one is not read.
            if (record_.found[*index].offset < 0) {
                record_.found[*index] = record_.store(value, lines.first);
                return;
            }
            report_.notRead(lines, text);
            return;
        }
    }
    if (name.itemNumber < 0) {
        if (const std::optional<size_t> box = indexOfName(kCompanyElements, name.name); box && !companyRead_[*box]) {
            companyRead_[*box] = true;
            database_.company.texts[*box] = valueText(value);
            return;
        }
    }
    report_.notRead(lines, text);
}

bool DatabaseReader::continuePending(const LinePiece& piece)
{
    joinRecord();
    if (piece.kind == LinePiece::Kind::Text) {
        pending_.lines.last = line_;
        if (pending_.tooLong || qsizetype(pending_.value.size()) + piece.value.size() > kMostGatheredCharacters) {
            pending_.tooLong = true;
            pending_.value = {};
        } else {
            pending_.value.append(piece.value.data(), static_cast<size_t>(piece.value.size()));
        }
        return true;
    }
    const bool closes = piece.kind == LinePiece::Kind::Closing
        ? elementName(pending_.openingTag, piece.closingName).has_value()
        : piece.kind == LinePiece::Kind::Tag && piece.tag.startsWith('/')
            && elementName(pending_.openingTag, piece.tag.sliced(1)).has_value();
    if (!closes) {
        abandonPending();
        return false;
    }
    pending_.lines.last = line_;
    completePending(piece.kind == LinePiece::Kind::Closing ? piece.value : QByteArrayView());
    return true;
}

void DatabaseReader::openPending(QByteArrayView text, QByteArrayView openingTag, QByteArrayView value)
{
    joinRecord();
    pending_.open = true;
    pending_.openingTag = openingTag.toByteArray();
    pending_.value.assign(value.data(), static_cast<size_t>(value.size()));
    pending_.tooLong = value.size() > kMostGatheredCharacters;
    pending_.lines = {line_, line_};
    keepText(pending_.firstText, text);
}

void DatabaseReader::completePending(QByteArrayView lastPart)
{
    pending_.open = false;
    const qsizetype size = qsizetype(pending_.value.size()) + lastPart.size();
    if (pending_.tooLong || size > kMostGatheredCharacters) {
        report_.notRead(pending_.lines, shownText(pending_.firstText));
        return;
    }
    pending_.value.append(lastPart.data(), static_cast<size_t>(lastPart.size()));
    const qsizetype number = numberedElementNumber(pending_.openingTag, kItemOpening);
    const ElementName taken = number > 0 ? ElementName{{}, number} : ElementName{pending_.openingTag, -1};
    takeElement(taken, QByteArrayView(pending_.value.data(), size), pending_.lines, shownText(pending_.firstText));
}

void DatabaseReader::abandonPending()
{
    if (!pending_.open)
        return;
    pending_.open = false;
    report_.notRead(pending_.lines, shownText(pending_.firstText));
}

void DatabaseReader::rootOpening()
{
    foundDatabase_ = true;
    // A second root line before the first ended: the database before it was cut off there.
    if (rootOpen_) {
        earlierDatabaseCut_ = true;
        dropRecord();
    }
    rootOpen_ = true;
    rootClosedLast_ = false;
}

void DatabaseReader::rootClosing()
{
    foundDatabase_ = true;
    finishRecord();
    rootOpen_ = false;
    rootClosedLast_ = true;
}

void DatabaseReader::startRecord(const RecordKind& kind, QByteArrayView text)
{
    // The record before it lost its end line, which costs it nothing.
    finishRecord();
    record_.kind = &kind;
    record_.lines = {line_, line_};
    keepText(record_.startText, text);
    record_.number = kind.numberAttribute.isEmpty() ? QByteArray()
                                                    : recordStartNumber(text, kind.recordName, kind.numberAttribute);
}

void DatabaseReader::joinRecord()
{
    if (record_.kind)
        record_.lines.last = line_;
}

void DatabaseReader::finishRecord()
{
    if (!record_.kind)
        return;
    tables_.take(record_);
    record_.clear();
}

void DatabaseReader::dropRecord()
{
    if (!record_.kind)
        return;
    report_.notRead(record_.lines, shownText(record_.startText));
    record_.clear();
}

void DatabaseReader::pieceNotRead(QByteArrayView text)
{
    report_.notRead({line_, line_}, text);
}

} // namespace

ReadOutcome readDatabase(ByteSource& source, const QLocale& locale)
{
    clearUpperVectorState();
    ReadOutcome outcome;
    XmlLineReader lines(source);
    DatabaseReader reader(lines, locale, outcome.database);
    reader.readDatabase(outcome.report);
    if (lines.readFailed()) {
        ReadOutcome failed;
        failed.readFailed = true;
        failed.readError = source.errorText();
        return failed;
    }
    // Plain text, a page, a copy in UTF-16: loaded as an empty database, the next save would
    // replace it. A file of no bytes at all is a new, empty database.
    if (!reader.foundDatabase() && lines.readAnyByte()) {
        ReadOutcome foreign;
        foreign.readFailed = true;
        foreign.readError = NotADatabaseFile;
        return foreign;
    }
    return outcome;
}

} // namespace tav::records
