#include "printing/Envelope.h"

#include "platform/TextMeasurer.h"
#include "support/FixedLineHeights.h"

#include <gtest/gtest.h>

using namespace tav;
using platform::kTwipsPerCentimetre;
using platform::Page;

namespace {

records::CustomerRecord recipient(const QString& first, const QString& last)
{
    records::CustomerRecord customer;
    customer.values = {first, last, "2 Oak Road", "", "Springfield", "", "", ""};
    return customer;
}

} // namespace

TEST(Envelope, linesStandOneLineHeightApartWithTheRecipientSevenRightAndTwoDown)
{
    // 20 twips a point: 200 for the 10-point lines, 240 for the 12-point name.
    const test::FixedLineHeights heights(20);
    const Page page = printing::envelopePage({"Green & Sons", "1 Main Street", "", "Springfield"},
                                             recipient("Bob", "Adams"), 2, 12);
    const double x = 2 * kTwipsPerCentimetre;
    const double y = 12 * kTwipsPerCentimetre;
    for (int k = 0; k < 4; ++k) {
        const auto& line = page.element("lblReturnAddress", k);
        EXPECT_DOUBLE_EQ(line.left, x);
        EXPECT_DOUBLE_EQ(line.top, y + 200 * k);
        EXPECT_EQ(line.font.points, 10);
    }
    EXPECT_EQ(page.text("lblReturnAddress", 2), "") << "an empty line keeps its place";
    const double recipientX = 9 * kTwipsPerCentimetre;
    const double nameY = y + 800 + 2 * kTwipsPerCentimetre;
    EXPECT_EQ(page.text("lblRecipient", 0), "Bob Adams");
    EXPECT_EQ(page.element("lblRecipient", 0).font.points, 12);
    EXPECT_DOUBLE_EQ(page.element("lblRecipient", 0).left, recipientX);
    EXPECT_DOUBLE_EQ(page.element("lblRecipient", 0).top, nameY);
    EXPECT_DOUBLE_EQ(page.element("lblRecipient", 1).top, nameY + 240);
    EXPECT_DOUBLE_EQ(page.element("lblRecipient", 2).top, nameY + 440);
    EXPECT_DOUBLE_EQ(page.element("lblRecipient", 3).top, nameY + 640);
    EXPECT_EQ(page.text("lblRecipient", 1), "2 Oak Road");
    EXPECT_EQ(page.text("lblRecipient", 2), "");
    EXPECT_EQ(page.text("lblRecipient", 3), "Springfield");
}

TEST(Envelope, aLineTooLongForThePaperIsCutOnItAndShowsItWasCut)
{
    const Page page = printing::envelopePage({QString(200, 'R')}, recipient(QString(150, 'A'), "Adams"), 2, 12);
    // The printable width of Letter in landscape, at quarter-inch margins.
    for (const char* name : {"lblReturnAddress", "lblRecipient"}) {
        const auto& line = page.element(name, 0);
        EXPECT_FALSE(line.autoSize) << name;
        EXPECT_LE(line.left + line.width, 15120) << name;
        EXPECT_NEAR(line.height, platform::textMeasurer().lineHeight(line.font), 0.01) << name;
    }
}

TEST(Envelope, aMissingLastNameLeavesTheBlankAfterTheFirstName)
{
    const Page page = printing::envelopePage({}, recipient("Ann", ""), 0, 0);
    EXPECT_EQ(page.text("lblRecipient", 0), "Ann ");
}

TEST(Envelope, marginsAreWholeCentimetresRoundedHalfToEven)
{
    EXPECT_EQ(printing::marginCentimetres("3.5"), 4);
    EXPECT_EQ(printing::marginCentimetres("2.5"), 2);
    EXPECT_EQ(printing::marginCentimetres("2.6cm"), 3);
    EXPECT_EQ(printing::marginCentimetres("12"), 12);
    EXPECT_EQ(printing::marginCentimetres("wide"), 0);
    EXPECT_EQ(printing::marginCentimetres(""), 0);
}
