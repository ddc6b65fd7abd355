#include "TextNumbers.h"

#include <QString>

#include <cmath>
#include <limits>

namespace tav::records {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

double leadingNumber(QStringView text)
{
    QString number;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i + 1 < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exponent += text[j++];
        const qsizetype firstDigit = j;
        while (j < text.size() && text[j].isDigit() && text[j].unicode() < 128)
            exponent += text[j++];
        if (j > firstDigit)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

qint64 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default rounding mode sends halves to even
    if (rounded >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (rounded <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

int roundHalfEvenToInt(double value)
{
    const qint64 rounded = roundHalfEven(value);
    if (rounded > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (rounded < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

} // namespace tav::records
