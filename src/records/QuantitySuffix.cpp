#include "QuantitySuffix.h"

namespace tav::records {

namespace {
const QString kOpen = QStringLiteral(" (x");
constexpr qsizetype kMaxDigits = 9;
} // namespace

std::optional<QuantitySuffix> findQuantitySuffix(QStringView text)
{
    if (!text.endsWith(QLatin1Char(')')))
        return std::nullopt;
    qsizetype firstDigit = text.size() - 1;
    while (firstDigit > 0 && text[firstDigit - 1].isDigit() && text[firstDigit - 1].unicode() < 128)
        --firstDigit;
    const qsizetype digits = text.size() - 1 - firstDigit;
    if (digits == 0 || digits > kMaxDigits || firstDigit < kOpen.size()
        || text.sliced(firstDigit - kOpen.size(), kOpen.size()) != kOpen)
        return std::nullopt;
    return QuantitySuffix{firstDigit - kOpen.size(), text.sliced(firstDigit, digits).toLongLong()};
}

QString withQuantity(QStringView text, qint64 quantity)
{
    const auto suffix = findQuantitySuffix(text);
    QString base = (suffix ? text.left(suffix->position) : text).toString();
    if (quantity > 1)
        base += kOpen + QString::number(quantity) + QLatin1Char(')');
    return base;
}

} // namespace tav::records
