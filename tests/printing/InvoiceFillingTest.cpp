#include "printing/InvoiceFilling.h"
#include "printing/InvoiceLayouts.h"
#include "support/PageInk.h"
#include "support/PdfWords.h"

#include <gtest/gtest.h>

using namespace tav;
using platform::Page;
using printing::InvoiceContent;
using records::CompanyInfo;

namespace {

InvoiceContent content()
{
    InvoiceContent c;
    c.title = "INVOICE";
    c.company.texts = {"Green & Sons", "1 Main Street", "Springfield", "IL 62701", "555-0100", "Since 1990",
                       "Garden care", "Green & Sons Ltd", "Thank you!"};
    c.customer.values = {"Bob", "Adams", "2 Oak Road", "Apt 4", "Springfield", "bob@example.com", "555-0199", ""};
    c.billDue = "02/15/2026";
    c.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return c;
}

std::vector<Page> invoicePages(int layout, const InvoiceContent& c)
{
    return printing::InvoiceForm(layout, c).pages(c);
}

// The one page of an invoice.
Page filled(int layout, const InvoiceContent& c)
{
    const std::vector<Page> pages = invoicePages(layout, c);
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? Page() : pages[0];
}

QList<printing::InvoiceLine> items(int count)
{
    QList<printing::InvoiceLine> lines;
    for (int i = 1; i <= count; ++i)
        lines.append({QStringLiteral("$%1.00 - Item %1").arg(i), i * 100});
    return lines;
}

printing::InvoiceLine note(const QString& text)
{
    return {"INVOICE NOTE: " + text, std::nullopt};
}

} // namespace

TEST(InvoiceFilling, headerTakesTheTitleCompanyCustomerAndBillDue)
{
    InvoiceContent c = content();
    c.title = "Statement of account";
    c.titlePoints = 16;
    c.lines = items(1);
    const Page page = filled(0, c);
    EXPECT_EQ(page.text("lblInvoiceTitle"), "Statement of account");
    EXPECT_EQ(page.element("lblInvoiceTitle").font.points, 16);
    EXPECT_EQ(page.text("lblCompanyName"), "Green & Sons");
    EXPECT_EQ(page.text("lblCompanySlogan"), "Since 1990");
    EXPECT_EQ(page.text("lblCompanyAddress", 0), "Green & Sons");
    EXPECT_EQ(page.text("lblCompanyAddress", 3), "IL 62701");
    EXPECT_EQ(page.element("lblCompanyAddress", 0).top, 2520) << "a full address keeps its place";
    EXPECT_EQ(page.text("lblBillTo", 0), "Bill To:");
    EXPECT_EQ(page.text("lblBillTo", 1), "Bob Adams");
    EXPECT_EQ(page.text("lblBillTo", 2), "2 Oak Road");
    EXPECT_EQ(page.text("lblBillTo", 4), "Springfield");
    EXPECT_EQ(page.text("lblFor"), "For:");
    EXPECT_EQ(page.text("lblGeneralInvoiceDescription"), "Garden care");
    EXPECT_EQ(page.text("lblBillDue"), "BILL DUE: 02/15/2026");
    EXPECT_FALSE(page.element("imgPaid").visible);
}

TEST(InvoiceFilling, anEmptyThirdAddressLineClosesTheAddressUpInLayoutsZeroAndOne)
{
    InvoiceContent c = content();
    c.company.texts[CompanyInfo::CompanyAdd3].clear();
    c.lines = items(1);
    for (int layout : {0, 1}) {
        const Page page = filled(layout, c);
        EXPECT_EQ(page.element("lblCompanyAddress", 0).top, 2640) << layout;
        EXPECT_EQ(page.element("lblCompanyAddress", 1).top, 2880) << layout;
        EXPECT_EQ(page.element("lblCompanyAddress", 2).top, 3120) << layout;
        EXPECT_EQ(page.text("lblCompanyAddress", 3), "") << layout;
    }
    EXPECT_EQ(filled(2, c).element("lblCompanyAddress", 0).top, 2400);
}

TEST(InvoiceFilling, theBillDueLineMovesWithTheInvoiceDateAsEachLayoutHasIt)
{
    InvoiceContent c = content();
    c.lines = items(1);
    const double withoutDate[] = {2835, 3840, 2400};
    const double withDate[] = {3030, 4200, 2760};
    for (int layout = 0; layout < 3; ++layout) {
        c.invoiceDate.reset();
        Page page = filled(layout, c);
        EXPECT_FALSE(page.element("lblInvoiceDate").visible);
        EXPECT_EQ(page.element("lblBillDue").top, withoutDate[layout]) << layout;
        c.invoiceDate = "12/09/2026";
        page = filled(layout, c);
        EXPECT_TRUE(page.element("lblInvoiceDate").visible);
        EXPECT_EQ(page.text("lblInvoiceDate"), "INVOICE DATE: 12/09/2026");
        EXPECT_EQ(page.element("lblBillDue").top, withDate[layout]) << layout;
    }
}

TEST(InvoiceFilling, itemRowsShowDescriptionAndAmountAndANoteTakesARow)
{
    InvoiceContent c = content();
    // Amounts that binary fractions cannot hold, exact to the cent all the same.
    c.lines = {{"$19.99 - Lawn mowing (x7)", 13993}, note("gate code 1234"), {"$0.10 - Nail - galvanised", 10},
               {"$0.10 - Screw", 10}, {"$0.10 - Washer", 10}};
    const Page page = filled(1, c);
    EXPECT_EQ(page.text("lblPS", 0), "Lawn mowing (x7)");
    EXPECT_EQ(page.text("lblAm", 0), "$139.93");
    EXPECT_EQ(page.text("lblPS", 1), "");
    EXPECT_EQ(page.text("lblAm", 1), "");
    EXPECT_EQ(page.text("lblPS", 2), "Nail - galvanised") << "a name holding \" - \" keeps its whole name";
    EXPECT_EQ(page.text("lblAm", 2), "$0.10");
    EXPECT_EQ(page.text("lblTotalAm"), "$140.23");
    EXPECT_EQ(page.text("lblNote"), "NOTE: gate code 1234");
    EXPECT_EQ(page.text("lblChecksPayableTo"), "Please make all checks payable to: Green & Sons Ltd");
    EXPECT_EQ(page.text("lblCompanyPhone"), "If you have any questions about your bill, please call: 555-0100");
    EXPECT_EQ(page.text("lblInvoiceClosing"), "Thank you!");
}

TEST(InvoiceFilling, emptyCompanyBoxesLeaveTheBottomTextsEmpty)
{
    InvoiceContent c = content();
    c.company = {};
    c.lines = items(1);
    const Page page = filled(0, c);
    for (const char* name : {"lblNote", "lblChecksPayableTo", "lblCompanyPhone", "lblInvoiceClosing"})
        EXPECT_EQ(page.text(name), "") << name;
}

TEST(InvoiceFilling, eachItemPrintsTheAmountItCarriesAndOneWithoutAnAmountPrintsNone)
{
    InvoiceContent c = content();
    // The amounts were read with the tables: the texts are never read again.
    c.lines = {{"$4.00 - Box (x2) large", 400}, {"(product 9 not found) (x3)", {}}, {"$2.00 - Pack (x12)", 2400},
               {"($5.00) - Shirt", {}}, {"$1,000,000,000.00 - Gold", {}}};
    const Page page = filled(0, c);
    EXPECT_EQ(page.text("lblAm", 0), "$4.00");
    EXPECT_EQ(page.text("lblPS", 1), "");
    EXPECT_EQ(page.text("lblAm", 1), "");
    EXPECT_EQ(page.text("lblAm", 2), "$24.00");
    EXPECT_EQ(page.text("lblPS", 3), "Shirt");
    EXPECT_EQ(page.text("lblAm", 3), "");
    EXPECT_EQ(page.text("lblAm", 4), "");
    EXPECT_EQ(page.text("lblTotalAm"), "$28.00");
}

TEST(InvoiceFilling, linesAfterTheTwelfthGoOnToFurtherPagesAndTheTotalOnTheLastIsTheirSum)
{
    InvoiceContent c = content();
    c.paid = true;
    c.keepTwelveLines = false;
    c.lines = items(12);
    const Page twelve = filled(0, c);
    EXPECT_EQ(twelve.text("lblPS", 11), "Item 12");
    EXPECT_EQ(twelve.text("lblTotalAm"), "$0.00");
    EXPECT_FALSE(twelve.element("lblContinued").visible) << "twelve lines print on one page as they always did";

    // 30 lines: 12, 12 and 6 rows, a note among them taking its row.
    c.paid = false;
    c.lines = items(29);
    c.lines.insert(20, note("gate code 1234"));
    const std::vector<Page> pages = invoicePages(2, c);
    ASSERT_EQ(pages.size(), 3u);
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const Page& page = pages[p];
        const bool last = p == 2;
        EXPECT_EQ(page.text("lblBillTo", 1), "Bob Adams") << "the header on every page";
        EXPECT_EQ(page.text("lblNote"), "NOTE: gate code 1234");
        EXPECT_EQ(page.element("lblContinued").visible, !last);
        EXPECT_EQ(page.text("lblContinued"), "Continued on next page");
        EXPECT_EQ(page.element("lblTotalDue").visible, last);
        EXPECT_EQ(page.element("lblTotalAm").visible, last);
        EXPECT_EQ(page.element("lnePS", 11).visible, !last) << "only the last page's table shrinks";
    }
    EXPECT_EQ(pages[0].text("lblPS", 0), "Item 1");
    EXPECT_EQ(pages[0].text("lblPS", 11), "Item 12");
    EXPECT_EQ(pages[1].text("lblPS", 0), "Item 13");
    EXPECT_EQ(pages[1].text("lblPS", 7), "Item 20");
    EXPECT_EQ(pages[1].text("lblPS", 8), "") << "the note's row";
    EXPECT_EQ(pages[1].text("lblPS", 9), "Item 21");
    EXPECT_EQ(pages[2].text("lblPS", 5), "Item 29");
    EXPECT_EQ(pages[2].text("lblPS", 6), "");
    EXPECT_EQ(pages[2].text("lblTotalAm"), "$435.00") << "1 + 2 + ... + 29 dollars";
    EXPECT_EQ(pages[2].element("lblTotalAm").top, 11760 - 6 * 360);

    c.paid = true;
    const std::vector<Page> paid = invoicePages(2, c);
    EXPECT_FALSE(paid[0].element("imgPaid").visible);
    EXPECT_FALSE(paid[1].element("imgPaid").visible);
    EXPECT_TRUE(paid[2].element("imgPaid").visible) << "the paid mark goes with the total";
}

TEST(InvoiceFilling, aLaterNoteIsTheInvoicesNoteAndEachNoteTakesARow)
{
    InvoiceContent c = content();
    c.lines = {note("first"), {"$1.00 - A", 100}, note("second"), {"$2.00 - B", 200}};
    const Page page = filled(0, c);
    EXPECT_EQ(page.text("lblPS", 1), "A");
    EXPECT_EQ(page.text("lblPS", 3), "B");
    EXPECT_EQ(page.text("lblNote"), "NOTE: second");
    EXPECT_EQ(page.text("lblTotalAm"), "$3.00");
}

TEST(InvoiceFilling, aPaidInvoiceShowsItsAmountsThePaidMarkAndATotalOfZero)
{
    InvoiceContent c = content();
    c.paid = true;
    c.lines = {{"$12.50 - Lawn mowing (x2)", 2500}};
    const Page page = filled(2, c);
    EXPECT_TRUE(page.element("imgPaid").visible);
    EXPECT_EQ(page.text("lblAm", 0), "$25.00");
    EXPECT_EQ(page.text("lblTotalAm"), "$0.00");
}

TEST(InvoiceFilling, aCustomerWithoutLinesGetsNoPage)
{
    EXPECT_TRUE(invoicePages(0, content()).empty());
}

TEST(InvoiceFilling, shrinkingMovesTheTotalsUpAndTheBottomTextsOnlyWhenAsked)
{
    InvoiceContent c = content();
    c.keepTwelveLines = false;
    c.lines = items(3);
    Page page = filled(0, c);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(page.element("lnePS", row).visible, row <= 2) << row;
    EXPECT_EQ(page.element("lneAboveTotal").y1, 11640 - 3240);
    EXPECT_EQ(page.element("lneAboveTotal").y2, 11640 - 3240);
    EXPECT_EQ(page.element("lblTotalDue").top, 11760 - 3240);
    EXPECT_EQ(page.element("lblTotalAm").top, 11760 - 3240);
    EXPECT_EQ(page.element("lnePSAmDivider").y1, 6720);
    EXPECT_EQ(page.element("lnePSAmDivider").y2, 12120 - 3240);
    EXPECT_EQ(page.element("shpPSBox").height, 5415 - 3240);
    EXPECT_EQ(page.element("lblNote").top, 12600);
    EXPECT_EQ(page.element("lblInvoiceClosing").top, 14160);
    EXPECT_EQ(page.element("imgPaid").top, 7680);

    c.moveBottomText = true;
    page = filled(0, c);
    EXPECT_EQ(page.element("lblNote").top, 12600 - 3240);
    EXPECT_EQ(page.element("lblChecksPayableTo").top, 13320 - 3240);
    EXPECT_EQ(page.element("lblCompanyPhone").top, 13680 - 3240);
    EXPECT_EQ(page.element("lblInvoiceClosing").top, 14160 - 3240);
    EXPECT_EQ(page.element("imgPaid").top, 7680);
    EXPECT_EQ(page.element("lblDescription").top, 6840);

    c.lines = items(12);
    page = filled(0, c);
    EXPECT_TRUE(page.element("lnePS", 11).visible);
    EXPECT_EQ(page.element("lblTotalAm").top, 11760) << "a full table keeps its size";
    c.keepTwelveLines = true;
    c.lines = items(3);
    EXPECT_TRUE(filled(0, c).element("lnePS", 11).visible);
}

TEST(InvoiceFilling, longTextsPrintInsideTheirLabelsOnEveryLayout)
{
    const QString words = "Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and removal of "
                          "all garden waste";
    InvoiceContent c = content();
    c.title = "ESTIMATE";
    for (QString& text : c.company.texts)
        text = "Green & Sons " + words;
    for (int field = 0; field < 5; ++field)
        c.customer.values[static_cast<size_t>(field)] = words;
    c.invoiceDate = "12/09/2026";
    c.lines = {{"$1,234.56 - " + words, 123456}, {"$1.00 - " + QString(80, 'W'), 100},
               note("Your account is past due; please pay the balance within fourteen days to avoid a fee.")};
    for (int layout = 0; layout < printing::kInvoiceLayoutCount; ++layout) {
        const Page page = filled(layout, c);
        for (const platform::PageElement& label : page.elements()) {
            if (label.kind != platform::PageElement::Kind::Label || !label.visible || label.text.isEmpty())
                continue;
            // Each label painted alone, at the 15 twips to a pixel of the screen the layouts were drawn on.
            Page alone(page.width(), page.height());
            alone.add(label);
            const QRectF ink = test::PageInk(alone, 15).bounds();
            const QRectF box(label.left, label.top, label.width, label.height);
            const std::string name = QStringLiteral("layout %1 %2(%3)").arg(layout).arg(label.name).arg(label.index)
                                         .toStdString();
            EXPECT_FALSE(ink.isEmpty()) << name;
            if (!label.autoSize) {
                EXPECT_TRUE(box.adjusted(-15, -15, 15, 15).contains(ink)) << name;
            }
        }
    }
}

TEST(InvoiceFilling, aTitleStandsWholeOnThePageClearOfTheTextBesideIt)
{
    InvoiceContent c = content();
    c.lines = items(1);
    c.invoiceDate = "12/09/2026";
    for (int layout = 0; layout < printing::kInvoiceLayoutCount; ++layout) {
        const platform::PageElement designed = printing::invoiceLayout(layout).element("lblInvoiceTitle");
        const platform::PageElement title = filled(layout, c).element("lblInvoiceTitle");
        EXPECT_EQ(title.font.points, 36) << "INVOICE in large print stays as designed";
        EXPECT_NEAR(title.left, designed.left, 15) << layout;
    }

    // A company name as long as its label holds on every layout, and a slogan as long.
    c.company.texts[CompanyInfo::CompanyName] = "Greenfield Garden & Landscape Care Ltd";
    c.company.texts[CompanyInfo::CompanySlogan] = "Lawns, hedges, borders and ponds kept all year";
    for (const char* titleText : {"ESTIMATE", "PRO FORMA INVOICE"}) {
        c.title = titleText;
        for (int layout = 0; layout < printing::kInvoiceLayoutCount; ++layout) {
            SCOPED_TRACE(QStringLiteral("%1 on layout %2").arg(titleText).arg(layout).toStdString());
            // The page printed with its title alone, then with everything but its title.
            Page titleAlone = filled(layout, c);
            Page withoutTitle = titleAlone;
            for (const platform::PageElement& element : titleAlone.elements()) {
                if (element.name != "lblInvoiceTitle")
                    titleAlone.element(element.name, element.index).visible = false;
            }
            withoutTitle.element("lblInvoiceTitle").visible = false;
            const std::vector<test::PdfWord> words = test::printedWords({titleAlone, withoutTitle});
            EXPECT_EQ(test::pageText(words, 0).toStdString(), titleText) << "the title is printed whole";
            for (const test::PdfWord& word : words) {
                if (word.page != 0)
                    continue;
                // The content's edges, with a screen pixel's slack and the PDF's rounding.
                EXPECT_GE(word.box.left(), printing::kInvoiceContentLeft - 16) << word.text.toStdString();
                EXPECT_LE(word.box.right(), printing::kInvoiceContentRight + 16) << word.text.toStdString();
                for (const test::PdfWord& other : words) {
                    EXPECT_TRUE(other.page == 0 || !other.box.intersects(word.box))
                        << word.text.toStdString() << " covers " << other.text.toStdString();
                }
            }
        }
    }
}

TEST(InvoiceFilling, anAmountTooWideForItsColumnPrintsWholeInASmallerSize)
{
    InvoiceContent c = content();
    c.lines = {{"$107,999,999,998.92 - Everything", 10'799'999'999'892}, {"$1.00 - Something more", 100}};
    const Page page = filled(0, c);
    const std::vector<test::PdfWord> words = test::printedWords({page});
    QStringList amounts;
    for (const test::PdfWord& word : words) {
        if (!word.text.startsWith('$'))
            continue;
        amounts << word.text;
        EXPECT_GE(word.box.left(), 8640) << word.text.toStdString();
        EXPECT_LE(word.box.right(), 8640 + 2175) << word.text.toStdString();
    }
    EXPECT_EQ(amounts, QStringList({"$107,999,999,998.92", "$1.00", "$107,999,999,999.92"}));
    EXPECT_LT(page.element("lblTotalAm").font.points, 12);
    EXPECT_EQ(page.element("lblAm", 1).font.points, 11.25) << "an amount that fits keeps its size";
}

TEST(InvoiceFilling, cutTextEndsInAnEllipsisAndADescriptionKeepsItsQuantity)
{
    InvoiceContent c = content();
    c.customer.values[0] = "Bartholomew-Alexander";
    c.customer.values[1] = "Featherstonehaugh-Smythe";
    const QString description = "Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and waste";
    c.lines = {{"$10.00 - " + description + " (x3)", 3000}};
    const std::vector<test::PdfWord> words = test::printedWords({filled(1, c)});
    QStringList billTo;
    QStringList row;
    for (const test::PdfWord& word : words) {
        if (word.box.center().y() > 5040 && word.box.center().y() < 5040 + 255 && word.box.left() < 6000)
            billTo << word.text;
        if (word.box.center().y() > 7320 && word.box.center().y() < 7320 + 255 && word.box.right() < 8640)
            row << word.text;
    }
    const QString name = billTo.join(' ');
    const QString fullName = "Bartholomew-Alexander Featherstonehaugh-Smythe";
    EXPECT_TRUE(name.endsWith(QChar(0x2026)) && fullName.startsWith(name.chopped(1))) << name.toStdString();
    const QString item = row.join(' ');
    EXPECT_TRUE(item.endsWith(QString(QChar(0x2026)) + " (x3)") && description.startsWith(item.chopped(6)))
        << item.toStdString();
}
