#include "DatabaseReader.h"

#include "CustomerNames.h"
#include "LocalAmounts.h"
#include "Money.h"
#include "RecordFormats.h"
#include "Separators.h"
#include "VectorState.h"
#include "XmlElements.h"
#include "XmlLineReader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tav::records {

namespace {

enum class Section { None, CompanyInfo, Customers, BillPeriods, Products, InvoiceRecords };

constexpr QByteArrayView kItemOpening = "<PSID Number=\"";
constexpr QByteArrayView kItemClosing = "</PSID>";

// How the records of one section are written.
struct RecordSyntax {
    QByteArrayView sectionClosing;
    QByteArrayView recordName;
    QByteArrayView recordClosing;
    // The attribute of the start line that carries the record's number; empty when there is none.
    QByteArrayView numberAttribute;
    std::span<const QByteArrayView> elementNames;
    // The opening of the record's numbered elements; empty when it has none.
    QByteArrayView numberedElementOpening;
};

// Element names in the order of the fields they fill.
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

constexpr RecordSyntax kCustomerSyntax{"</customers>", "customer", "</customer>", "cid", kCustomerElements, {}};
constexpr RecordSyntax kProductSyntax{"</productsandservices>", "ps", "</ps>", "psid", kProductElements, {}};
constexpr RecordSyntax kBillPeriodSyntax{"</billperiods>", "billperiod", "</billperiod>", {}, kBillPeriodElements, {}};
constexpr RecordSyntax kInvoiceRecordSyntax{"</invoicerecords>",    "invoicerecord", "</invoicerecord>", {},
                                            kInvoiceRecordElements, kItemOpening};
constexpr const RecordSyntax* kRecordSyntaxes[]
    = {&kCustomerSyntax, &kProductSyntax, &kBillPeriodSyntax, &kInvoiceRecordSyntax};

// One record's lines as gathered, with what its start line said.
struct GatheredRecord {
    std::string text;
    bool hasStartLine = false;
    QByteArray number;

    QByteArrayView view() const { return QByteArrayView(text.data(), static_cast<qsizetype>(text.size())); }
};

// A line holding more than one tag is an element line, never a section's or a record's own line.
bool isElementLine(QByteArrayView line)
{
    return line.size() > 1 && std::memchr(line.data() + 1, '<', static_cast<size_t>(line.size() - 1));
}

bool isRootLine(QByteArrayView line)
{
    return equalsIgnoringCase(line, "<tav-db>") || equalsIgnoringCase(line, "</tav-db>");
}

bool isAnyRecordStartLine(QByteArrayView line)
{
    return line.startsWith('<')
        && std::any_of(std::begin(kRecordSyntaxes), std::end(kRecordSyntaxes),
                       [&](const RecordSyntax* syntax) { return isRecordStartLine(line, syntax->recordName); });
}

Section sectionOpenedBy(QByteArrayView line)
{
    if (line.size() < 11 || line[0] != '<')
        return Section::None;
    if (equalsIgnoringCase(line, "<companyinfo>"))
        return Section::CompanyInfo;
    if (equalsIgnoringCase(line, "<customers>"))
        return Section::Customers;
    if (equalsIgnoringCase(line, "<billperiods>"))
        return Section::BillPeriods;
    if (equalsIgnoringCase(line, "<productsandservices>"))
        return Section::Products;
    if (equalsIgnoringCase(line, "<invoicerecords>"))
        return Section::InvoiceRecords;
    return Section::None;
}

// Whether the line holds an element: an opening tag, then a closing tag.
bool holdsElement(QByteArrayView line)
{
    const qsizetype opening = line.indexOf('<');
    return opening >= 0 && line.indexOf("</", opening + 1) > opening;
}

// Entries as read, each a key and a text, in file order.
using ReadEntries = std::vector<std::pair<QString, QString>>;

// Adds the entries to the table together, as add() would one by one; returns how many it refused
// (a number, period name or period-and-customer pair that came before).
qsizetype addEntries(RecordTable& table, ReadEntries& entries)
{
    RecordTable::Loader loader(table);
    for (auto& [key, text] : entries)
        loader.add(std::move(key), std::move(text));
    entries = {};
    return loader.finish();
}

// How the records of one table are taken in. A table's first section goes into it as soon as it
// ends, so that the invoice records after it find their customers' names. The records of its later
// sections wait for the end of the file and then go in together: merging each section into the
// sorted table as it ends would make a file of many small sections load in quadratic time.
struct TableLoading {
    explicit TableLoading(RecordTable& loaded)
        : table(loaded)
    {
    }

    RecordTable& table;
    bool sectionRead = false;
    ReadEntries laterSections;
};

class DatabaseReader {
public:
    DatabaseReader(XmlLineReader& lines, const QLocale& locale, Database& database)
        : lines_(lines)
        , amounts_(locale)
        , database_(database)
        , customerNames_(database.customers)
        , customers_(database.customers)
        , products_(database.products)
        , periods_(database.periods)
    {
    }

    void readDatabase();
    qsizetype skippedEntries() const { return skippedEntries_; }
    qsizetype duplicateEntries() const { return duplicateEntries_; }
    // Whether the lines held the root line or a section: any other text is not a database file.
    bool foundDatabase() const { return foundDatabase_; }
    const QStringList& unreadablePrices() const { return unreadablePrices_; }

private:
    using AddRecord = void (DatabaseReader::*)(const GatheredRecord&, const RecordElements&);

    void passOver(QByteArrayView line);
    Section readSection(Section section);
    // Reads a section of records into its table; returns the section whose opening line ended
    // this one, if any.
    Section readTable(TableLoading& loading, const RecordSyntax& syntax, AddRecord add);
    void finishLaterSections();
    Section readCompanyInfoXml();
    // Gathers the section's records and hands each to add.
    Section readRecords(const RecordSyntax& syntax, AddRecord add);
    void addCustomer(const GatheredRecord& record, const RecordElements& elements);
    void addProduct(const GatheredRecord& record, const RecordElements& elements);
    void addBillPeriod(const GatheredRecord& record, const RecordElements& elements);
    void addInvoiceRecord(const GatheredRecord& record, const RecordElements& elements);
    // A record of a numbered kind that cannot be added: counted when it holds anything.
    bool dropUnnumbered(const GatheredRecord& record, const RecordElements& elements, const QString& number);

    QString text(const RecordElements& elements, size_t index) const;

    XmlLineReader& lines_;
    LocalAmounts amounts_;
    Database& database_;
    InvoiceCustomerNames customerNames_;
    // Takes the records of the section being read, for its table to add together: a million
    // records are added much faster so, and a file whose records stand in reverse order cannot
    // make the load quadratic.
    ReadEntries* entries_ = nullptr;
    TableLoading customers_;
    TableLoading products_;
    TableLoading periods_;
    // The invoice records of every section, in file order: they are sorted after the load anyway.
    std::optional<InvoiceRecordTable::Loader> invoiceRecords_;
    // How many invoice records had been read when the first customers section ended: those read
    // after it are named from its customers.
    std::optional<qsizetype> invoiceRecordsBeforeCustomers_;
    // An invoice record's fields as they are made into text, kept from record to record.
    QString period_;
    QString number_;
    QString rest_;
    qsizetype skippedEntries_ = 0;
    qsizetype duplicateEntries_ = 0;
    bool foundDatabase_ = false;
    // Where the lines passed over outside the sections stand: in no entry, in one that has shown
    // only its start line so far, or in one that has been counted.
    enum class StrayEntry { None, Started, Counted } strayEntry_ = StrayEntry::None;
    QStringList unreadablePrices_;
};

void DatabaseReader::readDatabase()
{
    Section next = Section::None;
    for (;;) {
        if (next == Section::None) {
            const std::optional<QByteArrayView> line = lines_.readXmlLine();
            if (!line) {
                finishLaterSections();
                return;
            }
            next = sectionOpenedBy(*line);
            if (next == Section::None) {
                passOver(*line);
                continue;
            }
        }
        foundDatabase_ = true;
        strayEntry_ = StrayEntry::None;
        next = readSection(next);
    }
}

void DatabaseReader::passOver(QByteArrayView line)
{
    // The entries among these lines (the records of a section whose opening line is damaged) are
    // counted, so that the user hears of them before the next save leaves them out.
    if (isAnyRecordStartLine(line)) {
        strayEntry_ = StrayEntry::Started;
    } else if (holdsElement(line)) {
        if (strayEntry_ != StrayEntry::Counted)
            ++skippedEntries_;
        strayEntry_ = StrayEntry::Counted;
    } else {
        if (isRootLine(line))
            foundDatabase_ = true;
        strayEntry_ = StrayEntry::None;
    }
}

Section DatabaseReader::readSection(Section section)
{
    switch (section) {
    case Section::CompanyInfo:
        return readCompanyInfoXml();
    case Section::Customers:
        return readTable(customers_, kCustomerSyntax, &DatabaseReader::addCustomer);
    case Section::BillPeriods:
        return readTable(periods_, kBillPeriodSyntax, &DatabaseReader::addBillPeriod);
    case Section::Products:
        return readTable(products_, kProductSyntax, &DatabaseReader::addProduct);
    case Section::InvoiceRecords:
        if (!invoiceRecords_)
            invoiceRecords_.emplace(database_.invoiceRecords);
        return readRecords(kInvoiceRecordSyntax, &DatabaseReader::addInvoiceRecord);
    case Section::None:
        break;
    }
    return Section::None;
}

Section DatabaseReader::readTable(TableLoading& loading, const RecordSyntax& syntax, AddRecord add)
{
    if (loading.sectionRead) {
        entries_ = &loading.laterSections;
        const Section next = readRecords(syntax, add);
        entries_ = nullptr;
        return next;
    }
    loading.sectionRead = true;
    ReadEntries entries;
    entries_ = &entries;
    const Section next = readRecords(syntax, add);
    entries_ = nullptr;
    duplicateEntries_ += addEntries(loading.table, entries);
    if (&loading == &customers_)
        invoiceRecordsBeforeCustomers_ = invoiceRecords_ ? invoiceRecords_->added() : 0;
    return next;
}

void DatabaseReader::finishLaterSections()
{
    // Named from the customers of the first section alone, which the table holds until the later
    // sections' entries join it below. Those customers have to wait for addCustomerNamesToRecords,
    // as every customer does in a file whose invoice records come first.
    if (invoiceRecords_ && invoiceRecordsBeforeCustomers_) {
        invoiceRecords_->nameFrom(*invoiceRecordsBeforeCustomers_, [this](QStringView number) {
            return customerNames_.nameOf(number).value_or(QStringView()).toString();
        });
    }
    for (TableLoading* loading : {&customers_, &products_, &periods_}) {
        if (!loading->laterSections.empty())
            duplicateEntries_ += addEntries(loading->table, loading->laterSections);
    }
    if (invoiceRecords_)
        duplicateEntries_ += invoiceRecords_->finish();
}

QString DatabaseReader::text(const RecordElements& elements, size_t index) const
{
    return valueText(elements.valueOrEmpty(index));
}

Section DatabaseReader::readCompanyInfoXml()
{
    // A section cut short still gives every element that stands complete in it.
    std::string gathered;
    Section next = Section::None;
    while (const std::optional<QByteArrayView> line = lines_.readXmlLine()) {
        if (equalsIgnoringCase(*line, "</companyinfo>"))
            break;
        next = sectionOpenedBy(*line);
        if (next != Section::None)
            break;
        gathered.append(line->data(), static_cast<size_t>(line->size()));
    }
    RecordElements elements(kCompanyElements);
    elements.scan(QByteArrayView(gathered.data(), static_cast<qsizetype>(gathered.size())));
    // Only the elements the section holds: a stray second opening line must not empty the rest.
    for (size_t box = 0; box < database_.company.texts.size(); ++box) {
        if (const std::optional<QByteArrayView> value = elements.value(box))
            database_.company.texts[box] = valueText(*value);
    }
    return next;
}

Section DatabaseReader::readRecords(const RecordSyntax& syntax, AddRecord add)
{
    RecordElements elements(syntax.elementNames, syntax.numberedElementOpening, kItemClosing);
    GatheredRecord record;
    bool gathering = false;
    const auto start = [&](bool hasStartLine) {
        record.text.clear();
        record.hasStartLine = hasStartLine;
        record.number.clear();
        gathering = true;
    };
    const auto finish = [&] {
        if (gathering) {
            elements.scan(record.view());
            (this->*add)(record, elements);
        }
        gathering = false;
    };
    for (;;) {
        const std::optional<QByteArrayView> line = lines_.readXmlLine();
        if (!line) {
            // A record cut off by the end of the file may be missing elements: it is not loaded.
            if (gathering) {
                elements.scan(record.view());
                if (record.hasStartLine || elements.holdsAny())
                    ++skippedEntries_;
            }
            return Section::None;
        }
        if (!isElementLine(*line)) {
            if (equalsIgnoringCase(*line, syntax.sectionClosing)) {
                finish();
                return Section::None;
            }
            // A record's own closing line, the next record's start line, and another section's
            // opening line each end the record; a missing closing line costs no record.
            if (const Section next = sectionOpenedBy(*line); next != Section::None) {
                finish();
                return next;
            }
            if (isRecordStartLine(*line, syntax.recordName)) {
                finish();
                start(true);
                if (!syntax.numberAttribute.isEmpty())
                    record.number = recordStartNumber(*line, syntax.recordName, syntax.numberAttribute);
                continue;
            }
            if (equalsIgnoringCase(*line, syntax.recordClosing)) {
                finish();
                continue;
            }
        }
        if (!gathering)
            start(false);
        record.text.append(line->data(), static_cast<size_t>(line->size()));
    }
}

bool DatabaseReader::dropUnnumbered(const GatheredRecord& record, const RecordElements& elements, const QString& number)
{
    // Without a start line the lines are what is left of a record whose start line is lost.
    if (!record.hasStartLine) {
        if (elements.holdsAny())
            ++skippedEntries_;
        return true;
    }
    if (!isRecordNumber(number)) {
        ++skippedEntries_;
        return true;
    }
    return false;
}

void DatabaseReader::addCustomer(const GatheredRecord& record, const RecordElements& elements)
{
    const QString number = QString::fromLatin1(record.number).remove(KeySuffix);
    if (dropUnnumbered(record, elements, number))
        return;
    CustomerRecord customer;
    for (size_t i = 0; i < customer.values.size(); ++i)
        customer.values[i] = text(elements, i);
    customer.archived = text(elements, CustomerCurrent).toLower() == QLatin1String("no");
    entries_->emplace_back(number + KeySuffix, customer.text());
}

void DatabaseReader::addProduct(const GatheredRecord& record, const RecordElements& elements)
{
    const QString number = QString::fromLatin1(record.number);
    if (dropUnnumbered(record, elements, number))
        return;
    ProductRecord product;
    product.priceText = text(elements, ItemPrice);
    product.name = text(elements, Item);
    const std::optional<Cents> price = amounts_.stored(product.priceText);
    if (price && *price >= 0 && *price <= kMaxPrice)
        product.price = *price;
    else
        unreadablePrices_ << product.displayText();
    product.archived = text(elements, ProductCurrent).toLower() == QLatin1String("no");
    entries_->emplace_back(number + KeySuffix, product.text());
}

void DatabaseReader::addBillPeriod(const GatheredRecord&, const RecordElements& elements)
{
    const BillPeriodRecord period{text(elements, BillPeriodRecord::Start), text(elements, BillPeriodRecord::Name),
                                  text(elements, BillPeriodRecord::End), text(elements, BillPeriodRecord::BillDue)};
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period.start.isEmpty() && period.name.isEmpty() && period.end.isEmpty() && period.billDue.isEmpty())
        return;
    entries_->emplace_back(period.name + FieldSeparator, period.text());
}

void DatabaseReader::addInvoiceRecord(const GatheredRecord&, const RecordElements& elements)
{
    // Made in buffers kept from record to record: a load makes a million of these.
    period_.resize(0);
    appendValueText(period_, elements.valueOrEmpty(Period));
    number_.resize(0);
    appendValueText(number_, elements.valueOrEmpty(CustomerNumber));
    rest_.resize(0);
    // Older files may hold other forms of an amount; balances are kept in the writer's.
    appendValueText(rest_, elements.valueOrEmpty(AccountBalance));
    if (!isPlainBalanceText(rest_))
        rest_ = plainBalanceText(rest_);
    rest_.append(FieldSeparator);
    const qsizetype itemsStart = rest_.size();
    for (const QByteArrayView item : elements.numberedValues()) {
        const qsizetype before = rest_.size();
        if (before > itemsStart)
            rest_.append(ItemSeparator);
        const qsizetype entryStart = rest_.size();
        appendValueText(rest_, item);
        // An entry without a product number bills nothing, and could not be written back.
        if (rest_.size() == entryStart)
            rest_.truncate(before);
    }
    rest_.append(FieldSeparator);
    appendValueText(rest_, elements.valueOrEmpty(Note));
    // An entry without a single value holds nothing, and no line of it would be written.
    if (period_.isEmpty() && number_.isEmpty() && rest_.size() == 2)
        return;
    // Named at the end of the file, each customer once (see finishLaterSections).
    invoiceRecords_->add(period_, number_, rest_);
}

} // namespace

ReadOutcome readDatabase(ByteSource& source, const QLocale& locale)
{
    clearUpperVectorState();
    ReadOutcome outcome;
    XmlLineReader lines(source);
    DatabaseReader reader(lines, locale, outcome.database);
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
    outcome.skippedEntries = reader.skippedEntries();
    outcome.duplicateEntries = reader.duplicateEntries();
    outcome.unreadablePrices = reader.unreadablePrices();
    return outcome;
}

} // namespace tav::records
