// Copies of every database of the corpus damaged as disks, editors and copies damage files: a byte
// put into or taken out of the tags of each line, each two lines joined, each section line put
// inside each other section, the file cut at each line end. Whatever a load and a save of a copy
// lose of the original was told by the load, by the line it stood on.
#include "RecordsTestSupport.h"

#include "records/ByteSource.h"
#include "records/DatabaseWriter.h"
#include "records/RecordFormats.h"
#include "records/Separators.h"
#include "records/XmlElements.h"
#include "records/XmlLineReader.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

#include <functional>

namespace tav::records::test {
namespace {

// One thing a database holds, as "table|key|element", and its value.
using Facts = QMap<QString, QString>;

QString factKey(const char* table, const QString& key, const QString& element)
{
    return QLatin1String(table) + QLatin1Char('|') + key + QLatin1Char('|') + element;
}

Facts factsOf(const Database& database)
{
    Facts facts;
    const auto add = [&](const char* table, const QString& key, const QString& element, const QString& value) {
        if (!value.isEmpty())
            facts[factKey(table, key, element)] = value;
    };
    static const char* const company[] = {"companyname",   "companyadd1",   "companyadd2",
                                          "companyadd3",   "companyphone",  "companyslogan",
                                          "generalinvoicedescription", "checkspayableto", "invoiceclosing"};
    for (size_t box = 0; box < database.company.texts.size(); ++box)
        add("company", {}, QLatin1String(company[box]), database.company.texts[box]);
    static const char* const customer[] = {"fname", "lname", "add1", "add2", "add3", "email", "phone", "notes"};
    for (qsizetype i = 1; i <= database.customers.count(); ++i) {
        const auto record = CustomerRecord::fromText(database.customers.textAt(i));
        for (size_t field = 0; field < record->values.size(); ++field)
            add("customer", database.customers.keyAt(i), QLatin1String(customer[field]), record->values[field]);
        add("customer", database.customers.keyAt(i), "current", record->archived ? "No" : "Yes");
    }
    for (qsizetype i = 1; i <= database.products.count(); ++i) {
        const ProductRecord product = ProductRecord::fromText(database.products.textAt(i));
        add("ps", database.products.keyAt(i), "item", product.name);
        add("ps", database.products.keyAt(i), "itemprice", product.priceText);
        add("ps", database.products.keyAt(i), "current", product.archived ? "No" : "Yes");
    }
    for (qsizetype i = 1; i <= database.periods.count(); ++i) {
        const auto period = BillPeriodRecord::fromText(database.periods.textAt(i));
        const QString key = database.periods.keyAt(i);
        add("billperiod", key, "bpstart", period->start);
        add("billperiod", key, "bpname", period->name);
        add("billperiod", key, "bpend", period->end);
        add("billperiod", key, "billdue", period->billDue);
    }
    for (qsizetype i = 1; i <= database.invoiceRecords.count(); ++i) {
        const auto record = InvoiceRecord::fromText(database.invoiceRecords.textAt(i));
        const QString key = database.invoiceRecords.keyAt(i);
        add("invoicerecord", key, "accountbalance", record->balance);
        const QStringList items = record->items.split(ItemSeparator);
        for (qsizetype k = 0; k < items.size(); ++k)
            add("invoicerecord", key, QStringLiteral("psid%1").arg(k + 1), items[k]);
        add("invoicerecord", key, "note", record->note);
    }
    return facts;
}

// Where the facts of a sound file stand: the line of each, and the lines that give each record
// its key (the start line, the period's name, the invoice record's period and customer).
struct FactLines {
    QMap<QString, qsizetype> line;
    QMap<QString, QList<qsizetype>> keyLines; // by "table|key|"
};

FactLines factLinesOf(QByteArrayView file)
{
    FactLines where;
    MemoryByteSource source(file);
    XmlLineReader lines(source);
    const char* table = nullptr;
    qsizetype start = 0;
    QString number;
    QMap<QString, std::pair<qsizetype, QString>> elements; // name -> line, value
    while (const auto text = lines.readXmlLine()) {
        const LinePiece piece = readLinePiece(*text);
        const qsizetype line = lines.lineNumber();
        if (piece.kind == LinePiece::Kind::Element) {
            const qsizetype item = numberedElementNumber(piece.tag, "PSID Number=\"");
            const QString name = item > 0 ? QStringLiteral("psid%1").arg(item) : QString::fromUtf8(piece.tag).toLower();
            if (table)
                elements[name] = {line, valueText(piece.value)};
            else
                where.line[factKey("company", {}, name)] = line;
            continue;
        }
        for (const char* kind : {"customer", "ps", "billperiod", "invoicerecord"}) {
            if (piece.kind == LinePiece::Kind::Tag && isRecordStartLine(*text, kind)) {
                table = kind;
                start = line;
                number = QString::fromLatin1(recordStartNumber(*text, kind, table[0] == 'c' ? "cid" : "psid"))
                             .remove(QLatin1Char('k'));
                elements.clear();
            }
        }
        if (!table || piece.tag.toByteArray().toLower() != '/' + QByteArray(table))
            continue;
        QString key;
        QList<qsizetype> keyLines{start};
        if (table == QLatin1String("billperiod")) {
            key = elements["bpname"].second + FieldSeparator;
            keyLines << elements["bpname"].first;
        } else if (table == QLatin1String("invoicerecord")) {
            key = InvoiceRecord::key(elements["bp"].second, elements["cid"].second);
            keyLines << elements["bp"].first << elements["cid"].first;
        } else {
            key = number + KeySuffix;
        }
        where.keyLines[factKey(table, key, {})] = keyLines;
        for (auto element = elements.begin(); element != elements.end(); ++element)
            where.line[factKey(table, key, element.key())] = element.value().first;
        table = nullptr;
    }
    return where;
}

// The lines of a file, each its bytes without the line end, and where the next begins.
struct RawLine {
    qsizetype start = 0;
    qsizetype size = 0;
    qsizetype next = 0;
};

std::vector<RawLine> rawLinesOf(const QByteArray& bytes)
{
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size())
            next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        lines.push_back({start, end - start, next});
        start = next;
    }
    return lines;
}

// The positions of a line (0 .. size) outside its values: the tags, the indentation and the
// quotes around a number. A byte put or taken there damages the line's form, never just a value.
std::vector<bool> tagRegionOf(QByteArrayView line)
{
    std::vector<bool> region(static_cast<size_t>(line.size()) + 1, true);
    const auto notTags = [&](qsizetype from, qsizetype to) {
        for (qsizetype p = from; p <= to && p <= line.size(); ++p)
            region[static_cast<size_t>(p)] = false;
    };
    const qsizetype openingEnd = line.indexOf('>');
    const qsizetype closing = line.lastIndexOf("</");
    if (openingEnd >= 0 && closing > openingEnd)
        notTags(openingEnd + 1, closing);
    const qsizetype quote = line.indexOf('"');
    const qsizetype endQuote = quote < 0 ? -1 : line.indexOf('"', quote + 1);
    if (endQuote > quote)
        notTags(quote + 1, endQuote);
    return region;
}

// A damaged copy and where the original's lines went in it: the candidates for each line, none
// when it was cut off.
struct DamagedCopy {
    QByteArray bytes;
    std::function<QList<qsizetype>(qsizetype)> linesOf;
    QString what;
};

// Every damaged copy of a file, handed to check one by one.
void forEachDamagedCopy(const QByteArray& file, const std::function<void(const DamagedCopy&)>& check)
{
    const std::vector<RawLine> lines = rawLinesOf(file);
    const auto count = static_cast<qsizetype>(lines.size());
    // The bytes put in turn, one at each position, so that every byte meets many kinds of place.
    static const char kBytes[] = {'x', '<', '>', '/', '"', ' ', '\n', 's'};
    for (qsizetype i = 0; i < count; ++i) {
        const RawLine& line = lines[static_cast<size_t>(i)];
        const std::vector<bool> region = tagRegionOf(QByteArrayView(file).sliced(line.start, line.size));
        for (qsizetype p = 0; p <= line.size; ++p) {
            const bool tagged = region[static_cast<size_t>(p)];
            if (tagged) {
                const char byte = kBytes[(p + i) % qsizetype(sizeof kBytes)];
                const bool split = byte == '\n';
                check({QByteArray(file).insert(line.start + p, byte),
                       [=](qsizetype l) {
                           if (!split)
                               return QList<qsizetype>{l};
                           return l == i + 1 ? QList<qsizetype>{l, l + 1} : QList<qsizetype>{l > i + 1 ? l + 1 : l};
                       },
                       QStringLiteral("'%1' put at %2 of line %3").arg(QLatin1Char(byte)).arg(p).arg(i + 1)});
            }
            // A byte of a tag: one with a position of the tags before or after it.
            if (p < line.size && (tagged || region[static_cast<size_t>(p + 1)]))
                check({QByteArray(file).remove(line.start + p, 1), [](qsizetype l) { return QList<qsizetype>{l}; },
                       QStringLiteral("byte %1 of line %2 taken out").arg(p).arg(i + 1)});
        }
        if (line.next > line.start + line.size && i + 1 < count) {
            check({QByteArray(file).remove(line.start + line.size, line.next - line.start - line.size),
                   [=](qsizetype l) { return QList<qsizetype>{l > i + 1 ? l - 1 : l}; },
                   QStringLiteral("lines %1 and %2 joined").arg(i + 1).arg(i + 2)});
        }
        check({file.left(line.next), [=](qsizetype l) { return l <= i + 1 ? QList<qsizetype>{l} : QList<qsizetype>{}; },
               QStringLiteral("cut after line %1").arg(i + 1)});
    }
    // Each section line moved before each line inside another section.
    static const char* const sections[] = {"companyinfo", "customers", "billperiods", "productsandservices",
                                           "invoicerecords"};
    const auto lineText = [&](qsizetype i) {
        return file.mid(lines[size_t(i)].start, lines[size_t(i)].size).trimmed().toLower();
    };
    for (const char* section : sections) {
        const QByteArray opening = '<' + QByteArray(section) + '>';
        const QByteArray closing = "</" + QByteArray(section) + '>';
        for (qsizetype s = 0; s < count; ++s) {
            if (lineText(s) != opening && lineText(s) != closing)
                continue;
            bool inOther = false;
            for (qsizetype t = 0; t < count; ++t) {
                const QByteArray here = lineText(t);
                const auto isSectionLine = [&](const char* lead) {
                    return std::any_of(std::begin(sections), std::end(sections),
                                       [&](const char* other) { return here == lead + QByteArray(other) + '>'; });
                };
                if (isSectionLine("</"))
                    inOther = false;
                if (inOther && t != s) {
                    const RawLine& moved = lines[size_t(s)];
                    QByteArray bytes = file;
                    bytes.remove(moved.start, moved.next - moved.start);
                    const qsizetype at = lines[size_t(t)].start - (t > s ? moved.next - moved.start : 0);
                    bytes.insert(at, file.mid(moved.start, moved.next - moved.start));
                    check({bytes,
                           [=](qsizetype l) {
                               const qsizetype from = s + 1;
                               const qsizetype to = t > s ? t : t + 1;
                               if (l == from)
                                   return QList<qsizetype>{to};
                               if (t > s && l > from && l <= t)
                                   return QList<qsizetype>{l - 1};
                               if (t < s && l >= to && l < from)
                                   return QList<qsizetype>{l + 1};
                               return QList<qsizetype>{l};
                           },
                           QStringLiteral("line %1 moved before line %2").arg(s + 1).arg(t + 1)});
                }
                if (here != opening && isSectionLine("<"))
                    inOther = true;
            }
        }
    }
}

bool isTold(const ReadReport& report, qsizetype line)
{
    const auto in = [&](const std::vector<ReadReport::Lines>& runs) {
        return std::any_of(runs.begin(), runs.end(), [&](const auto& r) { return r.first <= line && line <= r.last; });
    };
    return in(report.linesNotRead) || in(report.duplicateLines);
}

// What a load and a save of the copy lost of the original's facts without the load telling it.
QString firstLossUntold(const Facts& original, const FactLines& where, const DamagedCopy& copy)
{
    const ReadOutcome read = loadOutcome(copy.bytes);
    const QByteArray saved = databaseFileBytes(read.database);
    const ReadOutcome reread = loadOutcome(saved);
    if (reread.report.leftOutAnything())
        return QStringLiteral("the saved file does not read back whole");
    const Facts kept = factsOf(reread.database);
    for (auto fact = original.begin(); fact != original.end(); ++fact) {
        if (kept.value(fact.key()) == fact.value())
            continue;
        QList<qsizetype> lines = {where.line.value(fact.key())};
        lines += where.keyLines.value(fact.key().left(fact.key().lastIndexOf(QLatin1Char('|')) + 1));
        bool told = false;
        for (const qsizetype line : lines) {
            const QList<qsizetype> now = copy.linesOf(line);
            told = told || (now.isEmpty() && read.report.cutShort)
                || std::any_of(now.begin(), now.end(), [&](qsizetype l) { return isTold(read.report, l); });
        }
        if (!told)
            return copy.what + QStringLiteral(": ") + fact.key() + QStringLiteral(" = ") + fact.value()
                + QStringLiteral(" lost untold");
    }
    return {};
}

TEST(DamagedCopies, whateverALoadAndASaveLoseOfTheOriginalTheLoadTold)
{
    QList<std::pair<QString, QByteArray>> corpus{{"the records tests' sample", sampleDatabaseFile()}};
    for (const char* path : {"fuzz/seeds/windows-1252-lf.xml", "fuzz/seeds/mixed-encodings.xml",
                             "scripts/sample-database.xml", "tests/acceptance/expected-TAV.xml"}) {
        QFile file(QStringLiteral(TAV_SOURCE_FOLDER "/") + QLatin1String(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        corpus.append({QLatin1String(path), file.readAll()});
    }
    for (const auto& [name, file] : corpus) {
        SCOPED_TRACE(name.toStdString());
        const ReadOutcome sound = loadOutcome(file);
        ASSERT_FALSE(sound.report.leftOutAnything());
        const Facts original = factsOf(sound.database);
        const FactLines where = factLinesOf(file);
        qsizetype copies = 0;
        QString loss;
        forEachDamagedCopy(file, [&](const DamagedCopy& copy) {
            ++copies;
            if (loss.isEmpty())
                loss = firstLossUntold(original, where, copy);
        });
        EXPECT_EQ(loss, QString());
        EXPECT_GT(copies, 1000);
    }
}

} // namespace
} // namespace tav::records::test
