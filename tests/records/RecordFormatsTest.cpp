#include "records/LocalAmounts.h"
#include "records/Money.h"
#include "records/RecordFormats.h"
#include "records/RecordTable.h"
#include "records/Separators.h"
#include "records/TextNumbers.h"

#include <gtest/gtest.h>

namespace tav::records {
namespace {

using namespace Qt::StringLiterals;

QString shown(QString text)
{
    return text.replace(FieldSeparator, QLatin1Char('|')).replace(ItemSeparator, QLatin1Char('^'));
}

TEST(RecordFormats, customersShowLastNameFirstAndCarryTheArchiveMark)
{
    CustomerRecord customer;
    customer.values = {QStringLiteral("Anna"), QStringLiteral("Smith"), {}, {}, {}, QStringLiteral("a@b.c"), {}, {}};
    EXPECT_EQ(shown(customer.text()), QStringLiteral("Smith, Anna|Anna|Smith||||a@b.c||"));
    const QString current = customer.text();
    customer.archived = true;
    EXPECT_EQ(customer.text(), ArchivePrefix + QStringLiteral("Smith, Anna") + customer.text().mid(16));
    // Archiving a stored text gives what the record writes, and the name still shows without the mark.
    EXPECT_EQ(archivedCustomerText(current), customer.text());
    EXPECT_TRUE(isArchivedCustomerText(customer.text()));
    EXPECT_FALSE(isCurrentCustomerRecord(customer.text()));
    EXPECT_EQ(shownCustomerName(customer.text()), u"Smith, Anna");
    const auto back = CustomerRecord::fromText(customer.text());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->archived);
    EXPECT_EQ(back->values, customer.values);
    EXPECT_EQ(customerDisplayName(QStringLiteral("Anna"), {}), QStringLiteral("Anna"));
    EXPECT_EQ(customerDisplayName({}, QStringLiteral("Lee")), QStringLiteral("Lee, "));
    EXPECT_FALSE(CustomerRecord::fromText(QStringLiteral("too|few").replace(QLatin1Char('|'), FieldSeparator)));
}

TEST(RecordFormats, productsBeginWithTheirTwelveCharacterPriceAndKeepDashesInNames)
{
    ProductRecord product{1250, QStringLiteral("$12.50"), QStringLiteral("Lawn mowing"), false};
    EXPECT_EQ(product.text(), QStringLiteral("000000012.50$12.50 - Lawn mowing"));
    const QString current = product.text();
    product.archived = true;
    EXPECT_EQ(archivedProductText(current), product.text());
    EXPECT_EQ(product.text(), QStringLiteral("000000012.50") + ArchivePrefix + QStringLiteral("$12.50 - Lawn mowing"));
    EXPECT_TRUE(isArchivedProductText(product.text()));
    EXPECT_EQ(productDisplayText(product.text()), QStringLiteral("$12.50 - Lawn mowing"));
    const ProductRecord dashed
        = ProductRecord::fromText(ProductRecord{50, QStringLiteral("$0.50"), QStringLiteral("A - B"), false}.text());
    EXPECT_EQ(dashed.price, 50);
    EXPECT_EQ(dashed.priceText, QStringLiteral("$0.50"));
    EXPECT_EQ(dashed.name, QStringLiteral("A - B"));
    EXPECT_EQ(productNameInDisplayText(u"$0.50 - A - B (x2)"), u"A - B (x2)");
    EXPECT_FALSE(productNameInDisplayText(u"$0.50"));
}

TEST(RecordFormats, invoiceRecordsAndBillPeriods)
{
    const InvoiceRecord record{QStringLiteral("January 2006"), QStringLiteral("Smith, Anna"),   QStringLiteral("4"),
                               QStringLiteral("25"),           itemListText({{7, 1}, {12, 3}}), {}};
    EXPECT_EQ(shown(record.key()), QStringLiteral("January 2006|4|"));
    EXPECT_EQ(shown(record.text()), QStringLiteral("January 2006|Smith, Anna|4|25|7^12x3|"));
    // An item entry is read one way only, and an entry that is not wholly one is no item.
    EXPECT_EQ(readBilledItem(u"7"), (BilledItem{7, 1}));
    EXPECT_EQ(readBilledItem(u"12x3"), (BilledItem{12, 3}));
    EXPECT_EQ(readBilledItem(u"12x999999999"), (BilledItem{12, 999'999'999}));
    for (const char16_t* entry : {u"", u"x3", u"12x", u"12x0", u"0", u"12x3abc", u"12 x3", u"12x1234567890", u"-1"})
        EXPECT_FALSE(readBilledItem(entry)) << QString::fromUtf16(entry).toStdString();
    // A record's entries as written, each with the product number it names and what it reads as.
    const QString items = record.items + ItemSeparator + QStringLiteral("05xq");
    const std::vector<BilledItemEntry> entries = billedItemEntries(items);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].text, u"12x3");
    EXPECT_EQ(entries[1].item, (BilledItem{12, 3}));
    EXPECT_EQ(entries[2].productNumber, u"05");
    EXPECT_FALSE(entries[2].item);
    EXPECT_TRUE(billedItemEntries({}).empty());
    const auto back = InvoiceRecord::fromText(record.text());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(), record.text());
    const BillPeriodRecord period{QStringLiteral("2005/12/01"), QStringLiteral("Dec"), QStringLiteral("2005/12/31"),
                                  QStringLiteral("2006/01/15")};
    EXPECT_EQ(shown(period.text()), QStringLiteral("2005/12/01|Dec|2005/12/31|2006/01/15"));
    EXPECT_EQ(BillPeriodRecord::fromText(period.text())->name, QStringLiteral("Dec"));
}

TEST(RecordFormats, keysAndNumbers)
{
    RecordTable table;
    EXPECT_EQ(highestKeyNumber(table) + 1, 1);
    table.add(QStringLiteral("3k"), QStringLiteral("a"));
    table.add(QStringLiteral("10k"), QStringLiteral("b"));
    EXPECT_EQ(highestKeyNumber(table) + 1, 11);
    EXPECT_EQ(numberedKey(12), QStringLiteral("12k"));
    EXPECT_EQ(keyNumberText(QStringLiteral("12k")), QStringLiteral("12"));
    for (const char* good : {"1", "012", "2147483647"})
        EXPECT_TRUE(isRecordNumber(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "0", "00", "-1", "+1", "1.0", " 1", "2147483648", "12abc", "99999999999999999999"})
        EXPECT_FALSE(isRecordNumber(QString::fromLatin1(bad))) << bad;
}

TEST(Money, balancesAreWrittenShortestToTheCentAndReadBackExactly)
{
    const std::pair<Cents, const char*> cases[]
        = {{1250, "12.5"},          {2500, "25"}, {0, "0"},     {126000, "1260"},
           {12345678, "123456.78"}, {5, "0.05"},  {-500, "-5"}, {-1, "-0.01"}};
    for (const auto& [cents, text] : cases) {
        EXPECT_EQ(balanceText(cents), QLatin1String(text));
        EXPECT_EQ(parseBalanceText(QString::fromLatin1(text)), cents) << text;
    }
    for (Cents cents = 1; cents < 10'000'000'000'000; cents = cents * 7 + 3) {
        EXPECT_EQ(parseBalanceText(balanceText(cents)), cents) << cents;
        EXPECT_EQ(parseBalanceText(balanceText(-cents)), -cents) << cents;
    }
    EXPECT_EQ(parseBalanceText(u"1.234568E+07"), 1'234'568'000);
    EXPECT_EQ(parseBalanceText(u"12,5"), 1250);
    // More decimals are rounded to the cent, an exact half away from zero.
    EXPECT_EQ(parseBalanceText(u" 7.006"), 701);
    EXPECT_EQ(parseBalanceText(u"0.125"), 13);
    EXPECT_EQ(parseBalanceText(u"-12.345"), -1235);
    // So are balances in the exponent form, by their digits.
    EXPECT_EQ(parseBalanceText(u"1.005E+00"), 101);
    EXPECT_EQ(parseBalanceText(u"-1.2345E+01"), -1235);
    EXPECT_EQ(parseBalanceText(u"1,0005e+3"), 100050);
    EXPECT_EQ(parseBalanceText(u"5E-3"), 1);
    EXPECT_EQ(parseBalanceText(u"4.9E-3"), 0);
    EXPECT_EQ(parseBalanceText(u"0.00012345678901234567E+18"), 12345678901234567);
    for (const char* bad : {"", "abc", "1,234.5", "1e999", "nan", "-", ".", "1E", "1e+", "E5", "1.5E2.5", "1e5x"})
        EXPECT_FALSE(parseBalanceText(QString::fromLatin1(bad))) << bad;
    for (const char* plain : {"0", "12.5", "-3.05", "1260"})
        EXPECT_TRUE(isPlainBalanceText(QString::fromLatin1(plain))) << plain;
    for (const char* other : {"012", "12.50", "-0", "1.", "1e5", "12,5", " 1"})
        EXPECT_FALSE(isPlainBalanceText(QString::fromLatin1(other))) << other;
    EXPECT_EQ(plainBalanceText(u"12.50"), QStringLiteral("12.5"));
    EXPECT_EQ(plainBalanceText(u"-0"), QStringLiteral("0"));
    EXPECT_EQ(plainBalanceText(u"owes"), QStringLiteral("owes"));
}

TEST(Money, pricePrefixesAndCurrencyTexts)
{
    EXPECT_EQ(priceSortPrefix(50), QStringLiteral("000000000.50"));
    EXPECT_EQ(priceSortPrefix(1250), QStringLiteral("000000012.50"));
    EXPECT_EQ(priceSortPrefix(kMaxPrice), QStringLiteral("999999999.99"));
    EXPECT_EQ(priceSortPrefix(kMaxPrice + 1).size(), 12);
    EXPECT_EQ(priceSortPrefix(-5), QStringLiteral("000000000.00"));
    EXPECT_EQ(currencyText(126050, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("$1,260.50"));
}

const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
// The currency symbol follows the amount after a no-break space; digits are grouped by narrow ones.
const QLocale kFrench(QLocale::French, QLocale::France);

TEST(LocalAmounts, typedAmountsAreReadAsTheUsersLocaleWritesThem)
{
    const std::tuple<const QLocale&, QString, std::optional<Cents>> cases[] = {
        {kAmerican, " $1,260.5 ", 126050},
        {kAmerican, "12.345", 1235},
        {kAmerican, "0.125", 13},
        {kAmerican, "-0.125", -13},
        {kAmerican, "12.3449", 1234},
        {kAmerican, "($5.00)", -500},
        {kAmerican, "-$5", -500},
        {kAmerican, ".5", 50},
        {kAmerican, "12,34,567.00", 1234567'00},
        {kAmerican, "12,5", {}},
        {kAmerican, "1,2345", {}},
        {kAmerican, "12abc", {}},
        {kAmerican, "1.2.3", {}},
        {kAmerican, "1e3", {}},
        {kAmerican, "$", {}},
        {kAmerican, "", {}},
        {kAmerican, "1234567890123456", {}},
        {kGerman, "12,5", 1250},
        {kGerman, "1.234,5", 123450},
        {kGerman, "1234,50 €", 123450},
        {kGerman, "-3,5 €", -350},
        {kGerman, "3.5", {}},
        {kGerman, "12.34", {}},
        {kGerman, "$12.50", {}},
        {kFrench, u"1\u202F234,50\u00A0€"_s, 123450},
        {kFrench, "1 234,5", 123450},
        {kFrench, "12.5", {}},
    };
    for (const auto& [locale, text, cents] : cases)
        EXPECT_EQ(LocalAmounts(locale).typed(text), cents) << (locale.name() + " " + text).toStdString();

    for (const char* zero : {"0", "0.", "0.0", "0.00", "$0", "$0.00", " 0 "})
        EXPECT_TRUE(LocalAmounts(kAmerican).isPlainZero(QString::fromLatin1(zero))) << zero;
    for (const char* other : {"0.000", "0.004", "-0", "00", "0.5", "abc", ""})
        EXPECT_FALSE(LocalAmounts(kAmerican).isPlainZero(QString::fromLatin1(other))) << other;
    EXPECT_TRUE(LocalAmounts(kGerman).isPlainZero(u"0,00 €"));
    EXPECT_FALSE(LocalAmounts(kGerman).isPlainZero(u"0.00"));
}

TEST(LocalAmounts, everyLocalesOwnCurrencyAndNumberFormsReadBackUnchanged)
{
    const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const LocalAmounts amounts(locale);
        for (const Cents cents : {Cents(0), Cents(5), Cents(1250), Cents(-500), Cents(123456789), kMaxPrice}) {
            const QString currency = currencyText(cents, locale);
            EXPECT_EQ(amounts.typed(currency), cents) << (locale.name() + " " + currency).toStdString();
            EXPECT_EQ(amounts.stored(currency), cents) << (locale.name() + " " + currency).toStdString();
            const QString number = locale.toString(static_cast<double>(cents) / 100, 'f', 2);
            EXPECT_EQ(amounts.typed(number), cents) << (locale.name() + " " + number).toStdString();
        }
    }
}

TEST(LocalAmounts, aPriceWrittenUnderAnotherLocaleIsReadByItsOwnMarksOrNotAtAll)
{
    const LocalAmounts german(kGerman);
    const LocalAmounts american(kAmerican);
    EXPECT_EQ(german.stored(u"$1,234.50"), 123450) << "neither 1,23 nor 123.450,00";
    EXPECT_EQ(german.stored(u"$12.50"), 1250);
    EXPECT_EQ(german.stored(u"$1,234,567.00"), 123456700);
    EXPECT_EQ(american.stored(u"1.234,50 €"), 123450);
    EXPECT_EQ(american.stored(currencyText(123450, kFrench)), 123450);
    EXPECT_EQ(american.stored(u"CHF 1’234.50"), 123450);
    EXPECT_EQ(american.stored(u"Fr. 12.5"), 1250) << "a currency's name set off by a blank";
    EXPECT_EQ(american.stored(u"12,50 kr."), 1250);
    EXPECT_EQ(american.stored(currencyText(-123450, QLocale(QLocale::Arabic, QLocale::Egypt))), -123450);
    EXPECT_EQ(american.stored(u"$1,234"), 123400) << "the locale's own form";
    // A price is never guessed, nor read as another: not when its decimal mark cannot be told, not
    // with more decimals than cents, not when it is not wholly an amount.
    for (const auto& [amounts, text] : std::vector<std::pair<const LocalAmounts&, const char16_t*>>{
             {german, u"$1,234"}, {american, u"1.234 €"}, {american, u"$1.234"}, {german, u"1,234 €"},
             {american, u"1.234,567 €"}, {american, u"$12.345"}, {american, u"free"}, {american, u"12abc"},
             {american, u"$12abc"}, {american, u"1e3"}, {american, u"1.2.3"}, {german, u"1.2.3"},
             {american, u"abc12"}, {american, u"12 $ 5"}, {american, u"$99999999999999999999"}})
        EXPECT_FALSE(amounts.stored(text)) << QString::fromUtf16(text).toStdString();
}

TEST(TextNumbers, leadingNumbersAndRounding)
{
    EXPECT_EQ(leadingNumber(u"  12.5abc"), 12.5);
    EXPECT_EQ(leadingNumber(u"1 2 3"), 123);
    EXPECT_EQ(leadingNumber(u"$5"), 0);
    EXPECT_EQ(leadingNumber(u"-2e3x"), -2000);
    EXPECT_EQ(leadingNumber(u"7e"), 7);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundHalfEvenToInt(-1e12), std::numeric_limits<int>::min());
}

} // namespace
} // namespace tav::records
