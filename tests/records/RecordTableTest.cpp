#include "records/RecordTable.h"
#include "records/Separators.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace tav::records {
namespace {

QString fields(const QStringList& values)
{
    return values.join(FieldSeparator);
}

std::vector<QString> sortedTexts(std::vector<QString> texts)
{
    RecordTable table;
    for (size_t i = 0; i < texts.size(); ++i)
        table.add(QString::number(i), texts[i]);
    std::vector<QString> sorted;
    for (qsizetype i = 1; i <= table.count(); ++i)
        sorted.push_back(table.textAt(i));
    return sorted;
}

TEST(RecordTable, eachPeriodsRecordsStandTogetherWhateverTheCaseOfItsName)
{
    const auto sorted = sortedTexts({fields({"Jan B", "Adams"}), fields({"jan", "Adams"}), fields({"Jan", "Zorn"}),
                                     fields({"Jan", "adams"}), fields({"jan", "Baker"}), fields({"Jan", "Adams"})});
    EXPECT_EQ(sorted,
              (std::vector<QString>{fields({"Jan", "Adams"}), fields({"Jan", "adams"}), fields({"Jan", "Zorn"}),
                                    fields({"jan", "Adams"}), fields({"jan", "Baker"}), fields({"Jan B", "Adams"})}));
}

TEST(RecordTable, orderIsByFieldWithoutCaseArchivedLastAndNonAsciiAlike)
{
    EXPECT_LT(compareRecordTexts(u"Smith, Anna", ArchivePrefix + QStringLiteral("Adams")), 0);
    EXPECT_LT(compareRecordTexts(u"Zorn", ArchivePrefix + QStringLiteral("Adams")), 0);
    EXPECT_LT(compareRecordTexts(u"adams", u"Baker"), 0);
    EXPECT_LT(compareRecordTexts(fields({"Jan", "Zorn"}), fields({"Jan B", "Adams"})), 0);
    EXPECT_LT(compareRecordTexts(u"Jan", fields({"Jan", ""})), 0); // fewer fields first
    EXPECT_EQ(compareRecordTexts(fields({"A", "b"}), fields({"A", "b"})), 0);
    // Texts beyond ASCII follow the same rules.
    EXPECT_LT(compareRecordTexts(fields({QStringLiteral("\u00c9mile"), "Zorn"}),
                                 fields({QStringLiteral("\u00e9mile"), "Adams"})),
              0);
    EXPECT_LT(compareRecordTexts(fields({QStringLiteral("\u00e9mile"), "Adams"}),
                                 fields({QStringLiteral("\u00c9mile B"), "Adams"})),
              0);
    EXPECT_GT(compareRecordTexts(u"\u00e9", u"Z"), 0);
}

// Full-width letters fold and order among themselves as ASCII letters do, so a pair of texts must
// compare alike in both forms: names in ASCII take a fast path, all others the general one.
TEST(RecordTable, namesInFullWidthLettersSortAsTheirAsciiTwins)
{
    const auto fullWidth = [](QString text) {
        for (QChar& c : text) {
            if (c.unicode() > u' ' && c.unicode() <= u'~')
                c = QChar(c.unicode() + 0xfee0);
        }
        return text;
    };
    const auto sign = [](int result) { return (result > 0) - (result < 0); };
    const QString alphabet = QStringLiteral("aAdDnN, ") + FieldSeparator;
    QRandomGenerator random(19);
    const auto randomText = [&] {
        QString text;
        for (int i = random.bounded(9); i > 0; --i)
            text += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
        return text;
    };
    EXPECT_EQ(sign(compareRecordTexts(u"MacDonald, Ann", u"Macdonald, ANN")), -1) << "the first difference decides";
    EXPECT_EQ(sign(compareRecordTexts(fullWidth("MacDonald, Ann"), fullWidth("Macdonald, ANN"))), -1);
    for (int i = 0; i < 20000; ++i) {
        const QString a = randomText();
        const QString b = randomText();
        ASSERT_EQ(sign(compareRecordTexts(a, b)), sign(compareRecordTexts(fullWidth(a), fullWidth(b))))
            << QString(a).replace(FieldSeparator, '|').toStdString() << " / "
            << QString(b).replace(FieldSeparator, '|').toStdString();
    }
}

TEST(RecordTable, aKeyIsAddedOnceAndSortedTablesPlaceNewEntries)
{
    RecordTable table;
    EXPECT_TRUE(table.add(QStringLiteral("2k"), QStringLiteral("Miller")));
    EXPECT_TRUE(table.add(QStringLiteral("1k"), QStringLiteral("Adams")));
    EXPECT_FALSE(table.add(QStringLiteral("1k"), QStringLiteral("Other")));
    EXPECT_FALSE(table.add(QString(), QStringLiteral("No key")));
    EXPECT_TRUE(table.add(QStringLiteral("3k"), QStringLiteral("Adams"))); // equal texts keep their order
    EXPECT_EQ(table.count(), 3);
    EXPECT_EQ(table.keyAt(1), QStringLiteral("1k"));
    EXPECT_EQ(table.keyAt(2), QStringLiteral("3k"));
    EXPECT_EQ(*table.find(QStringLiteral("1k")), QStringLiteral("Adams"));
    EXPECT_EQ(table.positionOf(QStringLiteral("2k")), 3);
    EXPECT_EQ(table.positionOf(QStringLiteral("9k")), 0);
}

// Random operations checked against a plain list: positions, keys and lookups after inserts and
// removals, in a table large enough to make the index grow and shrink.
TEST(RecordTable, matchesAPlainListUnderRandomChanges)
{
    QRandomGenerator random(7);
    RecordTable table;
    std::vector<std::pair<QString, QString>> model;
    for (int step = 0; step < 4000; ++step) {
        const QString key = QString::number(random.bounded(600)) + QLatin1Char('k');
        const QString text = fields({QString(QChar(u'a' + random.bounded(3))), QString::number(random.bounded(50))});
        const auto it = std::find_if(model.begin(), model.end(), [&](const auto& e) { return e.first == key; });
        if (random.bounded(10) < 6) {
            ASSERT_EQ(table.add(key, text), it == model.end());
            if (it == model.end()) {
                const auto place = std::find_if(model.begin(), model.end(),
                                                [&](const auto& e) { return compareRecordTexts(text, e.second) < 0; });
                model.insert(place, {key, text});
            }
        } else {
            ASSERT_EQ(table.remove(key), it != model.end());
            if (it != model.end())
                model.erase(it);
        }
        ASSERT_EQ(table.count(), static_cast<qsizetype>(model.size()));
        if (step % 50 == 0 || step > 3950) {
            for (size_t i = 0; i < model.size(); ++i) {
                ASSERT_EQ(table.keyAt(static_cast<qsizetype>(i) + 1), model[i].first);
                ASSERT_EQ(table.positionOf(model[i].first), static_cast<qsizetype>(i) + 1);
                ASSERT_EQ(*table.find(model[i].first), model[i].second);
            }
        }
    }
}

TEST(RecordTable, aLoaderAddsManyEntriesAsAddWouldOneByOne)
{
    RecordTable table;
    table.add(QStringLiteral("a"), QStringLiteral("before"));
    RecordTable::Loader loader(table);
    for (int i = 0; i < 5000; ++i)
        loader.add(QString::number(i % 3000), QString::number(i)); // the second 2000 repeat keys
    loader.add(QString(), QStringLiteral("no key"));
    loader.add(QStringLiteral("a"), QStringLiteral("again"));
    EXPECT_EQ(loader.finish().size(), 2002u);
    EXPECT_EQ(table.count(), 3001);
    EXPECT_EQ(*table.find(QStringLiteral("a")), QStringLiteral("before"));
    EXPECT_EQ(*table.find(QStringLiteral("7")), QStringLiteral("7")); // the first of two alike
    EXPECT_EQ(table.keyAt(1), QStringLiteral("0"));
    EXPECT_EQ(table.keyAt(3001), QStringLiteral("a")); // letters sort after digits
    EXPECT_EQ(table.positionOf(QStringLiteral("a")), 3001);
    EXPECT_TRUE(table.add(QStringLiteral("new"), QStringLiteral("x")));
    EXPECT_EQ(table.positionOf(QStringLiteral("new")), 3002);
}

TEST(RecordTable, aLoaderPutsEntriesOfASortedTableWhereAddWould)
{
    QRandomGenerator random(11);
    RecordTable added;
    RecordTable loaded;
    for (int round = 0; round < 3; ++round) {
        RecordTable::Loader loader(loaded);
        for (int i = 0; i < 2000; ++i) {
            const QString key = QString::number(random.bounded(3000));
            const QString text
                = fields({QString::number(random.bounded(40)), QString(QChar(u'a' + random.bounded(3)))});
            added.add(key, text);
            loader.add(key, text);
        }
    }
    ASSERT_EQ(loaded.count(), added.count());
    for (qsizetype i = 1; i <= added.count(); ++i) {
        ASSERT_EQ(loaded.keyAt(i), added.keyAt(i));
        ASSERT_EQ(loaded.positionOf(added.keyAt(i)), i);
    }
}

} // namespace
} // namespace tav::records
