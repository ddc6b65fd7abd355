#include "platform/TextMeasurer.h"
#include "support/PageInk.h"
#include "support/PdfWords.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <array>

using namespace tav;
using platform::Page;
using platform::PageElement;
using platform::PageFont;
using test::PageInk;
using Align = PageElement::Align;

namespace {

// Five twips to a pixel: fine enough to see a descender pass a label's bottom.
constexpr double kTwipsPerPixel = 5;
constexpr double kOnePixel = kTwipsPerPixel;
const PageFont kItemFont{"Arial", 11.25};

double lineHeight()
{
    return platform::textMeasurer().lineHeight(kItemFont);
}

double advance(const QString& text)
{
    return QFontMetricsF(platform::pageQFont(kItemFont)).horizontalAdvance(text);
}

PageElement label(const QString& text, const QRectF& box, Align align = Align::Left, const PageFont& font = kItemFont)
{
    PageElement label;
    label.name = "lblText";
    label.left = box.left();
    label.top = box.top();
    label.width = box.width();
    label.height = box.height();
    label.text = text;
    label.font = font;
    label.align = align;
    return label;
}

PageInk inkOf(const PageElement& element)
{
    Page page(9000, 3000);
    page.add(element);
    return PageInk(page, kTwipsPerPixel);
}

// The ink of line `line` (from 0) of a label's rectangle; the pixel row that the line above may
// just reach with its descenders is left out.
QRectF lineInk(const PageInk& ink, const QRectF& box, int line)
{
    return ink.bounds(box.top() + line * lineHeight() + kOnePixel, box.top() + (line + 1) * lineHeight());
}

void expectInside(const QRectF& ink, const QRectF& box)
{
    EXPECT_FALSE(ink.isEmpty()) << "nothing was painted";
    EXPECT_GE(ink.left(), box.left() - kOnePixel);
    EXPECT_LE(ink.right(), box.right() + kOnePixel);
    EXPECT_GE(ink.top(), box.top() - kOnePixel);
    EXPECT_LE(ink.bottom(), box.bottom() + kOnePixel);
}

} // namespace

TEST(PagePainter, everyLineStandsAtTheSideItsLabelIsAlignedTo)
{
    // An amount in a column as wide as the invoices' amount column.
    const QRectF column(600, 600, 2175, 255);
    const QRectF left = inkOf(label("$1,234.56", column, Align::Left)).bounds();
    EXPECT_NEAR(left.left(), column.left(), 40);
    const QRectF right = inkOf(label("$1,234.56", column, Align::Right)).bounds();
    EXPECT_NEAR(right.right(), column.right(), 40);
    const QRectF centred = inkOf(label("$1,234.56", column, Align::Center)).bounds();
    EXPECT_NEAR(centred.center().x(), column.center().x(), 20);
    for (const QRectF& ink : {left, right, centred})
        expectInside(ink, column);

    // Typed line breaks and wrapped lines keep to the same side, each line on its own.
    const QRectF box(600, 600, 2500, 3 * lineHeight());
    const PageInk wrapped = inkOf(label("Lawn mowing\r\nHedge trimming and leaf removal", box, Align::Right));
    for (int line = 0; line < 3; ++line) {
        const QRectF ink = lineInk(wrapped, box, line);
        EXPECT_NEAR(ink.right(), box.right(), 40) << "line " << line;
        expectInside(ink, box);
    }
    EXPECT_NEAR(lineInk(wrapped, box, 0).width(), advance("Lawn mowing"), 60);
}

TEST(PagePainter, aLongTextBreaksAtWordsToTheLabelsWidthAndIsCutAtItsBottom)
{
    const QString text = "Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and removal of all "
                         "garden waste";
    const QRectF twoLines(600, 600, 3000, 2 * lineHeight());
    const PageInk ink = inkOf(label(text, twoLines));
    expectInside(ink.bounds(), twoLines);
    for (int line = 0; line < 2; ++line)
        EXPECT_GT(lineInk(ink, twoLines, line).width(), 0.6 * twoLines.width()) << "line " << line << " is filled";

    // A line ends at the last whole word that fits; a word wider than the label is broken.
    const QRectF narrow(600, 600, advance("Lawn mowing tw"), 2 * lineHeight());
    EXPECT_NEAR(lineInk(inkOf(label("Lawn mowing twice", narrow)), narrow, 1).width(), advance("twice"), 60);
    const PageInk longWord = inkOf(label(QString(60, 'W'), twoLines));
    expectInside(longWord.bounds(), twoLines);
    EXPECT_GT(lineInk(longWord, twoLines, 1).width(), 0.8 * twoLines.width());

    // A label lower than its font's line keeps its one line, cut at the bottom: as the invoice
    // note, 12 points bold in 255 twips.
    const QRectF note(600, 600, 3000, 255);
    expectInside(inkOf(label("Paying: gjpqy, " + text, note, Align::Center, {"Arial", 12, true})).bounds(), note);
}

TEST(PagePainter, aLineThatPassesItsLabelByLessThanAScreenPixelStaysOnOneLineCutAtTheEdge)
{
    // W has almost no side bearings: its ink ends where its advance does, 14 twips past the edge
    // that the line may pass before it is broken.
    const QString text = "WWWW";
    const QRectF box(600, 600, advance(text) - 14, lineHeight());
    const QRectF left = inkOf(label(text, box, Align::Left)).bounds();
    expectInside(left, box);
    EXPECT_NEAR(left.right(), box.right(), kOnePixel) << "one line, cut at the right edge";
    const QRectF right = inkOf(label(text, box, Align::Right)).bounds();
    expectInside(right, box);
    EXPECT_NEAR(right.left(), box.left(), kOnePixel) << "one line, cut at the left edge";
}

TEST(PagePainter, aLabelRecurringOnTheNextPageOfARunIsPaintedAsOnAPageOfItsOwn)
{
    // The pages of a print run go through one painter, which lays out a recurring label's text
    // once: moved, narrower or lower, it is laid out for where it stands now.
    const QString text = "Weekly lawn mowing, edging and trimming " + QString(40, 'W');
    const auto pageWith = [&](const QRectF& box) {
        Page page(9000, 3000);
        page.add(label(text, box, Align::Right));
        return page;
    };
    const QRectF box(600, 600, 3000, 3 * lineHeight());
    for (const QRectF& next :
         {box.translated(4500, 900), QRectF(600, 600, 2000, box.height()), QRectF(600, 600, 3000, lineHeight())}) {
        EXPECT_EQ(PageInk({pageWith(box), pageWith(next)}, kTwipsPerPixel).image(),
                  PageInk(pageWith(next), kTwipsPerPixel).image())
            << "at " << next.left() << ", " << next.top() << ", " << next.width() << " x " << next.height();
    }
}

TEST(PagePainter, aLabelThatSizesItselfToItsTextIsNeitherWrappedNorCut)
{
    PageElement grown = label("Weekly lawn mowing, edging and trimming", {600, 600, 600, 100}, Align::Right);
    grown.autoSize = true;
    const QRectF ink = inkOf(grown).bounds();
    EXPECT_NEAR(ink.left(), 600, 40) << "drawn from its left edge, whatever its alignment";
    EXPECT_NEAR(ink.width(), advance(grown.text), 60);
    EXPECT_LT(ink.height(), lineHeight());
}

TEST(PagePainter, aCutTextEndsInAnEllipsisBeforeItsKeptEnd)
{
    const QString ellipsis(QChar(0x2026));
    const QString text = "Weekly lawn mowing, edging, trimming of hedges and shrubs, leaf blowing, and removal of all "
                         "garden waste";
    const auto labelAt = [&](int index, const QString& labelText, double top, int lines, int keptEnd = 0) {
        PageElement cut = label(labelText, {600, top, 3000, lines * lineHeight()});
        cut.index = index;
        cut.keptEnd = keptEnd;
        return cut;
    };
    Page page(9000, 3000);
    page.add(labelAt(0, text, 0, 2));
    page.add(labelAt(1, "Gate code 1234\r\nDog in the garden", 600, 1));
    page.add(labelAt(2, text + " (x12)", 1200, 1, 6));
    page.add(labelAt(3, "Lawn mowing\r\n \r\n", 1800, 1));
    std::array<QStringList, 4> read;
    for (const test::PdfWord& word : test::printedWords({page}))
        read.at(static_cast<size_t>(word.box.top() / 600)) << word.text;

    const QString wrapped = read[0].join(' ');
    EXPECT_TRUE(wrapped.endsWith(ellipsis) && text.startsWith(wrapped.chopped(1))) << wrapped.toStdString();
    EXPECT_EQ(read[1].join(' '), "Gate code 1234" + ellipsis) << "a text cut after a whole line";
    const QString kept = read[2].join(' ');
    EXPECT_TRUE(kept.endsWith(ellipsis + " (x12)") && text.startsWith(kept.chopped(7))) << kept.toStdString();
    EXPECT_EQ(read[3].join(' '), "Lawn mowing") << "nothing but blank lines is cut";
}
