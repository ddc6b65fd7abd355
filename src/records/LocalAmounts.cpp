#include "LocalAmounts.h"

#include <QChar>
#include <QList>
#include <QLocale>

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tav::records {

namespace {

using Text = std::u32string_view;

// More integer digits than this are no amount the program can hold.
constexpr int kMostIntegerDigits = 15;

// Some locales put bidirectional marks into their signs and currency symbols; being invisible,
// they are no part of what the user reads or types.
std::u32string visible(QStringView text)
{
    std::u32string characters;
    for (const uint c : text.toUcs4()) {
        if (QChar::category(c) != QChar::Other_Format)
            characters.push_back(c);
    }
    return characters;
}

int decimalDigit(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit ? QChar::digitValue(c) : -1;
}

bool isSpace(char32_t c)
{
    return QChar::isSpace(c);
}

Text trimmed(Text text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool strip(Text& text, Text prefix)
{
    if (prefix.empty() || !text.starts_with(prefix))
        return false;
    text = trimmed(text.substr(prefix.size()));
    return true;
}

bool stripAny(Text& text, std::initializer_list<Text> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&](Text prefix) { return strip(text, prefix); });
}

bool stripEnd(Text& text, Text suffix)
{
    if (suffix.empty() || !text.ends_with(suffix))
        return false;
    text = trimmed(text.substr(0, text.size() - suffix.size()));
    return true;
}

// The decimals after the cent: an exact half or more rounds the cent up, away from zero.
struct Decimals {
    int cents = 0;
    int count = 0;
    bool roundUp = false;

    void add(int digit)
    {
        if (count < 2)
            cents = cents * 10 + digit;
        else if (count == 2)
            roundUp = digit >= 5;
        ++count;
    }

    Cents value() const { return (count == 1 ? cents * 10 : cents) + (roundUp ? 1 : 0); }
};

// Separators that stand between the digits of an amount in one locale or another.
bool isAnySeparator(char32_t c)
{
    return c == U'.' || c == U',' || c == U'\'' || c == U'\u2019' || c == U'\u066B' || c == U'\u066C' || isSpace(c);
}

bool isPointOrComma(char32_t c)
{
    return c == U'.' || c == U',';
}

// The currency symbols and codes of every locale, without blanks: what may stand around the
// digits of a currency text written under any of them.
const std::vector<std::u32string>& currencyMarks()
{
    static const std::vector<std::u32string> marks = [] {
        std::vector<std::u32string> found;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (const auto format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
                std::u32string mark = visible(locale.currencySymbol(format));
                std::erase_if(mark, isSpace);
                if (!mark.empty())
                    found.push_back(std::move(mark));
            }
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }();
    return marks;
}

bool isSignOrBracket(char32_t c)
{
    return c == U'-' || c == U'\u2212' || c == U'+' || c == U'(' || c == U')';
}

// Whether a currency's name or abbreviation may be this: letters, perhaps ended by a point ("kr.").
bool isCurrencyWord(Text mark)
{
    if (!mark.empty() && mark.back() == U'.')
        mark.remove_suffix(1);
    return !mark.empty() && std::all_of(mark.begin(), mark.end(), [](char32_t c) { return QChar::isLetter(c); });
}

// Whether what stands before (or after) the digits of a currency text is no more than blanks,
// signs, brackets and one currency mark: a symbol or code of some locale, or a word set off from
// the digits by a blank ("Fr. 12.50", older Windows' Swiss francs). Tells whether it makes the
// amount negative.
bool isCurrencyDecoration(Text part, bool before, bool& negative)
{
    std::u32string mark;
    bool setOff = false;
    for (size_t i = 0; i < part.size(); ++i) {
        const char32_t c = part[before ? i : part.size() - 1 - i];
        if (c == U'-' || c == U'\u2212' || c == U'(')
            negative = true;
        if (isSpace(c))
            setOff = setOff || !mark.empty();
        else if (!isSignOrBracket(c))
            mark.push_back(c);
    }
    if (!before)
        std::reverse(mark.begin(), mark.end());
    const auto& marks = currencyMarks();
    return mark.empty() || std::binary_search(marks.begin(), marks.end(), mark) || (setOff && isCurrencyWord(mark));
}

// Whether digit groups stand as grouping writes them: the first of any length, the ones after it
// of two or three digits (Indian grouping has two), the last of three.
bool groupsAreWhole(const std::vector<size_t>& groupSeparators, size_t integerEnd)
{
    for (size_t i = 0; i < groupSeparators.size(); ++i) {
        const bool last = i + 1 == groupSeparators.size();
        const size_t digits = (last ? integerEnd : groupSeparators[i + 1]) - groupSeparators[i] - 1;
        if (last ? digits != 3 : digits < 2 || digits > 3)
            return false;
    }
    return true;
}

// A currency text written under whatever locale, read by its own marks (see LocalAmounts::stored).
std::optional<Cents> foreignAmount(QStringView written)
{
    const std::u32string text = visible(written);
    size_t i = 0;
    while (i < text.size() && decimalDigit(text[i]) < 0)
        ++i;
    const size_t start = i;
    std::vector<size_t> separators;
    for (; i < text.size(); ++i) {
        if (decimalDigit(text[i]) >= 0)
            continue;
        if (!isAnySeparator(text[i]) || i + 1 == text.size() || decimalDigit(text[i + 1]) < 0)
            break;
        separators.push_back(i);
    }
    const size_t end = i;
    bool negative = false;
    if (start == end || !isCurrencyDecoration(Text(text).substr(0, start), true, negative)
        || !isCurrencyDecoration(Text(text).substr(end), false, negative))
        return std::nullopt;
    size_t mark = end;
    if (!separators.empty()) {
        const size_t last = separators.back();
        const char32_t c = text[last];
        const auto alike = std::count_if(separators.begin(), separators.end(), [&](size_t p) { return text[p] == c; });
        if (c == U'\u066B') {
            // The Arabic decimal separator is never anything else.
            mark = last;
        } else if (isPointOrComma(c) && alike == 1) {
            // Three digits after a lone point or comma are a group as often as they are decimals.
            if (end - last - 1 == 3 && std::ssize(separators) == 1)
                return std::nullopt;
            mark = last;
        }
    }
    std::vector<size_t> groupSeparators(separators.begin(), separators.end());
    if (mark != end)
        groupSeparators.pop_back();
    if (!groupsAreWhole(groupSeparators, mark))
        return std::nullopt;
    Cents whole = 0;
    int integerDigits = 0;
    Decimals decimals;
    for (i = start; i < end; ++i) {
        const int digit = decimalDigit(text[i]);
        if (digit < 0)
            continue;
        if (i > mark) {
            decimals.add(digit);
        } else {
            if (++integerDigits > kMostIntegerDigits)
                return std::nullopt;
            whole = whole * 10 + digit;
        }
    }
    // More decimals than cents are no price this program wrote: rounding them would show another.
    if (decimals.count > 2)
        return std::nullopt;
    const Cents cents = whole * 100 + decimals.value();
    return negative ? -cents : cents;
}

} // namespace

LocalAmounts::LocalAmounts(const QLocale& locale)
    : currencySymbol_(visible(locale.currencySymbol()))
    , currencyCode_(visible(locale.currencySymbol(QLocale::CurrencyIsoCode)))
    , negativeSign_(visible(locale.negativeSign()))
    , positiveSign_(visible(locale.positiveSign()))
{
    const std::u32string decimal = visible(locale.decimalPoint());
    const std::u32string group = visible(locale.groupSeparator());
    if (!decimal.empty())
        decimalMark_ = decimal.front();
    groupSeparator_ = group.empty() ? 0 : group.front();
    spaceGroups_ = isSpace(groupSeparator_);
    apostropheGroups_ = groupSeparator_ == U'\'' || groupSeparator_ == U'\u2019';
}

bool LocalAmounts::isGroupSeparator(char32_t c) const
{
    return (c != 0 && c == groupSeparator_) || (spaceGroups_ && isSpace(c))
        || (apostropheGroups_ && (c == U'\'' || c == U'\u2019'));
}

std::optional<LocalAmounts::Reading> LocalAmounts::read(QStringView written) const
{
    const std::u32string characters = visible(written);
    Text text = trimmed(characters);
    Reading reading;
    bool negative = false;
    if (text.size() >= 2 && text.front() == U'(' && text.back() == U')') {
        negative = reading.signedOrBracketed = true;
        text = trimmed(text.substr(1, text.size() - 2));
    }
    // The sign and the currency symbol stand before the digits in either order ("-$5", "R$ -5").
    bool symbol = false;
    for (bool stripped = true; stripped;) {
        stripped = false;
        if (!reading.signedOrBracketed) {
            if (stripAny(text, {negativeSign_, U"-", U"\u2212"}))
                negative = stripped = reading.signedOrBracketed = true;
            else if (stripAny(text, {positiveSign_, U"+"}))
                stripped = reading.signedOrBracketed = true;
        }
        if (!symbol && (strip(text, currencySymbol_) || strip(text, currencyCode_)))
            stripped = symbol = true;
    }
    if (!symbol && !stripEnd(text, currencySymbol_))
        stripEnd(text, currencyCode_);

    Cents whole = 0;
    int groupDigits = 0;
    size_t i = 0;
    for (; i < text.size(); ++i) {
        if (const int digit = decimalDigit(text[i]); digit >= 0) {
            if (++reading.integerDigits > kMostIntegerDigits)
                return std::nullopt;
            whole = whole * 10 + digit;
            ++groupDigits;
            continue;
        }
        if (!isGroupSeparator(text[i]) || groupDigits == 0 || i + 1 == text.size() || decimalDigit(text[i + 1]) < 0)
            break;
        // The first group may be of any length; the ones after it hold three digits (two in
        // Indian grouping), and the last exactly three.
        if (reading.grouped && (groupDigits < 2 || groupDigits > 3))
            return std::nullopt;
        reading.grouped = true;
        groupDigits = 0;
    }
    if (reading.grouped && groupDigits != 3)
        return std::nullopt;
    Decimals decimals;
    if (i < text.size() && text[i] == decimalMark_) {
        for (++i; i < text.size() && decimalDigit(text[i]) >= 0; ++i)
            decimals.add(decimalDigit(text[i]));
    }
    if (i != text.size() || reading.integerDigits + decimals.count == 0)
        return std::nullopt;
    reading.decimals = decimals.count;
    reading.cents = whole * 100 + decimals.value();
    if (negative)
        reading.cents = -reading.cents;
    return reading;
}

std::optional<Cents> LocalAmounts::typed(QStringView text) const
{
    const auto reading = read(text);
    return reading ? std::optional<Cents>(reading->cents) : std::nullopt;
}

bool LocalAmounts::isPlainZero(QStringView text) const
{
    const auto reading = read(text);
    return reading && reading->cents == 0 && reading->integerDigits == 1 && reading->decimals <= 2
        && !reading->signedOrBracketed && !reading->grouped;
}

std::optional<Cents> LocalAmounts::stored(QStringView text) const
{
    if (const auto reading = read(text); reading && reading->decimals <= 2)
        return reading->cents;
    return foreignAmount(text);
}

} // namespace tav::records
