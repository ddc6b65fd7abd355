#include "PagePainter.h"

#include "TextMeasurer.h"
#include "Twips.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace tav::platform {

namespace {

constexpr double kCornerRadius = 120;
// The layouts were drawn on a screen of 15 twips to a pixel, where text is measured in whole
// pixels; printed outlines may come out a fraction of a pixel larger (as "INVOICE" in 36-point
// bold does in its 2955-twip title label). A line may pass the label's edge by up to a pixel
// before it is broken or left out; the clip keeps its ink inside the rectangle all the same.
constexpr double kMeasuringSlack = kTwipsPerPixel;

QPen borderPen(const PageElement& element)
{
    QPen pen(toQColor(element.color), element.penPixels * kTwipsPerPixel);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// The lines of a label's text as typed: CR LF or LF ends a line.
QStringList typedLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

// A label that sizes itself to its text: each typed line from its left edge, whatever its
// alignment, as wide and as many as the text needs.
void paintAutoSized(QPainter& painter, const PageElement& label, double lineHeight)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    const QStringList lines = typedLines(label.text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF line(label.left, label.top + static_cast<double>(i) * lineHeight, label.width, lineHeight);
        painter.drawText(line, flags, lines[i]);
    }
}

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

// Where a laid-out text leaves ink: the outline box of every glyph where the layout put it. Line by
// line, as the layout's own glyph runs would first be merged across lines by font.
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

bool inkLeaves(const QRectF& ink, const QRectF& box)
{
    return !ink.isNull() && !box.contains(ink);
}

// A label that keeps its size: each typed line broken at word boundaries to the label's width (a
// word wider than the label where it must), every line aligned as designed. The first line always
// stands, further ones only while they fit above the label's bottom, and nothing is drawn outside
// the rectangle, so a long text never runs into its neighbours.
void paintWrapped(QPainter& painter, const PageElement& label, double lineHeight)
{
    const QRectF box(label.left, label.top, label.width, label.height);
    const int room = std::max(1, static_cast<int>(std::floor((label.height + kMeasuringSlack) / lineHeight)));
    const LineAlignment align = lineAlignment(label.align);
    QTextOption option(align.side);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Most labels' text lies well inside them; a clip costs a page of invoices as much as its text,
    // so it is set only for a text whose ink would pass the rectangle.
    bool clipped = false;
    int lines = 0;
    for (const QString& typed : typedLines(label.text)) {
        if (lines == room)
            break;
        QTextLayout layout(typed, painter.font());
        layout.setTextOption(option);
        // The glyphs shaped to break the lines are the ones drawn; without the cache they are
        // shaped a second time for drawing.
        layout.setCacheEnabled(true);
        layout.beginLayout();
        const double typedLineTop = static_cast<double>(lines) * lineHeight;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.width + kMeasuringSlack);
            line.setPosition(QPointF(0, static_cast<double>(lines) * lineHeight - typedLineTop));
            if (++lines == room)
                break;
        }
        layout.endLayout();
        const QPointF origin(box.left() - align.slackBefore, box.top() + typedLineTop);
        if (!clipped && inkLeaves(inkOf(layout).translated(origin), box)) {
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
            clipped = true;
        }
        layout.draw(&painter, origin);
    }
    if (clipped)
        painter.restore();
}

void paintLabel(QPainter& painter, const PageElement& label)
{
    // An empty label leaves no ink; its font, layout and clip would cost a page of invoices a
    // good part of its printing time.
    if (label.text.isEmpty())
        return;
    painter.setFont(pageQFont(label.font));
    painter.setPen(toQColor(label.color));
    const double lineHeight = textMeasurer().lineHeight(label.font);
    if (label.autoSize)
        paintAutoSized(painter, label, lineHeight);
    else
        paintWrapped(painter, label, lineHeight);
}

void paintElement(QPainter& painter, const PageElement& element)
{
    switch (element.kind) {
    case PageElement::Kind::Label: paintLabel(painter, element); break;
    case PageElement::Kind::Line:
        painter.setPen(borderPen(element));
        painter.drawLine(QPointF(element.x1, element.y1), QPointF(element.x2, element.y2));
        break;
    case PageElement::Kind::Rectangle: {
        painter.setPen(borderPen(element));
        painter.setBrush(Qt::NoBrush);
        const QRectF rect(element.left, element.top, element.width, element.height);
        if (element.rounded)
            painter.drawRoundedRect(rect, kCornerRadius, kCornerRadius);
        else
            painter.drawRect(rect);
        break;
    }
    case PageElement::Kind::Picture:
        painter.drawImage(QRectF(element.left, element.top, element.width, element.height), element.picture);
        break;
    }
}

} // namespace

void paintPage(QPainter& painter, const Page& page)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const PageElement& element : page.elements()) {
        if (element.visible)
            paintElement(painter, element);
    }
    painter.restore();
}

} // namespace tav::platform
