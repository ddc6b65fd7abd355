#pragma once

#include <QLocale>
#include <QString>

namespace tav::app {

// The local date pattern, worked out once at start-up and used by editing and printing. (Amounts
// are read and shown through the locale itself: records::LocalAmounts, records::currencyText.)
struct LocaleFormats {
    // The order of "mm", "dd" and "yyyy" with the local separator; "mm/dd/yyyy" when the local
    // short date is not recognised.
    QString dateFormat;
    // Empty when the local short date is not recognised.
    QString dateSeparator;
};

// Probes the short date of 31 December 1992.
LocaleFormats probeLocaleFormats(const QLocale& locale);

} // namespace tav::app
