#include "LabelText.h"

#include "Twips.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHashFunctions>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tav::platform {

namespace {

// The layouts were drawn on a screen of 15 twips to a pixel, where text is measured in whole
// pixels; printed outlines may come out a fraction of a pixel larger (as "INVOICE" in 36-point
// bold does in its 2955-twip title label). A line may pass the label's edge by up to a pixel
// before it is broken or left out; the clip keeps its ink inside the rectangle all the same.
constexpr double kMeasuringSlack = kTwipsPerPixel;
const QString kEllipsis(QChar(0x2026));

// A line's alignment, and how much of the measuring slack lies before its start, so that the text
// keeps to the label's own edges.
struct LineAlignment {
    Qt::Alignment side;
    double slackBefore;
};

LineAlignment lineAlignment(PageElement::Align align)
{
    switch (align) {
    case PageElement::Align::Center: return {Qt::AlignHCenter, kMeasuringSlack / 2};
    case PageElement::Align::Right: return {Qt::AlignRight, kMeasuringSlack};
    case PageElement::Align::Left: break;
    }
    return {Qt::AlignLeft, 0};
}

// Where a laid-out text leaves ink, from its layout's position: the outline box of every glyph
// where the layout put it. Line by line, as the layout's own glyph runs would first be merged
// across lines by font.
QRectF inkOf(const QTextLayout& layout)
{
    QRectF ink;
    for (int i = 0; i < layout.lineCount(); ++i) {
        for (const QGlyphRun& run : layout.lineAt(i).glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g)
                ink |= font.boundingRect(glyphs[g]).translated(positions[g]);
        }
    }
    return ink;
}

// Lays out one typed line in lines of the label's width, at most maxLines of them, the first
// standing firstLine lines below the label's top.
std::unique_ptr<QTextLayout> layOutLines(const QString& text, const QFont& font, PageElement::Align align,
                                         double width, double lineHeight, int firstLine, int maxLines)
{
    const LineAlignment alignment = lineAlignment(align);
    QTextOption option(alignment.side);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->setTextOption(option);
    // The glyphs shaped to break the lines are the ones drawn; without the cache they are shaped
    // a second time for every drawing.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (int n = 0; n < maxLines; ++n) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width + kMeasuringSlack);
        line.setPosition(QPointF(0, n * lineHeight));
    }
    layout->endLayout();
    layout->setPosition(QPointF(-alignment.slackBefore, firstLine * lineHeight));
    return layout;
}

QString withoutTrailingSpaces(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

QStringList typedLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

LabelText::LabelText(const QString& text, const QSizeF& size, PageElement::Align align, const QFont& font,
                     double lineHeight, int keptEnd)
    : size_(size)
    , font_(font)
    , lineHeight_(lineHeight)
    , align_(align)
{
    const int room = std::max(1, static_cast<int>(std::floor((size.height() + kMeasuringSlack) / lineHeight)));
    const QStringList typed = typedLines(text);
    int lines = 0;
    qsizetype shown = 0;
    for (; shown < typed.size() && lines < room; ++shown) {
        layouts_.push_back(layOutLines(typed[shown], font, align, size.width(), lineHeight, lines, room - lines));
        lines += layouts_.back()->lineCount();
    }
    const QTextLayout& last = *layouts_.back();
    const QTextLine lastLine = last.lineAt(last.lineCount() - 1);
    QString hidden = last.text().mid(lastLine.textStart() + lastLine.textLength());
    for (qsizetype i = shown; i < typed.size(); ++i)
        hidden += typed[i];
    if (!hidden.trimmed().isEmpty()) {
        // The kept end belongs to the last typed line.
        const QString kept = text.right(std::clamp<qsizetype>(keptEnd, 0, typed.back().size()));
        endWithEllipsis(kept, shown == typed.size(), lines);
    }

    QRectF ink;
    for (const auto& layout : layouts_)
        ink |= inkOf(*layout).translated(layout->position());
    // Most labels' text lies well inside them, and a clip costs a page of invoices about as much
    // as its text: it is set only where the ink would pass the rectangle.
    clipped_ = !ink.isNull() && !QRectF(QPointF(0, 0), size).contains(ink);
}

LabelText::~LabelText() = default;

void LabelText::endWithEllipsis(QString kept, bool keptInLastLine, int lines)
{
    const QFontMetricsF metrics(font_);
    double room = size_.width() - metrics.horizontalAdvance(kept);
    // A kept end that leaves no room for the ellipsis is cut like the rest.
    const bool keeping = !kept.isEmpty() && room >= metrics.horizontalAdvance(kEllipsis);
    if (!keeping) {
        kept.clear();
        room = size_.width();
    }
    const std::unique_ptr<QTextLayout> last = std::move(layouts_.back());
    layouts_.pop_back();
    const int lastLines = last->lineCount();
    const qsizetype start = last->lineAt(lastLines - 1).textStart();
    const QString& typed = last->text();
    const qsizetype restLength
        = keeping && keptInLastLine ? std::max<qsizetype>(0, typed.size() - kept.size() - start) : -1;
    // The rest of the line with an ellipsis, cut to the label's width: the elided text ends in an
    // ellipsis of its own when the rest is too wide, in the one added when only later lines are cut.
    QString line = metrics.elidedText(typed.mid(start, restLength) + kEllipsis, Qt::ElideRight, room);
    if (line.endsWith(kEllipsis))
        line.chop(kEllipsis.size());
    else if (line.endsWith(QLatin1String("...")))
        line.chop(3);
    if (start > 0) {
        const int firstLine = lines - lastLines;
        layouts_.push_back(
            layOutLines(typed.left(start), font_, align_, size_.width(), lineHeight_, firstLine, lastLines - 1));
    }
    layouts_.push_back(layOutLines(withoutTrailingSpaces(line) + kEllipsis + kept, font_, align_, size_.width(),
                                   lineHeight_, lines - 1, 1));
}

void LabelText::draw(QPainter& painter, const QRectF& box) const
{
    if (clipped_) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    for (const auto& layout : layouts_)
        layout->draw(&painter, box.topLeft());
    if (clipped_)
        painter.restore();
}

QRectF LabelText::textArea() const
{
    QRectF area;
    for (const auto& layout : layouts_) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.naturalTextWidth() > 0)
                area |= line.naturalTextRect().translated(layout->position());
        }
    }
    return area & QRectF(QPointF(0, 0), size_);
}

int wrappedLineCount(const QString& text, const QFont& font, double width)
{
    constexpr int kAllLines = std::numeric_limits<int>::max();
    int lines = 0;
    for (const QString& typed : typedLines(text))
        lines += layOutLines(typed, font, PageElement::Align::Left, width, 1, 0, kAllLines)->lineCount();
    return lines;
}

size_t qHash(const LabelTextKey& key, size_t seed)
{
    return qHashMulti(seed, key.text, key.font.family, key.font.points, key.font.bold, key.font.italic, key.width,
                      key.height, static_cast<int>(key.align), key.lineHeight, key.keptEnd);
}

} // namespace tav::platform
