#pragma once

#include "BenchCase.h"

#include <memory>
#include <vector>

namespace tav::bench {

// The cases that run in the main window, shown offscreen, on the loaded database: choosing
// another period, printing a period's invoices, logging a payment, deleting a customer, and
// billing one product to every customer at the database's size and at twice that.
std::vector<std::unique_ptr<BenchCase>> windowCases();

} // namespace tav::bench
