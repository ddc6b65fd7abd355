#include "PrintRun.h"

#include "platform/Host.h"

#include <QDir>

namespace tav::printing {

using namespace tav::platform;

bool printPages(const PrintJobSetup& setup, const std::vector<Page>& pages)
{
    if (pages.empty())
        return true;
    const std::unique_ptr<PrintJob> job = host().openPrintJob(setup);
    for (const Page& page : pages) {
        if (!job->printPage(page))
            break;
    }
    const PrintOutcome outcome = job->finish();
    if (!outcome.failure.isEmpty()) {
        host().messageBox(
            QStringLiteral("An error has occoured: \r\n%1\r\nThe printing job has been canceled, please try again.")
                .arg(outcome.failure),
            MessageButtons::Ok, MessageIcon::Critical, QStringLiteral("Printer Error"));
        return false;
    }
    if (!outcome.fallbackPdf.isEmpty()) {
        host().messageBox(QStringLiteral("No printer is set up, so the pages were saved as a PDF file:\r\n\r\n%1")
                              .arg(QDir::toNativeSeparators(outcome.fallbackPdf)),
                          MessageButtons::Ok, MessageIcon::Information, host().appTitle());
    }
    return true;
}

} // namespace tav::printing
