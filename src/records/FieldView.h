#pragma once

#include "Separators.h"

#include <QStringView>

#include <array>
#include <optional>

namespace tav::records {

// Field index of a record's text, without splitting the whole text; empty when the text has fewer
// fields. Walks that look at one field of every invoice record use this.
inline QStringView fieldView(QStringView text, int index)
{
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype separator = text.indexOf(FieldSeparator, start);
        if (separator < 0)
            return {};
        start = separator + 1;
    }
    const qsizetype end = text.indexOf(FieldSeparator, start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}

// The first count fields of a record's text, in one pass; empty where the text has fewer.
template <size_t count>
std::array<QStringView, count> fieldViews(QStringView text)
{
    std::array<QStringView, count> fields;
    size_t field = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size() && field < count; ++i) {
        if (i == text.size() || text[i] == FieldSeparator) {
            fields[field++] = text.sliced(start, i - start);
            start = i + 1;
        }
    }
    return fields;
}

// The whole number a record number text holds ("012" is 12); nothing for any other text.
inline std::optional<qint64> recordNumberValue(QStringView text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace tav::records
