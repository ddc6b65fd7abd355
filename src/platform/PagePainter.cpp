#include "PagePainter.h"

#include "TextMeasurer.h"
#include "Twips.h"

#include <QPainter>

namespace tav::platform {

namespace {

constexpr double kCornerRadius = 120;
// Laid-out texts kept: the labels of a few pages, so that those of every page stay.
constexpr qsizetype kLabelTextsKept = 256;

QPen borderPen(const PageElement& element)
{
    QPen pen(toQColor(element.color), element.penPixels * kTwipsPerPixel);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
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

} // namespace

PagePainter::PagePainter(QPainter& painter)
    : painter_(painter)
    , texts_(kLabelTextsKept)
{
}

void PagePainter::paint(const Page& page)
{
    painter_.save();
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const PageElement& element : page.elements()) {
        if (element.visible)
            paintElement(element);
    }
    painter_.restore();
}

void PagePainter::paintElement(const PageElement& element)
{
    switch (element.kind) {
    case PageElement::Kind::Label: paintLabel(element); break;
    case PageElement::Kind::Line:
        painter_.setPen(borderPen(element));
        painter_.drawLine(QPointF(element.x1, element.y1), QPointF(element.x2, element.y2));
        break;
    case PageElement::Kind::Rectangle: {
        painter_.setPen(borderPen(element));
        painter_.setBrush(Qt::NoBrush);
        const QRectF rect(element.left, element.top, element.width, element.height);
        if (element.rounded)
            painter_.drawRoundedRect(rect, kCornerRadius, kCornerRadius);
        else
            painter_.drawRect(rect);
        break;
    }
    case PageElement::Kind::Picture:
        painter_.drawImage(QRectF(element.left, element.top, element.width, element.height), element.picture);
        break;
    }
}

void PagePainter::paintLabel(const PageElement& label)
{
    // An empty label leaves no ink; its font, layout and clip would cost a page of invoices a
    // good part of its printing time.
    if (label.text.isEmpty())
        return;
    painter_.setFont(pageQFont(label.font));
    painter_.setPen(toQColor(label.color));
    const double lineHeight = textMeasurer().lineHeight(label.font);
    if (label.autoSize) {
        paintAutoSized(painter_, label, lineHeight);
        return;
    }
    const QRectF box(label.left, label.top, label.width, label.height);
    const LabelTextKey key{label.text, label.font, label.width, label.height, label.align, lineHeight, label.keptEnd};
    const LabelText* text = texts_.object(key);
    if (!text) {
        auto* laidOut = new LabelText(label.text, box.size(), label.align, painter_.font(), lineHeight, label.keptEnd);
        texts_.insert(key, laidOut);
        text = laidOut;
    }
    text->draw(painter_, box);
}

void paintPage(QPainter& painter, const Page& page)
{
    PagePainter(painter).paint(page);
}

} // namespace tav::platform
