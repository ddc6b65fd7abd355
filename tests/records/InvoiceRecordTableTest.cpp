// The invoice records' compact table checked against a plain list of keys and texts that is kept
// and sorted with the plain comparison.
#include "RecordsTestSupport.h"

#include "records/FieldView.h"
#include "records/InvoiceRecordTable.h"
#include "records/RecordFormats.h"
#include "records/RecordTable.h"
#include "records/Separators.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>

namespace tav::records {
namespace {

using namespace Qt::StringLiterals;
using Entries = std::vector<std::pair<QString, QString>>;

// Names where the order is hardest to get right: case, accents and their decomposed forms, the
// archive mark, full-width letters, letters beyond the first plane, names that begin others, and
// none at all.
const QStringList kNames = {u"Adams, Ann"_s, u"adams, ann"_s, u"ADAMS, Ann"_s, u"Ädams, Ann"_s, u"A\u0308dams"_s,
    u"\u00c9mile"_s, u"\u00e9mile"_s, u"Emile"_s, u"zzzz\u00bbOld"_s, u"zzzz\u00bb"_s, u"zzzz"_s, u"\uff21dams"_s,
    u"\uff41dams"_s, u"\U0001d49cdams"_s, u"Mac"_s, u"MacDonald"_s, u"Macdonald"_s, u"Mac Donald"_s, u"\u0130nce"_s,
    u"ince"_s, u"Stra\u00dfe"_s, u"Strasse"_s, QString(), u" "_s};
const QStringList kPeriods = {
    u"Jan"_s, u"jan"_s, u"JAN"_s, u"Jan B"_s, u"\uff2aan"_s, u"zzzz\u00bbJan"_s, u"M\u00e4rz"_s, u"Marz"_s, QString()};
const QStringList kNumbers = {u"1"_s, u"01"_s, u"12"_s, u"2"_s, u"012"_s, u" 3"_s, u"x"_s, QString()};

template<typename T> const T& pick(QRandomGenerator& random, const QList<T>& list)
{
    return list[random.bounded(static_cast<int>(list.size()))];
}

// Mostly the six fields of an invoice record, equal but for the balance now and then; some with
// fewer or more fields, as no file gives them but the table takes.
QString randomText(QRandomGenerator& random, const QString& period, const QString& number)
{
    const QString items
        = QStringList{"7", "12x3", "1", "21x2"}.mid(random.bounded(3), random.bounded(3)).join(ItemSeparator);
    QStringList fields{period, pick(random, kNames), number, QString::number(random.bounded(3)), items,
        random.bounded(4) == 0 ? pick(random, kNames) : QString()};
    const int shape = random.bounded(12);
    if (shape < 4)
        fields = fields.mid(0, shape);
    else if (shape == 4)
        fields << QStringLiteral("more");
    return fields.isEmpty() ? period : fields.join(FieldSeparator);
}

void expectSameEntries(const InvoiceRecordTable& table, const Entries& model)
{
    ASSERT_EQ(table.count(), static_cast<qsizetype>(model.size()));
    for (size_t i = 0; i < model.size(); ++i) {
        const auto position = static_cast<qsizetype>(i) + 1;
        ASSERT_EQ(table.keyAt(position), model[i].first);
        ASSERT_EQ(table.textAt(position), model[i].second);
        for (int field = 0; field <= InvoiceRecord::FieldCount; ++field)
            ASSERT_EQ(table.fieldAt(position, field), fieldView(model[i].second, field)) << field;
        ASSERT_EQ(table.hasRecordFieldsAt(position), InvoiceRecord::fromText(model[i].second).has_value());
        ASSERT_EQ(table.find(model[i].first).value_or(u"<none>"_s), model[i].second);
    }
}

void expectSameAnswers(const InvoiceRecordTable& table, const Entries& model)
{
    for (const QString& period : kPeriods) {
        std::vector<qsizetype> positions;
        for (size_t i = 0; i < model.size(); ++i) {
            if (fieldView(model[i].second, InvoiceRecord::Period) == period)
                positions.push_back(static_cast<qsizetype>(i) + 1);
        }
        EXPECT_EQ(table.positionsInPeriod(period), positions) << period.toStdString();
    }
    for (qint64 number = 0; number < 25; ++number) {
        const auto usesCustomer = [&](const auto& entry) {
            return recordNumberValue(fieldView(entry.second, InvoiceRecord::CustomerNumber)) == number;
        };
        const auto billsProduct = [&](const auto& entry) {
            for (const QStringView item : fieldView(entry.second, InvoiceRecord::Items).tokenize(ItemSeparator)) {
                if (recordNumberValue(item.first(item.contains(u'x') ? item.indexOf(u'x') : item.size())) == number)
                    return true;
            }
            return false;
        };
        EXPECT_EQ(table.anyForCustomer(number), std::any_of(model.begin(), model.end(), usesCustomer)) << number;
        EXPECT_EQ(table.anyBillsProduct(number), std::any_of(model.begin(), model.end(), billsProduct)) << number;
    }
}

TEST(InvoiceRecordTable, keepsLooksUpAndSortsAsAPlainListWithThePlainComparison)
{
    QRandomGenerator random(23);
    InvoiceRecordTable table;
    Entries model;
    for (int step = 0; step < 3000; ++step) {
        const QString key = InvoiceRecord::key(pick(random, kPeriods), pick(random, kNumbers));
        const auto it = std::find_if(model.begin(), model.end(), [&](const auto& e) { return e.first == key; });
        const int action = random.bounded(20);
        if (action < 14) {
            const QString text = randomText(random, fieldView(key, 0).toString(), fieldView(key, 1).toString());
            ASSERT_EQ(table.add(key, text), it == model.end());
            if (it == model.end())
                model.emplace_back(key, text);
        } else if (action < 18) {
            const QString text = randomText(random, pick(random, kPeriods), pick(random, kNumbers));
            ASSERT_EQ(table.setText(key, text), it != model.end());
            if (it != model.end())
                it->second = text;
        } else if (action < 19) {
            table.sortByText();
            std::stable_sort(model.begin(), model.end(),
                [](const auto& a, const auto& b) { return compareRecordTexts(a.second, b.second) < 0; });
        } else {
            ASSERT_FALSE(table.contains(key + QLatin1Char('x')));
            ASSERT_FALSE(table.add(key.chopped(1), QStringLiteral("no invoice record's key")));
        }
        if (step % 100 == 0)
            expectSameEntries(table, model);
    }
    expectSameEntries(table, model);
    expectSameAnswers(table, model);
    table.clear();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_FALSE(table.contains(model.front().first));
}

// Many records that tie on period, name and number text but for case or their later fields.
TEST(InvoiceRecordTable, recordsEqualUpToTheirNumberAreOrderedByTheRest)
{
    QRandomGenerator random(5);
    InvoiceRecordTable table;
    Entries model;
    for (int i = 0; i < 400; ++i) {
        const QString period = random.bounded(2) ? QStringLiteral("Jan") : QStringLiteral("jan");
        const QString key = InvoiceRecord::key(period, QString::number(i));
        // The key's number is not the text's: equal texts keep the order they were added in.
        const QString text
            = QStringList{period, QStringLiteral("Lee"), QStringLiteral("7"), QString::number(random.bounded(4)),
                QStringLiteral("1"), random.bounded(2) ? QStringLiteral("a") : QStringLiteral("A")}
                  .mid(0, 3 + random.bounded(4))
                  .join(FieldSeparator);
        table.add(key, text);
        model.emplace_back(key, text);
    }
    table.sortByText();
    std::stable_sort(model.begin(), model.end(),
        [](const auto& a, const auto& b) { return compareRecordTexts(a.second, b.second) < 0; });
    expectSameEntries(table, model);
}

TEST(InvoiceRecordTable, aLoaderAddsAsAddWouldAndNamesEachNumberOnce)
{
    InvoiceRecordTable table;
    table.add(InvoiceRecord::key("May", "1"), QStringLiteral("before"));
    {
        InvoiceRecordTable::Loader loader(table);
        for (int i = 0; i < 3000; ++i)
            loader.add(i % 2 ? u"May" : u"June", QString::number(i % 1000), u"0"_s + FieldSeparator + u"7"_s);
        loader.add(u"May", u"1", u"again");
        EXPECT_EQ(loader.finish().size(), 2002u); // the first of each key is kept, the one added before too
    }
    ASSERT_EQ(table.count(), 1000);
    EXPECT_EQ(table.find(InvoiceRecord::key("May", "1")).value_or(QString()), u"before"_s);
    EXPECT_EQ(table.keyAt(2), InvoiceRecord::key("June", "0"));
    EXPECT_EQ(table.textAt(3), u"June||2|0|7"_s.replace(u'|', FieldSeparator));
    EXPECT_FALSE(table.hasRecordFieldsAt(3)) << "five fields";

    QStringList asked;
    table.nameRecords([&](QStringView number) {
        asked << number.toString();
        return number == u"3" ? QString() : u"N"_s.append(number);
    });
    EXPECT_EQ(asked.size(), 999) << "the first entry has no number field";
    EXPECT_EQ(table.fieldAt(3, InvoiceRecord::CustomerName), u"N2");
    EXPECT_EQ(table.fieldAt(4, InvoiceRecord::CustomerName), u"");
    EXPECT_EQ(table.positionsInPeriod(u"June").size(), 500u);
}

} // namespace
} // namespace tav::records
