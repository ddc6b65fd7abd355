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
// Reads a balance text back exactly; also accepts the forms that older files may hold: the
// exponent form (1.234568E+07) and a comma as the decimal mark (12,5), rounded to the cent.
// Nothing when the text is not a finite number in range.
std::optional<Cents> parseBalanceText(QStringView text);

// The twelve-character sort prefix of a product text: nine integer digits with leading zeros,
// ".", two decimals (000000012.50). Prices outside 0 .. kMaxPrice are clamped into that range.
QString priceSortPrefix(Cents price);

// Reads a price as the user types it or the file's ItemPrice holds it: blanks, an optional
// currency prefix, digits with optional grouping commas, one optional decimal point with at most
// two decimals. Nothing for a negative price, a price above kMaxPrice, or any other text.
std::optional<Cents> parsePrice(QStringView text, QStringView currencyPrefix);

// The amount of a price as the file's ItemPrice holds it, in whatever currency form it was written
// ($1,260.00, 1.260,00 €, Fr. 12.50): whatever stands before the first digit is skipped (a minus
// sign there makes the amount negative), then digits are read with the separators between them.
// The last "." or "," is the decimal mark when one or two digits follow it. Nothing when the text
// holds no digit; amounts too large for a price come back as kMaxPrice + 1.
std::optional<Cents> storedPriceAmount(QStringView text);

// The amount in the locale's currency form with two decimals ($1,260.00).
QString currencyText(Cents cents, const QLocale& locale);

} // namespace tav::records
