#include "QtPrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tav::platform {

namespace {

constexpr double kTwipsPerInch = 1440;
// A PDF page keeps the margin that most printers need, so that it looks like the printed page.
constexpr double kPdfMarginInches = 0.25;

QString uniquePdfPath(const QString& folder, const QString& title, const QDateTime& now)
{
    const QString stem
        = QDir(folder).filePath(title + QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    QString path = stem + QLatin1String(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1 (%2).pdf").arg(stem).arg(n);
    return path;
}

} // namespace

PrintTarget choosePrintTarget(const QString& pdfFolder, const QString& defaultPrinter, const QString& documentsFolder,
                              const QString& homeFolder, const QString& title, const QDateTime& now)
{
    if (!pdfFolder.isEmpty()) {
        QDir().mkpath(pdfFolder);
        return {PrintTarget::Kind::PdfFile, QString(), uniquePdfPath(pdfFolder, title, now), false};
    }
    if (!defaultPrinter.isEmpty())
        return {PrintTarget::Kind::Printer, defaultPrinter, QString(), false};
    const QString folder
        = !documentsFolder.isEmpty() && QFileInfo(documentsFolder).isDir() ? documentsFolder : homeFolder;
    return {PrintTarget::Kind::PdfFile, QString(), uniquePdfPath(folder, title, now), true};
}

QtPrintJob::QtPrintJob(const PrintJobSetup& setup, PrintTarget target)
    : target_(std::move(target))
    , printer_(QPrinter::HighResolution)
{
    if (target_.kind == PrintTarget::Kind::Printer) {
        printer_.setPrinterName(target_.printerName);
    } else {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(target_.pdfFile);
    }
    printer_.setDocName(setup.title);
    if (setup.paper == PrintJobSetup::Paper::Letter)
        printer_.setPageSize(QPageSize(QPageSize::Letter));
    printer_.setPageOrientation(setup.orientation == PrintJobSetup::Orientation::Landscape ? QPageLayout::Landscape
                                                                                          : QPageLayout::Portrait);
    if (target_.kind == PrintTarget::Kind::PdfFile) {
        printer_.setPageMargins(QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches),
                                QPageLayout::Inch);
    }
}

QtPrintJob::~QtPrintJob()
{
    if (painter_.isActive())
        painter_.end();
}

QString QtPrintJob::cannotOpen() const
{
    return target_.kind == PrintTarget::Kind::Printer
        ? QStringLiteral("The printer \"%1\" could not be opened.").arg(target_.printerName)
        : QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(target_.pdfFile));
}

bool QtPrintJob::startPage()
{
    if (pages_ > 0)
        return printer_.newPage();
    if (!painter_.begin(&printer_))
        return false;
    const double scale = printer_.resolution() / kTwipsPerInch;
    painter_.scale(scale, scale);
    return true;
}

bool QtPrintJob::printPage(const Page& page)
{
    if (!failure_.isEmpty())
        return false;
    if (!startPage()) {
        failure_ = pages_ == 0 ? cannotOpen() : QStringLiteral("The printer stopped taking pages.");
        return false;
    }
    ++pages_;
    pagePainter_.paint(page);
    return true;
}

PrintOutcome QtPrintJob::finish()
{
    if (painter_.isActive() && !painter_.end() && failure_.isEmpty())
        failure_ = cannotOpen();
    if (failure_.isEmpty() && target_.kind == PrintTarget::Kind::PdfFile && pages_ > 0
        && !QFileInfo::exists(target_.pdfFile))
        failure_ = cannotOpen();
    return {failure_, failure_.isEmpty() && target_.fallback ? target_.pdfFile : QString()};
}

std::unique_ptr<PrintJob> openSystemPrintJob(const PrintJobSetup& setup, const QDateTime& now)
{
    return std::make_unique<QtPrintJob>(
        setup, choosePrintTarget(qEnvironmentVariable("TAV_PRINT_TO_PDF"), QPrinterInfo::defaultPrinterName(),
                                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath(),
                                 setup.title, now));
}

} // namespace tav::platform
