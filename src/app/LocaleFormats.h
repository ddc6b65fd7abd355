#pragma once

#include <QLocale>
#include <QString>

namespace tav::app {

// The local date pattern and currency prefix, worked out once at start-up and used by editing and
// printing.
struct LocaleFormats {
    // The order of "mm", "dd" and "yyyy" with the local separator; "mm/dd/yyyy" when the local
    // short date is not recognised.
    QString dateFormat;
    // Empty when the local short date is not recognised.
    QString dateSeparator;
    // The text the currency form puts before the digits ("$"); empty when the symbol follows.
    QString currencyPrefix;
};

// Probes the short date of 31 December 1992 and the currency form of 9.
LocaleFormats probeLocaleFormats(const QLocale& locale);

} // namespace tav::app
