#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace tav::records {

// Money is held in whole cents.
using Cents = qint64;

// The largest price a product can have: prices are kept below one billion, so that the price
// sort prefix always has its twelve characters.
inline constexpr Cents kMaxPrice = 99'999'999'999;
// The largest balance, owed or in credit: balances are kept well inside what the trees, the
// invoices and the file can show exactly.
inline constexpr Cents kMaxBalance = 99'999'999'999'99;

// A balance as the database file holds it: a plain decimal with "." and no exponent, shortest to
// the cent (12.5, 25, 0, 1260, 123456.78, -5).
QString balanceText(Cents cents);
// Reads a balance text back exactly; also accepts the forms that older files may hold: more
// decimals, the exponent form (1.234568E+07) and a comma as the decimal mark (12,5), rounded to
// the cent, an exact half away from zero. Nothing when the text is not a finite number in range.
std::optional<Cents> parseBalanceText(QStringView text);

// The one reading of a balance as the invoice records hold it, for every use: an empty one is 0 (no
// balance was written), any other as parseBalanceText reads it, within kMaxBalance either way.
// Nothing when it is not wholly such an amount: that balance is kept as the file writes it, counts
// as owed and is shown as written.
std::optional<Cents> storedBalance(QStringView text);

// The amount of a billed item: its price times its quantity, nothing when that is beyond what a
// balance can hold.
std::optional<Cents> itemAmount(Cents price, qint64 quantity);

// Whether a balance text stands in the form balanceText gives; the files this program writes
// hold no other.
bool isPlainBalanceText(QStringView text);
// The balance in the form balanceText gives when the text is an amount (12.50, 1.234568E+07 and
// 12,5 are rewritten); any other text as it stands.
QString plainBalanceText(QStringView text);

// The twelve-character sort prefix of a product text: nine integer digits with leading zeros,
// ".", two decimals (000000012.50). Prices outside 0 .. kMaxPrice are clamped into that range.
// A price that could not be read has a prefix of its own that sorts after every other and reads
// back as no price.
QString priceSortPrefix(std::optional<Cents> price);
// The price a sort prefix holds: nothing for the prefix of a price that could not be read.
std::optional<Cents> priceOfSortPrefix(QStringView prefix);

// The amount in the locale's currency form with two decimals ($1,260.00).
QString currencyText(Cents cents, const QLocale& locale);

} // namespace tav::records
