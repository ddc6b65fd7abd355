#include "Money.h"

#include "TextNumbers.h"

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

bool isDigitSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char(' ') || c == QLatin1Char('\'')
        || c == QChar(0x00A0) || c == QChar(0x202F);
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
    for (; i < trimmed.size() && trimmed[i].isDigit() && trimmed[i].unicode() < 128; ++i, ++wholeDigits) {
        whole = whole * 10 + static_cast<quint64>(trimmed[i].unicode() - '0');
        if (whole > 90'000'000'000'000'000ull / 100)
            return std::nullopt;
    }
    quint64 fraction = 0;
    qsizetype fractionDigits = 0;
    if (i < trimmed.size() && trimmed[i] == QLatin1Char('.')) {
        for (++i; i < trimmed.size() && trimmed[i].isDigit() && trimmed[i].unicode() < 128; ++i, ++fractionDigits) {
            if (fractionDigits < 2)
                fraction = fraction * 10 + static_cast<quint64>(trimmed[i].unicode() - '0');
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    if (i == trimmed.size() && fractionDigits <= 2) {
        if (fractionDigits == 1)
            fraction *= 10;
        const Cents cents = static_cast<Cents>(whole * 100 + fraction);
        return negative ? -cents : cents;
    }
    // Anything longer (an exponent, more decimals) is read as a number and rounded to the cent.
    bool ok = false;
    const double value = trimmed.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9.0e16 / 100)
        return std::nullopt;
    return roundHalfEven(value * 100);
}

QString priceSortPrefix(Cents price)
{
    const Cents clamped = std::clamp<Cents>(price, 0, kMaxPrice);
    return QStringLiteral("%1.%2").arg(clamped / 100, 9, 10, QLatin1Char('0')).arg(twoDigits(clamped % 100));
}

std::optional<Cents> parsePrice(QStringView text, QStringView currencyPrefix)
{
    QStringView rest = text.trimmed();
    const QStringView prefix = currencyPrefix.trimmed();
    if (!prefix.isEmpty() && rest.startsWith(prefix))
        rest = rest.sliced(prefix.size()).trimmed();
    Cents whole = 0;
    bool digits = false;
    qsizetype i = 0;
    for (; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c.isDigit() && c.unicode() < 128) {
            whole = whole * 10 + (c.unicode() - '0');
            digits = true;
            if (whole > kMaxPrice / 100)
                return std::nullopt;
        } else if (c == QLatin1Char(',') && digits) {
            continue;
        } else {
            break;
        }
    }
    Cents cents = 0;
    if (i < rest.size() && rest[i] == QLatin1Char('.')) {
        qsizetype decimals = 0;
        for (++i; i < rest.size() && rest[i].isDigit() && rest[i].unicode() < 128; ++i, ++decimals) {
            if (decimals == 2)
                return std::nullopt;
            cents = cents * 10 + (rest[i].unicode() - '0');
            digits = true;
        }
        if (decimals == 1)
            cents *= 10;
    }
    if (!digits || i != rest.size() || rest.endsWith(QLatin1Char(',')))
        return std::nullopt;
    return whole * 100 + cents;
}

std::optional<Cents> storedPriceAmount(QStringView text)
{
    constexpr Cents tooLarge = kMaxPrice + 1;
    qsizetype i = 0;
    bool negative = false;
    for (; i < text.size() && !isAsciiDigit(text[i]); ++i)
        negative = negative || text[i] == QLatin1Char('-');
    if (i == text.size())
        return std::nullopt;
    Cents whole = 0;
    Cents decimals = 0;
    qsizetype decimalDigits = 0;
    qsizetype digitsAfterSeparator = 0;
    QChar lastSeparator;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            ++digitsAfterSeparator;
            continue;
        }
        if (!isDigitSeparator(c) || i + 1 == text.size() || !isAsciiDigit(text[i + 1]))
            break;
        lastSeparator = c;
        digitsAfterSeparator = 0;
    }
    // Read the digits again now that the decimal mark is known.
    const bool hasDecimals = (lastSeparator == QLatin1Char('.') || lastSeparator == QLatin1Char(','))
        && digitsAfterSeparator >= 1 && digitsAfterSeparator <= 2;
    const qsizetype end = i;
    const qsizetype decimalsStart = hasDecimals ? end - digitsAfterSeparator : end;
    for (i = 0; i < decimalsStart; ++i) {
        if (isAsciiDigit(text[i]))
            whole = std::min<Cents>(whole * 10 + (text[i].unicode() - '0'), tooLarge);
    }
    for (i = decimalsStart; i < end; ++i, ++decimalDigits)
        decimals = decimals * 10 + (text[i].unicode() - '0');
    if (decimalDigits == 1)
        decimals *= 10;
    const Cents cents = std::min<Cents>(whole * 100 + decimals, tooLarge);
    return negative ? -cents : cents;
}

QString currencyText(Cents cents, const QLocale& locale)
{
    return locale.toCurrencyString(static_cast<double>(cents) / 100.0, locale.currencySymbol(), 2);
}

} // namespace tav::records
