#include "MainWindowFixture.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "printing/CustomerListOptionsWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

using namespace tav;
using platform::MessageAnswer;
using test::MainWindowTest;
using test::scriptedHost;

namespace {

// Sets an environment variable while it lives.
class Variable {
public:
    Variable(const char* name, const QString& value)
        : name_(name)
        , old_(qgetenv(name))
        , had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~Variable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << " failed on " << arguments.join(' ').toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Prints on the system's default printer. scripts/test-printer runs it with a CUPS server of its
// own whose queues keep each job's document in the folder TAV_TEST_PRINTER_OUTPUT names; without
// that folder the test is skipped.
class RealPrinterTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        output_ = qEnvironmentVariable("TAV_TEST_PRINTER_OUTPUT");
        if (output_.isEmpty())
            GTEST_SKIP() << "run by scripts/test-printer, which provides the printer";
        kept_ = QDir(output_).entryList(QDir::Files);
        test::writeDatabaseFile(test::sampleDatabase());
        start();
        test::scriptedHost().printForReal();
        auto* periods = window->printingPage().controls().cmbBillPeriod[2];
        for (int i = 0; i < periods->listCount(); ++i) {
            if (periods->itemText(i) == "January")
                periods->setListIndex(i);
        }
    }

    void printInvoices() { window->printingPage().controls().cmdPrintSelectedInvoices->click(); }
    void printEnvelopes() { window->printingPage().controls().cmdPrintSelectedEnvelopes->click(); }
    // From its options window; the user closes the box that the run may end with.
    void printCustomerList(bool answerBox = false)
    {
        scriptedHost().answerModal(
            [](platform::Form& form) { static_cast<printing::CustomerListOptionsWindow&>(form).cmdPrint->click(); });
        if (answerBox)
            scriptedHost().answerMessageBox(MessageAnswer::Ok);
        window->customersPage().controls().cmdPrint->click();
    }

    std::size_t messageBoxes() const
    {
        return std::ranges::count(
            scriptedHost().prompts(), test::ScriptedHost::PromptKind::MessageBox, &test::ScriptedHost::Prompt::kind);
    }

    // The document kept for the next job in the folder (the queues' by default), once it is there.
    QString nextDocument(const QString& folder = {})
    {
        const QDir dir(folder.isEmpty() ? output_ : folder);
        QElapsedTimer waiting;
        waiting.start();
        while (waiting.elapsed() < 60'000) {
            QFileInfoList files = dir.entryInfoList({ "*.pdf" }, QDir::Files, QDir::Time | QDir::Reversed);
            for (const QFileInfo& file : files) {
                if (!kept_.contains(file.fileName())) {
                    kept_.append(file.fileName());
                    return file.filePath();
                }
            }
            QTest::qWait(100);
        }
        ADD_FAILURE() << "no document was kept in " << dir.path().toStdString();
        return {};
    }

    QString textOf(const QString& document) { return run("pdftotext", { document, "-" }); }
    // The size of the document's pages in points, as "612 x 792".
    QString paperOf(const QString& document)
    {
        const QString info = run("pdfinfo", { document });
        const qsizetype at = info.indexOf("Page size:");
        return info.mid(at).section(':', 1).section(" pts", 0, 0).trimmed();
    }

    // Where the word first stands on the document's first page, in points from the paper's left.
    double leftOf(const QString& document, const QString& word)
    {
        const QString boxes = run("pdftotext", {"-bbox", "-l", "1", document, "-"});
        const QRegularExpression match(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word));
        const QRegularExpressionMatch found = match.match(boxes);
        EXPECT_TRUE(found.hasMatch()) << word.toStdString() << " is not on " << document.toStdString();
        return found.captured(1).toDouble();
    }

    // Each document kind prints as a run that ends with the "Printer Error" box, which says the
    // given texts; the user's OK closes it.
    void expectEveryRunToFailSaying(const QStringList& texts)
    {
        expectEveryRunToEndWith("Printer Error", platform::MessageIcon::Critical, texts);
    }

    // Each document kind prints as a run that ends with one box of that title and icon, which
    // says the given texts; the user's OK closes it.
    void expectEveryRunToEndWith(const QString& title, platform::MessageIcon icon, const QStringList& texts)
    {
        const std::pair<const char*, std::function<void()>> runs[] = {
            { "invoices",
                [this] {
                    scriptedHost().answerMessageBox(MessageAnswer::Ok);
                    printInvoices();
                } },
            { "envelopes",
                [this] {
                    scriptedHost().answerMessageBox(MessageAnswer::Ok);
                    printEnvelopes();
                } },
            { "customer list", [this] { printCustomerList(true); } },
        };
        for (const auto& [kind, print] : runs) {
            SCOPED_TRACE(kind);
            const std::size_t before = messageBoxes();
            print();
            ASSERT_EQ(messageBoxes(), before + 1) << "the run ended without a word";
            const auto& box = scriptedHost().lastPrompt();
            EXPECT_EQ(box.title, title);
            EXPECT_EQ(box.icon, icon);
            for (const QString& text : texts)
                EXPECT_TRUE(box.text.contains(text)) << text.toStdString() << " is not in:\n" << box.text.toStdString();
        }
    }

    QString output_;
    QStringList kept_;
};

} // namespace

TEST_F(RealPrinterTest, anInvoiceAnEnvelopeAndTheCustomerListReachTheDefaultPrinterWithTheirText)
{
    printInvoices();
    const QString invoice = textOf(nextDocument());
    for (const char* expected : { "INVOICE", "Green & Sons", "1 Main Street", "Bill To:", "Bob Adams", "2 Oak Road",
             "BILL DUE: 02/15/2026", "Lawn mowing (x2)", "$25.00", "TOTAL DUE:" })
        EXPECT_TRUE(invoice.contains(QLatin1String(expected))) << expected << " is not in:\n" << invoice.toStdString();
    EXPECT_FALSE(invoice.contains(QLatin1String("Old Gone"))) << "the paid customer is not checked";

    printEnvelopes();
    const QString envelope = textOf(nextDocument());
    for (const char* expected : { "Green & Sons", "1 Main Street", "Bob Adams", "2 Oak Road" })
        EXPECT_TRUE(envelope.contains(QLatin1String(expected))) << expected << " is not in:\n"
                                                                << envelope.toStdString();

    printCustomerList();
    const QString list = textOf(nextDocument());
    for (const char* expected : { "Customer List", "Adams, Bob", "Lee, Ann" })
        EXPECT_TRUE(list.contains(QLatin1String(expected))) << expected << " is not in:\n" << list.toStdString();
    EXPECT_EQ(messageBoxes(), 0u) << "a run that reached the printer says nothing";
}

TEST_F(RealPrinterTest, aQueueThatRefusesJobsIsToldByName)
{
    {
        // Refused before anything is sent: the queue says it takes no jobs (cupsreject).
        Variable refusing("PRINTER", "tav-refusing");
        expectEveryRunToFailSaying({ "\"tav-refusing\" is not accepting jobs", "Closed for the test" });
    }
    {
        // Refused as the job is sent: this queue takes jobs, but not from this user.
        Variable private_("PRINTER", "tav-private");
        expectEveryRunToFailSaying({ "\"tav-private\" did not take the job" });
    }
}

TEST_F(RealPrinterTest, aMissingDefaultPrinterIsNamed)
{
    {
        Variable gone("PRINTER", "tav-gone");
        expectEveryRunToFailSaying({ "The default printer \"tav-gone\" does not exist" });
    }
    // The user's default in the clients' set-up (lpoptions), for a queue deleted since.
    QFile lpoptions(qEnvironmentVariable("CUPS_SERVERROOT") + "/lpoptions");
    ASSERT_TRUE(lpoptions.open(QIODevice::WriteOnly));
    lpoptions.write("Default tav-deleted/draft\n");
    lpoptions.close();
    expectEveryRunToFailSaying({ "The default printer \"tav-deleted\" does not exist" });
    lpoptions.remove();
}

TEST_F(RealPrinterTest, aPrintServerThatNeverAnswersIsToldWithinSeconds)
{
    // It takes the connection (the system does that for it) and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    Variable server("CUPS_SERVER", address);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    printInvoices();
    ASSERT_EQ(messageBoxes(), 1u);
    EXPECT_EQ(scriptedHost().lastPrompt().title, "Printer Error");
    EXPECT_TRUE(scriptedHost().lastPrompt().text.contains(
        QStringLiteral("The print server \"%1\" did not answer within 5 seconds.").arg(address)))
        << scriptedHost().lastPrompt().text.toStdString();
}

TEST_F(RealPrinterTest, everyDocumentComesOnThePrintersDefaultPaperAndAPdfOnTheUsersOwn)
{
    // The page area starts where the printer's printable area does: "Bill To:" stands 840 twips
    // (42 points) into it.
    const auto expectPaper = [this](const QString& folder, const char* portrait, const char* landscape,
                                    double marginPoints) {
        printInvoices();
        const QString invoice = nextDocument(folder);
        EXPECT_EQ(paperOf(invoice), portrait) << "invoices";
        EXPECT_NEAR(leftOf(invoice, "Bill"), marginPoints + 42, 1);
        printEnvelopes();
        EXPECT_EQ(paperOf(nextDocument(folder)), landscape) << "envelopes";
        printCustomerList();
        EXPECT_EQ(paperOf(nextDocument(folder)), portrait) << "the customer list";
    };
    {
        SCOPED_TRACE("the default queue, on Letter");
        expectPaper({}, "612 x 792", "792 x 612", 18);
    }
    {
        SCOPED_TRACE("a queue on A4 with half an inch it cannot print, in an American session");
        Variable a4("PRINTER", "tav-a4");
        expectPaper({}, "595 x 842", "842 x 595", 36);
    }
    const QString pdfFolder = test::testFolder() + "/pdf";
    Variable toPdf("TAV_PRINT_TO_PDF", pdfFolder);
    {
        SCOPED_TRACE("PDF files in an American session");
        expectPaper(pdfFolder, "612 x 792", "792 x 612", 18);
    }
    {
        SCOPED_TRACE("PDF files in a German session");
        test::UserLocale german(QLocale(QLocale::German, QLocale::Germany));
        expectPaper(pdfFolder, "595 x 842", "842 x 595", 18);
    }
    EXPECT_EQ(messageBoxes(), 0u);
}

TEST_F(RealPrinterTest, aStoppedQueueKeepsTheJobsAndTheUserIsToldByName)
{
    const auto waitingJobs = [] {
        return run("lpstat", { "-o", "tav-stopped" })
            .count(QRegularExpression("^tav-stopped-", QRegularExpression::MultilineOption));
    };
    {
        // Stopped with cupsdisable: the queue takes each job and holds it.
        Variable stopped("PRINTER", "tav-stopped");
        expectEveryRunToEndWith("Printer Stopped", platform::MessageIcon::Exclamation,
            { "The printer \"tav-stopped\" is stopped: the job waits in its queue until the printer is started again.",
                "Paused for the test" });
    }
    EXPECT_EQ(waitingJobs(), 3) << "each run's job waits in the queue, sent once";

    // Started again, the queue prints what it kept.
    run("cupsenable", { "tav-stopped" });
    QString printed;
    for (int job = 0; job < 3; ++job)
        printed += textOf(nextDocument());
    for (const char* expected : { "TOTAL DUE:", "2 Oak Road", "Customer List" })
        EXPECT_TRUE(printed.contains(QLatin1String(expected))) << expected << " is not in:\n" << printed.toStdString();
    run("cupsdisable", { "-r", "Paused for the test", "tav-stopped" });

    // A queue that prints says nothing.
    const std::size_t before = messageBoxes();
    printInvoices();
    EXPECT_TRUE(textOf(nextDocument()).contains("TOTAL DUE:"));
    EXPECT_EQ(messageBoxes(), before);
}
