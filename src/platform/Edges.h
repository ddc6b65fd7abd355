#pragma once

#include <QRect>

class QPainter;

namespace tav::platform {

// The bevels of the classic desktop look, drawn on all four sides of a rectangle in the fixed
// system colours. A double edge has an outer and an inner line; a thin edge is the inner line
// alone, drawn on the rectangle's border.
enum class Edge { Raised, RaisedThin, Sunken, SunkenThin };

void drawEdge(QPainter& painter, const QRect& rect, Edge edge);

// The dotted keyboard-focus mark: every other pixel of the rectangle's outline is inverted, so
// it shows on any background and drawing it twice removes it.
void drawFocusRect(QPainter& painter, const QRect& rect);

} // namespace tav::platform
