#include "PagePainter.h"

#include "TextMeasurer.h"
#include "Twips.h"

#include <QPainter>

namespace tav::platform {

namespace {

constexpr double kCornerRadius = 120;

QPen borderPen(const PageElement& element)
{
    QPen pen(toQColor(element.color), element.penPixels * kTwipsPerPixel);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

Qt::Alignment horizontal(const PageElement& label)
{
    if (label.autoSize)
        return Qt::AlignLeft;
    switch (label.align) {
    case PageElement::Align::Center: return Qt::AlignHCenter;
    case PageElement::Align::Right: return Qt::AlignRight;
    case PageElement::Align::Left: break;
    }
    return Qt::AlignLeft;
}

void paintLabel(QPainter& painter, const PageElement& label)
{
    painter.setFont(pageQFont(label.font));
    painter.setPen(toQColor(label.color));
    const double lineHeight = textMeasurer().lineHeight(label.font);
    const int flags = horizontal(label) | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    QString text = label.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF line(label.left, label.top + static_cast<double>(i) * lineHeight, label.width, lineHeight);
        painter.drawText(line, flags, lines[i]);
    }
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
