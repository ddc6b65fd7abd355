#pragma once

#include "BenchCase.h"

#include <memory>
#include <vector>

namespace tav::bench {

// The cases that run in the main window, shown offscreen, on the loaded database, each timed to
// the window's last repaint: the single steps of the user (choosing a period, a search keystroke,
// adding and deleting a customer, billing a product to every customer, logging a payment,
// finalising a period, the developer view), the print runs, and the file commands.
std::vector<std::unique_ptr<BenchCase>> windowCases();

// Those of the files beside this one.
void addEditCases(std::vector<std::unique_ptr<BenchCase>>& cases);
std::unique_ptr<BenchCase> finalisePeriodCase();
std::unique_ptr<BenchCase> developerViewCase();
void addPrintCases(std::vector<std::unique_ptr<BenchCase>>& cases);
void addFileCommandCases(std::vector<std::unique_ptr<BenchCase>>& cases);
std::unique_ptr<BenchCase> closeBooksCase();

} // namespace tav::bench
