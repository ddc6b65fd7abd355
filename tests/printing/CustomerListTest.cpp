#include "printing/CustomerList.h"

#include "records/RecordFormats.h"
#include "support/FixedLineHeights.h"
#include "support/PdfWords.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace tav;
using platform::Page;
using printing::CustomerListOptions;

namespace {

QString customerText(const QString& first, const QString& last, std::array<QString, 6> rest = {},
                     bool archived = false)
{
    records::CustomerRecord customer;
    customer.values = {first, last, rest[0], rest[1], rest[2], rest[3], rest[4], rest[5]};
    customer.archived = archived;
    return customer.text();
}

QStringList lines(const Page& page, int column)
{
    const QString text = page.text("lblList", column);
    return text.isEmpty() ? QStringList() : text.split('\n');
}

// Customers C01, C02, ... in the table's order, each with one address line: with one blank line,
// three lines each.
records::RecordTable customers(int count)
{
    records::RecordTable table;
    for (int i = 1; i <= count; ++i)
        table.add(records::numberedKey(i),
                  customerText(QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')), "", {"Street"}));
    return table;
}

} // namespace

TEST(CustomerList, countsAndFontComeFromTheirTexts)
{
    EXPECT_EQ(printing::columnCountFromText("2"), 2);
    EXPECT_EQ(printing::columnCountFromText("4"), 4);
    for (const char* outside : {"0", "5", "-1", "", "many"})
        EXPECT_EQ(printing::columnCountFromText(outside), 3) << outside;
    EXPECT_EQ(printing::blankLineCountFromText("0"), 0);
    EXPECT_EQ(printing::blankLineCountFromText("4"), 4);
    EXPECT_EQ(printing::blankLineCountFromText("7"), 1);
    EXPECT_EQ(printing::blankLineCountFromText("-2"), 1);

    EXPECT_EQ(printing::customerListFont("Courier", "Bold Italic 10"), (platform::PageFont{"Courier", 10, true, true}));
    EXPECT_EQ(printing::customerListFont("Arial", "Regular 8"), (platform::PageFont{"Arial", 8, false, false}));
    EXPECT_EQ(printing::customerListFont("Arial", "Italic 12"), (platform::PageFont{"Arial", 12, false, true}));
    EXPECT_EQ(printing::customerListFont("Arial", "Bold"), (platform::PageFont{"Arial", 8.25, false, false}))
        << "without its blank, \"Bold\" is no style word and no size";
}

TEST(CustomerList, anEntryShowsTheChosenFieldsThatAreNotEmpty)
{
    const QString text
        = customerText("Bob", "Adams", { "2 Oak Road", "", "Springfield", "", "555-0199", "Gate\r\ncode 12" });
    CustomerListOptions options;
    EXPECT_EQ(printing::customerEntry(text, options),
              QStringList({"Adams, Bob", "2 Oak Road", "Springfield", "555-0199", "Gate", "code 12", ""}));
    options.address = false;
    options.notes = false;
    options.blankLines = 0;
    EXPECT_EQ(printing::customerEntry(text, options), QStringList({"Adams, Bob", "555-0199"}));
    options.phone = false;
    options.blankLines = 3;
    EXPECT_EQ(printing::customerEntry(text, options), QStringList({"Adams, Bob", "", "", ""}));
    EXPECT_TRUE(printing::customerEntry("Adams, Bob\x01" "Bob", options).isEmpty()) << "a damaged record";
}

TEST(CustomerList, columnsFillDownThenAcrossThenOntoTheNextPage)
{
    // 8 points at 125 twips a point: lines of 1000 twips, twelve to a column.
    const test::FixedLineHeights heights(125);
    CustomerListOptions options;
    options.pageTitle = "Our customers";
    const std::vector<Page> pages = printing::customerListPages(customers(13), options);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].text("lblPageTitle"), "Our customers");
    EXPECT_EQ(lines(pages[0], 0).size(), 12);
    EXPECT_EQ(lines(pages[0], 0).first(), "C01");
    EXPECT_EQ(lines(pages[0], 1).first(), "C05") << "the fifth customer would pass the column's bottom";
    EXPECT_EQ(lines(pages[0], 2).first(), "C09");
    EXPECT_TRUE(lines(pages[0], 3).isEmpty());
    EXPECT_EQ(lines(pages[1], 0), QStringList({"C13", "Street", ""}));
    EXPECT_EQ(pages[0].text("lblList", 4), "Page #1");
    EXPECT_EQ(pages[1].text("lblList", 4), "Page #2");
    EXPECT_EQ(pages[1].element("lblList", 4).top, 14640 - 1000);
    EXPECT_EQ(pages[0].element("lblList", 0).left, 600);
    EXPECT_EQ(pages[0].element("lblList", 1).left, 4120);
    EXPECT_EQ(pages[0].element("lblList", 2).left, 7640);

    options.columns = 2;
    options.pageNumbers = false;
    const std::vector<Page> twoColumns = printing::customerListPages(customers(9), options);
    ASSERT_EQ(twoColumns.size(), 2u);
    EXPECT_EQ(twoColumns[0].element("lblList", 1).left, 5880);
    EXPECT_EQ(lines(twoColumns[1], 0).first(), "C09");
    EXPECT_EQ(twoColumns[1].text("lblList", 4), "");
}

TEST(CustomerList, anEntryTallerThanAColumnStandsAloneCutAtTheColumnsBottom)
{
    const test::FixedLineHeights heights(125);
    CustomerListOptions options;
    options.blankLines = 0;
    records::RecordTable table;
    table.add("1k", customerText("Brief", ""));
    QString longNotes;
    for (int i = 1; i <= 20; ++i)
        longNotes += QStringLiteral("note %1\r\n").arg(i);
    table.add("2k", customerText("Long", "", {"", "", "", "", "", longNotes}));
    table.add("3k", customerText("Next", ""));
    const std::vector<Page> pages = printing::customerListPages(table, options);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(lines(pages[0], 0), QStringList({"Brief"}));
    EXPECT_EQ(lines(pages[0], 1).first(), "Long");
    const platform::PageElement& column = pages[0].element("lblList", 1);
    EXPECT_EQ(column.top + column.height, 14640 - 1000) << "cut above the page number";
    EXPECT_EQ(lines(pages[0], 2), QStringList({"Next"}));
}

TEST(CustomerList, evenAHugeStoredFontSizeLeavesEachColumnALineAboveThePageNumber)
{
    const test::FixedLineHeights heights(125);
    CustomerListOptions options;
    options.fontStyleSize = "Regular 512";
    const Page page = printing::customerListPages(customers(2), options).front();
    const platform::PageElement& column = page.element("lblList", 0);
    const platform::PageElement& number = page.element("lblList", 4);
    const double lineHeight = column.font.points * 125;
    EXPECT_GE(column.height, lineHeight);
    EXPECT_LE(column.top + column.height, number.top);
    EXPECT_EQ(number.top + lineHeight, 14640);
}

TEST(CustomerList, longNotesAndEmailsWrapInsideTheirColumnsAndStayOnThePaper)
{
    records::RecordTable table;
    for (int i = 1; i <= 40; ++i) {
        const QString n = QString::number(i);
        table.add(records::numberedKey(i),
                  customerText("Customer" + n, "Featherstonehaugh",
                               {"12 Long Road", "", "Springfield",
                                "accounts.payable" + n + "@greenfield-landscaping-services.example.com", "555-0100",
                                "Please call ahead before arriving; the side gate is locked on weekdays " + n}));
    }
    struct Run {
        int columns;
        std::vector<double> lefts;
        const char* font;
        const char* style;
    };
    // The default font, and a wide one in a larger size.
    const Run runs[] = {{3, {600, 4120, 7640}, "Arial", "Regular 8"},
                        {4, {600, 3240, 5880, 8520}, "DejaVu Serif", "Bold Italic 12"}};
    for (const auto& [columns, lefts, font, style] : runs) {
        SCOPED_TRACE(columns);
        CustomerListOptions options;
        options.columns = columns;
        options.fontName = font;
        options.fontStyleSize = style;
        const std::vector<Page> pages = printing::customerListPages(table, options);
        ASSERT_GE(pages.size(), 2u) << "enough customers to fill the columns of a page";
        std::vector<std::vector<QStringList>> read(pages.size(), std::vector<QStringList>(lefts.size()));
        std::vector<test::PdfWord> words = test::printedWords(pages);
        std::sort(words.begin(), words.end(), [](const test::PdfWord& a, const test::PdfWord& b) {
            return std::tuple(a.page, std::lround(a.box.top()), a.box.left())
                < std::tuple(b.page, std::lround(b.box.top()), b.box.left());
        });
        std::vector<double> pageNumberTops(pages.size());
        for (const test::PdfWord& word : words) {
            if (word.text == "Page")
                pageNumberTops[static_cast<size_t>(word.page)] = word.box.top();
        }
        for (const test::PdfWord& word : words) {
            const std::string text = word.text.toStdString();
            EXPECT_LE(word.box.right(), test::printableWidth()) << text;
            EXPECT_LE(word.box.bottom(), pages[0].height()) << text;
            if (word.box.top() < 1560 - 16 || word.text == "Page" || word.text.startsWith("#"))
                continue;
            EXPECT_LE(word.box.bottom(), pageNumberTops[static_cast<size_t>(word.page)]) << text << " on Page #";
            // The column the word starts in; it must end before the next one begins.
            const auto next = std::upper_bound(lefts.begin(), lefts.end(), word.box.left() + 16);
            if (next != lefts.end()) {
                EXPECT_LE(word.box.right(), *next) << text;
            }
            read[static_cast<size_t>(word.page)][static_cast<size_t>(next - lefts.begin() - 1)] << word.text;
        }
        for (size_t p = 0; p < pages.size(); ++p) {
            for (size_t k = 0; k < lefts.size(); ++k) {
                QString expected = pages[p].text("lblList", static_cast<int>(k));
                expected.remove(QRegularExpression("\\s"));
                EXPECT_EQ(read[p][k].join("").toStdString(), expected.toStdString())
                    << "page " << p << ", column " << k << ", word by word";
            }
        }
    }
}

TEST(CustomerList, archivedAndDamagedCustomersAreLeftOutAndAmpersandsPrintAsTyped)
{
    records::RecordTable table;
    table.add("1k", customerText("Old", "Gone", {}, true));
    const std::vector<Page> onlyArchived = printing::customerListPages(table, {});
    ASSERT_EQ(onlyArchived.size(), 1u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(onlyArchived[0].text("lblList", k), "");
    EXPECT_EQ(onlyArchived[0].text("lblList", 4), "Page #1");

    table.add("2k", "broken");
    table.add("3k", customerText("Tom & Jo", "Smith", {"Rose & Crown"}));
    const std::vector<Page> pages = printing::customerListPages(table, {});
    EXPECT_EQ(lines(pages[0], 0), QStringList({"Smith, Tom & Jo", "Rose & Crown", ""}));
}
