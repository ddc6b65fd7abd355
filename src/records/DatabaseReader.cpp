#include "DatabaseReader.h"

#include "CustomerNames.h"
#include "LocalAmounts.h"
#include "Money.h"
#include "RecordFormats.h"
#include "Separators.h"
#include "VectorState.h"
#include "XmlElements.h"
#include "XmlLineReader.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

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

enum class Table { Customers, Products, BillPeriods, InvoiceRecords };

// How the records of one kind are written.
struct RecordKind {
    Table table;
    QByteArrayView recordName;
    QByteArrayView closingTag;
    QByteArrayView sectionOpeningTag;
    QByteArrayView sectionClosingTag;
    // The attribute of the start line that carries the record's number; empty when there is none.
    QByteArrayView numberAttribute;
    // Element names in the order of the fields they fill.
    std::span<const QByteArrayView> elementNames;
};

constexpr QByteArrayView kCompanyElements[] = {"companyname",
                                               "companyadd1",
                                               "companyadd2",
                                               "companyadd3",
                                               "companyphone",
                                               "companyslogan",
                                               "generalinvoicedescription",
                                               "checkspayableto",
                                               "invoiceclosing"};
constexpr QByteArrayView kCustomerElements[]
    = {"fname", "lname", "add1", "add2", "add3", "email", "phone", "notes", "current"};
enum CustomerElement { CustomerCurrent = 8 };
constexpr QByteArrayView kProductElements[] = {"item", "itemprice", "current"};
enum ProductElement { Item, ItemPrice, ProductCurrent };
constexpr QByteArrayView kBillPeriodElements[] = {"bpstart", "bpname", "bpend", "billdue"};
constexpr QByteArrayView kInvoiceRecordElements[] = {"bp", "cid", "accountbalance", "note"};
enum InvoiceElement { Period, CustomerNumber, AccountBalance, Note };
constexpr size_t kMostElements = 9;

constexpr RecordKind kCustomerKind{Table::Customers, "customer",  "/customer", "customers",
                                   "/customers",     "cid",       kCustomerElements};
constexpr RecordKind kProductKind{Table::Products,        "ps", "/ps", "productsandservices",
                                  "/productsandservices", "psid", kProductElements};
constexpr RecordKind kBillPeriodKind{Table::BillPeriods, "billperiod", "/billperiod", "billperiods",
                                     "/billperiods",     {},           kBillPeriodElements};
constexpr RecordKind kInvoiceRecordKind{Table::InvoiceRecords, "invoicerecord", "/invoicerecord", "invoicerecords",
                                        "/invoicerecords",     {},              kInvoiceRecordElements};
constexpr const RecordKind* kRecordKinds[] = {&kCustomerKind, &kProductKind, &kBillPeriodKind, &kInvoiceRecordKind};

bool isRootLine(QByteArrayView line)
{
    return equalsIgnoringCase(line, "<tav-db>") || equalsIgnoringCase(line, "</tav-db>");
}

bool isSectionOpening(QByteArrayView line)
{
    return equalsIgnoringCase(line, "<companyinfo>")
        || std::any_of(std::begin(kRecordKinds), std::end(kRecordKinds), [&](const RecordKind* kind) {
               return line.size() == kind->sectionOpeningTag.size() + 2 && line.startsWith('<') && line.endsWith('>')
                   && equalsIgnoringCase(line.sliced(1, line.size() - 2), kind->sectionOpeningTag);
           });
}

std::optional<size_t> indexOfName(std::span<const QByteArrayView> names, QByteArrayView name)
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (equalsIgnoringCase(name, names[i]))
            return i;
    }
    return std::nullopt;
}

// What the tags of an element name: a numbered item, or an element by its name. Nothing when the
// closing tag does not close the opening one.
struct ElementName {
    QByteArrayView name;
    qsizetype itemNumber = -1;
};

std::optional<ElementName> elementName(QByteArrayView openingTag, QByteArrayView closingName)
{
    if (const qsizetype number = numberedElementNumber(openingTag, kItemOpening); number > 0) {
        if (closingName != kItemClosingName)
            return std::nullopt;
        return ElementName{{}, number};
    }
    if (openingTag.size() != closingName.size() || openingTag.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < openingTag.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(openingTag[i]) != lower(closingName[i]))
            return std::nullopt;
    }
    return ElementName{openingTag, -1};
}

QByteArray keptText(QByteArrayView text)
{
    return text.first(std::min(text.size(), kKeptTextBytes)).toByteArray();
}

// Entries as read, each a key and a text, in file order, with the lines each stood on.
struct ReadEntries {
    std::vector<std::pair<QString, QString>> entries;
    std::vector<ReadReport::Lines> lines;
};

// How the records of one table are taken in. The records read before the table's section first
// ends go into it then, so that the invoice records after it find their customers' names. The
// records read later wait for the end of the file and then go in together: merging each section
// into the sorted table as it ends would make a file of many small sections load in quadratic time.
struct TableLoading {
    explicit TableLoading(RecordTable& loaded)
        : table(loaded)
    {
    }

    RecordTable& table;
    bool sectionEnded = false;
    ReadEntries read;
};

class DatabaseReader {
public:
    DatabaseReader(XmlLineReader& lines, const QLocale& locale, Database& database, ReadReport& report)
        : lines_(lines)
        , amounts_(locale)
        , database_(database)
        , report_(report)
        , customerNames_(database.customers)
        , customers_(database.customers)
        , products_(database.products)
        , periods_(database.periods)
    {
    }

    void readDatabase();
    // Whether the lines held the root line or a section: any other text is not a database file.
    bool foundDatabase() const { return foundDatabase_; }

private:
    // Where a value stands in the open record's values.
    struct Value {
        qsizetype offset = -1;
        qsizetype size = 0;
        qsizetype line = 0;
    };
    struct NumberedItem {
        qsizetype number = 0;
        Value value;
        ReadReport::Lines lines;
    };
    // The record whose start line was read and whose end has not come yet.
    struct OpenRecord {
        const RecordKind* kind = nullptr;
        QByteArray number;
        ReadReport::Lines lines;
        QByteArray startText;
        std::string values;
        std::array<Value, kMostElements> found;
        std::vector<NumberedItem> items;
    };
    // A value whose opening tag was read and whose closing tag has not come yet.
    struct PendingValue {
        bool open = false;
        QByteArray openingTag;
        std::string value;
        bool tooLong = false;
        ReadReport::Lines lines;
        QByteArray firstText;
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
    // The end of the open record: it is taken into its table, or, without a usable number, not read.
    void finishRecord();
    // The open record is not read: the file ended or was cut inside it.
    void dropRecord();
    void joinRecord();
    void sectionEnded(const RecordKind& kind);

    void notRead(ReadReport::Lines lines, QByteArrayView text);
    void pieceNotRead(QByteArrayView text);
    void amountNotRead(qsizetype line, ReadReport::AmountKind kind, const QString& text, const QString& of);
    void noteMixedLine(QByteArrayView text);

    QByteArrayView valueOf(const Value& value) const;
    QString text(size_t index) const;
    qsizetype lineOf(size_t index) const;
    TableLoading& loadingOf(Table table);
    void addCustomer();
    void addProduct();
    void addBillPeriod();
    void addInvoiceRecord();
    // The record's numbered items from 1 up to the first number missing; the others are not read.
    void collectItems();
    void addEntry(TableLoading& loading, QString key, QString text);
    void addEntries(TableLoading& loading, Table table);
    void finishTables();
    void tellDuplicate(ReadReport::Lines lines, QString kept);
    QString keptDescription(Table table, const QString& key) const;

    XmlLineReader& lines_;
    LocalAmounts amounts_;
    Database& database_;
    ReadReport& report_;
    InvoiceCustomerNames customerNames_;
    TableLoading customers_;
    TableLoading products_;
    TableLoading periods_;
    // The invoice records of every section, in file order: they are sorted after the load anyway.
    std::optional<InvoiceRecordTable::Loader> invoiceRecords_;
    std::vector<ReadReport::Lines> invoiceRecordLines_;
    // How many invoice records had been read when the customers section first ended: those read
    // after it are named from its customers.
    std::optional<qsizetype> invoiceRecordsBeforeCustomers_;

    qsizetype line_ = 0;
    OpenRecord record_;
    PendingValue pending_;
    std::array<bool, CompanyInfo::BoxCount> companyRead_{};
    // The invoice record's items in the order of their numbers, kept from record to record.
    std::vector<qsizetype> itemByNumber_;
    // An invoice record's fields as they are made into text, kept from record to record.
    QString period_;
    QString number_;
    QString rest_;

    bool foundDatabase_ = false;
    bool rootOpen_ = false;
    bool rootClosedLast_ = false;
    bool earlierDatabaseCut_ = false;
    LinesNotReadCollector linesNotRead_;
    FirstInFile<ReadReport::Duplicate> duplicates_{ReadReport::kExamples};
    FirstInFile<ReadReport::UnreadableAmount> amountsNotRead_{ReadReport::kExamples};
    FirstInFile<ReadReport::Example> mixedLines_{ReadReport::kExamples};
};

void DatabaseReader::readDatabase()
{
    while (const std::optional<QByteArrayView> line = lines_.readXmlLine()) {
        line_ = lines_.lineNumber();
        if (lines_.lineWasMixed())
            noteMixedLine(*line);
        forEachLinePiece(*line, [this](QByteArrayView text, const LinePiece& piece) { readPiece(text, piece); });
    }
    abandonPending();
    dropRecord();
    report_.cutShort = foundDatabase_ && (earlierDatabaseCut_ || !rootClosedLast_);
    finishTables();
    linesNotRead_.finishInto(report_);
    report_.firstDuplicates = duplicates_.firstItems();
    report_.firstUnreadableAmounts = amountsNotRead_.firstItems();
    report_.firstMixedLines = mixedLines_.firstItems();
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
    if (equalsIgnoringCase(tag, "companyinfo")) {
        foundDatabase_ = true;
        return;
    }
    if (equalsIgnoringCase(tag, "/companyinfo"))
        return;
    for (const RecordKind* kind : kRecordKinds) {
        if (equalsIgnoringCase(tag, kind->sectionOpeningTag)) {
            foundDatabase_ = true;
            return;
        }
        if (equalsIgnoringCase(tag, kind->sectionClosingTag)) {
            if (record_.kind == kind)
                finishRecord();
            sectionEnded(*kind);
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
        const auto store = [&] {
            const Value stored{static_cast<qsizetype>(record_.values.size()), value.size(), lines.first};
            record_.values.append(value.data(), static_cast<size_t>(value.size()));
            return stored;
        };
        if (name.itemNumber > 0) {
            if (record_.kind->table == Table::InvoiceRecords) {
                record_.items.push_back({name.itemNumber, store(), lines});
                return;
            }
        } else if (const std::optional<size_t> index = indexOfName(record_.kind->elementNames, name.name)) {
            // Only the first of an element is kept; a second one is not read.
            if (record_.found[*index].offset < 0) {
                record_.found[*index] = store();
                return;
            }
            notRead(lines, text);
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
    notRead(lines, text);
}

bool DatabaseReader::continuePending(const LinePiece& piece)
{
    const auto closes = [&](QByteArrayView closingName) {
        return elementName(pending_.openingTag, closingName).has_value();
    };
    switch (piece.kind) {
    case LinePiece::Kind::Text:
        joinRecord();
        pending_.lines.last = line_;
        if (pending_.tooLong || qsizetype(pending_.value.size()) + piece.value.size() > kMostGatheredCharacters) {
            pending_.tooLong = true;
            pending_.value = {};
        } else {
            pending_.value.append(piece.value.data(), static_cast<size_t>(piece.value.size()));
        }
        return true;
    case LinePiece::Kind::Closing:
        if (closes(piece.closingName)) {
            joinRecord();
            pending_.lines.last = line_;
            completePending(piece.value);
            return true;
        }
        break;
    case LinePiece::Kind::Tag:
        if (piece.tag.startsWith('/') && closes(piece.tag.sliced(1))) {
            joinRecord();
            pending_.lines.last = line_;
            completePending({});
            return true;
        }
        break;
    default:
        break;
    }
    abandonPending();
    return false;
}

void DatabaseReader::openPending(QByteArrayView text, QByteArrayView openingTag, QByteArrayView value)
{
    joinRecord();
    pending_.open = true;
    pending_.openingTag = openingTag.toByteArray();
    pending_.value.assign(value.data(), static_cast<size_t>(value.size()));
    pending_.tooLong = value.size() > kMostGatheredCharacters;
    pending_.lines = {line_, line_};
    pending_.firstText = keptText(text);
}

void DatabaseReader::completePending(QByteArrayView lastPart)
{
    pending_.open = false;
    const qsizetype size = qsizetype(pending_.value.size()) + lastPart.size();
    if (pending_.tooLong || size > kMostGatheredCharacters) {
        notRead(pending_.lines, pending_.firstText);
        return;
    }
    pending_.value.append(lastPart.data(), static_cast<size_t>(lastPart.size()));
    const qsizetype number = numberedElementNumber(pending_.openingTag, kItemOpening);
    const ElementName taken = number > 0 ? ElementName{{}, number} : ElementName{pending_.openingTag, -1};
    takeElement(taken, QByteArrayView(pending_.value.data(), size), pending_.lines, pending_.firstText);
}

void DatabaseReader::abandonPending()
{
    if (!pending_.open)
        return;
    pending_.open = false;
    notRead(pending_.lines, pending_.firstText);
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
    record_.startText = keptText(text);
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
    switch (record_.kind->table) {
    case Table::Customers:
        addCustomer();
        break;
    case Table::Products:
        addProduct();
        break;
    case Table::BillPeriods:
        addBillPeriod();
        break;
    case Table::InvoiceRecords:
        addInvoiceRecord();
        break;
    }
    record_.kind = nullptr;
    record_.values.clear();
    record_.found.fill(Value());
    record_.items.clear();
}

void DatabaseReader::dropRecord()
{
    if (!record_.kind)
        return;
    notRead(record_.lines, record_.startText);
    record_.kind = nullptr;
    record_.values.clear();
    record_.found.fill(Value());
    record_.items.clear();
}

void DatabaseReader::sectionEnded(const RecordKind& kind)
{
    if (kind.table == Table::InvoiceRecords)
        return;
    TableLoading& loading = loadingOf(kind.table);
    if (loading.sectionEnded)
        return;
    loading.sectionEnded = true;
    addEntries(loading, kind.table);
    if (kind.table == Table::Customers)
        invoiceRecordsBeforeCustomers_ = invoiceRecords_ ? invoiceRecords_->added() : 0;
}

void DatabaseReader::notRead(ReadReport::Lines lines, QByteArrayView text)
{
    linesNotRead_.add(lines, text);
}

void DatabaseReader::pieceNotRead(QByteArrayView text)
{
    notRead({line_, line_}, text);
}

void DatabaseReader::amountNotRead(qsizetype line, ReadReport::AmountKind kind, const QString& text,
                                   const QString& of)
{
    ++report_.unreadableAmounts[size_t(kind)];
    if (amountsNotRead_.wouldKeep(line))
        amountsNotRead_.add(line, ReadReport::UnreadableAmount{line, kind, text, of});
}

void DatabaseReader::noteMixedLine(QByteArrayView text)
{
    ++report_.mixedLineCount;
    if (mixedLines_.wouldKeep(line_))
        mixedLines_.add(line_, ReadReport::Example{{line_, line_}, shownLineText(text)});
}

QByteArrayView DatabaseReader::valueOf(const Value& value) const
{
    if (value.offset < 0)
        return {};
    return QByteArrayView(record_.values.data() + value.offset, value.size);
}

QString DatabaseReader::text(size_t index) const
{
    return valueText(valueOf(record_.found[index]));
}

qsizetype DatabaseReader::lineOf(size_t index) const
{
    return record_.found[index].offset < 0 ? record_.lines.first : record_.found[index].line;
}

TableLoading& DatabaseReader::loadingOf(Table table)
{
    return table == Table::Customers ? customers_ : table == Table::Products ? products_ : periods_;
}

void DatabaseReader::addEntry(TableLoading& loading, QString key, QString text)
{
    loading.read.entries.emplace_back(std::move(key), std::move(text));
    loading.read.lines.push_back(record_.lines);
}

void DatabaseReader::addEntries(TableLoading& loading, Table table)
{
    ReadEntries& read = loading.read;
    if (read.entries.empty())
        return;
    std::vector<DroppedEntry> dropped;
    {
        RecordTable::Loader loader(loading.table);
        for (auto& [key, text] : read.entries)
            loader.add(key, std::move(text));
        dropped = loader.finish();
    }
    for (const DroppedEntry& entry : dropped)
        tellDuplicate(read.lines[static_cast<size_t>(entry.position)], keptDescription(table, entry.key));
    read = {};
}

void DatabaseReader::finishTables()
{
    // Named from the customers of the first section alone, which the table holds until the later
    // sections' entries join it below. Those customers have to wait for addCustomerNamesToRecords,
    // as every customer does in a file whose invoice records come first.
    if (invoiceRecords_ && invoiceRecordsBeforeCustomers_) {
        invoiceRecords_->nameFrom(*invoiceRecordsBeforeCustomers_, [this](QStringView number) {
            return customerNames_.nameOf(number).value_or(QStringView()).toString();
        });
    }
    addEntries(customers_, Table::Customers);
    addEntries(products_, Table::Products);
    addEntries(periods_, Table::BillPeriods);
    if (invoiceRecords_) {
        for (const DroppedEntry& entry : invoiceRecords_->finish())
            tellDuplicate(invoiceRecordLines_[static_cast<size_t>(entry.position)],
                          keptDescription(Table::InvoiceRecords, entry.key));
        invoiceRecordLines_ = {};
    }
}

void DatabaseReader::tellDuplicate(ReadReport::Lines lines, QString kept)
{
    report_.duplicateLines.push_back(lines);
    if (duplicates_.wouldKeep(lines.first))
        duplicates_.add(lines.first, ReadReport::Duplicate{lines, std::move(kept)});
}

QString DatabaseReader::keptDescription(Table table, const QString& key) const
{
    switch (table) {
    case Table::Customers: {
        const QString* text = database_.customers.find(key);
        QString name = text ? text->section(FieldSeparator, 0, 0) : QString();
        if (name.startsWith(ArchivePrefix))
            name = name.mid(ArchivePrefixLength);
        return QStringLiteral("customer %1 (%2)").arg(keyNumberText(key), name);
    }
    case Table::Products: {
        const QString* text = database_.products.find(key);
        return QStringLiteral("product or service %1 (%2)")
            .arg(keyNumberText(key), text ? productDisplayText(*text) : QString());
    }
    case Table::BillPeriods:
        return QStringLiteral("bill period %1").arg(key.section(FieldSeparator, 0, 0));
    case Table::InvoiceRecords:
        return QStringLiteral("the invoice record of customer %1 for %2")
            .arg(key.section(FieldSeparator, 1, 1), key.section(FieldSeparator, 0, 0));
    }
    return QString();
}

void DatabaseReader::addCustomer()
{
    const QString number = QString::fromLatin1(record_.number).remove(KeySuffix);
    if (!isRecordNumber(number)) {
        notRead(record_.lines, record_.startText);
        return;
    }
    CustomerRecord customer;
    for (size_t i = 0; i < customer.values.size(); ++i)
        customer.values[i] = text(i);
    customer.archived = text(CustomerCurrent).toLower() == QLatin1String("no");
    // A current customer whose name begins with the archive mark reads as archived from the
    // tables: the file's word that it is current cannot be kept, and is told.
    if (!customer.archived && customer.displayName().startsWith(ArchivePrefix))
        notRead({lineOf(CustomerCurrent), lineOf(CustomerCurrent)}, valueOf(record_.found[CustomerCurrent]));
    addEntry(customers_, number + KeySuffix, customer.text());
}

void DatabaseReader::addProduct()
{
    const QString number = QString::fromLatin1(record_.number);
    if (!isRecordNumber(number)) {
        notRead(record_.lines, record_.startText);
        return;
    }
    ProductRecord product;
    product.priceText = text(ItemPrice);
    product.name = text(Item);
    // A product's text holds its price before the name, split at the first " - ": a price text
    // holding one could not be told from the name, and is not read.
    if (product.priceText.contains(ProductRecord::kNameSeparator)) {
        notRead({lineOf(ItemPrice), lineOf(ItemPrice)}, valueOf(record_.found[ItemPrice]));
        product.priceText.clear();
    }
    product.price = amounts_.stored(product.priceText);
    if (product.price && (*product.price < 0 || *product.price > kMaxPrice))
        product.price = std::nullopt;
    if (!product.price) {
        amountNotRead(lineOf(ItemPrice), ReadReport::AmountKind::Price, product.priceText,
                      product.name.isEmpty() ? QStringLiteral("product or service %1").arg(number) : product.name);
    }
    product.archived = text(ProductCurrent).toLower() == QLatin1String("no");
    addEntry(products_, number + KeySuffix, product.text());
}

void DatabaseReader::addBillPeriod()
{
    const BillPeriodRecord period{text(BillPeriodRecord::Start), text(BillPeriodRecord::Name),
                                  text(BillPeriodRecord::End), text(BillPeriodRecord::BillDue)};
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period.start.isEmpty() && period.name.isEmpty() && period.end.isEmpty() && period.billDue.isEmpty())
        return;
    addEntry(periods_, period.name + FieldSeparator, period.text());
}

void DatabaseReader::collectItems()
{
    std::vector<NumberedItem>& items = record_.items;
    // Numbers above the count of items can never be reached, since the first gap ends the list.
    itemByNumber_.assign(items.size() + 1, -1);
    for (size_t i = 0; i < items.size(); ++i) {
        const qsizetype number = items[i].number;
        if (number < qsizetype(itemByNumber_.size()) && itemByNumber_[size_t(number)] < 0)
            itemByNumber_[size_t(number)] = qsizetype(i);
        else
            notRead(items[i].lines, valueOf(items[i].value));
    }
    size_t number = 1;
    while (number < itemByNumber_.size() && itemByNumber_[number] >= 0)
        ++number;
    for (; number < itemByNumber_.size(); ++number) {
        if (itemByNumber_[number] >= 0) {
            const NumberedItem& item = items[size_t(itemByNumber_[number])];
            notRead(item.lines, valueOf(item.value));
            itemByNumber_[number] = -1;
        }
    }
}

void DatabaseReader::addInvoiceRecord()
{
    collectItems();
    // Made in buffers kept from record to record: a load makes a million of these.
    period_.resize(0);
    appendValueText(period_, valueOf(record_.found[Period]));
    number_.resize(0);
    appendValueText(number_, valueOf(record_.found[CustomerNumber]));
    const auto whose = [this] { return QStringLiteral("customer %1 in %2").arg(number_, period_); };
    rest_.resize(0);
    appendValueText(rest_, valueOf(record_.found[AccountBalance]));
    // Older files may hold other forms of an amount; balances are kept in the writer's. One that
    // is not wholly an amount is kept as it stands.
    if (!isPlainBalanceText(rest_)) {
        if (const std::optional<Cents> balance = storedBalance(rest_))
            rest_ = rest_.isEmpty() ? rest_ : balanceText(*balance);
        else
            amountNotRead(lineOf(AccountBalance), ReadReport::AmountKind::Balance, rest_, whose());
    }
    rest_.append(FieldSeparator);
    const qsizetype itemsStart = rest_.size();
    for (size_t number = 1; number < itemByNumber_.size() && itemByNumber_[number] >= 0; ++number) {
        const NumberedItem& item = record_.items[size_t(itemByNumber_[number])];
        const qsizetype before = rest_.size();
        if (before > itemsStart)
            rest_.append(ItemSeparator);
        const qsizetype entryStart = rest_.size();
        appendValueText(rest_, valueOf(item.value));
        // An entry without a product number bills nothing, and could not be written back.
        if (rest_.size() == entryStart) {
            rest_.truncate(before);
            continue;
        }
        if (!readBilledItem(QStringView(rest_).sliced(entryStart)))
            amountNotRead(item.lines.first, ReadReport::AmountKind::Item, rest_.sliced(entryStart), whose());
    }
    rest_.append(FieldSeparator);
    appendValueText(rest_, valueOf(record_.found[Note]));
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period_.isEmpty() && number_.isEmpty() && rest_.size() == 2)
        return;
    if (!invoiceRecords_)
        invoiceRecords_.emplace(database_.invoiceRecords);
    // Named at the end of the file, each customer once (see finishTables).
    invoiceRecords_->add(period_, number_, rest_);
    invoiceRecordLines_.push_back(record_.lines);
}

} // namespace

bool isDatabaseFile(QByteArrayView bytes)
{
    // As readDatabase decides it: a root or section line anywhere.
    MemoryByteSource source(bytes);
    XmlLineReader lines(source);
    while (const std::optional<QByteArrayView> line = lines.readXmlLine()) {
        bool found = false;
        forEachLinePiece(*line, [&](QByteArrayView piece, const LinePiece&) {
            found = found || isRootLine(piece) || isSectionOpening(piece);
        });
        if (found)
            return true;
    }
    return !lines.readAnyByte();
}

ReadOutcome readDatabase(ByteSource& source, const QLocale& locale)
{
    clearUpperVectorState();
    ReadOutcome outcome;
    XmlLineReader lines(source);
    DatabaseReader reader(lines, locale, outcome.database, outcome.report);
    reader.readDatabase();
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
