#include "platform/QtPrintJob.h"
#include "printing/InvoiceLayouts.h"

#include <gtest/gtest.h>

using namespace tav;
using platform::Page;
using printing::invoiceLayout;

namespace {

class EveryLayout : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(EveryLayout, aFreshPageShowsItsPlaceholdersWithTheDateAndPaidMarkHidden)
{
    const Page page = invoiceLayout(GetParam());
    EXPECT_EQ(page.width(), 11520);
    EXPECT_EQ(page.height(), 14535);
    EXPECT_FALSE(page.element("imgPaid").visible);
    EXPECT_FALSE(page.element("imgPaid").picture.isNull());
    EXPECT_FALSE(page.element("lblInvoiceDate").visible);
    EXPECT_EQ(page.text("lblInvoiceDate"), "[INVOICE DATE: 01/01/2001]");
    EXPECT_EQ(page.text("lblBillDue"), "[BILL DUE: 01/01/2001]");
    EXPECT_EQ(page.text("lblCompanyName"), "[COMPANY NAME]");
    EXPECT_EQ(page.text("lblCompanySlogan"), "[optional company slogan]");
    EXPECT_EQ(page.text("lblInvoiceTitle"), "INVOICE");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(page.text("lblCompanyAddress", k), QStringLiteral("[CompanyAddress%1]").arg(k + 1));
    EXPECT_EQ(page.text("lblBillTo", 0), "Bill To:");
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(page.text("lblBillTo", k), QStringLiteral("[BillTo%1]").arg(k));
    EXPECT_EQ(page.text("lblFor"), "For:");
    EXPECT_EQ(page.text("lblGeneralInvoiceDescription"), "[General Invoice Description]");
    EXPECT_EQ(page.text("lblTotalAm"), "[total]");
    EXPECT_EQ(page.text("lblChecksPayableTo"), "Please make all checks payable to ");
    for (int row = 0; row < 12; ++row) {
        EXPECT_TRUE(page.text("lblPS", row).isEmpty());
        EXPECT_TRUE(page.text("lblAm", row).isEmpty());
        EXPECT_TRUE(page.element("lnePS", row).visible);
    }
}

TEST_P(EveryLayout, theTwelveRowsStand360TwipsApartAboveTheTotal)
{
    const Page page = invoiceLayout(GetParam());
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(page.element("lblPS", row).top, 7320 + 360 * row);
        EXPECT_EQ(page.element("lblAm", row).top, 7320 + 360 * row);
        EXPECT_EQ(page.element("lnePS", row).y1, 7560 + 360 * row);
        EXPECT_EQ(page.element("lnePS", row).y2, 7560 + 360 * row);
        EXPECT_EQ(page.element("lnePS", row).penPixels, 1);
    }
    EXPECT_EQ(page.element("lblPS", 11).top, 11280);
    EXPECT_EQ(page.element("lnePS", 11).y1, 11520);
    EXPECT_EQ(page.element("lneAboveTotal").y1, 11640);
    EXPECT_EQ(page.element("lblTotalAm").top, 11760);
    EXPECT_EQ(page.element("lblTotalDue").top, 11760);
    EXPECT_EQ(page.element("lnePSAmDivider").y2, 12120);
    EXPECT_EQ(page.element("shpPSBox").height, 5415);
}

TEST_P(EveryLayout, eachLoadStartsFromTheDesign)
{
    Page printed = invoiceLayout(GetParam());
    printed.element("imgPaid").visible = true;
    printed.setText("lblPS", 3, "$5.00 - Hedge trimming");
    printed.element("lblTotalAm").top = 9000;
    EXPECT_FALSE(printed == invoiceLayout(GetParam()));
    EXPECT_TRUE(invoiceLayout(GetParam()) == invoiceLayout(GetParam()));
}

TEST_P(EveryLayout, everyElementLiesInsideThePrintableAreaOfA4AndOfLetter)
{
    // Printers print invoices on their own default paper: whatever it is, no element may fall
    // outside the part that the printer prints.
    const Page page = invoiceLayout(GetParam());
    for (const QLocale& country : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        const QRectF printable = platform::pdfPaper(country).paintRect(QPageLayout::Point);
        const double twipsPerPoint = 20;
        for (const platform::PageElement& e : page.elements()) {
            const bool line = e.kind == platform::PageElement::Kind::Line;
            const double right = line ? std::max(e.x1, e.x2) : e.left + e.width;
            const double bottom = line ? std::max(e.y1, e.y2) : e.top + e.height;
            const std::string where = e.name.toStdString() + " on " + country.name().toStdString();
            EXPECT_LE(right, printable.width() * twipsPerPoint) << where;
            EXPECT_LE(bottom, printable.height() * twipsPerPoint) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryLayout, ::testing::Values(0, 1, 2));

TEST(InvoiceLayouts, theHeadersDifferAsDesigned)
{
    const Page boxed = invoiceLayout(0);
    const Page letterhead = invoiceLayout(1);
    const Page plain = invoiceLayout(2);
    EXPECT_TRUE(boxed.find("Shape1") && boxed.find("Shape2"));
    EXPECT_TRUE(boxed.element("Shape1").rounded);
    EXPECT_TRUE(boxed.element("lblInvoiceTitle").autoSize);
    EXPECT_EQ(boxed.element("lblInvoiceTitle").font.points, 36);
    EXPECT_FALSE(letterhead.find("Shape1"));
    EXPECT_EQ(letterhead.element("Line1").y1, 3600);
    EXPECT_EQ(letterhead.element("Line1").x2, 10800);
    EXPECT_EQ(letterhead.element("lblCompanyName").align, platform::PageElement::Align::Center);
    EXPECT_EQ(letterhead.element("lblInvoiceTitle").left, 840);
    EXPECT_FALSE(plain.find("Line1"));
    EXPECT_EQ(plain.element("lblInvoiceTitle").font.points, 24);
    EXPECT_EQ(plain.element("lblBillDue").top, 2760);
    EXPECT_EQ(plain.element("lblBillTo", 4).top, 5400);
}
