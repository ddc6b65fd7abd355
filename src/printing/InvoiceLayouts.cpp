#include "InvoiceLayouts.h"

#include <QImage>

#include <span>

// Resources of a static library are registered by hand; this must be called outside a namespace.
static void registerPrintingPictures()
{
    Q_INIT_RESOURCE(printing);
}

namespace tav::printing {

using platform::ColorValue;
using platform::PageElement;
using Kind = PageElement::Kind;
using Align = PageElement::Align;

namespace {

constexpr ColorValue kBlack = platform::SystemColor::WindowText;
constexpr ColorValue kGrey = 0x00808080;
constexpr ColorValue kDarkGrey = 0x00404040;
constexpr ColorValue kLightGrey = 0x00C0C0C0;

// One element of a layout's design. Lines use x1, y1, x2, y2; the others left, top, width,
// height. A control array has count elements from firstIndex on, each step twips below the one
// before; "%1" in its text is the element's place in the array, counted from 1.
struct ElementSpec {
    Kind kind;
    const char* name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    const char* text = "";
    double points = 0;
    bool bold = false;
    bool italic = false;
    Align align = Align::Left;
    ColorValue color = kBlack;
    int penPixels = 2;
    bool rounded = false;
    bool visible = true;
    bool autoSize = false;
    int firstIndex = -1;
    int count = 1;
    double step = 0;
};

// The item table, the totals, the bottom texts and the paid mark: the same in every layout.
const ElementSpec kShared[] = {
    {.kind = Kind::Rectangle, .name = "shpPSBox", .left = 600, .top = 6720, .width = 10215, .height = 5415,
     .color = kDarkGrey},
    {.kind = Kind::Label, .name = "lblDescription", .left = 600, .top = 6840, .width = 8055, .height = 375,
     .text = "DESCRIPTION", .points = 12, .bold = true, .align = Align::Center},
    {.kind = Kind::Label, .name = "lblAmount", .left = 8640, .top = 6840, .width = 2175, .height = 375,
     .text = "AMOUNT", .points = 12, .bold = true, .align = Align::Center},
    {.kind = Kind::Line, .name = "Line3", .x1 = 600, .y1 = 7200, .x2 = 10800, .y2 = 7200, .color = kGrey},
    {.kind = Kind::Label, .name = "lblPS", .left = 840, .top = 7320, .width = 7695, .height = 255, .points = 11.25,
     .firstIndex = 0, .count = 12, .step = 360},
    {.kind = Kind::Label, .name = "lblAm", .left = 8640, .top = 7320, .width = 2175, .height = 255, .points = 11.25,
     .align = Align::Center, .firstIndex = 0, .count = 12, .step = 360},
    {.kind = Kind::Line, .name = "lnePS", .x1 = 600, .y1 = 7560, .x2 = 10800, .y2 = 7560, .color = kLightGrey,
     .penPixels = 1, .firstIndex = 0, .count = 12, .step = 360},
    {.kind = Kind::Line, .name = "lneAboveTotal", .x1 = 600, .y1 = 11640, .x2 = 10800, .y2 = 11640, .color = kGrey},
    {.kind = Kind::Line, .name = "lnePSAmDivider", .x1 = 8640, .y1 = 6720, .x2 = 8640, .y2 = 12120, .color = kGrey},
    {.kind = Kind::Label, .name = "lblTotalDue", .left = 6120, .top = 11760, .width = 2175, .height = 255,
     .text = "TOTAL DUE:", .points = 12, .bold = true, .align = Align::Right},
    {.kind = Kind::Label, .name = "lblTotalAm", .left = 8640, .top = 11760, .width = 2175, .height = 255,
     .text = "[total]", .points = 12, .bold = true, .align = Align::Center},
    // Shown in place of the total on every page of an invoice but its last.
    {.kind = Kind::Label, .name = "lblContinued", .left = 600, .top = 11760, .width = 7695, .height = 255,
     .text = "Continued on next page", .points = 12, .bold = true, .align = Align::Right, .visible = false},
    {.kind = Kind::Label, .name = "lblNote", .left = 600, .top = 12600, .width = 10215, .height = 255,
     .text = "NOTE: ", .points = 12, .bold = true, .align = Align::Center},
    {.kind = Kind::Label, .name = "lblChecksPayableTo", .left = 600, .top = 13320, .width = 10215, .height = 255,
     .text = "Please make all checks payable to ", .points = 9.75},
    {.kind = Kind::Label, .name = "lblCompanyPhone", .left = 600, .top = 13680, .width = 10215, .height = 255,
     .text = "If you have any questions about your bill, please call: ", .points = 9.75},
    {.kind = Kind::Label, .name = "lblInvoiceClosing", .left = 600, .top = 14160, .width = 10215, .height = 375,
     .text = "THANK YOU FOR YOUR BUSINESS!", .points = 15.75, .bold = true, .align = Align::Center},
    {.kind = Kind::Picture, .name = "imgPaid", .left = 1680, .top = 7680, .width = 5805, .height = 3660,
     .visible = false},
};

// Layout 0: the company and bill-due blocks in one rounded box, the bill-to block in another.
const ElementSpec kBoxedHeader[] = {
    {.kind = Kind::Label, .name = "lblCompanyName", .left = 600, .top = 1440, .width = 7095, .height = 375,
     .text = "[COMPANY NAME]", .points = 18},
    {.kind = Kind::Label, .name = "lblCompanySlogan", .left = 600, .top = 1800, .width = 7095, .height = 300,
     .text = "[optional company slogan]", .points = 11.25, .italic = true},
    {.kind = Kind::Label, .name = "lblInvoiceTitle", .left = 7860, .top = 1335, .width = 2955, .height = 840,
     .text = "INVOICE", .points = 36, .bold = true, .align = Align::Right, .color = kGrey, .autoSize = true},
    {.kind = Kind::Rectangle, .name = "Shape1", .left = 600, .top = 2400, .width = 10215, .height = 1215,
     .color = kDarkGrey, .rounded = true},
    {.kind = Kind::Label, .name = "lblCompanyAddress", .left = 840, .top = 2520, .width = 4815, .height = 255,
     .text = "[CompanyAddress%1]", .points = 9.75, .bold = true, .firstIndex = 0, .count = 4, .step = 240},
    {.kind = Kind::Line, .name = "Line1", .x1 = 5700, .y1 = 2400, .x2 = 5700, .y2 = 3600, .color = kDarkGrey},
    {.kind = Kind::Label, .name = "lblInvoiceDate", .left = 5700, .top = 2595, .width = 5115, .height = 330,
     .text = "[INVOICE DATE: 01/01/2001]", .points = 14.25, .bold = true, .align = Align::Center, .visible = false},
    {.kind = Kind::Label, .name = "lblBillDue", .left = 5700, .top = 2835, .width = 5115, .height = 330,
     .text = "[BILL DUE: 01/01/2001]", .points = 14.25, .bold = true, .align = Align::Center},
    {.kind = Kind::Rectangle, .name = "Shape2", .left = 600, .top = 4080, .width = 10215, .height = 1575,
     .color = kDarkGrey, .rounded = true},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 4200, .width = 4815, .height = 255,
     .text = "Bill To:", .points = 9.75, .bold = true, .firstIndex = 0},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 4560, .width = 4815, .height = 255,
     .text = "[BillTo%1]", .points = 9.75, .bold = true, .firstIndex = 1, .count = 4, .step = 240},
    {.kind = Kind::Line, .name = "Line2", .x1 = 5700, .y1 = 4080, .x2 = 5700, .y2 = 5640, .color = kDarkGrey},
    {.kind = Kind::Label, .name = "lblFor", .left = 5940, .top = 4200, .width = 4815, .height = 255, .text = "For:",
     .points = 9.75, .bold = true},
    {.kind = Kind::Label, .name = "lblGeneralInvoiceDescription", .left = 5940, .top = 4560, .width = 4815,
     .height = 255, .text = "[General Invoice Description]", .points = 9.75, .bold = true},
};

// Layout 1: the company block centred across the page above a black rule; the title at the left
// below it, the date and bill-due lines at the right.
const ElementSpec kLetterheadHeader[] = {
    {.kind = Kind::Label, .name = "lblCompanyName", .left = 600, .top = 1440, .width = 10215, .height = 375,
     .text = "[COMPANY NAME]", .points = 18, .align = Align::Center},
    {.kind = Kind::Label, .name = "lblCompanySlogan", .left = 600, .top = 1800, .width = 10215, .height = 255,
     .text = "[optional company slogan]", .points = 11.25, .italic = true, .align = Align::Center},
    {.kind = Kind::Label, .name = "lblCompanyAddress", .left = 600, .top = 2400, .width = 10215, .height = 255,
     .text = "[CompanyAddress%1]", .points = 9, .align = Align::Center, .firstIndex = 0, .count = 4, .step = 240},
    {.kind = Kind::Line, .name = "Line1", .x1 = 600, .y1 = 3600, .x2 = 10800, .y2 = 3600},
    {.kind = Kind::Label, .name = "lblInvoiceTitle", .left = 840, .top = 3840, .width = 2955, .height = 840,
     .text = "INVOICE", .points = 15.75, .bold = true, .color = kGrey},
    {.kind = Kind::Label, .name = "lblInvoiceDate", .left = 6000, .top = 3840, .width = 4815, .height = 375,
     .text = "[INVOICE DATE: 01/01/2001]", .points = 14.25, .bold = true, .align = Align::Right, .visible = false},
    {.kind = Kind::Label, .name = "lblBillDue", .left = 6000, .top = 4200, .width = 4815, .height = 375,
     .text = "[BILL DUE: 01/01/2001]", .points = 14.25, .bold = true, .align = Align::Right},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 4680, .width = 4815, .height = 255,
     .text = "Bill To:", .points = 9.75, .bold = true, .firstIndex = 0},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 5040, .width = 4815, .height = 255,
     .text = "[BillTo%1]", .points = 9.75, .bold = true, .firstIndex = 1, .count = 4, .step = 240},
    {.kind = Kind::Label, .name = "lblFor", .left = 6000, .top = 4680, .width = 4815, .height = 255, .text = "For:",
     .points = 9.75, .bold = true},
    {.kind = Kind::Label, .name = "lblGeneralInvoiceDescription", .left = 6000, .top = 5040, .width = 4815,
     .height = 255, .text = "[General Invoice Description]", .points = 9.75, .bold = true},
};

// Layout 2: no boxes and no rules; the company block at the left, the title at the right with the
// date and bill-due lines under it.
const ElementSpec kPlainHeader[] = {
    {.kind = Kind::Label, .name = "lblCompanyName", .left = 840, .top = 1440, .width = 6975, .height = 375,
     .text = "[COMPANY NAME]", .points = 18},
    {.kind = Kind::Label, .name = "lblCompanySlogan", .left = 840, .top = 1800, .width = 6975, .height = 300,
     .text = "[optional company slogan]", .points = 11.25, .italic = true},
    {.kind = Kind::Label, .name = "lblInvoiceTitle", .left = 7680, .top = 1440, .width = 2955, .height = 840,
     .text = "INVOICE", .points = 24, .bold = true, .align = Align::Right, .color = kGrey},
    {.kind = Kind::Label, .name = "lblCompanyAddress", .left = 840, .top = 2400, .width = 4815, .height = 255,
     .text = "[CompanyAddress%1]", .points = 9.75, .bold = true, .firstIndex = 0, .count = 4, .step = 240},
    {.kind = Kind::Label, .name = "lblInvoiceDate", .left = 5520, .top = 2400, .width = 5115, .height = 330,
     .text = "[INVOICE DATE: 01/01/2001]", .points = 12, .align = Align::Right, .visible = false},
    {.kind = Kind::Label, .name = "lblBillDue", .left = 5520, .top = 2760, .width = 5115, .height = 330,
     .text = "[BILL DUE: 01/01/2001]", .points = 12, .align = Align::Right},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 4320, .width = 4815, .height = 255,
     .text = "Bill To:", .points = 9.75, .bold = true, .firstIndex = 0},
    {.kind = Kind::Label, .name = "lblBillTo", .left = 840, .top = 4680, .width = 4815, .height = 255,
     .text = "[BillTo%1]", .points = 9.75, .bold = true, .firstIndex = 1, .count = 4, .step = 240},
    {.kind = Kind::Label, .name = "lblFor", .left = 5940, .top = 4320, .width = 4815, .height = 255, .text = "For:",
     .points = 9.75, .bold = true},
    {.kind = Kind::Label, .name = "lblGeneralInvoiceDescription", .left = 5940, .top = 4680, .width = 4815,
     .height = 255, .text = "[General Invoice Description]", .points = 9.75, .bold = true},
};

const LayoutTraits kTraits[kInvoiceLayoutCount] = {
    {.billDueTopWithDate = 3030, .billDueTopWithoutDate = 2835, .addressClosesUp = true},
    {.billDueTopWithDate = 4200, .billDueTopWithoutDate = 3840, .addressClosesUp = true},
    {.billDueTopWithDate = 2760, .billDueTopWithoutDate = 2400, .addressClosesUp = false},
};

std::span<const ElementSpec> header(int layout)
{
    switch (layout) {
    case 1: return kLetterheadHeader;
    case 2: return kPlainHeader;
    default: return kBoxedHeader;
    }
}

// The paid mark: "PAID" in grey outline capitals between two rules, rising about 15 degrees.
const QImage& paidMark()
{
    static const QImage picture = [] {
        registerPrintingPictures();
        return QImage(QStringLiteral(":/printing/paid.png"));
    }();
    return picture;
}

void addElements(platform::Page& page, const ElementSpec& spec)
{
    for (int k = 0; k < spec.count; ++k) {
        const double down = spec.step * k;
        PageElement element;
        element.kind = spec.kind;
        element.name = QLatin1String(spec.name);
        element.index = spec.firstIndex < 0 ? -1 : spec.firstIndex + k;
        element.visible = spec.visible;
        element.left = spec.left;
        element.top = spec.top + down;
        element.width = spec.width;
        element.height = spec.height;
        element.x1 = spec.x1;
        element.y1 = spec.y1 + down;
        element.x2 = spec.x2;
        element.y2 = spec.y2 + down;
        element.color = spec.color;
        const QString text = QString::fromUtf8(spec.text);
        element.text = text.contains(QLatin1String("%1")) ? text.arg(k + 1) : text;
        element.font = {QStringLiteral("Arial"), spec.points, spec.bold, spec.italic};
        element.align = spec.align;
        element.autoSize = spec.autoSize;
        element.penPixels = spec.penPixels;
        element.rounded = spec.rounded;
        if (spec.kind == Kind::Picture)
            element.picture = paidMark();
        page.add(std::move(element));
    }
}

} // namespace

const LayoutTraits& layoutTraits(int layout)
{
    Q_ASSERT(layout >= 0 && layout < kInvoiceLayoutCount);
    return kTraits[layout];
}

platform::Page invoiceLayout(int layout)
{
    Q_ASSERT(layout >= 0 && layout < kInvoiceLayoutCount);
    platform::Page page(kInvoicePageWidth, kInvoicePageHeight);
    for (const ElementSpec& spec : header(layout))
        addElements(page, spec);
    for (const ElementSpec& spec : kShared)
        addElements(page, spec);
    return page;
}

} // namespace tav::printing
