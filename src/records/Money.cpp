#include "Money.h"

#include <algorithm>

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

// Reads [sign]digits[.digits] to the cent, an exact half away from zero: the third decimal
// decides. Nothing for any other text, or a value out of range.
std::optional<Cents> readDecimal(QStringView text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        ++i;
    quint64 whole = 0;
    qsizetype wholeDigits = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i, ++wholeDigits) {
        whole = whole * 10 + static_cast<quint64>(text[i].unicode() - '0');
        if (whole > 90'000'000'000'000'000ull / 100)
            return std::nullopt;
    }
    quint64 fraction = 0;
    qsizetype fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i, ++fractionDigits) {
            const int digit = text[i].unicode() - '0';
            if (fractionDigits < 2)
                fraction = fraction * 10 + static_cast<quint64>(digit);
            else if (fractionDigits == 2)
                roundUp = digit >= 5;
        }
    }
    if (wholeDigits + fractionDigits == 0 || i != text.size())
        return std::nullopt;
    if (fractionDigits == 1)
        fraction *= 10;
    const Cents cents = static_cast<Cents>(whole * 100 + fraction) + (roundUp ? 1 : 0);
    return negative ? -cents : cents;
}

// The plain decimal text of a number in the exponent form ([sign]digits[.digits] before the E,
// [sign]digits after it): the same digits with the point moved, so that the number is rounded by
// its digits as a plain one is, never through a binary fraction. Nothing for any other text.
std::optional<QString> withPointMoved(QStringView mantissa, QStringView exponentText)
{
    const bool exponentNegative = exponentText.startsWith(QLatin1Char('-'));
    if (exponentNegative || exponentText.startsWith(QLatin1Char('+')))
        exponentText = exponentText.sliced(1);
    if (exponentText.isEmpty())
        return std::nullopt;
    // Far beyond any place that matters here; the cap keeps a long exponent from overflowing.
    constexpr qint64 kExponentCap = 1'000'000'000;
    qint64 exponent = 0;
    for (const QChar c : exponentText) {
        if (!isAsciiDigit(c))
            return std::nullopt;
        exponent = std::min(exponent * 10 + (c.unicode() - '0'), kExponentCap);
    }
    QString sign;
    if (mantissa.startsWith(QLatin1Char('-')) || mantissa.startsWith(QLatin1Char('+'))) {
        sign = mantissa.first(1).toString();
        mantissa = mantissa.sliced(1);
    }
    QString digits = mantissa.toString();
    qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = digits.size();
    else
        digits.remove(point, 1);
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), isAsciiDigit))
        return std::nullopt;
    // Without its leading zeros, the first digit's place tells the magnitude.
    const qsizetype zeros
        = std::find_if(digits.cbegin(), digits.cend(), [](QChar c) { return c != u'0'; }) - digits.cbegin();
    digits.remove(0, zeros);
    if (digits.isEmpty())
        return QStringLiteral("0");
    // The number of digits before the point once it has moved.
    const qint64 place = point - zeros + (exponentNegative ? -exponent : exponent);
    if (place > 20)
        return std::nullopt; // out of range, as readDecimal would find
    if (place < -2)
        return QStringLiteral("0"); // below a thousandth: no cent, nor half of one
    if (place <= 0)
        return sign + QLatin1String("0.") + QString(-place, u'0') + digits;
    if (place >= digits.size())
        return sign + digits + QString(place - digits.size(), u'0');
    return sign + digits.first(place) + QLatin1Char('.') + digits.sliced(place);
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
    const qsizetype exponent = trimmed.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    if (exponent < 0)
        return readDecimal(trimmed);
    const std::optional<QString> plain = withPointMoved(trimmed.first(exponent), trimmed.sliced(exponent + 1));
    return plain ? readDecimal(*plain) : std::nullopt;
}

std::optional<Cents> storedBalance(QStringView text)
{
    const std::optional<Cents> cents = text.isEmpty() ? Cents(0) : parseBalanceText(text);
    if (!cents || *cents > kMaxBalance || *cents < -kMaxBalance)
        return std::nullopt;
    return cents;
}

std::optional<Cents> itemAmount(Cents price, qint64 quantity)
{
    Cents amount = 0;
    if (__builtin_mul_overflow(price, quantity, &amount) || amount > kMaxBalance || amount < -kMaxBalance)
        return std::nullopt;
    return amount;
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

QString priceSortPrefix(std::optional<Cents> price)
{
    if (!price)
        return QStringLiteral("?????????.??");
    const Cents clamped = std::clamp<Cents>(*price, 0, kMaxPrice);
    return QStringLiteral("%1.%2").arg(clamped / 100, 9, 10, QLatin1Char('0')).arg(twoDigits(clamped % 100));
}

std::optional<Cents> priceOfSortPrefix(QStringView prefix)
{
    constexpr qsizetype kPoint = 9;
    if (prefix.size() != kPoint + 3 || prefix[kPoint] != QLatin1Char('.'))
        return std::nullopt;
    Cents cents = 0;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (i == kPoint)
            continue;
        if (!isAsciiDigit(prefix[i]))
            return std::nullopt;
        cents = cents * 10 + (prefix[i].unicode() - '0');
    }
    return cents;
}

QString currencyText(Cents cents, const QLocale& locale)
{
    return locale.toCurrencyString(static_cast<double>(cents) / 100.0, locale.currencySymbol(), 2);
}

} // namespace tav::records
