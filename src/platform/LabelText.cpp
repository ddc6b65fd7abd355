#include "LabelText.h"

#include "Twips.h"

#include <QGlyphRun>
#include <QHashFunctions>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tav::platform {

namespace {

// The layouts were drawn on a screen of 15 twips to a pixel, where text is measured in whole
// pixels; printed outlines may come out a fraction of a pixel larger (as "INVOICE" in 36-point
// bold does in its 2955-twip title label). A line may pass the label's edge by up to a pixel
// before it is broken or left out; the clip keeps its ink inside the rectangle all the same.
constexpr double kMeasuringSlack = kTwipsPerPixel;

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

} // namespace

QStringList typedLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

LabelText::LabelText(const QString& text, const QSizeF& size, PageElement::Align align, const QFont& font,
                     double lineHeight)
{
    const int room = std::max(1, static_cast<int>(std::floor((size.height() + kMeasuringSlack) / lineHeight)));
    const LineAlignment alignment = lineAlignment(align);
    QTextOption option(alignment.side);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    QRectF ink;
    int lines = 0;
    for (const QString& typed : typedLines(text)) {
        if (lines == room)
            break;
        auto layout = std::make_unique<QTextLayout>(typed, font);
        layout->setTextOption(option);
        // The glyphs shaped to break the lines are the ones drawn; without the cache they are
        // shaped a second time for every drawing.
        layout->setCacheEnabled(true);
        layout->beginLayout();
        const double typedLineTop = static_cast<double>(lines) * lineHeight;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(size.width() + kMeasuringSlack);
            line.setPosition(QPointF(0, static_cast<double>(lines) * lineHeight - typedLineTop));
            if (++lines == room)
                break;
        }
        layout->endLayout();
        layout->setPosition(QPointF(-alignment.slackBefore, typedLineTop));
        ink |= inkOf(*layout).translated(layout->position());
        layouts_.push_back(std::move(layout));
    }
    // Most labels' text lies well inside them, and a clip costs a page of invoices about as much
    // as its text: it is set only where the ink would pass the rectangle.
    clipped_ = !ink.isNull() && !QRectF(QPointF(0, 0), size).contains(ink);
}

LabelText::~LabelText() = default;

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

size_t qHash(const LabelTextKey& key, size_t seed)
{
    return qHashMulti(seed, key.text, key.font.family, key.font.points, key.font.bold, key.font.italic, key.width,
                      key.height, static_cast<int>(key.align), key.lineHeight);
}

} // namespace tav::platform
