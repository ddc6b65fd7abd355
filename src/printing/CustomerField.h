#pragma once

#include "records/RecordFormats.h"

namespace tav::printing {

// A customer's field by its number in the record (FName is field 1).
inline const QString& customerField(const records::CustomerRecord& customer, records::CustomerRecord::Field field)
{
    return customer.values[static_cast<size_t>(field) - 1];
}

} // namespace tav::printing
