#pragma once

#include "platform/BusyCursor.h"
#include "platform/PageModel.h"
#include "platform/PrintJob.h"

#include <memory>
#include <vector>

namespace tav::printing {

// One print job, fed a page at a time as the pages are made, so that a run of thousands of pages
// holds one of them at a time. The job opens with the first page: no pages start no job. At the
// end the user is told, once, what went wrong ("Printer Error"), that the pages wait in a stopped
// printer's queue, or where the pages went when there is no printer. The busy cursor shows while the run lasts.
class PrintRun {
public:
    explicit PrintRun(platform::PrintJobSetup setup);
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    // Prints the page now; false once the job has failed, and the pages after that are not
    // printed.
    bool print(const platform::Page& page);
    // Ends the job and tells the user; true when every page went out.
    bool finish();

private:
    platform::BusyCursor busy_;
    platform::PrintJobSetup setup_;
    std::unique_ptr<platform::PrintJob> job_;
};

// The pages as one run.
bool printPages(const platform::PrintJobSetup& setup, const std::vector<platform::Page>& pages);

} // namespace tav::printing
