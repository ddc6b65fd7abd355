#pragma once

#include "PagePainter.h"
#include "PrintJob.h"
#include "PrintServer.h"

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>

#include <memory>

class QIODevice;
class QPdfWriter;

namespace tav::platform {

// The paper of the user's country: Letter where it is the custom, A4 elsewhere.
QPageSize usualPaper(const QLocale& locale);
// A PDF page keeps the margin that most printers need, so that it looks like the printed page.
QPageLayout pdfPaper(const QLocale& locale);

// Where a print run goes.
struct PrintTarget {
    enum class Kind { Printer, PdfFile };

    Kind kind = Kind::Printer;
    QString printerName;
    QString pdfFile;
    // Set for a PDF file that stands in for a missing printer.
    bool fallback = false;
    // The paper, portrait, and the margins outside its printable area.
    QPageLayout paper = pdfPaper(QLocale());
    // Why no job can start there; then nothing is printed.
    QString failure = {};
    // Why a job there waits in the queue instead of printing.
    QString waiting = {};
};

// A folder named by TAV_PRINT_TO_PDF takes every run as a PDF file (headless use and tests); else
// the default printer; with no printer, a PDF file in the Documents folder, or in the home folder
// when there is no Documents folder. A file's name is the job's title and the time, made unique
// within its folder.
PrintTarget choosePrintTarget(const QString& pdfFolder, const PrintServer::Queue& printer,
    const QString& documentsFolder, const QString& homeFolder, const QString& title, const QDateTime& now);

// A print job whose pages Qt paints into a PDF document, text as text: the PDF file itself, or a
// document the print server takes as one job for the printer when the job ends.
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
    QString title_;
    // The document for the printer, kept until the server has it.
    std::unique_ptr<QIODevice> spool_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    PagePainter pagePainter_ { painter_ };
    int pages_ = 0;
    QString failure_;
};

// A job for the system's default printer on its default paper, or a PDF file, as
// choosePrintTarget says, on the user's usual paper.
std::unique_ptr<PrintJob> openSystemPrintJob(const PrintJobSetup& setup, const QDateTime& now, const QLocale& locale);

} // namespace tav::platform
