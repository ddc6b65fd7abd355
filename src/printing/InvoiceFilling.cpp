#include "InvoiceFilling.h"

#include "CustomerField.h"
#include "InvoiceLayouts.h"

#include "platform/TextMeasurer.h"
#include "records/Money.h"

#include <QFontMetricsF>

#include <limits>

namespace tav::printing {

using platform::Page;
using records::Cents;
using records::CompanyInfo;
using records::CustomerRecord;

namespace {

constexpr double kRowHeight = 360;
const QString kItemSeparator = QStringLiteral(" - ");

// Amounts far beyond any real bill stop at the largest one instead of overflowing.
Cents saturatedSum(Cents a, Cents b)
{
    Cents sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return a < 0 ? std::numeric_limits<Cents>::min() : std::numeric_limits<Cents>::max();
}

struct ItemAmount {
    QString description;
    std::optional<Cents> amount;
};

// An item line reads "price - description", the description ending in the quantity suffix when
// more than one was billed. Everything after the first " - " is the description, so a product
// name holding " - " keeps its whole name and its quantity. Its amount is the one the tables were
// read with, never read again from the text, so the invoice bills what the period did.
std::optional<ItemAmount> readItem(const InvoiceLine& line)
{
    const qsizetype split = line.text.indexOf(kItemSeparator);
    if (split < 0)
        return std::nullopt;
    return ItemAmount { line.text.mid(split + kItemSeparator.size()), line.amount };
}

void fillCompany(Page& page, int layout, const CompanyInfo& company)
{
    page.setText(QStringLiteral("lblCompanyName"), company.texts[CompanyInfo::CompanyName]);
    page.setText(QStringLiteral("lblCompanySlogan"), company.texts[CompanyInfo::CompanySlogan]);
    for (int k = 0; k < 4; ++k)
        page.setText(QStringLiteral("lblCompanyAddress"), k, company.texts[static_cast<size_t>(k)]);
    if (company.texts[CompanyInfo::CompanyAdd3].isEmpty() && layoutTraits(layout).addressClosesUp) {
        for (int k = 0; k < 3; ++k)
            page.element(QStringLiteral("lblCompanyAddress"), k).top = 2640 + 240 * k;
    }
    page.setText(QStringLiteral("lblGeneralInvoiceDescription"), company.texts[CompanyInfo::GeneralInvoiceDescription]);
}

void fillBillTo(Page& page, const CustomerRecord& customer)
{
    const auto field = [&](CustomerRecord::Field f) { return customerField(customer, f); };
    page.setText(
        QStringLiteral("lblBillTo"), 1, field(CustomerRecord::FName) + QLatin1Char(' ') + field(CustomerRecord::LName));
    page.setText(QStringLiteral("lblBillTo"), 2, field(CustomerRecord::Add1));
    page.setText(QStringLiteral("lblBillTo"), 3, field(CustomerRecord::Add2));
    page.setText(QStringLiteral("lblBillTo"), 4, field(CustomerRecord::Add3));
}

void fillBottomTexts(Page& page, const QString& note, const CompanyInfo& company)
{
    const auto after
        = [](const QString& lead, const QString& text) { return text.isEmpty() ? QString() : lead + text; };
    page.setText(QStringLiteral("lblNote"), after(QStringLiteral("NOTE: "), note));
    page.setText(QStringLiteral("lblChecksPayableTo"),
        after(QStringLiteral("Please make all checks payable to: "), company.texts[CompanyInfo::ChecksPayableTo]));
    page.setText(QStringLiteral("lblCompanyPhone"),
                 after(QStringLiteral("If you have any questions about your bill, please call: "),
                       company.texts[CompanyInfo::CompanyPhone]));
    page.setText(QStringLiteral("lblInvoiceClosing"), company.texts[CompanyInfo::InvoiceClosing]);
}

// The title labels are drawn as wide as "INVOICE" in large print, so "ESTIMATE" or a title of the
// user's own would be cut. A title wider than its label widens the label away from its aligned
// edge: the title is printed whole, on one line, where the design puts it.
void fitTitle(platform::PageElement& title)
{
    const double width = QFontMetricsF(platform::pageQFont(title.font)).horizontalAdvance(title.text);
    if (title.autoSize || width <= title.width)
        return;
    const double growth = width - title.width;
    if (title.align == platform::PageElement::Align::Right)
        title.left -= growth;
    else if (title.align == platform::PageElement::Align::Center)
        title.left -= growth / 2;
    title.width = width;
}

} // namespace

void placeInvoiceDate(Page& page, int layout, const std::optional<QString>& date)
{
    platform::PageElement& invoiceDate = page.element(QStringLiteral("lblInvoiceDate"));
    invoiceDate.visible = date.has_value();
    if (date)
        invoiceDate.text = QStringLiteral("INVOICE DATE: ") + *date;
    const LayoutTraits& traits = layoutTraits(layout);
    page.element(QStringLiteral("lblBillDue")).top = date ? traits.billDueTopWithDate : traits.billDueTopWithoutDate;
}

void fitInvoiceToLines(Page& page, int lastRow, bool moveBottomText)
{
    if (lastRow >= kItemRows - 1)
        return;
    for (int i = 0; i < kItemRows; ++i)
        page.element(QStringLiteral("lnePS"), i).visible = i <= lastRow;
    const double up = (kItemRows - 1 - lastRow) * kRowHeight;
    platform::PageElement& aboveTotal = page.element(QStringLiteral("lneAboveTotal"));
    aboveTotal.y1 -= up;
    aboveTotal.y2 -= up;
    page.element(QStringLiteral("lblTotalDue")).top -= up;
    page.element(QStringLiteral("lblTotalAm")).top -= up;
    page.element(QStringLiteral("lnePSAmDivider")).y2 -= up;
    page.element(QStringLiteral("shpPSBox")).height -= up;
    if (!moveBottomText)
        return;
    for (const char* name : {"lblNote", "lblChecksPayableTo", "lblCompanyPhone", "lblInvoiceClosing"})
        page.element(QLatin1String(name)).top -= up;
}

bool fillInvoice(Page& page, int layout, const InvoiceContent& content)
{
    platform::PageElement& title = page.element(QStringLiteral("lblInvoiceTitle"));
    title.font.points = content.titlePoints;
    title.text = content.title;
    fitTitle(title);
    page.element(QStringLiteral("imgPaid")).visible = content.paid;
    fillCompany(page, layout, content.company);
    fillBillTo(page, content.customer);
    page.setText(QStringLiteral("lblBillDue"), QStringLiteral("BILL DUE: ") + content.billDue);
    placeInvoiceDate(page, layout, content.invoiceDate);

    Cents total = 0;
    QString note;
    int lastRow = -1;
    for (const InvoiceLine& line : content.lines) {
        const bool isNote = line.text.startsWith(kInvoiceNotePrefix);
        if (isNote)
            note = line.text.mid(kInvoiceNotePrefix.size());
        if (lastRow == kItemRows - 1)
            continue;
        ++lastRow;
        const auto item = isNote ? std::nullopt : readItem(line);
        if (!item)
            continue;
        page.setText(QStringLiteral("lblPS"), lastRow, item->description);
        if (item->amount) {
            page.setText(QStringLiteral("lblAm"), lastRow, records::currencyText(*item->amount, content.locale));
            total = saturatedSum(total, *item->amount);
        }
    }
    if (lastRow < 0)
        return false;
    if (!content.keepTwelveLines)
        fitInvoiceToLines(page, lastRow, content.moveBottomText);
    fillBottomTexts(page, note, content.company);
    page.setText(QStringLiteral("lblTotalAm"), records::currencyText(content.paid ? 0 : total, content.locale));
    return true;
}

} // namespace tav::printing
