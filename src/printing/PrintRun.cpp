#include "PrintRun.h"

#include "platform/Host.h"

#include <QDir>

namespace tav::printing {

using namespace tav::platform;

PrintRun::PrintRun(PrintJobSetup setup)
    : setup_(std::move(setup))
{
}

PrintRun::~PrintRun() = default;

bool PrintRun::print(const Page& page)
{
    if (!job_)
        job_ = host().openPrintJob(setup_);
    return job_->printPage(page);
}

bool PrintRun::finish()
{
    if (!job_)
        return true;
    const PrintOutcome outcome = std::exchange(job_, nullptr)->finish();
    if (!outcome.failure.isEmpty()) {
        host().messageBox(
            QStringLiteral("An error has occoured: \r\n%1\r\nThe printing job has been canceled, please try again.")
                .arg(outcome.failure),
            MessageButtons::Ok, MessageIcon::Critical, QStringLiteral("Printer Error"));
        return false;
    }
    if (!outcome.waiting.isEmpty()) {
        host().messageBox(
            outcome.waiting, MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Printer Stopped"));
    }
    if (!outcome.fallbackPdf.isEmpty()) {
        host().messageBox(QStringLiteral("No printer is set up, so the pages were saved as a PDF file:\r\n\r\n%1")
                              .arg(QDir::toNativeSeparators(outcome.fallbackPdf)),
            MessageButtons::Ok, MessageIcon::Information, host().appTitle());
    }
    return true;
}

bool printPages(const PrintJobSetup& setup, const std::vector<Page>& pages)
{
    PrintRun run(setup);
    for (const Page& page : pages) {
        if (!run.print(page))
            break;
    }
    return run.finish();
}

} // namespace tav::printing
