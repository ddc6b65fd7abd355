#include "QtPrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <optional>

namespace tav::platform {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPdfMarginInches = 0.25;
// Letter is the custom of these countries, as their locales' paper says.
constexpr QLocale::Territory kLetterTerritories[] = { QLocale::UnitedStates, QLocale::Canada, QLocale::Mexico,
    QLocale::Philippines, QLocale::Bolivia, QLocale::Chile, QLocale::Colombia, QLocale::CostaRica, QLocale::Guatemala,
    QLocale::Nicaragua, QLocale::Panama, QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela };

QString uniquePdfPath(const QString& folder, const QString& title, const QDateTime& now)
{
    const QString stem
        = QDir(folder).filePath(title + QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    QString path = stem + QLatin1String(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1 (%2).pdf").arg(stem).arg(n);
    return path;
}

// The paper turned as the job asks; a landscape page is the portrait one turned to the left, so
// that its printable area stays where the printer prints.
QPageLayout turned(QPageLayout paper, PrintJobSetup::Orientation orientation)
{
    if (orientation == PrintJobSetup::Orientation::Landscape) {
        const QMarginsF m = paper.margins();
        paper.setOrientation(QPageLayout::Landscape);
        paper.setMargins(QMarginsF(m.top(), m.right(), m.bottom(), m.left()));
    }
    return paper;
}

} // namespace

QPageSize usualPaper(const QLocale& locale)
{
    return QPageSize(std::ranges::find(kLetterTerritories, locale.territory()) != std::end(kLetterTerritories)
            ? QPageSize::Letter
            : QPageSize::A4);
}

QPageLayout pdfPaper(const QLocale& locale)
{
    return QPageLayout(usualPaper(locale), QPageLayout::Portrait,
        QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches), QPageLayout::Inch);
}

PrintTarget choosePrintTarget(const QString& pdfFolder, const PrintServer::Queue& printer,
    const QString& documentsFolder, const QString& homeFolder, const QString& title, const QDateTime& now)
{
    PrintTarget target;
    if (!pdfFolder.isEmpty()) {
        QDir().mkpath(pdfFolder);
        target.kind = PrintTarget::Kind::PdfFile;
        target.pdfFile = uniquePdfPath(pdfFolder, title, now);
    } else if (!printer.name.isEmpty() || !printer.failure.isEmpty()) {
        target.printerName = printer.name;
        target.failure = printer.failure;
    } else {
        const QString folder
            = !documentsFolder.isEmpty() && QFileInfo(documentsFolder).isDir() ? documentsFolder : homeFolder;
        target.kind = PrintTarget::Kind::PdfFile;
        target.pdfFile = uniquePdfPath(folder, title, now);
        target.fallback = true;
    }
    return target;
}

QtPrintJob::QtPrintJob(const PrintJobSetup& setup, PrintTarget target)
    : target_(std::move(target))
    , title_(setup.title)
{
    if (target_.kind == PrintTarget::Kind::Printer) {
        auto spool = std::make_unique<QTemporaryFile>();
        if (spool->open())
            writer_ = std::make_unique<QPdfWriter>(spool.get());
        spool_ = std::move(spool);
    } else {
        writer_ = std::make_unique<QPdfWriter>(target_.pdfFile);
    }
    if (!writer_)
        return;
    writer_->setTitle(setup.title);
    writer_->setPageLayout(turned(target_.paper, setup.orientation));
}

QtPrintJob::~QtPrintJob()
{
    if (painter_.isActive())
        painter_.end();
}

QString QtPrintJob::cannotOpen() const
{
    return target_.kind == PrintTarget::Kind::Printer
        ? QStringLiteral("The pages for the printer \"%1\" could not be prepared.").arg(target_.printerName)
        : QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(target_.pdfFile));
}

bool QtPrintJob::startPage()
{
    if (pages_ > 0)
        return writer_->newPage();
    if (!writer_ || !painter_.begin(writer_.get()))
        return false;
    const double scale = writer_->resolution() / kTwipsPerInch;
    painter_.scale(scale, scale);
    return true;
}

bool QtPrintJob::printPage(const Page& page)
{
    if (failure_.isEmpty())
        failure_ = target_.failure;
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
    if (failure_.isEmpty() && pages_ > 0) {
        if (target_.kind == PrintTarget::Kind::Printer)
            failure_ = PrintServer().submit(target_.printerName, title_, *spool_);
        else if (!QFileInfo::exists(target_.pdfFile))
            failure_ = cannotOpen();
    }
    if (!failure_.isEmpty())
        return { failure_, {} };
    return { {}, target_.fallback ? target_.pdfFile : QString(), pages_ > 0 ? target_.waiting : QString() };
}

std::unique_ptr<PrintJob> openSystemPrintJob(const PrintJobSetup& setup, const QDateTime& now, const QLocale& locale)
{
    const QString pdfFolder = qEnvironmentVariable("TAV_PRINT_TO_PDF");
    std::optional<PrintServer> server;
    PrintServer::Queue printer;
    if (pdfFolder.isEmpty()) {
        server.emplace();
        printer = server->defaultQueue();
    }
    PrintTarget target = choosePrintTarget(pdfFolder, printer,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath(), setup.title, now);
    target.paper = pdfPaper(locale);
    if (target.kind == PrintTarget::Kind::Printer && target.failure.isEmpty()) {
        const PrintServer::QueueState state = server->queueState(target.printerName);
        target.failure = state.refusal;
        target.waiting = state.stopped;
        target.paper = state.paper.value_or(target.paper);
    }
    return std::make_unique<QtPrintJob>(setup, std::move(target));
}

} // namespace tav::platform
