#pragma once

#include "platform/PageModel.h"
#include "platform/PrintJob.h"

#include <vector>

namespace tav::printing {

// Sends the pages as one job and tells the user, once and at the end, what went wrong ("Printer
// Error") or where the pages went when there is no printer. True when every page went out; no
// pages start no job.
bool printPages(const platform::PrintJobSetup& setup, const std::vector<platform::Page>& pages);

} // namespace tav::printing
