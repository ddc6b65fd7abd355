#pragma once

#include "BenchCase.h"

#include <memory>
#include <vector>

namespace tav::bench {

// The cases that run in the main window, shown offscreen, on the loaded database, each timed to
// the window's last repaint: the single steps of the user (choosing a period, a search keystroke,
// adding and deleting a customer, billing a product to every customer, logging a payment,
// finalising a period, the developer view) and the print runs.
std::vector<std::unique_ptr<BenchCase>> windowCases();
// The file commands in the main window: Open, Save As, closing the books. They run in a process
// of their own, as in a program that has just loaded its database: after the window's cases, whose
// large trees and listings leave the heap in pieces, a load takes a good deal longer.
std::vector<std::unique_ptr<BenchCase>> fileCommandCases();
// Billing a product to every customer and resetting it, many times, at the database's number of
// customers and at twice it, to show whether it grows linearly.
std::vector<std::unique_ptr<BenchCase>> growthCases();

// Those of the files beside this one.
void addEditCases(std::vector<std::unique_ptr<BenchCase>>& cases);
std::unique_ptr<BenchCase> finalisePeriodCase();
std::unique_ptr<BenchCase> developerViewCase();
void addPrintCases(std::vector<std::unique_ptr<BenchCase>>& cases);

} // namespace tav::bench
