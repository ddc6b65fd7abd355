#pragma once

#include "records/Database.h"

namespace tav::bench {

struct SyntheticSize {
    int customers = 10'000;
    int products = 1'000;
    int periods = 120;
    // Spread evenly over the periods; every period bills the same customers.
    int invoiceRecords = 1'200'000;
};

// A database such as years of use give: customers (a few archived) with addresses and notes,
// products and services (a few archived), monthly bill periods, and invoice records with one to
// four items, most paid, some with a note. The invoice records stand as a save after a load
// leaves them: sorted, except the two newest periods, appended since. Always the same for the
// same size.
records::Database syntheticDatabase(const SyntheticSize& size);

} // namespace tav::bench
