#include "DateText.h"

#include <QRegularExpression>

namespace tav::app {

namespace {

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

QString separatorOrSlash(const LocaleFormats& formats)
{
    return formats.dateSeparator.isEmpty() ? QStringLiteral("/") : formats.dateSeparator;
}

} // namespace

DateText::DateText(const LocaleFormats& formats, const QLocale& locale)
    : formats_(formats)
    , locale_(locale)
{
}

std::optional<QDate> DateText::readNumeric(const QString& text) const
{
    static const QRegularExpression parts(QStringLiteral("^(\\d{1,4})[/.-](\\d{1,2})(?:[/.-](\\d{1,4}))?$"));
    const QRegularExpressionMatch match = parts.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString first = match.captured(1);
    const QString second = match.captured(2);
    const QString third = match.captured(3);
    QDate date;
    if (first.size() > 2) {
        if (third.isEmpty())
            return std::nullopt;
        date = QDate(first.toInt(), second.toInt(), third.toInt());
    } else {
        const int year = third.isEmpty() ? QDate::currentDate().year() : fullYear(third);
        if (formats_.dateFormat.startsWith(QLatin1String("dd")))
            date = QDate(year, second.toInt(), first.toInt());
        else
            date = QDate(year, first.toInt(), second.toInt());
    }
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QDate> DateText::read(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto numeric = readNumeric(trimmed))
        return numeric;
    for (const QString& pattern : {locale_.dateFormat(QLocale::LongFormat), QStringLiteral("MMMM d, yyyy"),
                                   QStringLiteral("MMM d, yyyy"), QStringLiteral("d MMMM yyyy"), QStringLiteral("d MMM yyyy")}) {
        const QDate date = locale_.toDate(trimmed, pattern);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

QString DateText::stored(const QString& text) const
{
    const auto date = read(text);
    if (!date)
        return text;
    const QString separator = separatorOrSlash(formats_);
    return date->toString(QStringLiteral("yyyy'%1'MM'%1'dd").arg(separator));
}

QString DateText::shown(const QString& text) const
{
    const auto date = read(text);
    if (!date)
        return text;
    QString pattern = formats_.dateFormat;
    pattern.replace(QLatin1String("mm"), QLatin1String("MM"));
    const QString separator = separatorOrSlash(formats_);
    if (!formats_.dateSeparator.isEmpty())
        pattern.replace(formats_.dateSeparator, QLatin1String("'") + separator + QLatin1String("'"));
    else
        pattern.replace(QLatin1String("/"), QLatin1String("'/'"));
    return date->toString(pattern);
}

} // namespace tav::app
