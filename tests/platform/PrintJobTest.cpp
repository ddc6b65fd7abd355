#include "platform/QtPrintJob.h"
#include "platform/TextMeasurer.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tav;
using platform::Page;
using platform::PageElement;
using platform::PrintJobSetup;
using platform::PrintTarget;

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 0, 5));

Page pageSaying(const QString& text)
{
    Page page(11520, 14535);
    PageElement label;
    label.name = "lblText";
    label.left = 600;
    label.top = 600;
    label.width = 6000;
    label.height = 300;
    label.text = text;
    label.font = {"Arial", 12};
    page.add(label);
    PageElement line;
    line.kind = PageElement::Kind::Line;
    line.name = "lneUnder";
    line.x1 = 600;
    line.y1 = 960;
    line.x2 = 6600;
    line.y2 = 960;
    page.add(line);
    return page;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(PrintTarget, aFolderFromTheEnvironmentWinsThenThePrinterThenDocumentsThenHome)
{
    const QString base = test::testFolder();
    const PrintTarget toFolder = platform::choosePrintTarget(base + "/pdf", {"Office", {}}, base + "/home/Documents",
                                                             base + "/home", "TAV Invoices", kNow);
    EXPECT_EQ(toFolder.kind, PrintTarget::Kind::PdfFile);
    EXPECT_FALSE(toFolder.fallback);
    EXPECT_EQ(toFolder.pdfFile, base + "/pdf/TAV Invoices 2026-12-09 10.00.05.pdf");
    EXPECT_TRUE(QDir(base + "/pdf").exists());

    const PrintTarget toPrinter = platform::choosePrintTarget({}, {"Office", {}}, base + "/home/Documents",
                                                              base + "/home", "TAV Invoices", kNow);
    EXPECT_EQ(toPrinter.kind, PrintTarget::Kind::Printer);
    EXPECT_EQ(toPrinter.printerName, "Office");

    const PrintTarget missing = platform::choosePrintTarget({}, {"Gone", "The default printer is missing."},
                                                            base + "/home/Documents", base + "/home", "TAV", kNow);
    EXPECT_EQ(missing.kind, PrintTarget::Kind::Printer) << "a broken printer set-up is told, not passed over";
    EXPECT_EQ(missing.failure, "The default printer is missing.");

    const PrintTarget toHome =
        platform::choosePrintTarget({}, {}, base + "/home/Documents", base + "/home", "TAV Envelopes", kNow);
    EXPECT_TRUE(toHome.fallback);
    EXPECT_EQ(toHome.pdfFile, base + "/home/TAV Envelopes 2026-12-09 10.00.05.pdf") << "no Documents folder";

    QDir(base).mkpath("home/Documents");
    QFile(base + "/home/Documents/TAV Envelopes 2026-12-09 10.00.05.pdf").open(QIODevice::WriteOnly);
    const PrintTarget toDocuments =
        platform::choosePrintTarget({}, {}, base + "/home/Documents", base + "/home", "TAV Envelopes", kNow);
    EXPECT_EQ(toDocuments.pdfFile, base + "/home/Documents/TAV Envelopes 2026-12-09 10.00.05 (2).pdf")
        << "an existing file is never overwritten";
}

TEST(QtPrintJob, aPdfKeepsTheTextAsTextOnTheUsersPaperTurnedAsAsked)
{
    // Every document of a run in the user's country comes out on the same paper: Letter where
    // that is the custom, A4 elsewhere.
    for (const auto& [locale, portrait, landscape] :
         {std::tuple{QLocale(QLocale::English, QLocale::UnitedStates), "612 x 792", "792 x 612"},
          std::tuple{QLocale(QLocale::Spanish, QLocale::Mexico), "612 x 792", "792 x 612"},
          std::tuple{QLocale(QLocale::French, QLocale::Canada), "612 x 792", "792 x 612"},
          std::tuple{QLocale(QLocale::English, QLocale::UnitedKingdom), "595 x 842", "842 x 595"},
          std::tuple{QLocale(QLocale::German, QLocale::Germany), "595 x 842", "842 x 595"}}) {
        SCOPED_TRACE(locale.name().toStdString());
        const QString file = test::testFolder() + "/" + locale.name() + ".pdf";
        PrintTarget target{PrintTarget::Kind::PdfFile, {}, file, true};
        target.paper = platform::pdfPaper(locale);
        platform::QtPrintJob invoices({"TAV Invoices", PrintJobSetup::Orientation::Portrait}, target);
        EXPECT_TRUE(invoices.printPage(pageSaying("First page & more")));
        EXPECT_TRUE(invoices.printPage(pageSaying("Second page")));
        const platform::PrintOutcome outcome = invoices.finish();
        EXPECT_EQ(outcome.failure, "");
        EXPECT_EQ(outcome.fallbackPdf, file) << "a stand-in for a missing printer is named to the user";
        const QString text = run("pdftotext", {file, "-"});
        EXPECT_TRUE(text.contains("First page & more")) << text.toStdString();
        EXPECT_TRUE(text.contains("Second page"));
        const QString info = run("pdfinfo", {file});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2"))) << info.toStdString();
        EXPECT_TRUE(info.contains(portrait)) << info.toStdString();

        const QString landscapeFile = test::testFolder() + "/envelopes-" + locale.name() + ".pdf";
        target.pdfFile = landscapeFile;
        target.fallback = false;
        platform::QtPrintJob envelopes({"TAV Envelopes", PrintJobSetup::Orientation::Landscape}, target);
        envelopes.printPage(pageSaying("Envelope"));
        EXPECT_EQ(envelopes.finish().fallbackPdf, "") << "a PDF asked for is no stand-in";
        EXPECT_TRUE(run("pdfinfo", {landscapeFile}).contains(landscape));
    }
}

TEST(QtPrintJob, aFileThatCannotBeWrittenFailsTheJob)
{
    const QString file = test::testFolder() + "/missing/folder/out.pdf";
    platform::QtPrintJob job({"TAV Invoices"}, {PrintTarget::Kind::PdfFile, {}, file, true});
    EXPECT_FALSE(job.printPage(pageSaying("lost")));
    EXPECT_FALSE(job.printPage(pageSaying("lost too")));
    const platform::PrintOutcome outcome = job.finish();
    EXPECT_EQ(outcome.failure, QString("The file \"%1\" could not be written.").arg(file));
    EXPECT_EQ(outcome.fallbackPdf, "");
}

TEST(TextMeasurer, arialIsDrawnWithLiberationSansAndLinesAreAsHighAsTheFontIs)
{
    EXPECT_EQ(QFontInfo(platform::pageQFont({"Arial", 10})).family(), "Liberation Sans");
    const platform::FontMetricsMeasurer measurer;
    const double ten = measurer.lineHeight({"Arial", 10});
    // Liberation Sans, as Arial, is 1.15 of its size high: about 230 twips at 10 points.
    EXPECT_NEAR(ten, 230, 10);
    EXPECT_NEAR(measurer.lineHeight({"Arial", 20}), 2 * ten, 2);
}
