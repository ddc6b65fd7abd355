#pragma once

#include "PageModel.h"

class QPainter;

namespace tav::platform {

// Draws a page's visible elements in their order, the painter's unit being the twip. Line heights
// come from the installed text measurer, so that printed lines stand where layouts put them. A
// label's text stays inside its rectangle unless the label sizes itself to its text.
void paintPage(QPainter& painter, const Page& page);

} // namespace tav::platform
