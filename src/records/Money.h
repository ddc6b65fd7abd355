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

// A balance as the database file holds it: a plain decimal with "." and no exponent, shortest to
// the cent (12.5, 25, 0, 1260, 123456.78, -5).
QString balanceText(Cents cents);
// Reads a balance text back exactly; also accepts the forms that older files may hold: more
// decimals, the exponent form (1.234568E+07) and a comma as the decimal mark (12,5), rounded to
// the cent, an exact half away from zero. Nothing when the text is not a finite number in range.
std::optional<Cents> parseBalanceText(QStringView text);

// Whether a balance text stands in the form balanceText gives; the files this program writes
// hold no other.
bool isPlainBalanceText(QStringView text);
// The balance in the form balanceText gives when the text is an amount (12.50, 1.234568E+07 and
// 12,5 are rewritten); any other text as it stands.
QString plainBalanceText(QStringView text);

// The twelve-character sort prefix of a product text: nine integer digits with leading zeros,
// ".", two decimals (000000012.50). Prices outside 0 .. kMaxPrice are clamped into that range.
QString priceSortPrefix(Cents price);

// The amount in the locale's currency form with two decimals ($1,260.00).
QString currencyText(Cents cents, const QLocale& locale);

} // namespace tav::records
