#pragma once

#include "LocaleFormats.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace tav::app {

// Dates as the user types them and as the database holds them.
class DateText {
public:
    DateText(const LocaleFormats& formats, const QLocale& locale);

    // Reads the usual local written forms of a date: the local order of day, month and year with
    // "/", "-" or "." between them (two-digit years from 1930 to 2029, a missing year this
    // year), a four-digit year first, or the month spelled out.
    std::optional<QDate> read(const QString& text) const;
    // A date as the database holds it: year, month and day joined by the local separator
    // (2005/12/31); a text that is not a date is kept as it is.
    QString stored(const QString& text) const;
    // A date in the local pattern (12/31/2005); a text that is not a date is kept as it is.
    QString shown(const QString& text) const;

private:
    std::optional<QDate> readNumeric(const QString& text) const;

    LocaleFormats formats_;
    QLocale locale_;
};

} // namespace tav::app
