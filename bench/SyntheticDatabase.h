#pragma once

#include "records/Database.h"

namespace tav::bench {

struct SyntheticSize {
    int customers = 10'000;
    int products = 1'000;
    int periods = 120;
    // Spread evenly over the periods; every period bills the same customers.
    int invoiceRecords = 1'200'000;

    // The benchmark's size times scale (at least ten customers and products), every period
    // billing every customer.
    static SyntheticSize scaled(double scale);
};

// A database such as years of use give: customers (a few archived) with addresses and notes,
// products and services (a few archived), monthly bill periods, and invoice records with one to
// four items, most paid, some with a note. The invoice records stand in period order, customers
// by number, as another program or an older file of this one has them: a load has to sort them
// all. The same size always gives the same database.
records::Database syntheticDatabase(const SyntheticSize& size);

} // namespace tav::bench
