#include "Edges.h"

#include "Colors.h"

#include <QPainter>

namespace tav::platform {

namespace {

// One line of a bevel: the colour of its top and left sides and that of its bottom and right.
struct BevelLine {
    ColorValue topLeft;
    ColorValue bottomRight;
};

constexpr BevelLine kRaisedOuter{SystemColor::Light3D, SystemColor::DarkShadow3D};
constexpr BevelLine kRaisedInner{SystemColor::ButtonHighlight, SystemColor::ButtonShadow};
constexpr BevelLine kSunkenOuter{SystemColor::ButtonShadow, SystemColor::ButtonHighlight};
constexpr BevelLine kSunkenInner{SystemColor::DarkShadow3D, SystemColor::Light3D};

// The bottom and right sides own the corners they share with the top and left sides.
void drawBevelLine(QPainter& painter, const QRect& rect, const BevelLine& line)
{
    if (rect.isEmpty())
        return;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    painter.setPen(toQColor(line.topLeft));
    painter.drawLine(l, t, r - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.setPen(toQColor(line.bottomRight));
    painter.drawLine(l, b, r, b);
    painter.drawLine(r, t, r, b);
}

} // namespace

void drawEdge(QPainter& painter, const QRect& rect, Edge edge)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (edge) {
    case Edge::Raised:
        drawBevelLine(painter, rect, kRaisedOuter);
        drawBevelLine(painter, rect.adjusted(1, 1, -1, -1), kRaisedInner);
        break;
    case Edge::RaisedThin:
        drawBevelLine(painter, rect, kRaisedInner);
        break;
    case Edge::Sunken:
        drawBevelLine(painter, rect, kSunkenOuter);
        drawBevelLine(painter, rect.adjusted(1, 1, -1, -1), kSunkenInner);
        break;
    case Edge::SunkenThin:
        drawBevelLine(painter, rect, kSunkenInner);
        break;
    }
    painter.restore();
}

void drawFocusRect(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(Qt::black);
    // The dots lie on a checkerboard, so that neighbouring sides meet in step at the corners.
    const auto dot = [&painter](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.drawPoint(x, y);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.restore();
}

} // namespace tav::platform
