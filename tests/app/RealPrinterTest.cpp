#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using namespace tav;
using test::MainWindowTest;

namespace {

// Prints on the system's default printer. scripts/test-printer runs it with a CUPS server of its
// own whose default queue keeps each job's document in the folder TAV_TEST_PRINTER_OUTPUT names;
// without that folder the test is skipped.
class RealPrinterTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        output_ = qEnvironmentVariable("TAV_TEST_PRINTER_OUTPUT");
        if (output_.isEmpty())
            GTEST_SKIP() << "run by scripts/test-printer, which provides the printer";
        test::writeDatabaseFile(test::sampleDatabase());
        start();
        test::scriptedHost().printForReal();
        auto* periods = window->c.cmbBillPeriod[2];
        for (int i = 0; i < periods->listCount(); ++i) {
            if (periods->itemText(i) == "January")
                periods->setListIndex(i);
        }
    }

    // The text of the document the queue kept for the next job, once it is there.
    QString nextJobText()
    {
        const QString document = QDir(output_).filePath(QStringLiteral("job-%1.pdf").arg(++job_));
        QElapsedTimer waiting;
        waiting.start();
        while (!QFileInfo::exists(document) && waiting.elapsed() < 60'000)
            QTest::qWait(100);
        EXPECT_TRUE(QFileInfo::exists(document)) << "the queue kept no document for job " << job_;
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {document, QStringLiteral("-")});
        pdftotext.waitForFinished();
        EXPECT_EQ(pdftotext.exitCode(), 0) << "not a PDF: " << document.toStdString();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    QString output_;
    int job_ = 0;
};

} // namespace

TEST_F(RealPrinterTest, anInvoiceAndAnEnvelopeReachTheDefaultPrinterWithTheirText)
{
    window->c.cmdPrintSelectedInvoices->click();
    const QString invoice = nextJobText();
    for (const char* expected : {"INVOICE", "Green & Sons", "1 Main Street", "Bill To:", "Bob Adams", "2 Oak Road",
                                 "BILL DUE: 02/15/2026", "Lawn mowing (x2)", "$25.00", "TOTAL DUE:"})
        EXPECT_TRUE(invoice.contains(QLatin1String(expected))) << expected << " is not in:\n" << invoice.toStdString();
    EXPECT_FALSE(invoice.contains(QLatin1String("Old Gone"))) << "the paid customer is not checked";

    window->c.cmdPrintSelectedEnvelopes->click();
    const QString envelope = nextJobText();
    for (const char* expected : {"Green & Sons", "1 Main Street", "Bob Adams", "2 Oak Road"})
        EXPECT_TRUE(envelope.contains(QLatin1String(expected))) << expected << " is not in:\n"
                                                                << envelope.toStdString();
}
