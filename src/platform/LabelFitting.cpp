#include "LabelFitting.h"

#include "LabelText.h"
#include "TextMeasurer.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tav::platform {

namespace {

// Sizes are tried in quarter points, down to the smallest one there is.
constexpr double kPointStep = 0.25;
constexpr double kSmallestPoints = kPointStep;

} // namespace

double widestLine(const PageElement& label)
{
    const QFontMetricsF metrics(pageQFont(label.font));
    double widest = 0;
    for (const QString& line : typedLines(label.text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QRectF labelTextArea(const PageElement& label)
{
    const double lineHeight = textMeasurer().lineHeight(label.font);
    if (!label.autoSize) {
        const LabelText text(label.text, QSizeF(label.width, label.height), label.align, pageQFont(label.font),
                             lineHeight, label.keptEnd);
        return text.textArea().translated(label.left, label.top);
    }
    const QStringList lines = typedLines(label.text);
    return QRectF(label.left, label.top, widestLine(label), static_cast<double>(lines.size()) * lineHeight);
}

bool mayReach(const PageElement& label, double top, double bottom)
{
    // A label's first line always stands, the others only inside it; the lines of a label that
    // sizes itself to its text as many as it has.
    const double lineHeight = textMeasurer().lineHeight(label.font);
    const double height = label.autoSize ? static_cast<double>(typedLines(label.text).size()) * lineHeight
                                         : std::max(label.height, lineHeight);
    return label.top < bottom && label.top + height > top;
}

int lineCount(const QString& text, const PageFont& font, double width)
{
    return wrappedLineCount(text, pageQFont(font), width);
}

void shrinkToWidth(PageElement& label, double width)
{
    const double widest = widestLine(label);
    if (widest <= width)
        return;
    // Text grows with its size nearly in proportion: the proportional size fits, or nearly.
    const double proportional = std::floor(label.font.points * width / widest / kPointStep) * kPointStep;
    label.font.points = std::max(kSmallestPoints, proportional);
    while (label.font.points > kSmallestPoints && widestLine(label) > width)
        label.font.points -= kPointStep;
}

} // namespace tav::platform
