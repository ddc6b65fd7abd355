#include "Money.h"

#include <algorithm>
#include <cmath>

namespace tav::records {

namespace {

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

} // namespace

QString balanceText(Cents cents)
{
    const bool negative = cents < 0;
    // Work on the magnitude as unsigned, so that the smallest value has one too.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    QString text = QString::number(magnitude / 100);
    const quint64 fraction = magnitude % 100;
    if (fraction != 0) {
        text += QLatin1Char('.');
        text += fraction % 10 == 0 ? QString::number(fraction / 10) : twoDigits(static_cast<qint64>(fraction));
    }
    return negative ? QLatin1Char('-') + text : text;
}

std::optional<Cents> parseBalanceText(QStringView text)
{
    // Older files hold the balance in the short number form of the writer's locale, which in
    // some locales has a comma as its decimal mark and never groups digits.
    QString pointed;
    if (text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.'))) {
        pointed = text.toString().replace(QLatin1Char(','), QLatin1Char('.'));
        text = pointed;
    }
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    const bool negative = trimmed[0] == QLatin1Char('-');
    if (negative || trimmed[0] == QLatin1Char('+'))
        ++i;
    quint64 whole = 0;
    qsizetype wholeDigits = 0;
    for (; i < trimmed.size() && isAsciiDigit(trimmed[i]); ++i, ++wholeDigits) {
        whole = whole * 10 + static_cast<quint64>(trimmed[i].unicode() - '0');
        if (whole > 90'000'000'000'000'000ull / 100)
            return std::nullopt;
    }
    quint64 fraction = 0;
    qsizetype fractionDigits = 0;
    bool roundUp = false;
    if (i < trimmed.size() && trimmed[i] == QLatin1Char('.')) {
        for (++i; i < trimmed.size() && isAsciiDigit(trimmed[i]); ++i, ++fractionDigits) {
            const int digit = trimmed[i].unicode() - '0';
            if (fractionDigits < 2)
                fraction = fraction * 10 + static_cast<quint64>(digit);
            else if (fractionDigits == 2)
                roundUp = digit >= 5;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    if (i == trimmed.size()) {
        if (fractionDigits == 1)
            fraction *= 10;
        const Cents cents = static_cast<Cents>(whole * 100 + fraction) + (roundUp ? 1 : 0);
        return negative ? -cents : cents;
    }
    // Anything longer (an exponent) is read as a number and rounded to the cent.
    bool ok = false;
    const double value = trimmed.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9.0e16 / 100)
        return std::nullopt;
    return static_cast<Cents>(std::round(value * 100));
}

bool isPlainBalanceText(QStringView text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsStart = i;
    while (i < text.size() && isAsciiDigit(text[i]))
        ++i;
    const qsizetype digits = i - digitsStart;
    if (digits == 0 || (digits > 1 && text[digitsStart] == QLatin1Char('0')) || digits > 15)
        return false;
    if (i == text.size())
        return text != u"-0";
    const qsizetype decimals = text.size() - i - 1;
    if (text[i] != QLatin1Char('.') || decimals < 1 || decimals > 2)
        return false;
    for (qsizetype d = i + 1; d < text.size(); ++d) {
        if (!isAsciiDigit(text[d]))
            return false;
    }
    return text.back() != QLatin1Char('0');
}

QString plainBalanceText(QStringView text)
{
    if (isPlainBalanceText(text))
        return text.toString();
    const std::optional<Cents> cents = parseBalanceText(text);
    return cents ? balanceText(*cents) : text.toString();
}

QString priceSortPrefix(Cents price)
{
    const Cents clamped = std::clamp<Cents>(price, 0, kMaxPrice);
    return QStringLiteral("%1.%2").arg(clamped / 100, 9, 10, QLatin1Char('0')).arg(twoDigits(clamped % 100));
}

QString currencyText(Cents cents, const QLocale& locale)
{
    return locale.toCurrencyString(static_cast<double>(cents) / 100.0, locale.currencySymbol(), 2);
}

} // namespace tav::records
