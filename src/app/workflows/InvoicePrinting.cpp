#include "InvoicePrinting.h"

#include "NewBillPeriod.h"
#include "PrintingPageRun.h"

#include "app/books/DateText.h"
#include "app/books/Books.h"
#include "app/books/StoredPeriods.h"
#include "app/design/PageControls.h"
#include "app/pages/PrintOptionsPage.h"

#include "components/MessageWindow.h"
#include "platform/Host.h"
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

bool printingSettingIs(const char* key, const char* value)
{
    return platform::settings().value(QStringLiteral("Printing"), QLatin1String(key)).toLower() == QLatin1String(value);
}

} // namespace

InvoicePrinting::InvoicePrinting(Books& books, PrintingControls& controls, const PrintOptionsPage& options,
                                 const LocaleFormats& formats)
    : books_(books)
    , c_(controls)
    , options_(options)
    , formats_(formats)
{
}

bool InvoicePrinting::askToFillCompanyInfo() const
{
    // The company boxes write into the books as they are edited.
    const auto& company = books_.data().company.texts;
    if (!company[0].isEmpty() || !company[1].isEmpty()
        || components::isMessageSilenced(kCompanyInfoQuestion))
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
    const QString period = c_.tvwInvoiceRecords[1]->text(NewBillPeriod::kRootKey);
    const qsizetype position = findBillPeriodByName(books_.data().periods, period);
    const auto record
        = position == 0 ? std::nullopt : records::BillPeriodRecord::fromText(books_.data().periods.textAt(position));
    return record ? DateText(formats_, host().locale()).shown(record->billDue) : QString();
}

printing::InvoiceContent InvoicePrinting::runContent() const
{
    printing::InvoiceContent content;
    content.title = options_.invoiceTitle();
    content.titlePoints = options_.invoiceTitlePoints();
    content.company = books_.data().company;
    content.billDue = billDue();
    if (printingSettingIs("AddInvoiceDateToInvoice", "true")) {
        content.invoiceDate =
            DateText(formats_, host().locale()).shown(host().now().date().toString(Qt::ISODate));
    }
    content.keepTwelveLines = !printingSettingIs("KeepTwelveLines", "false");
    content.moveBottomText = options_.moveBottomText();
    content.locale = host().locale();
    return content;
}

void InvoicePrinting::print()
{
    PrintingPageRun run(c_);
    const printing::InvoiceContent shared = runContent();
    const printing::InvoiceForm form(options_.chosenLayout(), shared);
    const bool duplicates = options_.printsDuplicates();
    const TreeView& tree = *c_.tvwInvoiceRecords[1];
    printing::PrintRun job({QStringLiteral("TAV Invoices"), PrintJobSetup::Orientation::Portrait});
    for (qsizetype i = 0; i < run.customers().size(); ++i) {
        run.advance(i + 1);
        const QString& key = run.customers()[i];
        // A customer whose record is missing or damaged gets no page.
        const QString* text = books_.data().customers.find(key);
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
