#include "LocaleFormats.h"

#include <QDate>

namespace tav::app {

LocaleFormats probeLocaleFormats(const QLocale& locale)
{
    LocaleFormats formats;
    const QString probe = locale.toString(QDate(1992, 12, 31), QLocale::ShortFormat).left(5);
    const auto separatorAt = [&](qsizetype position) {
        const QChar c = probe.size() > position ? probe.at(position) : QChar();
        return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') ? QString(c) : QString();
    };
    if (probe.startsWith(QLatin1String("12")) && !separatorAt(2).isEmpty() && probe.mid(3, 2) == QLatin1String("31")) {
        formats.dateSeparator = separatorAt(2);
        formats.dateFormat = QStringLiteral("mm%1dd%1yyyy").arg(formats.dateSeparator);
    } else if (probe.startsWith(QLatin1String("31")) && !separatorAt(2).isEmpty() && probe.mid(3, 2) == QLatin1String("12")) {
        formats.dateSeparator = separatorAt(2);
        formats.dateFormat = QStringLiteral("dd%1mm%1yyyy").arg(formats.dateSeparator);
    } else if (probe.startsWith(QLatin1String("1992")) && !separatorAt(4).isEmpty()) {
        formats.dateSeparator = separatorAt(4);
        formats.dateFormat = QStringLiteral("yyyy%1mm%1dd").arg(formats.dateSeparator);
    } else {
        formats.dateFormat = QStringLiteral("mm/dd/yyyy");
    }
    return formats;
}

} // namespace tav::app
