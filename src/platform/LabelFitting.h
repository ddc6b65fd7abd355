#pragma once

#include "PageModel.h"

#include <QRectF>

namespace tav::platform {

// A label's text measured before it is painted, laid out as the painter will lay it out: what a
// page's layout needs to fit texts to their room.

// How wide the widest of the text's typed lines is on one line, in twips.
double widestLine(const PageElement& label);

// Where the label's text will stand on the page: the extent of its lines, inside its rectangle
// (the lines of a label that sizes itself to its text from its left edge, as wide as they are).
QRectF labelTextArea(const PageElement& label);

// Whether the label's text may stand anywhere between the two heights (twips from the page's
// top): a quick test that spares laying the text out where it cannot.
bool mayReach(const PageElement& label, double top, double bottom);

// How many lines the text takes in a label of that font and width.
int lineCount(const QString& text, const PageFont& font, double width);

// Lowers the label's point size until every typed line of its text fits the width on one line.
void shrinkToWidth(PageElement& label, double width);

} // namespace tav::platform
