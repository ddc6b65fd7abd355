#pragma once

#include <QString>

namespace tav::records {

// Joins the fields of every record's text; also ends the key of an invoice record and of a bill
// period read from the file.
inline constexpr QChar FieldSeparator{1};
// Joins the billed items of an invoice record.
inline constexpr QChar ItemSeparator{2};
// Put in front of the display text of a customer or product that was deleted while invoice
// records still use it.
inline const QString ArchivePrefix = QStringLiteral("zzzz") + QChar(187);
inline constexpr qsizetype ArchivePrefixLength = 5;
// Ends the key of a customer or product record.
inline constexpr QChar KeySuffix{'k'};

} // namespace tav::records
