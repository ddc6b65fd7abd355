#pragma once

#include "BenchCase.h"

#include <memory>
#include <vector>

namespace tav::bench {

// The cases that run in the main window, offscreen, on the loaded database: deleting a customer,
// composing a bill period for every customer, and building both invoice trees of a period.
std::vector<std::unique_ptr<BenchCase>> windowCases();

} // namespace tav::bench
