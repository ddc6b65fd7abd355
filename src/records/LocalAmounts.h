#pragma once

#include "Money.h"

#include <QLocale>
#include <QStringView>

#include <optional>
#include <string>

namespace tav::records {

// The one reading of an amount, as the user's locale writes numbers and currency: every amount the
// user types and every currency text the database file holds is read here, so that what is read is
// what the currency form shows. Decimals are read digit by digit and rounded to the cent, an exact
// half away from zero (12.345 is 12.35, -0.125 is -0.13).
class LocalAmounts {
public:
    explicit LocalAmounts(const QLocale& locale);

    // An amount written in the locale's form: blanks around it; the currency symbol (or code)
    // before or after it; a sign before it, or parentheses around it, for a negative amount; digits (Latin or the
    // locale's own) with the locale's group separators, each followed by a full group of three at
    // the end; the locale's decimal mark and any number of decimals. Where groups are separated by
    // a space, any kind of space will do. Nothing for any other text, so a point typed where the
    // locale groups with points ("3.5" in German) is refused rather than read as 35.
    std::optional<Cents> typed(QStringView text) const;

    // Whether a text is zero written plainly: 0, optionally with the decimal mark and one or two
    // zeros, with or without the currency symbol ("$0", "0.00", "0,00 €").
    bool isPlainZero(QStringView text) const;

    // A currency text as the database file holds it (a product's price as it was shown when it was
    // entered). A text in this locale's form with at most two decimals is read as typed. A text
    // written under another locale ($1,234.50 on a German computer, 1.234,50 € on an American one)
    // is read by its own marks: digits in whole groups go together, the last point or comma, when
    // it stands once, is the decimal mark, and around the digits stand only blanks, signs,
    // brackets and a currency symbol or code of some locale. Nothing unless the text is wholly
    // such an amount ("12abc", "1e3" and "1.2.3" are none), when it has more than two decimals, or
    // when its decimal mark cannot be told: a lone point or comma before three digits ($1,234 on
    // a German computer, $1.234 on an American one) is a group as often as it is a decimal mark,
    // and a price is never guessed.
    std::optional<Cents> stored(QStringView text) const;

private:
    struct Reading {
        Cents cents = 0;
        int integerDigits = 0;
        int decimals = 0;
        bool signedOrBracketed = false;
        bool grouped = false;
    };

    std::optional<Reading> read(QStringView text) const;
    bool isGroupSeparator(char32_t c) const;

    // The currency symbol and the currency's code, which stands in for a symbol the locale lacks.
    std::u32string currencySymbol_;
    std::u32string currencyCode_;
    std::u32string negativeSign_;
    std::u32string positiveSign_;
    char32_t decimalMark_ = U'.';
    char32_t groupSeparator_ = U',';
    bool spaceGroups_ = false;
    bool apostropheGroups_ = false;
};

} // namespace tav::records
