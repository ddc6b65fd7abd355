#pragma once

#include "PageModel.h"

#include <QString>

namespace tav::platform {

// Every run is on the printer's default paper (for a PDF file, the paper of the user's country),
// turned as the document needs.
struct PrintJobSetup {
    enum class Orientation { Portrait, Landscape };

    // The document's name in the printer's queue, and part of a PDF file's name.
    QString title;
    Orientation orientation = Orientation::Portrait;
};

struct PrintOutcome {
    // Empty when every page reached the printer (the queue kept the job) or the file; else why
    // they did not.
    QString failure;
    // The PDF file that took the pages because there is no printer; the user is to be told.
    QString fallbackPdf;
    // Why the pages that reached the printer's queue wait there instead of printing; the user is
    // to be told.
    QString waiting = {};
};

// One print run: its pages go out as one job. Each page's area is put at the printable origin at
// its own size.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // False once the job has failed; pages after that are not printed.
    virtual bool printPage(const Page& page) = 0;
    // Ends the job, which sends it to the printer or closes its file.
    virtual PrintOutcome finish() = 0;
};

} // namespace tav::platform
