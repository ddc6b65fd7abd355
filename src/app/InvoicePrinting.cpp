#include "InvoicePrinting.h"

#include "DateText.h"
#include "MainWindow.h"
#include "PrintingPageRun.h"

#include "components/MessageWindow.h"
#include "platform/Host.h"
#include "platform/OptionButton.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "printing/PrintRun.h"
#include "records/RecordFormats.h"

#include <algorithm>

namespace tav::app {

using namespace tav::platform;

namespace {

const QString kCompanyInfoQuestion = QStringLiteral("DontShowNeedToFillCompanyInfo");
constexpr int kCompanyInfoPage = 6;

bool printingSettingIs(const char* key, const char* value)
{
    return platform::settings().value(QStringLiteral("Printing"), QLatin1String(key)).toLower() == QLatin1String(value);
}

} // namespace

InvoicePrinting::InvoicePrinting(MainWindow& window)
    : w_(window)
{
}

bool InvoicePrinting::askToFillCompanyInfo() const
{
    if (w_.companyInfo.hasNameOrAddress() || components::isMessageSilenced(kCompanyInfoQuestion))
        return false;
    components::MessageRequest request{
        QStringLiteral("You have not entered your company's name or address.\r\n\r\n"
                       "Would you like to enter this information\r\nbefore printing your invoices?"),
        kCompanyInfoQuestion, QStringLiteral("Yes"), QStringLiteral("YesNo")};
    components::showMessage(request);
    return request.answer == QLatin1String("Yes");
}

QString InvoicePrinting::billDue() const
{
    // The due date of the period the tree shows, from its record: the Bill Periods page's box may
    // hold a new period's unfinished date.
    const QString period = w_.c.printing.tvwInvoiceRecords[1]->text(NewBillPeriod::kRootKey);
    const qsizetype position = w_.billPeriods.findBillPeriodByName(period);
    const auto record
        = position == 0 ? std::nullopt : records::BillPeriodRecord::fromText(w_.books.data().periods.textAt(position));
    return record ? DateText(w_.state.formats, host().locale()).shown(record->billDue) : QString();
}

printing::InvoiceContent InvoicePrinting::runContent() const
{
    printing::InvoiceContent content;
    content.title = w_.printOptions.invoiceTitle();
    content.titlePoints = w_.printOptions.invoiceTitlePoints();
    content.company = w_.books.data().company;
    content.billDue = billDue();
    if (printingSettingIs("AddInvoiceDateToInvoice", "true")) {
        content.invoiceDate =
            DateText(w_.state.formats, host().locale()).shown(host().now().date().toString(Qt::ISODate));
    }
    content.keepTwelveLines = !printingSettingIs("KeepTwelveLines", "false");
    content.moveBottomText = w_.printOptions.moveBottomText();
    content.locale = host().locale();
    return content;
}

void InvoicePrinting::cmdPrintSelectedInvoices_Click()
{
    if (askToFillCompanyInfo()) {
        w_.layout.cmdTab_Click(kCompanyInfoPage);
        return;
    }
    PrintingPageRun run(w_.c.printing);
    const printing::InvoiceContent shared = runContent();
    const printing::InvoiceForm form(w_.printOptions.chosenLayout(), shared);
    const bool duplicates = w_.printOptions.printsDuplicates();
    const TreeView& tree = *w_.c.printing.tvwInvoiceRecords[1];
    printing::PrintRun job({QStringLiteral("TAV Invoices"), PrintJobSetup::Orientation::Portrait});
    for (qsizetype i = 0; i < run.customers().size(); ++i) {
        run.advance(i + 1);
        const QString& key = run.customers()[i];
        // A customer whose record is missing or damaged gets no page.
        const QString* text = w_.books.data().customers.find(key);
        const auto customer = text ? records::CustomerRecord::fromText(*text) : std::nullopt;
        if (!customer)
            continue;
        printing::InvoiceContent content = shared;
        content.customer = *customer;
        content.paid = tree.text(key).endsWith(QLatin1String(" - paid"));
        content.lines = run.checkedLines(key);
        const std::vector<Page> pages = form.pages(content);
        const auto printAll = [&] {
            return std::all_of(pages.begin(), pages.end(), [&](const Page& page) { return job.print(page); });
        };
        if (!printAll() || (duplicates && !printAll()))
            break;
    }
    job.finish();
}

} // namespace tav::app
