#include "InvoiceFilling.h"

#include "CustomerField.h"
#include "InvoiceLayouts.h"

#include "platform/LabelFitting.h"
#include "platform/TextMeasurer.h"
#include "platform/Twips.h"
#include "records/Money.h"
#include "records/QuantitySuffix.h"

#include <algorithm>
#include <limits>

namespace tav::printing {

using platform::Page;
using platform::PageElement;
using records::Cents;
using records::CompanyInfo;
using records::CustomerRecord;

namespace {

constexpr double kRowHeight = 360;
// Room kept between a title and the text beside it.
constexpr double kTitleGap = 120;
// Room kept between an amount and the rules either side of its column.
constexpr double kRulePadding = 30;

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
    const std::optional<QStringView> description = records::productNameInDisplayText(line.text);
    if (!description)
        return std::nullopt;
    return ItemAmount{description->toString(), line.amount};
}

// The lead and the text, or nothing when the text is empty.
QString textAfter(const QString& lead, const QString& text)
{
    return text.isEmpty() ? QString() : lead + text;
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

// The bottom texts but the note, which is each invoice's own.
void fillBottomTexts(Page& page, const CompanyInfo& company)
{
    page.setText(QStringLiteral("lblChecksPayableTo"),
        textAfter(QStringLiteral("Please make all checks payable to: "), company.texts[CompanyInfo::ChecksPayableTo]));
    page.setText(QStringLiteral("lblCompanyPhone"),
                 textAfter(QStringLiteral("If you have any questions about your bill, please call: "),
                           company.texts[CompanyInfo::CompanyPhone]));
    page.setText(QStringLiteral("lblInvoiceClosing"), company.texts[CompanyInfo::InvoiceClosing]);
}

// An invoice's rows as its checked lines give them, one line to a row: an item with its amount
// when it could be read, an invoice note as a blank row. The total is the sum of every
// amount, the last note the invoice's note.
struct InvoiceRows {
    std::vector<std::optional<ItemAmount>> rows;
    Cents total = 0;
    QString note;
};

InvoiceRows readRows(const InvoiceContent& content)
{
    InvoiceRows read;
    for (const InvoiceLine& line : content.lines) {
        if (line.text.startsWith(kInvoiceNotePrefix)) {
            read.note = line.text.mid(kInvoiceNotePrefix.size());
            read.rows.emplace_back();
            continue;
        }
        auto item = readItem(line);
        if (item && item->amount)
            read.total = saturatedSum(read.total, *item->amount);
        read.rows.push_back(std::move(item));
    }
    return read;
}

// An amount is printed whole: one too wide for its column is printed smaller, clear of the
// column's rules.
void setAmount(PageElement& label, Cents amount, const QLocale& locale)
{
    label.text = records::currencyText(amount, locale);
    platform::shrinkToWidth(label, label.width - 2 * kRulePadding);
}

void fillRow(Page& page, int row, const ItemAmount& item, const QLocale& locale)
{
    PageElement& description = page.element(QStringLiteral("lblPS"), row);
    description.text = item.description;
    // A description too long for its row is cut before its quantity suffix, which bills the amount.
    if (const auto suffix = records::findQuantitySuffix(item.description))
        description.keptEnd = static_cast<int>(item.description.size() - suffix->position);
    if (item.amount)
        setAmount(page.element(QStringLiteral("lblAm"), row), *item.amount, locale);
}

// The title stands whole on one line, clear of the text beside it and inside the page's content
// width. It keeps the edge it is aligned to and its designed place while that leaves it so,
// moves away from that edge where it must, and prints smaller when even the whole free width is
// too narrow for it.
void fitTitle(Page& page)
{
    PageElement& title = page.element(QStringLiteral("lblInvoiceTitle"));
    const double top = title.top;
    const double bottom = title.top + platform::textMeasurer().lineHeight(title.font);
    const double middle = title.left + title.width / 2;
    // Every label is allowed a pixel of measuring slack past its edges.
    const double slack = platform::kTwipsPerPixel;
    double roomLeft = kInvoiceContentLeft - slack;
    double roomRight = kInvoiceContentRight + slack;
    if (title.align == PageElement::Align::Left)
        roomLeft = std::max(roomLeft, title.left - slack);
    else if (title.align == PageElement::Align::Right)
        roomRight = std::min(roomRight, title.left + title.width + slack);
    for (const PageElement& other : page.elements()) {
        if (&other == &title || other.kind != PageElement::Kind::Label || !other.visible || other.text.isEmpty()
            || !platform::mayReach(other, top, bottom))
            continue;
        const QRectF beside = platform::labelTextArea(other);
        if (beside.isEmpty() || beside.bottom() <= top || beside.top() >= bottom)
            continue;
        if (beside.center().x() < middle)
            roomLeft = std::max(roomLeft, beside.right() + kTitleGap);
        else
            roomRight = std::min(roomRight, beside.left() - kTitleGap);
    }
    platform::shrinkToWidth(title, roomRight - roomLeft);

    const double width = platform::widestLine(title);
    double start = title.left;
    if (!title.autoSize && title.align == PageElement::Align::Right)
        start = title.left + title.width - width;
    else if (!title.autoSize && title.align == PageElement::Align::Center)
        start = title.left + (title.width - width) / 2;
    const double placed = std::clamp(start, roomLeft, std::max(roomLeft, roomRight - width));
    if (placed == start && (title.autoSize || width <= title.width))
        return;
    title.left = placed;
    if (!title.autoSize)
        title.width = width;
}

// The header but the customer's Bill-To lines.
void fillHeader(Page& page, int layout, const InvoiceContent& content)
{
    PageElement& title = page.element(QStringLiteral("lblInvoiceTitle"));
    title.font.points = content.titlePoints;
    title.text = content.title;
    fillCompany(page, layout, content.company);
    page.setText(QStringLiteral("lblBillDue"), QStringLiteral("BILL DUE: ") + content.billDue);
    placeInvoiceDate(page, layout, content.invoiceDate);
    fitTitle(page);
}

// Every page but the last says that the invoice goes on, in place of the total.
void markContinued(Page& page)
{
    page.element(QStringLiteral("lblTotalDue")).visible = false;
    page.element(QStringLiteral("lblTotalAm")).visible = false;
    page.element(QStringLiteral("lblContinued")).visible = true;
}

void finishLastPage(Page& page, int lastRow, const InvoiceContent& content, Cents total)
{
    page.element(QStringLiteral("imgPaid")).visible = content.paid;
    setAmount(page.element(QStringLiteral("lblTotalAm")), content.paid ? 0 : total, content.locale);
    if (!content.keepTwelveLines)
        fitInvoiceToLines(page, lastRow, content.moveBottomText);
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

InvoiceForm::InvoiceForm(int layout, const InvoiceContent& run)
    : blank_(invoiceLayout(layout))
{
    fillHeader(blank_, layout, run);
    fillBottomTexts(blank_, run.company);
}

std::vector<Page> InvoiceForm::pages(const InvoiceContent& invoice) const
{
    const InvoiceRows read = readRows(invoice);
    if (read.rows.empty())
        return {};
    Page blank = blank_;
    fillBillTo(blank, invoice.customer);
    blank.setText(QStringLiteral("lblNote"), textAfter(QStringLiteral("NOTE: "), read.note));

    std::vector<Page> pages;
    const auto rowCount = static_cast<qsizetype>(read.rows.size());
    for (qsizetype first = 0; first < rowCount; first += kItemRows) {
        Page page = blank;
        const int rows = static_cast<int>(std::min<qsizetype>(kItemRows, rowCount - first));
        for (int row = 0; row < rows; ++row) {
            if (const auto& item = read.rows[static_cast<size_t>(first + row)])
                fillRow(page, row, *item, invoice.locale);
        }
        if (first + kItemRows < rowCount)
            markContinued(page);
        else
            finishLastPage(page, rows - 1, invoice, read.total);
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace tav::printing
