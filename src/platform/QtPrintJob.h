#pragma once

#include "PagePainter.h"
#include "PrintJob.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace tav::platform {

// Where a print run goes.
struct PrintTarget {
    enum class Kind { Printer, PdfFile };

    Kind kind = Kind::Printer;
    QString printerName;
    QString pdfFile;
    // Set for a PDF file that stands in for a missing printer.
    bool fallback = false;
};

// A folder named by TAV_PRINT_TO_PDF takes every run as a PDF file (headless use and tests); else
// the default printer; with no printer, a PDF file in the Documents folder, or in the home folder
// when there is no Documents folder. A file's name is the job's title and the time, made unique
// within its folder.
PrintTarget choosePrintTarget(const QString& pdfFolder, const QString& defaultPrinter, const QString& documentsFolder,
                              const QString& homeFolder, const QString& title, const QDateTime& now);

// A print job through Qt Print Support: to a printer of the system (CUPS) or to a PDF file, with
// the text as text.
class QtPrintJob : public PrintJob {
public:
    QtPrintJob(const PrintJobSetup& setup, PrintTarget target);
    ~QtPrintJob() override;

    bool printPage(const Page& page) override;
    PrintOutcome finish() override;

private:
    bool startPage();
    QString cannotOpen() const;

    PrintTarget target_;
    QPrinter printer_;
    QPainter painter_;
    PagePainter pagePainter_{painter_};
    int pages_ = 0;
    QString failure_;
};

// A job for the system's default printer, or a PDF file as choosePrintTarget says.
std::unique_ptr<PrintJob> openSystemPrintJob(const PrintJobSetup& setup, const QDateTime& now);

} // namespace tav::platform
